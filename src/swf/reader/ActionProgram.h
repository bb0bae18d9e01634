#pragma once
// AVM1 actions (SWF 3 to 8) as read from a DoAction tag, a sprite's frame
// script: the sequence of actions with their byte offsets (branches count in
// bytes) and the operands each carries.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace glimmora::swf {

enum class ActionCode : uint8_t {
    End = 0x00,
    NextFrame = 0x04,
    PreviousFrame = 0x05,
    Play = 0x06,
    Stop = 0x07,
    ToggleQuality = 0x08,
    StopSounds = 0x09,
    Add = 0x0A,
    Subtract = 0x0B,
    Multiply = 0x0C,
    Divide = 0x0D,
    Equals = 0x0E,
    Less = 0x0F,
    And = 0x10,
    Or = 0x11,
    Not = 0x12,
    StringEquals = 0x13,
    StringLength = 0x14,
    StringExtract = 0x15,
    Pop = 0x17,
    ToInteger = 0x18,
    GetVariable = 0x1C,
    SetVariable = 0x1D,
    SetTarget2 = 0x20,
    StringAdd = 0x21,
    GetProperty = 0x22,
    SetProperty = 0x23,
    CloneSprite = 0x24,
    RemoveSprite = 0x25,
    Trace = 0x26,
    StartDrag = 0x27,
    EndDrag = 0x28,
    StringLess = 0x29,
    Throw = 0x2A,
    CastOp = 0x2B,
    ImplementsOp = 0x2C,
    RandomNumber = 0x30,
    MBStringLength = 0x31,
    CharToAscii = 0x32,
    AsciiToChar = 0x33,
    GetTime = 0x34,
    MBStringExtract = 0x35,
    MBCharToAscii = 0x36,
    MBAsciiToChar = 0x37,
    Delete = 0x3A,
    Delete2 = 0x3B,
    DefineLocal = 0x3C,
    CallFunction = 0x3D,
    Return = 0x3E,
    Modulo = 0x3F,
    NewObject = 0x40,
    DefineLocal2 = 0x41,
    InitArray = 0x42,
    InitObject = 0x43,
    TypeOf = 0x44,
    TargetPath = 0x45,
    Enumerate = 0x46,
    Add2 = 0x47,
    Less2 = 0x48,
    Equals2 = 0x49,
    ToNumber = 0x4A,
    ToString = 0x4B,
    PushDuplicate = 0x4C,
    StackSwap = 0x4D,
    GetMember = 0x4E,
    SetMember = 0x4F,
    Increment = 0x50,
    Decrement = 0x51,
    CallMethod = 0x52,
    NewMethod = 0x53,
    InstanceOf = 0x54,
    Enumerate2 = 0x55,
    BitAnd = 0x60,
    BitOr = 0x61,
    BitXor = 0x62,
    BitLShift = 0x63,
    BitRShift = 0x64,
    BitURShift = 0x65,
    StrictEquals = 0x66,
    Greater = 0x67,
    StringGreater = 0x68,
    Extends = 0x69,
    GotoFrame = 0x81,
    GetUrl = 0x83,
    StoreRegister = 0x87,
    ConstantPool = 0x88,
    WaitForFrame = 0x8A,
    SetTarget = 0x8B,
    GoToLabel = 0x8C,
    WaitForFrame2 = 0x8D,
    DefineFunction2 = 0x8E,
    Try = 0x8F,
    With = 0x94,
    Push = 0x96,
    Jump = 0x99,
    GetUrl2 = 0x9A,
    DefineFunction = 0x9B,
    If = 0x9D,
    Call = 0x9E,
    GotoFrame2 = 0x9F,
};

// One value of a Push.
struct PushValue {
    enum class Type : uint8_t { String, Number, Null, Undefined, Register, Boolean, Constant };
    Type type = Type::Undefined;
    double number = 0;  // a Number; a Boolean as 0 or 1; a register or constant index
    std::string text;   // a String
    friend bool operator==(const PushValue&, const PushValue&) = default;
};

struct Action {
    ActionCode code = ActionCode::End;
    uint32_t offset = 0;  // of its first byte in the program
    uint32_t next = 0;    // of the action after it; branches count from here
    // GotoFrame, WaitForFrame: the frame (from 0). Jump, If: the branch in
    // bytes. StoreRegister: the register. GotoFrame2: the scene bias.
    // DefineFunction, DefineFunction2, With, Try: the bytes of code after it
    // that belong to it.
    int32_t value = 0;
    // WaitForFrame, WaitForFrame2: the actions to skip. GotoFrame2: 1 to play after the goto.
    uint8_t small = 0;
    // GoToLabel: the label. SetTarget: the target. GetUrl: the address.
    // DefineFunction, DefineFunction2: the name ("" for a function value).
    std::string text;
    std::vector<PushValue> values;     // Push
    std::vector<std::string> strings;  // ConstantPool
};

struct ActionProgram {
    std::vector<Action> actions;

    // The index of the action that starts at `offset`; actions.size() for
    // the end or an offset inside an action.
    size_t IndexAt(uint32_t offset) const;
};

// A frame script: the program of one DoAction, and where it stood among the
// frame's display-list operations (how many came before it).
struct FrameScript {
    uint32_t beforeOp = 0;
    std::shared_ptr<const ActionProgram> program;
};

}  // namespace glimmora::swf
