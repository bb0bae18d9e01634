#include "swf/reader/ActionReading.h"

#include "swf/reader/RecordReading.h"

#include <algorithm>
#include <bit>

namespace glimmora::swf {
namespace {

PushValue ReadPushValue(BitReader& in, uint8_t swfVersion)
{
    PushValue value;
    const uint8_t type = in.U8();
    switch (type) {
    case 0:
        value.type = PushValue::Type::String;
        value.text = ReadSwfString(in, swfVersion);
        break;
    case 1:
        value.type = PushValue::Type::Number;
        value.number = std::bit_cast<float>(in.U32());
        break;
    case 2: value.type = PushValue::Type::Null; break;
    case 3: value.type = PushValue::Type::Undefined; break;
    case 4:
        value.type = PushValue::Type::Register;
        value.number = in.U8();
        break;
    case 5:
        value.type = PushValue::Type::Boolean;
        value.number = in.U8() != 0 ? 1 : 0;
        break;
    case 6: {
        // The two 32-bit halves of the double, the high one first.
        const uint64_t high = in.U32();
        const uint64_t low = in.U32();
        value.type = PushValue::Type::Number;
        value.number = std::bit_cast<double>(high << 32 | low);
        break;
    }
    case 7:
        value.type = PushValue::Type::Number;
        value.number = double(int32_t(in.U32()));
        break;
    case 8:
        value.type = PushValue::Type::Constant;
        value.number = in.U8();
        break;
    case 9:
        value.type = PushValue::Type::Constant;
        value.number = in.U16();
        break;
    default:
        throw DecodeError("unknown push type " + std::to_string(type));
    }
    return value;
}

// Reads the operands of an action from its body (the bytes its length covers).
void ReadOperands(Action& action, BitReader& body, uint8_t swfVersion)
{
    switch (action.code) {
    case ActionCode::GotoFrame: action.value = body.U16(); break;
    case ActionCode::GetUrl: action.text = ReadSwfString(body, swfVersion); break;
    case ActionCode::WaitForFrame:
        action.value = body.U16();
        action.small = body.U8();
        break;
    case ActionCode::SetTarget:
    case ActionCode::GoToLabel: action.text = ReadSwfString(body, swfVersion); break;
    case ActionCode::WaitForFrame2: action.small = body.U8(); break;
    case ActionCode::StoreRegister: action.value = body.U8(); break;
    case ActionCode::Jump:
    case ActionCode::If: action.value = body.S16(); break;
    case ActionCode::GotoFrame2: {
        const uint8_t flags = body.U8();
        action.small = flags & 0x01;
        if (flags & 0x02) action.value = body.U16();
        break;
    }
    case ActionCode::ConstantPool: {
        const uint16_t count = body.U16();
        for (uint16_t i = 0; i < count && !body.AtEnd(); ++i) action.strings.push_back(ReadSwfString(body, swfVersion));
        break;
    }
    case ActionCode::Push:
        while (!body.AtEnd()) action.values.push_back(ReadPushValue(body, swfVersion));
        break;
    case ActionCode::With:
        action.value = body.U16();
        break;
    case ActionCode::DefineFunction: {
        action.text = ReadSwfString(body, swfVersion);  // the name
        const uint16_t params = body.U16();
        for (uint16_t i = 0; i < params; ++i) ReadSwfString(body, swfVersion);
        action.value = body.U16();
        break;
    }
    case ActionCode::DefineFunction2: {
        action.text = ReadSwfString(body, swfVersion);  // the name
        const uint16_t params = body.U16();
        body.U8();   // registers
        body.U16();  // flags
        for (uint16_t i = 0; i < params; ++i) {
            body.U8();
            ReadSwfString(body, swfVersion);
        }
        action.value = body.U16();
        break;
    }
    case ActionCode::Try: {
        const uint8_t flags = body.U8();
        const uint32_t tryBody = body.U16(), catchBody = body.U16(), finallyBody = body.U16();
        if (flags & 0x04) {
            body.U8();
        } else {
            ReadSwfString(body, swfVersion);
        }
        action.value = int32_t(tryBody + catchBody + finallyBody);
        break;
    }
    default:
        break;  // no operands that anything here uses
    }
}

}  // namespace

size_t ActionProgram::IndexAt(uint32_t offset) const
{
    auto it = std::lower_bound(actions.begin(), actions.end(), offset,
                               [](const Action& a, uint32_t o) { return a.offset < o; });
    return it != actions.end() && it->offset == offset ? size_t(it - actions.begin()) : actions.size();
}

ActionProgram ReadActions(BitReader& in, uint8_t swfVersion)
{
    ActionProgram program;
    const size_t start = in.Position();
    try {
        while (!in.AtEnd()) {
            Action action;
            action.offset = uint32_t(in.Position() - start);
            const uint8_t code = in.U8();
            if (code == 0) break;
            action.code = ActionCode(code);
            if (code >= 0x80) {
                const uint16_t length = in.U16();
                BitReader body = in.Sub(length);
                ReadOperands(action, body, swfVersion);
            }
            action.next = uint32_t(in.Position() - start);
            program.actions.push_back(std::move(action));
        }
    } catch (const DecodeError&) {
        // A broken action ends the script; the actions before it stand.
    }
    return program;
}

}  // namespace glimmora::swf
