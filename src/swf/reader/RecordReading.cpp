#include "swf/reader/RecordReading.h"

namespace glimmora::swf {

Rgba ReadRgb(BitReader& in) {
    Rgba c;
    c.r = in.U8();
    c.g = in.U8();
    c.b = in.U8();
    c.a = 255;
    return c;
}

Rgba ReadRgba(BitReader& in) {
    Rgba c = ReadRgb(in);
    c.a = in.U8();
    return c;
}

Rect ReadRect(BitReader& in) {
    in.Align();
    unsigned bits = in.UB(5);
    Rect r;
    r.xMin = in.SB(bits);
    r.xMax = in.SB(bits);
    r.yMin = in.SB(bits);
    r.yMax = in.SB(bits);
    in.Align();
    return r;
}

Matrix ReadMatrix(BitReader& in) {
    in.Align();
    Matrix m;
    if (in.Flag()) {
        unsigned bits = in.UB(5);
        m.scaleX = in.SB(bits);
        m.scaleY = in.SB(bits);
    }
    if (in.Flag()) {
        unsigned bits = in.UB(5);
        m.rotateSkew0 = in.SB(bits);
        m.rotateSkew1 = in.SB(bits);
    }
    unsigned bits = in.UB(5);
    m.translateX = in.SB(bits);
    m.translateY = in.SB(bits);
    in.Align();
    return m;
}

ColorTransform ReadColorTransform(BitReader& in, bool withAlpha) {
    in.Align();
    ColorTransform ct;
    bool hasAdd = in.Flag();
    bool hasMult = in.Flag();
    unsigned bits = in.UB(4);
    // Values wider than 16 bits cannot be written with a 4-bit width, so the
    // casts below never lose set bits of a valid file.
    if (hasMult) {
        ct.multR = int16_t(in.SB(bits));
        ct.multG = int16_t(in.SB(bits));
        ct.multB = int16_t(in.SB(bits));
        if (withAlpha) ct.multA = int16_t(in.SB(bits));
    }
    if (hasAdd) {
        ct.addR = int16_t(in.SB(bits));
        ct.addG = int16_t(in.SB(bits));
        ct.addB = int16_t(in.SB(bits));
        if (withAlpha) ct.addA = int16_t(in.SB(bits));
    }
    in.Align();
    return ct;
}

std::string FromCp1252(const std::string& bytes) {
    // 0x80..0x9F differ from Latin-1; 0 marks the five undefined positions.
    static const char16_t kHigh[32] = {
        0x20AC, 0, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0, 0x017D, 0,
        0, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0, 0x017E, 0x0178};
    std::string out;
    out.reserve(bytes.size());
    for (unsigned char c : bytes) {
        char32_t cp = c;
        if (c >= 0x80 && c < 0xA0) cp = kHigh[c - 0x80] ? kHigh[c - 0x80] : 0xFFFD;
        if (cp < 0x80) {
            out += char(cp);
        } else if (cp < 0x800) {
            out += char(0xC0 | (cp >> 6));
            out += char(0x80 | (cp & 0x3F));
        } else {
            out += char(0xE0 | (cp >> 12));
            out += char(0x80 | ((cp >> 6) & 0x3F));
            out += char(0x80 | (cp & 0x3F));
        }
    }
    return out;
}

std::string ReadSwfString(BitReader& in, uint8_t version) {
    std::string raw = in.String();
    return version >= 6 ? raw : FromCp1252(raw);
}

}  // namespace glimmora::swf
