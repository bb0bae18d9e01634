#include "swf/reader/BitReader.h"

namespace glimmora::swf {

void BitReader::Overrun(size_t wanted) const {
    throw DecodeError("data ends at offset " + std::to_string(base_ + size_) + " where " +
                      std::to_string(wanted) + " more byte(s) were expected");
}

uint8_t BitReader::U8() {
    Align();
    if (pos_ >= size_) Overrun(1);
    return data_[pos_++];
}

uint16_t BitReader::U16() {
    Align();
    if (size_ - pos_ < 2) Overrun(2);
    uint16_t v = uint16_t(data_[pos_] | (data_[pos_ + 1] << 8));
    pos_ += 2;
    return v;
}

uint32_t BitReader::U32() {
    Align();
    if (size_ - pos_ < 4) Overrun(4);
    uint32_t v = uint32_t(data_[pos_]) | (uint32_t(data_[pos_ + 1]) << 8) | (uint32_t(data_[pos_ + 2]) << 16) |
                 (uint32_t(data_[pos_ + 3]) << 24);
    pos_ += 4;
    return v;
}

const uint8_t* BitReader::Bytes(size_t count) {
    Align();
    if (size_ - pos_ < count) Overrun(count - (size_ - pos_));
    const uint8_t* p = data_ + pos_;
    pos_ += count;
    return p;
}

std::string BitReader::String() {
    Align();
    size_t start = pos_;
    while (pos_ < size_ && data_[pos_] != 0) ++pos_;
    std::string s(reinterpret_cast<const char*>(data_ + start), pos_ - start);
    if (pos_ < size_) ++pos_;  // the terminator
    return s;
}

BitReader BitReader::Sub(size_t count) {
    size_t base = FileOffset();
    const uint8_t* p = Bytes(count);
    return BitReader(p, count, base);
}

BitReader BitReader::Slice(size_t from, size_t to) const {
    if (from > to || to > size_) {
        throw DecodeError("range " + std::to_string(from) + ".." + std::to_string(to) + " lies outside " +
                          std::to_string(size_) + " bytes of data at offset " + std::to_string(base_));
    }
    return BitReader(data_ + from, to - from, base_ + from);
}

void BitReader::Seek(size_t offset) {
    Align();
    if (offset > size_) Overrun(offset - size_);
    pos_ = offset;
}

void BitReader::BadWidth(unsigned bits) {
    throw DecodeError("bit field of " + std::to_string(bits) + " bits");
}

}  // namespace glimmora::swf
