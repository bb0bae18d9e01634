#pragma once
// Files the exporter wrote, read back by readers that are not ours: FFmpeg's
// demuxers and decoders (videos, GIF, APNG) and libwebp's animation decoder.

#include <QImage>

#include <cstdint>
#include <filesystem>
#include <vector>

namespace glimmora::test {

struct MediaFile {
    int width = 0, height = 0;
    int videoFrames = 0;
    double videoSeconds = 0;              // the last frame's end
    std::vector<double> frameSeconds;     // each frame's duration
    std::vector<QImage> images;           // decoded frames (RGB32), when asked for
    bool hasAudio = false;
    int audioRate = 0;
    std::vector<float> audio;             // the left channel, decoded
    double AudioSeconds() const { return audioRate ? double(audio.size()) / audioRate : 0; }
};

// Reads a file through libavformat; `decodeImages` keeps every frame.
MediaFile ReadMedia(const std::filesystem::path& file, bool decodeImages = false);

struct WebPAnimation {
    int width = 0, height = 0;
    int frames = 0;
    int loopCount = -1;
    std::vector<int> timestampsMs;  // each frame's end, as the decoder gives it
    std::vector<QImage> images;
};

WebPAnimation ReadWebP(const std::filesystem::path& file);

// The loop counts the animated images declare: the GIF's NETSCAPE2.0
// repeat count (-1 without the block) and the APNG's acTL plays.
int GifRepeatCount(const std::filesystem::path& file);
int ApngPlays(const std::filesystem::path& file);

// Mean absolute difference per channel of two images of one size.
double MeanDifference(const QImage& a, const QImage& b);

}  // namespace glimmora::test
