#pragma once
// The movie's event sounds, mixed to 44100 Hz stereo. Sounds are decoded on
// their first start and kept. StartSound applies the SOUNDINFO:
//  - SyncStop stops every playing instance of the sound and starts nothing;
//  - SyncNoMultiple starts nothing while the sound is already playing;
//  - LoopCount is the number of plays (absent or 0 means one);
//  - in and out points, in 44.1 kHz samples, bound each play.
// A sound that cannot be decoded stays silent. Mix may be called from the
// audio thread while the other members run on the user-interface thread.

#include "player/playback/SoundChannel.h"
#include "swf/reader/DecodedMovie.h"

#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <vector>

namespace glimmora::player {

class SoundMixer : public SoundChannel {
public:
    explicit SoundMixer(std::shared_ptr<const swf::DecodedMovie> movie);

    void StartSound(uint16_t soundId, const swf::SoundInfo& info) override;
    void StopAllSounds() override;

    // Writes `frames` stereo frames (2 x frames samples) of the mix and
    // moves the playing sounds on; silence when nothing plays.
    void Mix(int16_t* out, size_t frames);

    bool IsPlaying(uint16_t soundId) const;
    size_t PlayingCount() const;
    // Whether the movie defines any sound at all.
    bool HasSounds() const { return hasSounds_; }

    // At most this many sounds play at once; a further start ends the oldest.
    static constexpr size_t kMaxVoices = 64;

private:
    struct Voice {
        uint16_t soundId = 0;
        std::shared_ptr<const std::vector<int16_t>> samples;  // 44.1 kHz stereo
        size_t begin = 0, end = 0, position = 0;               // in stereo frames
        uint32_t playsLeft = 1;                                // including the current one
    };

    std::shared_ptr<const std::vector<int16_t>> Samples(uint16_t soundId);

    std::shared_ptr<const swf::DecodedMovie> movie_;
    bool hasSounds_ = false;
    std::map<uint16_t, std::shared_ptr<const std::vector<int16_t>>> decoded_;
    mutable std::mutex mutex_;  // guards voices_
    std::vector<Voice> voices_;
};

}  // namespace glimmora::player
