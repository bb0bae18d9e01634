#include "player/text/RichText.h"

#include <algorithm>
#include <map>
#include <optional>

namespace glimmora::player {
namespace {

using Align = swf::EditText::Align;

// Collects spans into paragraphs, merging neighbours of one format.
class ParagraphBuilder {
public:
    ParagraphBuilder(const CharFormat& format, Align align) { Start(format, align); }

    void Add(const QString& text, const CharFormat& format)
    {
        int from = 0;
        for (int i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c != u'\r' && c != u'\n') {
                continue;
            }
            Append(text.mid(from, i - from), format);
            if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') {
                ++i;
            }
            Break(format);
            from = i + 1;
        }
        Append(text.mid(from), format);
    }

    // Ends the paragraph; the next one keeps its alignment.
    void Break(const CharFormat& format) { Start(format, paragraphs_.back().align); }

    bool Empty() const { return paragraphs_.back().spans.empty(); }
    void SetAlign(Align align) { paragraphs_.back().align = align; }
    void SetFormat(const CharFormat& format)
    {
        if (Empty()) {
            paragraphs_.back().format = format;
        }
    }

    std::vector<TextParagraph> Take(bool dropEmptyLast)
    {
        if (dropEmptyLast && paragraphs_.size() > 1 && Empty()) {
            paragraphs_.pop_back();
        }
        return std::move(paragraphs_);
    }

private:
    void Start(const CharFormat& format, Align align)
    {
        paragraphs_.push_back({align, format, {}});
    }
    void Append(const QString& text, const CharFormat& format)
    {
        if (text.isEmpty()) {
            return;
        }
        std::vector<TextSpan>& spans = paragraphs_.back().spans;
        if (!spans.empty() && spans.back().format == format) {
            spans.back().text += text;
        } else {
            spans.push_back({text, format});
        }
    }

    std::vector<TextParagraph> paragraphs_;
};

QString DecodeEntities(const QString& text)
{
    static const std::map<QString, QChar> named{{"lt", u'<'},    {"gt", u'>'},  {"amp", u'&'},
                                                {"quot", u'"'},  {"apos", u'\''}, {"nbsp", QChar(0xA0)}};
    QString out;
    out.reserve(text.size());
    for (int i = 0; i < text.size(); ++i) {
        const int end = text[i] == u'&' ? text.indexOf(u';', i) : -1;
        if (end < 0 || end - i > 10) {
            out += text[i];
            continue;
        }
        const QString name = text.mid(i + 1, end - i - 1);
        std::optional<char32_t> code;
        if (name.startsWith(u'#')) {
            bool ok = false;
            const uint value = name.size() > 1 && (name[1] == u'x' || name[1] == u'X') ? name.mid(2).toUInt(&ok, 16)
                                                                                        : name.mid(1).toUInt(&ok, 10);
            if (ok && value > 0 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF)) {
                code = char32_t(value);
            }
        } else if (auto found = named.find(name.toLower()); found != named.end()) {
            code = found->second.unicode();
        }
        if (!code) {
            out += text[i];
            continue;
        }
        out += QString::fromUcs4(&*code, 1);
        i = end;
    }
    return out;
}

struct Tag {
    QString name;  // lower case
    bool closing = false;
    std::map<QString, QString> attributes;  // names in lower case
};

// Reads the tag between '<' and '>' (both excluded).
Tag ReadTag(const QString& inner)
{
    Tag tag;
    int i = 0;
    const int n = int(inner.size());
    auto skipBlanks = [&] {
        while (i < n && inner[i].isSpace()) ++i;
    };
    skipBlanks();
    if (i < n && inner[i] == u'/') {
        tag.closing = true;
        ++i;
    }
    const int nameStart = i;
    while (i < n && !inner[i].isSpace() && inner[i] != u'/') ++i;
    tag.name = inner.mid(nameStart, i - nameStart).toLower();
    while (true) {
        skipBlanks();
        if (i >= n) break;
        const int attrStart = i;
        while (i < n && !inner[i].isSpace() && inner[i] != u'=' && inner[i] != u'/') ++i;
        const QString attr = inner.mid(attrStart, i - attrStart).toLower();
        if (i == attrStart) {
            ++i;  // a stray '/'
            continue;
        }
        skipBlanks();
        QString value;
        if (i < n && inner[i] == u'=') {
            ++i;
            skipBlanks();
            if (i < n && (inner[i] == u'"' || inner[i] == u'\'')) {
                const QChar quote = inner[i++];
                const int close = inner.indexOf(quote, i);
                const int stop = close < 0 ? n : close;
                value = inner.mid(i, stop - i);
                i = stop + 1;
            } else {
                const int valueStart = i;
                while (i < n && !inner[i].isSpace()) ++i;
                value = inner.mid(valueStart, i - valueStart);
            }
        }
        tag.attributes[attr] = DecodeEntities(value);
    }
    return tag;
}

