#pragma once
// Plays a decoded movie: steps its timelines at the movie's rate from a
// steady clock (TimelineRunner: every sprite instance with its own play head,
// frame scripts run), loops or stops at the end, steps and seeks, and sends
// the sounds of the frames entered to a sound channel. Frames are counted
// from 0 and are those of the main timeline.
//
// Playing is the main timeline's play head moving. A script that stops the
// main timeline leaves the sprites on the stage playing on; Stop (the user's
// pause) holds everything. A seek (GotoFrame, Back, Forward) shows the stage
// of that frame as StageCursor makes it, the same however it is reached.
//
// Sounds: a frame entered while playing starts its sounds (and those of the
// sprite frames entered with it) and queues its streaming-sound block at
// once; a frame reached by a seek while stopped does both when playback
// begins on it. Every seek (GotoFrame, Back, Forward, Play from the end)
// stops all sound, the stream included; looping back to the first frame
// does not. The stream pauses whenever the main timeline stops and goes on
// when it plays again (the streams of sprites stay silent).

#include "player/playback/FrameSchedule.h"
#include "player/playback/PlaybackClock.h"
#include "player/playback/SoundChannel.h"
#include "player/timeline/StageCursor.h"
#include "player/timeline/TimelineRunner.h"
#include "swf/reader/DecodedMovie.h"

#include <functional>
#include <memory>

namespace glimmora::player {

class PlaybackController {
public:
    // The clock and the timer must outlive the controller; `sound` may be
    // null. `quality` is the embedding's, which scripts read (_quality)
    // until one of them chooses.
    PlaybackController(std::shared_ptr<const swf::DecodedMovie> movie, PlaybackClock& clock,
                       PlaybackTimer& timer, SoundChannel* sound = nullptr,
                       StageQuality quality = StageQuality::High);
    ~PlaybackController();
    PlaybackController(const PlaybackController&) = delete;
    PlaybackController& operator=(const PlaybackController&) = delete;

    int TotalFrames() const { return movie_->FrameCount(); }
    int Frame() const;
    bool Playing() const { return stage_.Root().playing; }
    bool Loop() const { return loop_; }
    void SetLoop(bool loop) { loop_ = loop; }

    // Starts playing from the current frame; from the first frame when
    // stopped at the end of a movie that does not loop.
    void Play();
    // Holds the movie; event sounds already started play on, the stream pauses.
    void Stop();
    void SetPlaying(bool playing);
    // One frame back or on, without wrapping; both stop playback.
    void Back();
    void Forward();
    // Shows `frame`, clamped into the movie; playback state is kept.
    void GotoFrame(int frame);
    // Another embedding quality: the current frame is shown again as it
    // stands with it (its scripts may read it).
    void SetEmbeddingQuality(StageQuality quality);

    // What is shown: the main timeline and every sprite instance on it.
    const Stage& CurrentStage() const { return stage_; }
    // The main timeline's display list.
    const DepthList& DisplayList() const { return stage_.Root().children; }
    const swf::DecodedMovie& Movie() const { return *movie_; }

    // Advances by the frame periods due now; the timer calls it, tests may too.
    void Tick();

    std::function<void(int frame)> onFrameChanged;
    std::function<void(bool playing)> onPlayingChanged;
    // Anything on the stage changed (a sprite moved on while the frame stayed).
    std::function<void()> onStageChanged;

private:
    void Seek(int frame);
    void StartPendingSounds();
    void SetMainPlaying(bool playing);
    void Run(bool running);
    bool AnythingPlays() const;
    void NotifyFrame();

    std::shared_ptr<const swf::DecodedMovie> movie_;
    PlaybackClock& clock_;
    PlaybackTimer& timer_;
    SoundChannel* sound_;
    TimelineRunner runner_;
    StageCursor cursor_;
    FrameSchedule schedule_;
    Stage stage_;
    bool running_ = false;       // the timer steps the stage
    bool loop_ = true;
    bool soundsPending_ = true;  // the current frame's sounds are still to start
};

}  // namespace glimmora::player
