#pragma once
// The movie's sounds, mixed to 44100 Hz stereo.
//
// Event sounds are decoded on their first start and kept, at most
// kMaxSoundFrames of each (a sound at a low rate grows up to 32 times on its
// way to the mix). StartSound applies
// the SOUNDINFO:
//  - SyncStop stops every playing instance of the sound and starts nothing;
//  - SyncNoMultiple starts nothing while the sound is already playing;
//  - LoopCount is the number of plays (absent or 0 means one);
//  - in and out points, in 44.1 kHz samples, bound each play;
//  - the envelope scales each channel by its level (32768 is full volume),
//    linearly between points whose positions count 44.1 kHz samples from
//    the start of the first play, through all loops. Before the first point
//    its levels hold, after the last point the last levels. Points that go
//    back in time are taken at the position reached, levels above 32768 as
//    32768.
//
// The main timeline's streaming sound is decoded a frame's block at a time
// (StreamFrame) into a queue that the mix drains while the stream is not
// paused. The queue holds at most kMaxStreamFrames: when nothing drains it
// (no audio device) the oldest samples give way.
//
// A sound that cannot be decoded stays silent. Mix may be called from the
// audio thread while the other members run on the user-interface thread.

#include "player/playback/SoundChannel.h"
#include "player/playback/SoundStream.h"
#include "swf/reader/DecodedMovie.h"

#include <cstdint>
#include <deque>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace glimmora::player {

class SoundMixer : public SoundChannel {
public:
    explicit SoundMixer(std::shared_ptr<const swf::DecodedMovie> movie);

    void StartSound(uint16_t soundId, const swf::SoundInfo& info) override;
    // Stops the event sounds and the stream, whose queue is emptied.
    void StopAllSounds() override;
    void StreamFrame(int frame) override;
    void PauseStream(bool paused) override;

    // Writes `frames` stereo frames (2 x frames samples) of the mix and
    // moves the playing sounds on; silence when nothing plays.
    void Mix(int16_t* out, size_t frames);

    bool IsPlaying(uint16_t soundId) const;
    size_t PlayingCount() const;
    // Stereo frames of the stream waiting to be mixed.
    size_t StreamQueuedFrames() const;
    bool StreamPaused() const;
    // Whether the movie defines any sound or has a streaming sound.
    bool HasSounds() const { return hasSounds_; }

    // At most this many sounds play at once; a further start ends the oldest.
    static constexpr size_t kMaxVoices = 64;
    // Four seconds of stream at most wait in the queue.
    static constexpr size_t kMaxStreamFrames = 4 * 44100;
    // An event sound plays at most ten minutes; the rest is never decoded.
    static constexpr size_t kMaxSoundFrames = 10 * 60 * 44100;

private:
    struct Voice {
        uint16_t soundId = 0;
        std::shared_ptr<const std::vector<int16_t>> samples;  // 44.1 kHz stereo
        size_t begin = 0, end = 0, position = 0;               // in stereo frames
        uint32_t playsLeft = 1;                                // including the current one
        std::vector<swf::SoundEnvelopePoint> envelope;         // cleaned up; empty: full volume
        uint64_t elapsed = 0;                                  // frames played, over all loops
        size_t nextPoint = 0;                                  // first envelope point after `elapsed`
    };

    std::shared_ptr<const std::vector<int16_t>> Samples(uint16_t soundId);
    static void MixVoice(Voice& voice, int32_t* sum, size_t frames);

    std::shared_ptr<const swf::DecodedMovie> movie_;
    bool hasSounds_ = false;
    std::map<uint16_t, std::shared_ptr<const std::vector<int16_t>>> decoded_;
    StreamDecoder streamDecoder_;  // user-interface thread only
    mutable std::mutex mutex_;     // guards voices_, stream_ and streamPaused_
    std::vector<Voice> voices_;
    std::deque<int16_t> stream_;
    bool streamPaused_ = false;
};

}  // namespace glimmora::player
