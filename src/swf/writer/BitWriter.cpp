#include "swf/writer/BitWriter.h"

namespace glimmora::swf {

void BitWriter::UI16(uint16_t value)
{
    Align();
    bytes_.push_back(uint8_t(value));
    bytes_.push_back(uint8_t(value >> 8));
}

void BitWriter::UI32(uint32_t value)
{
    Align();
    for (int shift = 0; shift < 32; shift += 8) {
        bytes_.push_back(uint8_t(value >> shift));
    }
}

void BitWriter::String(std::string_view text)
{
    Align();
    for (char c : text) {
        bytes_.push_back(uint8_t(c));
    }
    bytes_.push_back(0);
}

void BitWriter::PatchUI16(size_t at, uint16_t value)
{
    bytes_.at(at) = uint8_t(value);
    bytes_.at(at + 1) = uint8_t(value >> 8);
}

void BitWriter::PatchUI32(size_t at, uint32_t value)
{
    for (int i = 0; i < 4; ++i) {
        bytes_.at(at + i) = uint8_t(value >> (8 * i));
    }
}

void BitWriter::Clear()
{
    bytes_.clear();
    pending_ = 0;
    pendingBits_ = 0;
}

}  // namespace glimmora::swf
