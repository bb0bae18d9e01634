#include "player/playback/PlaybackController.h"

#include "player/playback/FrameSounds.h"

#include <algorithm>

namespace glimmora::player {

PlaybackController::PlaybackController(std::shared_ptr<const swf::DecodedMovie> movie,
                                       PlaybackClock& clock, PlaybackTimer& timer,
                                       SoundChannel* sound)
    : movie_(std::move(movie)),
      clock_(clock),
      timer_(timer),
      sound_(sound),
      cursor_(movie_),
      schedule_(movie_->header.frameRate)
{
    list_ = &cursor_.Seek(0);
    if (sound_) sound_->PauseStream(true);
}

PlaybackController::~PlaybackController()
{
    timer_.Stop();
}

void PlaybackController::Play()
{
    const int count = TotalFrames();
    if (count == 0) return;
    if (!loop_ && frame_ == count - 1 && count > 1) {
        Seek(0);
        NotifyFrame();
    }
    if (playing_) return;
    if (soundsPending_) StartFrameSounds(frame_);
    schedule_.Restart(clock_.NowMicros());
    ChangePlaying(true);
}

void PlaybackController::Stop()
{
    ChangePlaying(false);
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
    if (frame_ > 0) {
        Seek(frame_ - 1);
        NotifyFrame();
    }
}

void PlaybackController::Forward()
{
    Stop();
    if (frame_ + 1 < TotalFrames()) {
        Seek(frame_ + 1);
        NotifyFrame();
    }
}

void PlaybackController::GotoFrame(int frame)
{
    const int count = TotalFrames();
    if (count == 0) return;
    frame = std::clamp(frame, 0, count - 1);
    if (frame == frame_) {  // the same frame: sound stops, nothing new starts
        if (sound_) sound_->StopAllSounds();
        return;
    }
    Seek(frame);
    if (playing_) {
        schedule_.Restart(clock_.NowMicros());
        EnterWhilePlaying(frame);
    }
    NotifyFrame();
}

void PlaybackController::Tick()
{
    if (!playing_) return;
    const int count = TotalFrames();
    int due = schedule_.TakeDue(clock_.NowMicros());
    bool moved = false;
    while (due-- > 0 && playing_) {
        if (count <= 1) break;  // a one-frame timeline stands still
        if (frame_ + 1 < count) {
            frame_ += 1;
            list_ = &cursor_.Seek(frame_);
        } else if (loop_) {
            frame_ = 0;
            list_ = &cursor_.Seek(0);
        } else {
            ChangePlaying(false);
            break;
        }
        moved = true;
        EnterWhilePlaying(frame_);
    }
    if (moved) NotifyFrame();
}

void PlaybackController::Seek(int frame)
{
    if (sound_) sound_->StopAllSounds();
    frame_ = frame;
    list_ = &cursor_.Seek(frame);
    soundsPending_ = true;
}

void PlaybackController::EnterWhilePlaying(int frame)
{
    StartFrameSounds(frame);
    if (movie_->frames[frame].stop) ChangePlaying(false);
}

void PlaybackController::StartFrameSounds(int frame)
{
    soundsPending_ = false;
    if (sound_) player::StartFrameSounds(*movie_, *list_, frame, *sound_);
}

void PlaybackController::ChangePlaying(bool playing)
{
    if (playing == playing_) return;
    playing_ = playing;
    if (sound_) sound_->PauseStream(!playing);
    if (playing) {
        // Waking four times per frame shows each frame at most a quarter
        // period late; the schedule itself decides which frames are due.
        const int64_t wake = std::max<int64_t>(1000, schedule_.IntervalMicros() / 4);
        timer_.Start(wake, [this] { Tick(); });
    } else {
        timer_.Stop();
    }
    if (onPlayingChanged) onPlayingChanged(playing);
}

void PlaybackController::NotifyFrame()
{
    if (onFrameChanged) onFrameChanged(frame_);
}

}  // namespace glimmora::player