std::optional<Align> AlignNamed(const QString& name)
{
    const QString lower = name.trimmed().toLower();
    if (lower == "left") return Align::Left;
    if (lower == "right") return Align::Right;
    if (lower == "center") return Align::Center;
    if (lower == "justify") return Align::Justify;
    return std::nullopt;
}

void ApplyFontAttributes(const Tag& tag, CharFormat& format)
{
    if (auto color = tag.attributes.find("color"); color != tag.attributes.end()) {
        QString hex = color->second.trimmed();
        if (hex.startsWith(u'#')) hex.remove(0, 1);
        bool ok = false;
        const uint rgb = hex.toUInt(&ok, 16);
        if (ok && hex.size() <= 6) {
            format.color = {uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), format.color.a};
        }
    }
    if (auto size = tag.attributes.find("size"); size != tag.attributes.end()) {
        const QString value = size->second.trimmed();
        bool ok = false;
        const int pixels = value.toInt(&ok);
        if (ok) {
            const bool relative = value.startsWith(u'+') || value.startsWith(u'-');
            const double twips = relative ? format.size + pixels * 20.0 : pixels * 20.0;
            format.size = std::clamp(twips, 0.0, 20000.0);
        }
    }
    if (auto face = tag.attributes.find("face"); face != tag.attributes.end() && !face->second.trimmed().isEmpty()) {
        // A list of faces: the first one is taken.
        format.face = face->second.section(u',', 0, 0).trimmed();
    }
}

}  // namespace

std::vector<TextParagraph> PlainParagraphs(const QString& text, const CharFormat& format, Align align)
{
    ParagraphBuilder builder(format, align);
    builder.Add(text, format);
    return builder.Take(false);
}

std::vector<TextParagraph> HtmlParagraphs(const QString& html, const CharFormat& format, Align align)
{
    ParagraphBuilder builder(format, align);
    // Open tags with the format in force before each; a closing tag pops back
    // to its own opening, unknown closings do nothing.
    struct Open {
        QString name;
        CharFormat before;
    };
    std::vector<Open> open;
    CharFormat current = format;
    bool endedByParagraph = false;
    int i = 0;
    const int n = int(html.size());
    constexpr size_t kMaxOpenTags = 256;
    while (i < n) {
        const int lt = html.indexOf(u'<', i);
        const int gt = lt < 0 ? -1 : html.indexOf(u'>', lt);
        const int textEnd = gt < 0 ? n : lt;
        if (textEnd > i) {
            builder.Add(DecodeEntities(html.mid(i, textEnd - i)), current);
            endedByParagraph = false;
        }
        if (gt < 0) break;
        i = gt + 1;
        const Tag tag = ReadTag(html.mid(lt + 1, gt - lt - 1));
        if (tag.name.isEmpty() || tag.name.startsWith(u'!') || tag.name.startsWith(u'?')) continue;
        if (tag.closing) {
            auto match = std::find_if(open.rbegin(), open.rend(), [&](const Open& o) { return o.name == tag.name; });
            if (match == open.rend()) continue;
            current = match->before;
            open.erase(std::prev(match.base()), open.end());
            if (tag.name == "p" || tag.name == "li") {
                builder.Break(current);
                builder.SetAlign(align);
                endedByParagraph = true;
            }
            continue;
        }
        if (tag.name == "br" || tag.name == "sbr") {
            builder.Break(current);
            endedByParagraph = false;
            continue;
        }
        const bool known = tag.name == "p" || tag.name == "li" || tag.name == "b" || tag.name == "i" ||
                           tag.name == "u" || tag.name == "font" || tag.name == "a" || tag.name == "span" ||
                           tag.name == "textformat";
        if (!known || open.size() >= kMaxOpenTags) continue;
        open.push_back({tag.name, current});
        if (tag.name == "p" || tag.name == "li") {
            if (!builder.Empty()) builder.Break(current);
            if (auto a = tag.attributes.find("align"); a != tag.attributes.end()) {
                if (auto chosen = AlignNamed(a->second)) builder.SetAlign(*chosen);
            }
        } else if (tag.name == "b") {
            current.bold = true;
        } else if (tag.name == "i") {
            current.italic = true;
        } else if (tag.name == "u") {
            current.underline = true;
        } else if (tag.name == "font") {
            ApplyFontAttributes(tag, current);
        }
        builder.SetFormat(current);
    }
    return builder.Take(endedByParagraph);
}

}  // namespace glimmora::player
