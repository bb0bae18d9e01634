#pragma once
// A tiny SWF byte builder for hand-made test movies: bit fields, records,
// tags and whole files, written independently of the production encoder.

#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

namespace glimmora::test {

using ByteVector = std::vector<uint8_t>;

class BitWriter {
public:
    BitWriter& UB(unsigned bits, uint32_t value) {
        for (unsigned i = bits; i > 0; --i) Push((value >> (i - 1)) & 1);
        return *this;
    }
    BitWriter& SB(unsigned bits, int32_t value) { return UB(bits, uint32_t(value)); }
    BitWriter& Align() {
        while (count_ != 0) Push(0);
        return *this;
    }
    ByteVector Bytes() {
        Align();
        return out_;
    }

private:
    void Push(unsigned bit) {
        current_ = uint8_t(current_ << 1 | bit);
        if (++count_ == 8) {
            out_.push_back(current_);
            current_ = 0;
            count_ = 0;
        }
    }
    ByteVector out_;
    uint8_t current_ = 0;
    unsigned count_ = 0;
};

// Signed bit width that holds every value (at least 1).
inline unsigned SignedBits(std::initializer_list<int32_t> values) {
    unsigned bits = 1;
    for (int32_t v : values) {
        uint32_t magnitude = uint32_t(v >= 0 ? v : ~v);
        unsigned w = 1;
        while (magnitude) {
            ++w;
            magnitude >>= 1;
        }
        bits = std::max(bits, w);
    }
    return bits;
}

class Bytes {
public:
    Bytes& U8(uint8_t v) { data_.push_back(v); return *this; }
    Bytes& U16(uint16_t v) { return U8(uint8_t(v)).U8(uint8_t(v >> 8)); }
    Bytes& U32(uint32_t v) { return U16(uint16_t(v)).U16(uint16_t(v >> 16)); }
    Bytes& Add(const ByteVector& v) { data_.insert(data_.end(), v.begin(), v.end()); return *this; }
    Bytes& Add(std::initializer_list<uint8_t> v) { data_.insert(data_.end(), v.begin(), v.end()); return *this; }
    Bytes& Str(const std::string& s) {
        data_.insert(data_.end(), s.begin(), s.end());
        return U8(0);
    }
    const ByteVector& Get() const { return data_; }
    operator ByteVector() const { return data_; }

private:
    ByteVector data_;
};

inline ByteVector RectBytes(int32_t xMin, int32_t xMax, int32_t yMin, int32_t yMax) {
    unsigned n = SignedBits({xMin, xMax, yMin, yMax});
    if (xMin == 0 && xMax == 0 && yMin == 0 && yMax == 0) n = 0;
    BitWriter w;
    w.UB(5, n).SB(n, xMin).SB(n, xMax).SB(n, yMin).SB(n, yMax);
    return w.Bytes();
}

inline ByteVector TranslateMatrix(int32_t tx, int32_t ty) {
    unsigned n = (tx == 0 && ty == 0) ? 0 : SignedBits({tx, ty});
    BitWriter w;
    w.UB(1, 0).UB(1, 0).UB(5, n).SB(n, tx).SB(n, ty);
    return w.Bytes();
}

inline ByteVector Tag(uint16_t code, const ByteVector& body, bool forceLong = false) {
    Bytes b;
    if (body.size() >= 63 || forceLong) {
        b.U16(uint16_t(code << 6 | 0x3F)).U32(uint32_t(body.size()));
    } else {
        b.U16(uint16_t(code << 6 | body.size()));
    }
    return b.Add(body);
}

inline ByteVector ShowFrame() { return Tag(1, {}); }
inline ByteVector EndTag() { return Tag(0, {}); }

inline ByteVector Deflate(const ByteVector& raw) {
    uLongf size = compressBound(uLong(raw.size()));
    ByteVector out(size);
    compress2(out.data(), &size, raw.data(), uLong(raw.size()), 9);
    out.resize(size);
    return out;
}

// A whole file: 550 x 400 px at 12 fps, then `tags` and End.
inline ByteVector Movie(const std::vector<ByteVector>& tags, uint16_t frameCount = 1, bool compressed = false,
                        uint8_t version = 8) {
    Bytes body;
    body.Add(RectBytes(0, 11000, 0, 8000)).U16(0x0C00).U16(frameCount);
    for (const ByteVector& t : tags) body.Add(t);
    body.Add(EndTag());
    ByteVector raw = body;
    Bytes file;
    file.Add({uint8_t(compressed ? 'C' : 'F'), 'W', 'S', version}).U32(uint32_t(raw.size() + 8));
    file.Add(compressed ? Deflate(raw) : raw);
    return file;
}

// PlaceObject2 with the fields given.
struct Place2 {
    uint16_t depth = 1;
    bool move = false;
    int characterId = -1;
    ByteVector matrix;       // encoded MATRIX, empty for none
    ByteVector colorTransform;  // encoded CXFORMWITHALPHA, empty for none
    std::string name;
    int clipDepth = -1;

