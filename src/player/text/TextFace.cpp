#include "player/text/TextFace.h"

#include <QFont>
#include <QGuiApplication>

#include <algorithm>
#include <unordered_map>

namespace glimmora::player {
namespace {

// Where a font gives no layout, its lines are this many ems above and below the baseline.
constexpr double kDefaultAscent = 0.9, kDefaultDescent = 0.22;

class EmbeddedFace : public TextFace {
public:
    EmbeddedFace(CharacterCache& cache, uint16_t fontId, const swf::Font& font, double size)
        : cache_(cache), fontId_(fontId), font_(font), scale_(size / font.emSize())
    {
        for (size_t i = 0; i < font.glyphs.size(); ++i) {
            codes_.emplace(font.glyphs[i].code, uint32_t(i));  // the first glyph of a code wins
        }
        if (font.hasLayout && font.ascent + font.descent > 0) {
            ascent_ = font.ascent * scale_;
            descent_ = font.descent * scale_;
        } else {
            ascent_ = kDefaultAscent * size;
            descent_ = kDefaultDescent * size;
        }
    }

    double Ascent() const override { return ascent_; }
    double Descent() const override { return descent_; }
    double Advance(char32_t c) const override
    {
        const auto found = codes_.find(c);
        if (found == codes_.end()) {
            return 0;
        }
        if (font_.hasLayout) {
            return font_.glyphs[found->second].advance * scale_;
        }
        // Without advances a glyph is as wide as its outline reaches.
        return std::max(0.0, cache_.Glyph(fontId_, found->second).boundingRect().right() * scale_);
    }
    void AddGlyph(QPainterPath& out, char32_t c, double x, double baseline) const override
    {
        const auto found = codes_.find(c);
        if (found == codes_.end()) {
            return;
        }
        const QPainterPath& outline = cache_.Glyph(fontId_, found->second);
        if (!outline.isEmpty()) {
            out.addPath(QTransform(scale_, 0, 0, scale_, x, baseline).map(outline));
        }
    }

private:
    CharacterCache& cache_;
    uint16_t fontId_;
    const swf::Font& font_;
    double scale_;
    double ascent_ = 0, descent_ = 0;
    std::unordered_map<char32_t, uint32_t> codes_;
};

class SystemFace : public TextFace {
public:
    SystemFace(const CharFormat& format)
    {
        QFont font;
        const QString name = format.face.trimmed();
        if (name.compare("_sans", Qt::CaseInsensitive) == 0) {
            font.setFamily("Sans Serif");
            font.setStyleHint(QFont::SansSerif);
        } else if (name.compare("_typewriter", Qt::CaseInsensitive) == 0) {
            font.setFamily("Monospace");
            font.setStyleHint(QFont::Monospace);
        } else if (name.isEmpty() || name.compare("_serif", Qt::CaseInsensitive) == 0) {
            font.setFamily("Serif");
            font.setStyleHint(QFont::Serif);
        } else {
            font.setFamily(name);
        }
        // Sizes are whole twips: drawn at that many pixels, the outlines come out in twips.
        font.setPixelSize(std::clamp(int(format.size + 0.5), 1, 20000));
        font.setBold(format.bold);
        font.setItalic(format.italic);
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setKerning(false);
        raw_ = QRawFont::fromFont(font);
        if (!raw_.isValid()) {
            ascent_ = kDefaultAscent * format.size;
            descent_ = kDefaultDescent * format.size;
            return;
        }
        const double correction = format.size / raw_.pixelSize();
        scale_ = correction;
        ascent_ = raw_.ascent() * correction;
        descent_ = raw_.descent() * correction;
    }

