#pragma once
// Plays a decoded movie's main timeline: advances frames at the movie's rate
// from a steady clock, honours stop actions, loops or stops at the end,
// steps and seeks, and sends each shown frame's sound starts to a sound
// channel. Frames are counted from 0.
//
// Sounds: a frame entered while playing starts its sounds and queues its
// streaming-sound block at once; a frame reached by a seek while stopped
// does both when playback begins on it. Every seek (GotoFrame, Back,
// Forward, Play from the end) stops all sound, the stream included; looping
// back to the first frame does not. The stream pauses whenever the timeline
// stops and goes on when it plays again. The sprites on the stage start the
// sounds of the frames they reach, a sprite's frame following the main
// timeline's from the frame it was placed in (sprites inside sprites, and
// the streams of sprites, stay silent).

#include "player/FrameCursor.h"
#include "player/playback/FrameSchedule.h"
#include "player/playback/PlaybackClock.h"
#include "player/playback/SoundChannel.h"
#include "swf/reader/DecodedMovie.h"

#include <functional>
#include <memory>

namespace glimmora::player {

class PlaybackController {
public:
    // The clock and the timer must outlive the controller; `sound` may be null.
    PlaybackController(std::shared_ptr<const swf::DecodedMovie> movie, PlaybackClock& clock,
                       PlaybackTimer& timer, SoundChannel* sound = nullptr);
    ~PlaybackController();
    PlaybackController(const PlaybackController&) = delete;
    PlaybackController& operator=(const PlaybackController&) = delete;

    int TotalFrames() const { return movie_->FrameCount(); }
    int Frame() const { return frame_; }
    bool Playing() const { return playing_; }
    bool Loop() const { return loop_; }
    void SetLoop(bool loop) { loop_ = loop; }

    // Starts playing from the current frame; from the first frame when
    // stopped at the end of a movie that does not loop.
    void Play();
    // Stops the timeline; event sounds already started play on, the
    // stream pauses.
    void Stop();
    void SetPlaying(bool playing);
    // One frame back or on, without wrapping; both stop playback.
    void Back();
    void Forward();
    // Shows `frame`, clamped into the movie; playback state is kept.
    void GotoFrame(int frame);

    const swf::DisplayList& DisplayList() const { return *list_; }
    const swf::DecodedMovie& Movie() const { return *movie_; }

    // Advances by the frames due now; the timer calls it, tests may too.
    void Tick();

    std::function<void(int frame)> onFrameChanged;
    std::function<void(bool playing)> onPlayingChanged;

private:
    void Seek(int frame);
    // Shows `frame` as part of playback: its sounds start and its stop action runs.
    void EnterWhilePlaying(int frame);
    void StartFrameSounds(int frame);
    void ChangePlaying(bool playing);
    void NotifyFrame();

    std::shared_ptr<const swf::DecodedMovie> movie_;
    PlaybackClock& clock_;
    PlaybackTimer& timer_;
    SoundChannel* sound_;
    FrameCursor cursor_;
    FrameSchedule schedule_;
    const swf::DisplayList* list_ = nullptr;
    int frame_ = 0;
    bool playing_ = false;
    bool loop_ = true;
    bool soundsPending_ = true;  // the current frame's sounds are still to start
};

}  // namespace glimmora::player
