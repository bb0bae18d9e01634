#pragma once
// An SWF movie as the reader gives it: the header, the character dictionary
// and, per frame, the display-list operations and sound starts of that frame.
// The display list of any frame is the replay of the operations up to it.

#include "swf/format/Records.h"
#include "swf/reader/ActionProgram.h"
#include "swf/reader/DisplayOpList.h"

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>
#include <vector>

namespace glimmora::swf {

// A file that is not an SWF, or is truncated, damaged or too large.
class DecodeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct Header {
    std::string signature;  // "FWS", "CWS" (zlib) or "ZWS" (LZMA)
    uint8_t version = 0;
    uint32_t fileLength = 0;   // as declared: the uncompressed length
    Rect frameSize;
    uint16_t frameRate = 0;    // 8.8 fixed point, as stored
    uint16_t frameCount = 0;   // as declared
    double FramesPerSecond() const { return frameRate / 256.0; }
    // The stage's size; its rectangle need not start at 0 (the origin then moves).
    int WidthPixels() const { return int((int64_t(frameSize.xMax) - frameSize.xMin) / 20); }
    int HeightPixels() const { return int((int64_t(frameSize.yMax) - frameSize.yMin) / 20); }
};

// ---- Characters -----------------------------------------------------------

struct GradientStop {
    uint8_t ratio = 0;
    Rgba color;
};

struct FillStyle {
    enum class Type : uint8_t { Solid = 0x00, Linear = 0x10, Radial = 0x12, Focal = 0x13,
                                RepeatingBitmap = 0x40, ClippedBitmap = 0x41,
                                RepeatingBitmapHard = 0x42, ClippedBitmapHard = 0x43 };
    Type type = Type::Solid;
    Rgba color;
    Matrix matrix;                    // gradient or bitmap matrix
    std::vector<GradientStop> stops;
    uint8_t spread = 0, interpolation = 0;
    double focalPoint = 0;
    uint16_t bitmapId = 0;
};

struct LineStyle {
    enum class Cap : uint8_t { Round = 0, None = 1, Square = 2 };
    enum class Join : uint8_t { Round = 0, Bevel = 1, Miter = 2 };
    uint16_t width = 0;  // twips
    Rgba color;
    std::optional<FillStyle> fill;  // LINESTYLE2 with HasFill
    // LINESTYLE2 (DefineShape4) only; earlier lines are round and scale.
    Cap startCap = Cap::Round, endCap = Cap::Round;
    Join join = Join::Round;
    double miterLimit = 3;  // in widths
    bool noHScale = false, noVScale = false;  // keeps its width when the shape stretches
    bool noClose = false;  // a line ending where it starts gets caps, not a join
};

// One shape record, with edges already made absolute (twips, shape space).
struct ShapeRecord {
    enum class Kind : uint8_t { StyleChange, Line, Curve };
    Kind kind = Kind::StyleChange;
    // StyleChange
    std::optional<std::pair<Twips, Twips>> moveTo;
    std::optional<uint32_t> fillStyle0, fillStyle1, lineStyle;
    std::optional<std::pair<std::vector<FillStyle>, std::vector<LineStyle>>> newStyles;
    // Line / Curve: control only for curves; both absolute.
    Twips controlX = 0, controlY = 0, toX = 0, toY = 0;
};

struct Shape {
    int version = 1;  // 1..4 (DefineShape, 2, 3, 4)
    Rect bounds;
    std::vector<FillStyle> fillStyles;
    std::vector<LineStyle> lineStyles;
    std::vector<ShapeRecord> records;
    bool nonZeroWinding = false;
};

struct Bitmap {
    enum class Kind : uint8_t { Jpeg, JpegWithAlpha, Lossless };
    Kind kind = Kind::Jpeg;
    std::vector<uint8_t> data;       // complete JPEG (tables merged), PNG/GIF, or inflated lossless data
    std::vector<uint8_t> alpha;      // JPEG3: inflated, one byte per pixel
    uint8_t losslessFormat = 0;      // 3, 4 or 5
    bool losslessAlpha = false;      // DefineBitsLossless2
    uint16_t width = 0, height = 0;  // lossless only (JPEG: from its own header)
    uint16_t colorTableSize = 0;     // format 3: entries
};

struct Glyph {
    std::vector<ShapeRecord> records;  // fill style 1 = the text colour
    uint16_t code = 0;
    int16_t advance = 0;
};

struct Font {
    int version = 1;         // 1, 2 or 3
    std::string name;
    std::vector<Glyph> glyphs;
    bool bold = false, italic = false;
    bool hasLayout = false;
    // With a layout (font units): above and below the baseline, and between lines.
    uint16_t ascent = 0, descent = 0;
    int16_t leading = 0;
    uint16_t emSize() const { return version == 3 ? 20480 : 1024; }
};

struct TextGlyph {
    uint32_t index = 0;
    int32_t advance = 0;
};

struct TextRecord {
    std::optional<uint16_t> fontId;
    std::optional<Rgba> color;
    std::optional<int16_t> xOffset, yOffset;
    uint16_t height = 0;  // only meaningful with fontId
    std::vector<TextGlyph> glyphs;
};

struct Text {
    int version = 1;  // DefineText or DefineText2
    Rect bounds;
    Matrix matrix;
    std::vector<TextRecord> records;
};

// DefineEditText: a text field with its initial text, drawn with a font of
// the movie (its outlines) or of the system.
struct EditText {
    enum class Align : uint8_t { Left = 0, Right = 1, Center = 2, Justify = 3 };
    Rect bounds;
    std::optional<uint16_t> fontId;
    std::string fontClass;   // a font named by its class (SWF 9+), instead of by id
    uint16_t fontHeight = 0; // twips
    std::optional<Rgba> color;
    std::optional<uint16_t> maxLength;
    Align align = Align::Left;
    uint16_t leftMargin = 0, rightMargin = 0, indent = 0;  // twips
    int16_t leading = 0;                                  // twips
    std::string variableName;
    std::string initialText;  // UTF-8; HTML when `html`
    bool wordWrap = false, multiline = false, password = false, readOnly = false;
    bool autoSize = false, noSelect = false, border = false, wasStatic = false;
    bool html = false, useOutlines = false;
};

// DefineButton or DefineButton2: the characters of its states, each
// placed at a depth of the button with its own matrix (and, in
// DefineButton2, colour transform).
struct ButtonRecord {
    enum State : uint8_t { Up = 1, Over = 2, Down = 4, HitTest = 8 };
    uint8_t states = 0;
    uint16_t characterId = 0;
    uint16_t depth = 0;
    Matrix matrix;
    ColorTransform colorTransform;
    // DefineButton2, SWF 8: drawn through a layer as a placed object's.
    FilterList filters;
    BlendMode blendMode = BlendMode::Normal;
};

struct Button {
    int version = 1;
    std::vector<ButtonRecord> records;  // in file order
};

// DefineMorphShape or DefineMorphShape2: one shape given at its start and at
// its end. A placement's ratio (0 the start, 65535 the end) picks the shape
// between them: every point, colour, matrix and width in proportion. The
// start and end edges pair up in order; only the start's records carry styles.
struct MorphFillStyle {
    FillStyle start, end;  // the same type, and as many gradient stops
};

struct MorphLineStyle {
    LineStyle start, end;  // the same flags; widths, colours and fills differ
};

struct MorphShape {
    int version = 1;  // DefineMorphShape or DefineMorphShape2
    Rect startBounds, endBounds;
    std::vector<MorphFillStyle> fillStyles;
    std::vector<MorphLineStyle> lineStyles;
    std::vector<ShapeRecord> startRecords, endRecords;  // absolute, as a shape's
};

// DefineVideoStream and its VideoFrame tags: a placement's ratio names the
// frame shown. Frames other than key frames are differences from the one
// before, so a frame is decoded from the key frame before it.
struct VideoStream {
    enum Codec : uint8_t { SorensonH263 = 2, ScreenVideo = 3, Vp6 = 4, Vp6Alpha = 5, ScreenVideo2 = 6 };
    uint16_t frameCount = 0;  // as declared
    uint16_t width = 0, height = 0;
    uint8_t deblocking = 0;  // 0 as the stream says, 1 off, 2.. on
    bool smoothing = false;
    uint8_t codec = 0;
    // The encoded frames by number, from VideoFrame tags anywhere in the movie.
    std::map<uint16_t, std::vector<uint8_t>> frames;
};

struct Sound {
    uint8_t format = 0;  // 0/3 PCM, 1 ADPCM, 2 MP3, ...
    uint32_t rate = 0;   // samples per second
    bool is16Bit = false;
    bool stereo = false;
    uint32_t sampleCount = 0;
    std::vector<uint8_t> data;
};

struct SoundStart {
    uint16_t soundId = 0;
    SoundInfo info;
};

// SoundStreamHead or SoundStreamHead2: the format of a timeline's streaming
// sound, whose data comes in SoundStreamBlock tags, at most one per frame.
struct SoundStreamHead {
    uint8_t format = 0;  // 0/3 PCM, 1 ADPCM, 2 MP3, ...
    uint32_t rate = 0;   // samples per second
    bool is16Bit = false;
    bool stereo = false;
    uint16_t samplesPerBlock = 0;  // as declared: average per frame
    int16_t latencySeek = 0;       // MP3 only; 0 when absent
    friend bool operator==(const SoundStreamHead&, const SoundStreamHead&) = default;
};

struct FrameRecord {
    DisplayOpList ops;
    std::vector<SoundStart> sounds;
    // A stream head read in this frame; it holds for this frame's blocks and
    // the later ones, up to the next head.
    std::optional<SoundStreamHead> streamHead;
    // The SoundStreamBlock bodies of this frame, in file order (usually one).
    std::vector<std::vector<uint8_t>> streamBlocks;
    std::string label;
    // The DoAction scripts of this frame, in file order.
    std::vector<FrameScript> scripts;
};

struct Sprite {
    uint16_t frameCount = 0;
    std::vector<FrameRecord> frames;
};

using Character = std::variant<Shape, Bitmap, Font, Text, Sound, Sprite, EditText, Button, MorphShape, VideoStream>;

// ---- Display list ---------------------------------------------------------

struct DisplayItem {
    uint16_t characterId = 0;
    Matrix matrix;
    ColorTransform colorTransform;
    uint16_t ratio = 0;
    uint16_t clipDepth = 0;
    std::string name;
    int placedAtFrame = 0;  // for sprites: where their own timeline started
};

using DisplayList = std::map<uint16_t, DisplayItem>;  // by depth, drawn in ascending order

// Applies one operation as players do: a Place at an occupied depth is ignored,
// a Modify of an empty depth does nothing, a Replace keeps absent fields.
void ApplyDisplayOp(DisplayList& list, const DisplayOp& op, int frame);

struct DecodedMovie {
    Header header;
    std::optional<Rgba> background;
    std::map<uint16_t, std::shared_ptr<const Character>> dictionary;
    std::vector<FrameRecord> frames;  // one per ShowFrame of the main timeline
    // (tag code, count) in ascending code order, for checks; tags inside
    // sprites count too.
    std::vector<std::pair<uint16_t, uint32_t>> tagCounts;
    uint32_t TagCount(TagCode code) const;

