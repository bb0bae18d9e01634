#pragma once
// Writes a timeline as an uncompressed SWF file in memory: the header,
// FileAttributes when needed, the background, then frame by frame the
// definitions each frame uses for the first time, its display tags (the
// removals, then the depths from the bottom up), its sounds and ShowFrame,
// and End. Sprites of settled objects that a crowded frame folds together
// are defined before the frame that places them.
//
// The version is the lowest the tags need: 3 for PlaceObject2, DefineShape3,
// DefineFont2 and DefineText2; 4 with sounds (uncompressed PCM, format 3);
// 6 when a font name needs UTF-8; 8 with pictures, because players smooth
// bitmap fills only from version 8 (and version 8 needs FileAttributes first).

#include "swf/encoder/ChainPlan.h"
#include "swf/encoder/Timeline.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace glimmora::swf {

struct MovieSettings {
    Twips width = 11000, height = 8000;
    int framesPerSecond = 12;
    Rgba background{255, 255, 255, 255};
    // Beyond this many objects at once, settled ones are folded into sprites
    // (SettledFold); lower than the format's limit only to try the folding.
    uint32_t mostShownAtOnce = kMostShownAtOnce;
};

struct EncodedMovie {
    std::vector<uint8_t> bytes;
    // The records our reader decodes from it (DecodeLimits::maxRecords),
    // counted as the tags were written.
    size_t records = 0;
};

// Memory EncodeMovie works in, kept between the builds of one movie so that
// a long movie's lists of tags are not allocated and paged in at every build.
class EncoderScratch {
public:
    EncoderScratch();
    ~EncoderScratch();
    EncoderScratch(EncoderScratch&&) noexcept;
    EncoderScratch& operator=(EncoderScratch&&) noexcept;

    struct Lists;
    Lists& Get() { return *lists_; }

private:
    std::unique_ptr<Lists> lists_;
};

// Throws SwfError when the movie cannot be written (too many characters,
// glyphs or objects shown at once, more than 4 GB).
EncodedMovie EncodeMovie(const MovieSettings& settings, const Timeline& timeline, EncoderScratch& scratch);
EncodedMovie EncodeMovie(const MovieSettings& settings, const Timeline& timeline);

}  // namespace glimmora::swf
