#include "player/playback/SoundMixer.h"

#include "player/playback/SoundDecoding.h"

#include <algorithm>

namespace glimmora::player {
namespace {

constexpr uint16_t kFullLevel = 32768;

// Positions never go back; levels never exceed full volume. An envelope
// that keeps both channels at full volume throughout is no envelope.
std::vector<swf::SoundEnvelopePoint> CleanEnvelope(const std::vector<swf::SoundEnvelopePoint>& points)
{
    std::vector<swf::SoundEnvelopePoint> clean = points;
    uint32_t reached = 0;
    bool full = true;
    for (swf::SoundEnvelopePoint& point : clean) {
        point.position44 = std::max(point.position44, reached);
        reached = point.position44;
        point.leftLevel = std::min(point.leftLevel, kFullLevel);
        point.rightLevel = std::min(point.rightLevel, kFullLevel);
        full = full && point.leftLevel == kFullLevel && point.rightLevel == kFullLevel;
    }
    if (full) clean.clear();
    return clean;
}

int64_t Interpolate(int64_t a, int64_t b, uint64_t at, uint64_t from, uint64_t to)
{
    return a + (b - a) * int64_t(at - from) / int64_t(to - from);
}

}  // namespace

SoundMixer::SoundMixer(std::shared_ptr<const swf::DecodedMovie> movie)
    : movie_(std::move(movie)), streamDecoder_(movie_)
{
    for (const auto& [id, character] : movie_->dictionary) {
        if (character && std::holds_alternative<swf::Sound>(*character)) hasSounds_ = true;
    }
    if (streamDecoder_.HasStream()) hasSounds_ = true;
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
                *samples = DecodeForMix(*sound, kMaxSoundFrames);
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
    voice.envelope = CleanEnvelope(info.envelope);
    if (voice.begin == voice.end) return;  // nothing to hear
    std::lock_guard lock(mutex_);
    if (voices_.size() >= kMaxVoices) voices_.erase(voices_.begin());
    voices_.push_back(std::move(voice));
}

void SoundMixer::StopAllSounds()
{
    streamDecoder_.Reset();
    std::lock_guard lock(mutex_);
    voices_.clear();
    stream_.clear();
}

void SoundMixer::StreamFrame(int frame)
{
    if (!streamDecoder_.HasStream()) return;
    const std::vector<int16_t> samples = streamDecoder_.Frame(frame, kMaxStreamFrames);
    if (samples.empty()) return;
    std::lock_guard lock(mutex_);
    stream_.insert(stream_.end(), samples.begin(), samples.end());
    if (stream_.size() > kMaxStreamFrames * 2) {
        stream_.erase(stream_.begin(), stream_.begin() + ptrdiff_t(stream_.size() - kMaxStreamFrames * 2));
    }
}

void SoundMixer::PauseStream(bool paused)
{
    std::lock_guard lock(mutex_);
    streamPaused_ = paused;
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

size_t SoundMixer::StreamQueuedFrames() const
{
    std::lock_guard lock(mutex_);
    return stream_.size() / 2;
}

bool SoundMixer::StreamPaused() const
{
    std::lock_guard lock(mutex_);
    return streamPaused_;
}

void SoundMixer::MixVoice(Voice& voice, int32_t* sum, size_t frames)
{
    const int16_t* data = voice.samples->data();
    const auto& envelope = voice.envelope;
    size_t written = 0;
    while (written < frames && voice.playsLeft > 0) {
        const size_t run = std::min(frames - written, voice.end - voice.position);
        const int16_t* from = data + voice.position * 2;
        int32_t* to = sum + written * 2;
        if (envelope.empty()) {
            for (size_t i = 0; i < run * 2; ++i) to[i] += from[i];
        } else {
            for (size_t i = 0; i < run; ++i, ++voice.elapsed) {
                while (voice.nextPoint < envelope.size() && envelope[voice.nextPoint].position44 <= voice.elapsed) {
                    ++voice.nextPoint;
                }
                int64_t left, right;
                if (voice.nextPoint == 0 || voice.nextPoint == envelope.size()) {
                    const auto& point = envelope[voice.nextPoint == 0 ? 0 : envelope.size() - 1];
                    left = point.leftLevel;
                    right = point.rightLevel;
                } else {
                    const auto& a = envelope[voice.nextPoint - 1];
                    const auto& b = envelope[voice.nextPoint];
                    left = Interpolate(a.leftLevel, b.leftLevel, voice.elapsed, a.position44, b.position44);
                    right = Interpolate(a.rightLevel, b.rightLevel, voice.elapsed, a.position44, b.position44);
                }
                to[2 * i] += int32_t((from[2 * i] * left) >> 15);
                to[2 * i + 1] += int32_t((from[2 * i + 1] * right) >> 15);
            }
        }
        written += run;
        voice.position += run;
        if (voice.position == voice.end) {
            --voice.playsLeft;
            voice.position = voice.begin;
        }
    }
}

void SoundMixer::Mix(int16_t* out, size_t frames)
{
    std::vector<int32_t> sum(frames * 2, 0);
    {
        std::lock_guard lock(mutex_);
        for (Voice& voice : voices_) MixVoice(voice, sum.data(), frames);
        std::erase_if(voices_, [](const Voice& v) { return v.playsLeft == 0; });
        if (!streamPaused_) {
            const size_t count = std::min(frames * 2, stream_.size());
            std::transform(stream_.begin(), stream_.begin() + ptrdiff_t(count), sum.begin(), sum.begin(),
                           [](int16_t s, int32_t total) { return total + s; });
            stream_.erase(stream_.begin(), stream_.begin() + ptrdiff_t(count));
        }
    }
    for (size_t i = 0; i < frames * 2; ++i) {
        out[i] = int16_t(std::clamp(sum[i], -32768, 32767));
    }
}

}  // namespace glimmora::player