    ByteVector Encode() const {
        uint8_t flags = uint8_t((move ? 0x01 : 0) | (characterId >= 0 ? 0x02 : 0) | (!matrix.empty() ? 0x04 : 0) |
                                (!colorTransform.empty() ? 0x08 : 0) | (!name.empty() ? 0x20 : 0) |
                                (clipDepth >= 0 ? 0x40 : 0));
        Bytes b;
        b.U8(flags).U16(depth);
        if (characterId >= 0) b.U16(uint16_t(characterId));
        b.Add(matrix).Add(colorTransform);
        if (!name.empty()) b.Str(name);
        if (clipDepth >= 0) b.U16(uint16_t(clipDepth));
        return Tag(26, b);
    }
};

// PlaceObject2 that places `id` at an empty depth.
inline ByteVector PlaceNew(uint16_t depth, uint16_t id, const ByteVector& matrix = {},
                           const ByteVector& colorTransform = {}, const std::string& name = {}) {
    Place2 p;
    p.depth = depth;
    p.characterId = id;
    p.matrix = matrix;
    p.colorTransform = colorTransform;
    p.name = name;
    return p.Encode();
}

// PlaceObject2 that changes the object at `depth` (Move without a character).
inline ByteVector Modify(uint16_t depth, const ByteVector& matrix = {}, const ByteVector& colorTransform = {}) {
    Place2 p;
    p.depth = depth;
    p.move = true;
    p.matrix = matrix;
    p.colorTransform = colorTransform;
    return p.Encode();
}

// PlaceObject2 that replaces the character at `depth` (Move with a character).
inline ByteVector Replace(uint16_t depth, uint16_t id, const ByteVector& matrix = {},
                          const ByteVector& colorTransform = {}) {
    Place2 p;
    p.depth = depth;
    p.move = true;
    p.characterId = id;
    p.matrix = matrix;
    p.colorTransform = colorTransform;
    return p.Encode();
}

inline ByteVector RemoveObject2(uint16_t depth) { return Tag(28, Bytes().U16(depth)); }

// A DefineShape3 of a solid w x h box (red unless told), id `id`.
inline ByteVector BoxShape(uint16_t id, int32_t w = 200, int32_t h = 100, std::initializer_list<uint8_t> rgb = {255, 0, 0}) {
    BitWriter r;
    r.UB(4, 1).UB(4, 0);                                        // one fill bit, no line bits
    unsigned n = SignedBits({w, h});
    r.UB(1, 0).UB(5, 0x01 | 0x04).UB(5, 1).SB(1, 0).SB(1, 0).UB(1, 1);  // move to 0,0; fill1 = 1
    r.UB(1, 1).UB(1, 1).UB(4, n - 2).UB(1, 0).UB(1, 0).SB(n, w);       // right
    r.UB(1, 1).UB(1, 1).UB(4, n - 2).UB(1, 0).UB(1, 1).SB(n, h);       // down
    r.UB(1, 1).UB(1, 1).UB(4, n - 2).UB(1, 0).UB(1, 0).SB(n, -w);      // left
    r.UB(1, 1).UB(1, 1).UB(4, n - 2).UB(1, 0).UB(1, 1).SB(n, -h);      // up
    r.UB(1, 0).UB(5, 0);                                        // end
    Bytes b;
    b.U16(id).Add(RectBytes(0, w, 0, h)).Add({1, 0x00}).Add(rgb).U8(255).U8(0).Add(r.Bytes());
    return Tag(32, b);
}

}  // namespace glimmora::test