    // A movie read by DecodeWrittenMovie: its tags, and the definitions among
    // them that a later movie repeating them byte for byte may share, by id.
    struct Definition {
        uint16_t id = 0;
        uint16_t code = 0;
        size_t offset = 0;  // of the body in writtenTags
        uint32_t length = 0;
    };
    std::shared_ptr<const TagSource> writtenTags;
    std::vector<Definition> shareableDefinitions;  // ascending ids

    int FrameCount() const { return int(frames.size()); }
    // The display list shown at `frame` (from 0); a frame beyond the last
    // gives the last frame's list, a movie without frames an empty one.
    DisplayList DisplayListAt(int frame) const;
};

struct DecodeLimits {
    size_t maxInflatedBytes = 256u << 20;  // a zlib bomb stops here
    // Decoded records (shape records, styles, glyphs, display operations,
    // frames) in all: bounds the model's memory. The movies we write hold
    // about 40 bytes per record once decoded (display operations are packed);
    // the costliest records (an empty frame, a shape record with its styles)
    // take 100 to 200 bytes. 6 Mi records: 10,000 texts coming in letter by
    // letter (5 M) still play.
    size_t maxRecords = 6u << 20;
    // The stage may be at most this many pixels wide and high.
    int32_t maxStagePixels = 32767;
};

DecodedMovie DecodeMovie(const uint8_t* data, size_t size, const DecodeLimits& limits = {});
DecodedMovie DecodeMovieFile(const std::string& path, const DecodeLimits& limits = {});
// A movie this program has just written, as the editor previews every build:
// read as DecodeMovie reads it, except that the main timeline's display
// operations stay in the movie's tags, which the result keeps, and are read
// as they are played. A long movie then shows at once; an operation's tag
// that is damaged (the writer makes none) ends its frame's operations there.
// A shape, font, text, picture or sound defined under the same id by the same
// bytes as in `previous` (the movie written before, also read this way) is
// shared with it rather than read again.
DecodedMovie DecodeWrittenMovie(std::shared_ptr<const std::vector<uint8_t>> bytes, const DecodeLimits& limits = {},
                                const DecodedMovie* previous = nullptr);

// Only the header (of any of the three), reading as little of the file as it needs.
Header ReadHeaderFile(const std::string& path);

}  // namespace glimmora::swf
