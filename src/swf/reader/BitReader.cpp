#include "swf/reader/BitReader.h"

namespace glimmora::swf {

void BitReader::Overrun(size_t wanted) const {
    throw DecodeError("data ends at offset " + std::to_string(base_ + size_) + " where " +
                      std::to_string(wanted) + " more byte(s) were expected");
}

std::string BitReader::String() {
    Align();
    size_t start = pos_;
    while (pos_ < size_ && data_[pos_] != 0) ++pos_;
    std::string s(reinterpret_cast<const char*>(data_ + start), pos_ - start);
    if (pos_ < size_) ++pos_;  // the terminator
    return s;
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
