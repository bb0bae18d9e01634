#pragma once
// Bounded reading of SWF data: little-endian integers, strings and MSB-first
// bit fields. Every read past the end throws DecodeError, so a parser built on
// it never leaves its span however the data lies.

#include "swf/reader/DecodedMovie.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace glimmora::swf {

class BitReader {
public:
    // `base` is the offset of `data` in the (uncompressed) file, for messages.
    BitReader(const uint8_t* data, size_t size, size_t base = 0) : data_(data), size_(size), base_(base) {}

    // Byte-aligned reads; each first skips to the next byte boundary.
    uint8_t U8()
    {
        Align();
        if (pos_ >= size_) Overrun(1);
        return data_[pos_++];
    }
    uint16_t U16()
    {
        Align();
        if (size_ - pos_ < 2) Overrun(2);
        const uint16_t v = uint16_t(data_[pos_] | (data_[pos_ + 1] << 8));
        pos_ += 2;
        return v;
    }
    uint32_t U32()
    {
        Align();
        if (size_ - pos_ < 4) Overrun(4);
        const uint32_t v = uint32_t(data_[pos_]) | (uint32_t(data_[pos_ + 1]) << 8) |
                           (uint32_t(data_[pos_ + 2]) << 16) | (uint32_t(data_[pos_ + 3]) << 24);
        pos_ += 4;
        return v;
    }
    int16_t S16() { return int16_t(U16()); }
    // Raw bytes, returned as a pointer into the data.
    const uint8_t* Bytes(size_t count)
    {
        Align();
        if (size_ - pos_ < count) Overrun(count - (size_ - pos_));
        const uint8_t* p = data_ + pos_;
        pos_ += count;
        return p;
    }
    void Skip(size_t count) { Bytes(count); }
    // A NUL-terminated string; a string running to the end of the data ends there.
    std::string String();
    // A sub-reader over the next `count` bytes, which this reader then skips.
    BitReader Sub(size_t count)
    {
        const size_t base = FileOffset();
        const uint8_t* p = Bytes(count);
        return BitReader(p, count, base);
    }
    // A reader over bytes [from, to) of this reader's data.
    BitReader Slice(size_t from, size_t to) const;

    // Bit fields, MSB first. Widths up to 32; 0 gives 0. A field that runs
    // past the end throws before anything is consumed.
    uint32_t UB(unsigned bits)
    {
        if (bits == 0) return 0;
        if (bits > 32) BadWidth(bits);
        uint64_t window = bitBuffer_ & ((1u << bitCount_) - 1);
        unsigned have = bitCount_;
        if (bits > have) {
            const size_t bytes = (bits - have + 7) / 8;
            if (size_ - pos_ < bytes) Overrun(1);
            for (size_t i = 0; i < bytes; ++i) window = (window << 8) | data_[pos_++];
            have += unsigned(bytes) * 8;
        }
        have -= bits;
        bitBuffer_ = uint8_t(window);  // its low `have` bits are the ones left
        bitCount_ = have;
        return uint32_t((window >> have) & ((uint64_t(1) << bits) - 1));
    }
    int32_t SB(unsigned bits)
    {
        const uint32_t raw = UB(bits);
        if (bits == 0 || bits == 32) return int32_t(raw);
        const uint32_t sign = 1u << (bits - 1);
        return int32_t((raw ^ sign) - sign);
    }
    bool Flag() { return UB(1) != 0; }
    void Align() { bitCount_ = 0; }

    size_t Position() const { return pos_; }      // in bytes, from the start of the data
    size_t Remaining() const { return size_ - pos_; }  // whole bytes left after alignment
    bool AtEnd() const { return pos_ >= size_; }
    size_t FileOffset() const { return base_ + pos_; }
    const uint8_t* Data() const { return data_; }
    size_t Size() const { return size_; }

    // Moves to byte `offset` of the data (at most its size).
    void Seek(size_t offset);

private:
    [[noreturn]] void Overrun(size_t wanted) const;
    [[noreturn]] static void BadWidth(unsigned bits);

    const uint8_t* data_;
    size_t size_;
    size_t base_;
    size_t pos_ = 0;        // next unread byte
    uint8_t bitBuffer_ = 0;  // the byte bits are being taken from
    unsigned bitCount_ = 0;  // bits of bitBuffer_ not yet read
};

}  // namespace glimmora::swf
