#include "player/playback/PlaybackController.h"

#include "player/playback/FrameSounds.h"

#include <algorithm>

namespace glimmora::player {

PlaybackController::PlaybackController(std::shared_ptr<const swf::DecodedMovie> movie,
                                       PlaybackClock& clock, PlaybackTimer& timer,
                                       SoundChannel* sound, StageQuality quality)
    : movie_(std::move(movie)),
      clock_(clock),
      timer_(timer),
      sound_(sound),
      runner_(movie_),
      cursor_(movie_),
      schedule_(movie_->header.frameRate),
      stage_((cursor_.SetEmbeddingQuality(quality), cursor_.Seek(0)))
{
    runner_.SetEmbeddingQuality(quality);
    // A loaded movie stands on its first frame until played; meanwhile the
    // snapshots that make seeks anywhere quick are taken behind it.
    cursor_.IndexInBackground();
    stage_.Mutable(Stage::kRoot)->playing = false;
    if (sound_) sound_->PauseStream(true);
}

PlaybackController::~PlaybackController()
{
    timer_.Stop();
}

int PlaybackController::Frame() const
{
    return std::max(stage_.Root().frame, 0);
}

void PlaybackController::Play()
{
    const int count = TotalFrames();
    if (count == 0) return;
    if (!loop_ && Frame() == count - 1 && count > 1) {
        Seek(0);
        NotifyFrame();
    }
    if (Playing() && running_) return;
    if (soundsPending_) StartPendingSounds();
    schedule_.Restart(clock_.NowMicros());
    SetMainPlaying(true);
    Run(true);
}

void PlaybackController::Stop()
{
    SetMainPlaying(false);
    Run(false);
}

void PlaybackController::SetPlaying(bool playing)
{
    if (playing) {
        Play();
    } else {
        Stop();
    }
}

void PlaybackController::Back()
{
    Stop();
    if (Frame() > 0) {
        Seek(Frame() - 1);
        NotifyFrame();
    }
}

void PlaybackController::Forward()
{
    Stop();
    if (Frame() + 1 < TotalFrames()) {
        Seek(Frame() + 1);
        NotifyFrame();
    }
}

void PlaybackController::GotoFrame(int frame)
{
    const int count = TotalFrames();
    if (count == 0) return;
    frame = std::clamp(frame, 0, count - 1);
    if (frame == Frame()) {  // the same frame: sound stops, nothing new starts
        if (sound_) sound_->StopAllSounds();
        return;
    }
    Seek(frame);
    if (Playing()) {
        schedule_.Restart(clock_.NowMicros());
        StartPendingSounds();
        // Played into, the frame's own stop holds the main timeline there.
        if (stage_.mainStopAsked) SetMainPlaying(false);
    }
    NotifyFrame();
}

void PlaybackController::Tick()
{
    if (!running_) return;
    int due = schedule_.TakeDue(clock_.NowMicros());
    bool stepped = false, moved = false;
    while (due-- > 0 && running_) {
        const int before = Frame();
        const bool wasPlaying = Playing();
        runner_.Tick(stage_, RunMode::Play, loop_);
        stepped = true;
        moved = moved || Frame() != before || stage_.mainEntered;
        soundsPending_ = false;
        if (sound_) {
            if (stage_.mainEntered) {
                StartFrameSounds(stage_, Frame(), *sound_);
            } else {
                for (const swf::SoundStart& start : stage_.sounds) sound_->StartSound(start.soundId, start.info);
            }
        }
        if (Playing() != wasPlaying) {
            if (sound_) sound_->PauseStream(!Playing());
            if (onPlayingChanged) onPlayingChanged(Playing());
        }
        // Nothing plays any more: nothing can change until played again.
        if (!AnythingPlays()) Run(false);
    }
    if (moved) NotifyFrame();
    if (stepped && onStageChanged) onStageChanged();
}

void PlaybackController::SetEmbeddingQuality(StageQuality quality)
{
    if (quality == runner_.EmbeddingQuality()) return;
    runner_.SetEmbeddingQuality(quality);
    cursor_.SetEmbeddingQuality(quality);
    Seek(Frame());
    NotifyFrame();
}

void PlaybackController::Seek(int frame)
{
    if (sound_) sound_->StopAllSounds();
    const bool playing = Playing();
    stage_ = cursor_.Seek(frame);
    if (stage_.Root().playing != playing) stage_.Mutable(Stage::kRoot)->playing = playing;
    soundsPending_ = true;
}

void PlaybackController::StartPendingSounds()
{
    soundsPending_ = false;
    if (sound_) StartFrameSounds(stage_, Frame(), *sound_);
}

void PlaybackController::SetMainPlaying(bool playing)
{
    if (playing == Playing()) return;
    stage_.Mutable(Stage::kRoot)->playing = playing;
    if (sound_) sound_->PauseStream(!playing);
    if (onPlayingChanged) onPlayingChanged(playing);
}

void PlaybackController::Run(bool running)
{
    if (running == running_) return;
    running_ = running;
    if (running) {
        // Waking four times per frame shows each frame at most a quarter
        // period late; the schedule itself decides which frames are due.
        const int64_t wake = std::max<int64_t>(1000, schedule_.IntervalMicros() / 4);
        timer_.Start(wake, [this] { Tick(); });
    } else {
        timer_.Stop();
    }
}

bool PlaybackController::AnythingPlays() const
{
    return stage_.AnyPlaying();
}

void PlaybackController::NotifyFrame()
{
    if (onFrameChanged) onFrameChanged(Frame());
}

}  // namespace glimmora::player
