#include "player/text/EditTextLayout.h"

#include "player/text/RichText.h"
#include "player/text/TextFace.h"

#include <algorithm>
#include <limits>

namespace glimmora::player {
namespace {

using Align = swf::EditText::Align;

constexpr double kGutter = 40;  // twips between the bounds and the text
// Characters laid out per field at most: a damaged file may hold megabytes of text.
constexpr size_t kMaxCharacters = 1 << 16;

struct Item {
    char32_t c = 0;
    const TextFace* face = nullptr;
    const CharFormat* format = nullptr;
    double advance = 0;
};

bool IsSpace(char32_t c) { return c == U' ' || c == U'\t' || c == 0xA0 || c == 0x3000; }

class InkWriter {
public:
    explicit InkWriter(std::vector<TextInk>& inks) : inks_(inks) {}

    QPainterPath& For(swf::Rgba color, Qt::FillRule rule)
    {
        if (inks_.empty() || !(inks_.back().color == color) || inks_.back().path.fillRule() != rule) {
            inks_.push_back({QPainterPath(), color});
            inks_.back().path.setFillRule(rule);
        }
        return inks_.back().path;
    }

private:
    std::vector<TextInk>& inks_;
};

struct Line {
    size_t begin = 0, end = 0;  // items
    bool first = false, last = false;
};

// Splits a paragraph's items into lines: when wrapping, a line ends after
// the last blank that lets it fit, or before the character that does not
// fit when a single word is wider than the field; blanks never wrap.
std::vector<Line> BreakLines(const std::vector<Item>& items, bool wrap, double width, double indent)
{
    std::vector<Line> lines;
    size_t start = 0;
    do {
        const bool first = lines.empty();
        double x = first ? indent : 0;
        size_t lastBreak = 0;
        size_t i = start;
        for (; i < items.size(); ++i) {
            if (wrap && i > start && !IsSpace(items[i].c) && x + items[i].advance > width) {
                break;
            }
            x += items[i].advance;
            if (IsSpace(items[i].c)) {
                lastBreak = i + 1;
            }
        }
        size_t end = i;
        if (i < items.size() && lastBreak > start) {
            end = lastBreak;
        }
        lines.push_back({start, end, first, end >= items.size()});
        start = end;
    } while (start < items.size());
    return lines;
}

}  // namespace

EditTextLayout LayOutEditText(CharacterCache& cache, const swf::EditText& field)
{
    EditTextLayout layout;
    const swf::Rect& b = field.bounds;
    layout.box = QRectF(b.xMin, b.yMin, double(b.xMax) - b.xMin, double(b.yMax) - b.yMin);
    layout.framed = field.border;

    CharFormat base;
    base.size = field.fontHeight;
    base.color = field.color.value_or(swf::Rgba{0, 0, 0, 255});
    const uint16_t fontId = field.fontId.value_or(0);
    if (const auto* font = fontId ? std::get_if<swf::Font>(cache.Find(fontId)) : nullptr) {
        base.face = QString::fromStdString(font->name);
        base.bold = font->bold;
        base.italic = font->italic;
    } else {
        base.face = QString::fromStdString(field.fontClass);
    }
    const QString source = QString::fromStdString(field.initialText);
    std::vector<TextParagraph> paragraphs =
        field.html ? HtmlParagraphs(source, base, field.align) : PlainParagraphs(source, base, field.align);

    TextFaces faces(cache, fontId, field.useOutlines);
    const double left = b.xMin + kGutter + field.leftMargin;
    const double right = b.xMax - kGutter - field.rightMargin;
    const double width = std::max(0.0, right - left);
    double top = b.yMin + kGutter;
    double minX = std::numeric_limits<double>::max(), maxX = std::numeric_limits<double>::lowest();
    InkWriter ink(layout.inks);
    size_t budget = kMaxCharacters;

    std::vector<Item> items;
    for (const TextParagraph& paragraph : paragraphs) {
        items.clear();
        for (const TextSpan& span : paragraph.spans) {
            const TextFace& face = faces.Face(span.format);
            for (char32_t c : span.text.toUcs4()) {
                if (budget == 0) {
                    break;
                }
                --budget;
                if (field.password) {
                    c = U'*';
                }
                items.push_back({c, &face, &span.format, face.Advance(c)});
            }
        }
        for (const Line& line : BreakLines(items, field.wordWrap, width, field.indent)) {
            double ascent = 0, descent = 0;
            if (line.begin == line.end) {
                const TextFace& face = faces.Face(paragraph.format);
                ascent = face.Ascent();
                descent = face.Descent();
            }
            // Blanks that end the line take no room in its alignment.
            size_t visibleEnd = line.end;
            while (visibleEnd > line.begin && IsSpace(items[visibleEnd - 1].c)) --visibleEnd;
            double visibleWidth = 0;
            int innerBlanks = 0;
            for (size_t i = line.begin; i < line.end; ++i) {
                ascent = std::max(ascent, items[i].face->Ascent());
                descent = std::max(descent, items[i].face->Descent());
                if (i < visibleEnd) {
                    visibleWidth += items[i].advance;
                    innerBlanks += IsSpace(items[i].c);
                }
            }
            const double indent = line.first ? field.indent : 0;
            const double room = width - indent;
            double x = left + indent;
            double blankExtra = 0;
            switch (paragraph.align) {
            case Align::Left: break;
            case Align::Right: x += room - visibleWidth; break;
            case Align::Center: x += (room - visibleWidth) / 2; break;
            case Align::Justify:
                if (!line.last && field.wordWrap && innerBlanks > 0 && room > visibleWidth) {
                    blankExtra = (room - visibleWidth) / innerBlanks;
                }
                break;
            }
            const double baseline = top + ascent;
            if (visibleEnd > line.begin) {
                minX = std::min(minX, x);
            }
            for (size_t i = line.begin; i < line.end; ++i) {
                const Item& item = items[i];
                QPainterPath& path = ink.For(item.format->color, item.face->FillRule());
                item.face->AddGlyph(path, item.c, x, baseline);
                double advance = item.advance + (IsSpace(item.c) && i < visibleEnd ? blankExtra : 0);
                if (item.format->underline && i < visibleEnd) {
                    const double thickness = std::max(20.0, item.format->size / 20);
                    path.addRect(QRectF(x, baseline + std::max(20.0, item.face->Descent() / 3), advance, thickness));
                }
                x += advance;
                if (i < visibleEnd) {
                    maxX = std::max(maxX, x);
                }
            }
            top = baseline + descent + field.leading;
        }
    }

    const double textTop = b.yMin + kGutter;
    const double textBottom = top - field.leading;
    if (minX <= maxX) {
        layout.textBounds = QRectF(minX, textTop, maxX - minX, std::max(0.0, textBottom - textTop));
    }
    if (field.autoSize) {
        // The field takes its text's size: its height always, its width when
        // it does not wrap, kept where its alignment anchors it.
        layout.box.setBottom(std::max(textBottom, textTop) + kGutter);
        if (!field.wordWrap && minX <= maxX) {
            layout.box.setLeft(minX - kGutter - field.leftMargin);
            layout.box.setRight(maxX + kGutter + field.rightMargin);
        }
        return layout;
    }
    QPainterPath clip;
    clip.addRect(layout.box);
    for (TextInk& each : layout.inks) {
        if (!layout.box.contains(each.path.controlPointRect())) {
            each.path = each.path.intersected(clip);
        }
    }
    return layout;
}

}  // namespace glimmora::player
