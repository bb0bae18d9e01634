#include "player/playback/SoundMixer.h"

#include "player/playback/SoundDecoding.h"

#include <algorithm>

namespace glimmora::player {

SoundMixer::SoundMixer(std::shared_ptr<const swf::DecodedMovie> movie) : movie_(std::move(movie))
{
    for (const auto& [id, character] : movie_->dictionary) {
        if (character && std::holds_alternative<swf::Sound>(*character)) hasSounds_ = true;
    }
}

std::shared_ptr<const std::vector<int16_t>> SoundMixer::Samples(uint16_t soundId)
{
    auto found = decoded_.find(soundId);
    if (found != decoded_.end()) return found->second;
    auto samples = std::make_shared<std::vector<int16_t>>();
    auto character = movie_->dictionary.find(soundId);
    if (character != movie_->dictionary.end() && character->second) {
        if (const auto* sound = std::get_if<swf::Sound>(character->second.get())) {
            try {
                *samples = ToMixFormat(DecodeSound(*sound));
            } catch (const SoundDecodeError&) {
                samples->clear();  // undecodable: silent
            }
        }
    }
    decoded_.emplace(soundId, samples);
    return samples;
}

void SoundMixer::StartSound(uint16_t soundId, const swf::SoundInfo& info)
{
    if (info.syncStop) {
        std::lock_guard lock(mutex_);
        std::erase_if(voices_, [&](const Voice& v) { return v.soundId == soundId; });
        return;
    }
    if (info.syncNoMultiple && IsPlaying(soundId)) return;
    auto samples = Samples(soundId);
    Voice voice;
    voice.soundId = soundId;
    const size_t frames = samples->size() / 2;
    voice.end = std::min<size_t>(frames, info.outPoint.value_or(uint32_t(-1)));
    voice.begin = std::min<size_t>(info.inPoint.value_or(0), voice.end);
    voice.position = voice.begin;
    voice.playsLeft = std::max<uint32_t>(1, info.loopCount.value_or(1));
    voice.samples = std::move(samples);
    if (voice.begin == voice.end) return;  // nothing to hear
    std::lock_guard lock(mutex_);
    if (voices_.size() >= kMaxVoices) voices_.erase(voices_.begin());
    voices_.push_back(std::move(voice));
}

void SoundMixer::StopAllSounds()
{
    std::lock_guard lock(mutex_);
    voices_.clear();
}

bool SoundMixer::IsPlaying(uint16_t soundId) const
{
    std::lock_guard lock(mutex_);
    return std::any_of(voices_.begin(), voices_.end(),
                       [&](const Voice& v) { return v.soundId == soundId; });
}

size_t SoundMixer::PlayingCount() const
{
    std::lock_guard lock(mutex_);
    return voices_.size();
}

void SoundMixer::Mix(int16_t* out, size_t frames)
{
    std::vector<int32_t> sum(frames * 2, 0);
    {
        std::lock_guard lock(mutex_);
        for (Voice& voice : voices_) {
            const int16_t* data = voice.samples->data();
            size_t written = 0;
            while (written < frames && voice.playsLeft > 0) {
                const size_t run = std::min(frames - written, voice.end - voice.position);
                for (size_t i = 0; i < run * 2; ++i) {
                    sum[written * 2 + i] += data[voice.position * 2 + i];
                }
                written += run;
                voice.position += run;
                if (voice.position == voice.end) {
                    --voice.playsLeft;
                    voice.position = voice.begin;
                }
            }
        }
        std::erase_if(voices_, [](const Voice& v) { return v.playsLeft == 0; });
    }
    for (size_t i = 0; i < frames * 2; ++i) {
        out[i] = int16_t(std::clamp(sum[i], -32768, 32767));
    }
}

}  // namespace glimmora::player
