#pragma once
// A font at one size, as text fields lay out and draw with it: the movie's
// own glyph outlines, or a font of the system. Lengths are in twips.

#include "player/CharacterCache.h"
#include "player/text/RichText.h"

#include <QPainterPath>
#include <QRawFont>

#include <map>
#include <memory>
#include <tuple>

namespace glimmora::player {

class TextFace {
public:
    virtual ~TextFace() = default;
    virtual double Ascent() const = 0;
    virtual double Descent() const = 0;
    // Zero for a character the face cannot draw.
    virtual double Advance(char32_t c) const = 0;
    // The glyph with its origin at (x, baseline); nothing for a character it cannot draw.
    virtual void AddGlyph(QPainterPath& out, char32_t c, double x, double baseline) const = 0;
    // How its outlines are filled: the movie's glyphs even-odd, the system's by winding.
    virtual Qt::FillRule FillRule() const { return Qt::OddEvenFill; }
};

// Finds the face for each format of one field, once per format.
class TextFaces {
public:
    // `fieldFont` is the field's own font (0 for none); `outlines` asks for
    // the movie's outlines, as fields that embed their font do. A font
    // without outlines, or a field that does not ask for them, is drawn with
    // the system's font of that name.
    TextFaces(CharacterCache& cache, uint16_t fieldFont, bool outlines);

    const TextFace& Face(const CharFormat& format);

    // Whether fonts of the system can be used: they need a Qt GUI
    // application (without one, such text is left out).
    static bool SystemFontsAvailable();

private:
    // The movie's font for the format: the field's font when the format
    // names it or no other, else the font of that name closest in style.
    uint16_t EmbeddedFont(const CharFormat& format) const;

    CharacterCache& cache_;
    uint16_t fieldFont_;
    bool outlines_;
    std::map<std::tuple<QString, double, bool, bool>, std::unique_ptr<TextFace>> faces_;
};

}  // namespace glimmora::player