    double Ascent() const override { return ascent_; }
    double Descent() const override { return descent_; }
    double Advance(char32_t c) const override { return Glyph(c).advance; }
    Qt::FillRule FillRule() const override { return Qt::WindingFill; }
    void AddGlyph(QPainterPath& out, char32_t c, double x, double baseline) const override
    {
        const GlyphInfo& glyph = Glyph(c);
        if (glyph.index != 0) {
            out.addPath(QTransform(scale_, 0, 0, scale_, x, baseline).map(raw_.pathForGlyph(glyph.index)));
        }
    }

private:
    struct GlyphInfo {
        quint32 index = 0;
        double advance = 0;
    };
    const GlyphInfo& Glyph(char32_t c) const
    {
        auto found = glyphs_.find(c);
        if (found != glyphs_.end()) {
            return found->second;
        }
        GlyphInfo info;
        if (raw_.isValid() && raw_.supportsCharacter(uint(c))) {
            const QList<quint32> indexes = raw_.glyphIndexesForString(QString::fromUcs4(&c, 1));
            if (indexes.size() == 1 && indexes[0] != 0) {
                info.index = indexes[0];
                const QList<QPointF> advances = raw_.advancesForGlyphIndexes(indexes);
                info.advance = advances.isEmpty() ? 0 : advances[0].x() * scale_;
            }
        }
        return glyphs_.emplace(c, info).first->second;
    }

    QRawFont raw_;
    double scale_ = 1;
    double ascent_ = 0, descent_ = 0;
    mutable std::unordered_map<char32_t, GlyphInfo> glyphs_;
};

// Draws nothing and has no width: text whose font cannot be found.
class MissingFace : public TextFace {
public:
    explicit MissingFace(double size) : size_(size) {}
    double Ascent() const override { return kDefaultAscent * size_; }
    double Descent() const override { return kDefaultDescent * size_; }
    double Advance(char32_t) const override { return 0; }
    void AddGlyph(QPainterPath&, char32_t, double, double) const override {}

private:
    double size_;
};

const swf::Font* FontOf(CharacterCache& cache, uint16_t id)
{
    return id == 0 ? nullptr : std::get_if<swf::Font>(cache.Find(id));
}

}  // namespace

TextFaces::TextFaces(CharacterCache& cache, uint16_t fieldFont, bool outlines)
    : cache_(cache), fieldFont_(fieldFont), outlines_(outlines)
{
}

bool TextFaces::SystemFontsAvailable()
{
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

uint16_t TextFaces::EmbeddedFont(const CharFormat& format) const
{
    const swf::Font* own = FontOf(cache_, fieldFont_);
    const QString ownName = own ? QString::fromStdString(own->name) : QString();
    if (format.face.isEmpty() || format.face.compare(ownName, Qt::CaseInsensitive) == 0) {
        if (own && own->bold == format.bold && own->italic == format.italic) {
            return fieldFont_;
        }
    }
    // The font of that name whose style matches most, the field's own first.
    uint16_t best = 0;
    int bestScore = -1;
    const QString wanted = format.face.isEmpty() ? ownName : format.face;
    for (const auto& [id, character] : cache_.Movie().dictionary) {
        const auto* font = std::get_if<swf::Font>(character.get());
        if (!font || font->glyphs.empty() ||
            QString::fromStdString(font->name).compare(wanted, Qt::CaseInsensitive) != 0) {
            continue;
        }
        const int score = (font->bold == format.bold) + (font->italic == format.italic) + (id == fieldFont_);
        if (score > bestScore) {
            best = id;
            bestScore = score;
        }
    }
    return best != 0 ? best : (format.face.isEmpty() ? fieldFont_ : 0);
}

const TextFace& TextFaces::Face(const CharFormat& format)
{
    auto key = std::make_tuple(format.face, format.size, format.bold, format.italic);
    auto found = faces_.find(key);
    if (found != faces_.end()) {
        return *found->second;
    }
    std::unique_ptr<TextFace> face;
    if (outlines_) {
        const uint16_t id = EmbeddedFont(format);
        if (const swf::Font* font = FontOf(cache_, id); font && !font->glyphs.empty()) {
            face = std::make_unique<EmbeddedFace>(cache_, id, *font, format.size);
        }
    }
    if (!face && SystemFontsAvailable()) {
        face = std::make_unique<SystemFace>(format);
    }
    if (!face) {
        face = std::make_unique<MissingFace>(format.size);
    }
    return *faces_.emplace(std::move(key), std::move(face)).first->second;
}

}  // namespace glimmora::player
