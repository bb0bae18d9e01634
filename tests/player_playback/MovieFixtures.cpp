#include "MovieFixtures.h"

namespace glimmora::test {

std::shared_ptr<swf::DecodedMovie> CountingMovie(int frames, int fps)
{
    auto movie = std::make_shared<swf::DecodedMovie>();
    movie->header.frameRate = uint16_t(fps * 256);
    movie->header.frameCount = uint16_t(frames);
    movie->header.frameSize = swf::Rect{0, 11000, 0, 8000};
    movie->dictionary[1] = std::make_shared<const swf::Character>(swf::Shape{});
    movie->frames.resize(size_t(frames));
    for (int f = 0; f < frames; ++f) {
        swf::DisplayOp op;
        op.kind = f == 0 ? swf::DisplayOp::Kind::Place : swf::DisplayOp::Kind::Modify;
        op.depth = 1;
        if (f == 0) op.characterId = 1;
        swf::Matrix matrix;
        matrix.translateX = f;
        op.matrix = matrix;
        movie->frames[size_t(f)].ops.push_back(op);
    }
    return movie;
}

swf::Sound Pcm16Sound(const std::vector<int16_t>& samples, uint32_t rate, bool stereo)
{
    swf::Sound sound;
    sound.format = 3;
    sound.rate = rate;
    sound.is16Bit = true;
    sound.stereo = stereo;
    sound.sampleCount = uint32_t(samples.size() / (stereo ? 2 : 1));
    for (int16_t s : samples) {
        sound.data.push_back(uint8_t(uint16_t(s) & 0xff));
        sound.data.push_back(uint8_t(uint16_t(s) >> 8));
    }
    return sound;
}

void AddSound(swf::DecodedMovie& movie, uint16_t id, swf::Sound sound)
{
    movie.dictionary[id] = std::make_shared<const swf::Character>(std::move(sound));
}

swf::SoundInfo Info(bool syncStop, bool noMultiple, std::optional<uint16_t> loops)
{
    swf::SoundInfo info;
    info.syncStop = syncStop;
    info.syncNoMultiple = noMultiple;
    info.loopCount = loops;
    return info;
}

}  // namespace glimmora::test
