#pragma once
// A growing byte buffer with the SWF writing primitives: little-endian
// byte-aligned integers, and MSB-first bit fields that continue across bytes.
// Every byte-aligned write first pads a started byte with zero bits.

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace glimmora::swf {

class BitWriter {
public:
    void UI8(uint8_t value)
    {
        Align();
        bytes_.push_back(value);
    }
    void UI16(uint16_t value);
    void UI32(uint32_t value);
    void SI16(int16_t value) { UI16(uint16_t(value)); }
    // Inline: a long movie copies hundreds of thousands of short encoded tags.
    void Bytes(const uint8_t* data, size_t size)
    {
        Align();
        bytes_.insert(bytes_.end(), data, data + size);
    }
    void Bytes(const std::vector<uint8_t>& data) { Bytes(data.data(), data.size()); }
    // A NUL-terminated string.
    void String(std::string_view text);

    // Bit fields of 0 to 32 bits; a zero width writes nothing.
    void UB(uint32_t value, int bits)
    {
        if (bits <= 0) {
            return;
        }
        pending_ = (pending_ << bits) | (uint64_t(value) & ((uint64_t(1) << bits) - 1));
        pendingBits_ += bits;
        while (pendingBits_ >= 8) {
            pendingBits_ -= 8;
            bytes_.push_back(uint8_t(pending_ >> pendingBits_));
        }
        pending_ &= (uint64_t(1) << pendingBits_) - 1;
    }
    void SB(int32_t value, int bits) { UB(uint32_t(value), bits); }
    void FB(int32_t raw, int bits) { SB(raw, bits); }
    // Pads the started byte, if any, with zero bits.
    void Align()
    {
        if (pendingBits_ > 0) {
            bytes_.push_back(uint8_t(pending_ << (8 - pendingBits_)));
            pending_ = 0;
            pendingBits_ = 0;
        }
    }

    // Overwrites bytes already written (offsets, lengths).
    void PatchUI16(size_t at, uint16_t value);
    void PatchUI32(size_t at, uint32_t value);

    // The bytes so far, the last started byte not included until Align().
    const std::vector<uint8_t>& Data() const { return bytes_; }
    std::vector<uint8_t>& Data() { return bytes_; }
    size_t Size() const { return bytes_.size(); }
    void Clear();
    void Reserve(size_t size) { bytes_.reserve(size); }

private:
    std::vector<uint8_t> bytes_;
    uint64_t pending_ = 0;  // the low pendingBits_ bits are not yet written
    int pendingBits_ = 0;
};

}  // namespace glimmora::swf
