#pragma once
// A small AVM1 assembler for hand-made test movies: actions as the SWF file
// holds them, for the bodies of DoAction tags. Written independently of the
// reader it tests.

#include "support/SwfBytes.h"

#include <bit>
#include <cstdint>
#include <string>
#include <vector>

namespace glimmora::test {

class ActionBytes {
public:
    ActionBytes& Code(uint8_t code) { return Raw({code}); }
    ActionBytes& Play() { return Code(0x06); }
    ActionBytes& Stop() { return Code(0x07); }
    ActionBytes& NextFrame() { return Code(0x04); }
    ActionBytes& PreviousFrame() { return Code(0x05); }
    // Frames count from 0 in the file's GotoFrame.
    ActionBytes& GotoFrame(uint16_t frame) { return Long(0x81, Bytes().U16(frame)); }
    ActionBytes& GotoLabel(const std::string& label) { return Long(0x8C, Bytes().Str(label)); }
    ActionBytes& SetTarget(const std::string& target) { return Long(0x8B, Bytes().Str(target)); }
    ActionBytes& WaitForFrame(uint16_t frame, uint8_t skip) { return Long(0x8A, Bytes().U16(frame).U8(skip)); }
    ActionBytes& GotoFrame2(bool play) { return Long(0x9F, Bytes().U8(play ? 1 : 0)); }
    ActionBytes& Jump(int16_t by) { return Long(0x99, Bytes().U16(uint16_t(by))); }
    ActionBytes& If(int16_t by) { return Long(0x9D, Bytes().U16(uint16_t(by))); }
    ActionBytes& StoreRegister(uint8_t r) { return Long(0x87, Bytes().U8(r)); }
    ActionBytes& ConstantPool(const std::vector<std::string>& strings)
    {
        Bytes b;
        b.U16(uint16_t(strings.size()));
        for (const std::string& s : strings) b.Str(s);
        return Long(0x88, b);
    }

    // Push of one value each.
    ActionBytes& PushString(const std::string& s) { return Long(0x96, Bytes().U8(0).Str(s)); }
    ActionBytes& PushInt(int32_t n) { return Long(0x96, Bytes().U8(7).U32(uint32_t(n))); }
    ActionBytes& PushDouble(double d)
    {
        const uint64_t bits = std::bit_cast<uint64_t>(d);
        return Long(0x96, Bytes().U8(6).U32(uint32_t(bits >> 32)).U32(uint32_t(bits)));
    }
    ActionBytes& PushBool(bool b) { return Long(0x96, Bytes().U8(5).U8(b ? 1 : 0)); }
    ActionBytes& PushConstant(uint8_t index) { return Long(0x96, Bytes().U8(8).U8(index)); }
    ActionBytes& PushRegister(uint8_t r) { return Long(0x96, Bytes().U8(4).U8(r)); }

    // Bytes so far: where the next action starts.
    size_t Size() const { return bytes_.size(); }
    // The DoAction body: the actions and the End action.
    ByteVector Body() const
    {
        ByteVector body = bytes_;
        body.push_back(0);
        return body;
    }
    ByteVector Tag() const { return test::Tag(12, Body()); }

private:
    ActionBytes& Raw(const ByteVector& bytes)
    {
        bytes_.insert(bytes_.end(), bytes.begin(), bytes.end());
        return *this;
    }
    ActionBytes& Long(uint8_t code, const ByteVector& operands)
    {
        return Raw(Bytes().U8(code).U16(uint16_t(operands.size())).Add(operands));
    }

    ByteVector bytes_;
};

}  // namespace glimmora::test
