#pragma once
// Plain data records of the SWF format, shared by the writer and the reader.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glimmora::swf {

using Twips = int32_t;  // 1/20 pixel

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
    friend bool operator==(const Rgba&, const Rgba&) = default;
};

struct Rect {
    Twips xMin = 0, xMax = 0, yMin = 0, yMax = 0;
    friend bool operator==(const Rect&, const Rect&) = default;
};

// x' = scaleX*x + rotateSkew1*y + translateX; y' = rotateSkew0*x + scaleY*y + translateY.
// Scale and skew are 16.16 fixed point as stored in the file.
struct Matrix {
    int32_t scaleX = 65536, scaleY = 65536;
    int32_t rotateSkew0 = 0, rotateSkew1 = 0;
    Twips translateX = 0, translateY = 0;
    bool hasScale() const { return scaleX != 65536 || scaleY != 65536 || hasRotate(); }
    bool hasRotate() const { return rotateSkew0 != 0 || rotateSkew1 != 0; }
    friend bool operator==(const Matrix&, const Matrix&) = default;
};

// Multipliers are 8.8 fixed point (256 = 1.0); c' = clamp(c * mult / 256 + add).
struct ColorTransform {
    int16_t multR = 256, multG = 256, multB = 256, multA = 256;
    int16_t addR = 0, addG = 0, addB = 0, addA = 0;
    bool hasMult() const { return multR != 256 || multG != 256 || multB != 256 || multA != 256; }
    bool hasAdd() const { return addR != 0 || addG != 0 || addB != 0 || addA != 0; }
    friend bool operator==(const ColorTransform&, const ColorTransform&) = default;
};

enum class TagCode : uint16_t {
    End = 0,
    ShowFrame = 1,
    DefineShape = 2,
    PlaceObject = 4,
    RemoveObject = 5,
    DefineBits = 6,
    JPEGTables = 8,
    SetBackgroundColor = 9,
    DefineFont = 10,
    DefineText = 11,
    DoAction = 12,
    DefineFontInfo = 13,
    DefineSound = 14,
    StartSound = 15,
    SoundStreamHead = 18,
    SoundStreamBlock = 19,
    DefineBitsLossless = 20,
    DefineBitsJPEG2 = 21,
    DefineButton = 7,
    DefineShape2 = 22,
    PlaceObject2 = 26,
    RemoveObject2 = 28,
    DefineShape3 = 32,
    DefineText2 = 33,
    DefineButton2 = 34,
    DefineBitsJPEG3 = 35,
    DefineBitsLossless2 = 36,
    DefineEditText = 37,
    DefineSprite = 39,
    FrameLabel = 43,
    SoundStreamHead2 = 45,
    DefineMorphShape = 46,
    DefineFont2 = 48,
    DefineFontInfo2 = 62,
    DefineVideoStream = 60,
    VideoFrame = 61,
    FileAttributes = 69,
    PlaceObject3 = 70,
    DefineFont3 = 75,
    DefineShape4 = 83,
    DefineMorphShape2 = 84,
};

// One point of a sound's volume envelope: at `position44` (44.1 kHz samples
// from the start of the play) the channels stand at these levels, 32768
// being full volume; levels run linearly from point to point.
struct SoundEnvelopePoint {
    uint32_t position44 = 0;
    uint16_t leftLevel = 0, rightLevel = 0;
    friend bool operator==(const SoundEnvelopePoint&, const SoundEnvelopePoint&) = default;
};

// The SOUNDINFO of StartSound, as far as we use it.
struct SoundInfo {
    bool syncStop = false;
    bool syncNoMultiple = false;
    std::optional<uint32_t> inPoint, outPoint;
    std::optional<uint16_t> loopCount;
    std::vector<SoundEnvelopePoint> envelope;
    friend bool operator==(const SoundInfo&, const SoundInfo&) = default;
};

}  // namespace glimmora::swf
