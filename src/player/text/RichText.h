#pragma once
// The initial text of a text field as paragraphs of formatted spans: plain
// text split at its line breaks, or the HTML subset text fields understand
// (<p align>, <br>, <b>, <i>, <u>, <font color size face>, <li>, entities).

#include "swf/reader/DecodedMovie.h"

#include <QString>

#include <vector>

namespace glimmora::player {

struct CharFormat {
    QString face;      // the font's name
    double size = 0;   // twips
    swf::Rgba color{0, 0, 0, 255};
    bool bold = false, italic = false, underline = false;
    friend bool operator==(const CharFormat&, const CharFormat&) = default;
};

struct TextSpan {
    QString text;
    CharFormat format;
};

struct TextParagraph {
    swf::EditText::Align align = swf::EditText::Align::Left;
    CharFormat format;  // in force where it starts: sizes an empty line
    std::vector<TextSpan> spans;
};

// "\r", "\n" and "\r\n" end paragraphs.
std::vector<TextParagraph> PlainParagraphs(const QString& text, const CharFormat& format, swf::EditText::Align align);

// Tags not listed above are left out and their contents kept; a "<" that
// opens no tag is text. Line breaks in the text end paragraphs, as they do in
// fields that keep their white space.
std::vector<TextParagraph> HtmlParagraphs(const QString& html, const CharFormat& format, swf::EditText::Align align);

}  // namespace glimmora::player
