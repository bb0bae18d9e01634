#pragma once
// The SWF object service: one movie object that owns the timeline and writes
// the file, and holder objects that each carry one shape, text, picture,
// rectangle or sound at a time. The builder and the effects talk only to these
// two interfaces; the encoder implements them, and the tests record them.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace glimmora {

// Frames count from 0; a movie's frame count is a 16-bit number.
inline constexpr int kLastMovieFrame = 65534;

// A service call that failed. Callers decide whether it ends the build.
class SwfError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Units: lengths in twips (pixels x 20), scales in 16.16 fixed point held in a
// double (65536 is full size), angles in degrees x 65536, colours 0..255.
class swfObject {
public:
    virtual ~swfObject() = default;

    // Depth class: 1 pictures, 2 text. Higher classes draw above lower ones;
    // an object that never got a class draws above class 1.
    virtual void SetDepth(int depthClass) = 0;

    // Make calls replace the content and reset scale to 1 and angle to 0.
    // MakePicture and MakeRectangle also put the box's corner at (left, top).
    virtual void MakePicture(double left, double top, double right, double bottom,
                             int imageWidth, int imageHeight, const std::string& jpegFile) = 0;
    virtual void MakeRectangle(double left, double top, double right, double bottom) = 0;
    // Only 16-bit mono PCM WAV files; anything else throws SwfError.
    virtual void MakeSound(const std::string& waveFile) = 0;
    // A font without glyphs.
    virtual void MakeFont(const std::string& fontName) = 0;
    // The glyph for `code` becomes the outline of the whole `text` in that font.
    virtual void AddGlyph(const std::string& fontName, const std::u32string& text, int code) = 0;
    // Advance width of `text` in 1024ths of an em.
    virtual int GetTextWidth(const std::string& fontName, const std::u32string& text) = 0;
    // A text showing the glyphs of `codes` of the font holder, in sequence.
    // Its box is its advance width by 1024 units (one em).
    virtual void MakeText(const std::u32string& codes, swfObject& fontHolder) = 0;

    // Scale and Rotate act about the box centre; Translate puts the box's
    // top-left corner at (x, y) as it would be at scale 1 and angle 0.
    virtual void Scale(double x, double y) = 0;
    virtual void Rotate(double angle) = 0;
    virtual void Translate(double x, double y) = 0;
    // Text and rectangles. Alpha outside 0..255 is clamped.
    virtual void SetSolidFill(int red, int green, int blue, int alpha) = 0;
};

class swfMovie {
public:
    virtual ~swfMovie() = default;

    // Starts a new, empty movie.
    virtual void SetSize(int widthTwips, int heightTwips) = 0;
    virtual void SetFrameRate(int framesPerSecond) = 0;
    virtual void SetFrameBkColor(int red, int green, int blue) = 0;
    // The frame later calls act on; a fractional frame goes to the nearest
    // frame, halves to even.
    virtual void GotoFrame(double frame) = 0;
    // Places the object's content, transform and fill at the current frame
    // until removed. Placements never displace one another.
    virtual void AddObject(swfObject& object) = 0;
    // Removes the placement made by the object's latest AddObject, from the
    // current frame on.
    virtual void RemoveObject(swfObject& object) = 0;
    virtual void WriteMovie(const std::string& path) = 0;
    // The bytes the last WriteMovie wrote, handed over once (later calls give
    // nothing until the next WriteMovie); empty when the service keeps none.
    // Lets the preview show a fresh movie without reading the file back.
    virtual std::vector<uint8_t> TakeWrittenMovie() { return {}; }

    // Parts that a rebuild need not make again. The calls on the movie and
    // its holders between BeginPart(key) and EndPart() make one part, kept
    // under `key` (everything the caller's calls depend on: equal keys must
    // mean equal calls). ReusePart(key) puts the part kept under `key` back
    // in place, with just the result its calls would have now, movie and
    // holders included, and returns true; it returns false, and changes
    // nothing, when it keeps no such part or the result could differ (a file
    // the part used has changed, a holder is not as the part found it).
    // Parts are kept from one movie to the next; a service that keeps none
    // always returns false.
    // The caller may keep a note with a part (what its calls reported, say),
    // which ReusePart gives back.
    virtual void BeginPart(const std::string& key) {}
    virtual void EndPart(const std::string& note = {}) {}
    virtual bool ReusePart(const std::string& key, std::string* note = nullptr) { return false; }
};

// Creates the movie object and the holders.
class swfService {
public:
    virtual ~swfService() = default;
    virtual std::unique_ptr<swfMovie> CreateMovie() = 0;
    virtual std::unique_ptr<swfObject> CreateObject() = 0;
};

}  // namespace glimmora
