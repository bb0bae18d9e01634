#include "player/timeline/ActionRunner.h"

#include "player/timeline/ClipProperties.h"
#include "player/timeline/TargetPaths.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace glimmora::player {
namespace {

using swf::ActionCode;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr int kRegisters = 4;
// A value standing for the built-in Math object: the one object scripts
// reach for that the timelines' work needs (random places, rounding).
constexpr const char* kMathObject = "\x01Math";

bool IsMath(const ActionValue& value)
{
    return value.type == ActionValue::Type::String && value.text == kMathObject;
}

}  // namespace

// One run of one program: its stack, registers, constants and target.
class ActionRunner::Activation {
public:
    Activation(ActionRunner& runner, uint32_t clip)
        : r_(runner), base_(clip), target_(clip), caseSensitive_(runner.version_ >= 7)
    {
    }

    void Run(const swf::ActionProgram& program)
    {
        size_t pc = 0;
        while (pc < program.actions.size()) {
            if (r_.budget_ == 0 || stack_.size() > r_.limits_.maxStack) return;
            --r_.budget_;
            const swf::Action& action = program.actions[pc];
            size_t next = pc + 1;
            if (!Execute(program, action, next)) return;
            pc = next;
        }
    }

private:
    uint8_t Version() const { return r_.version_; }
    Stage& St() { return r_.stage_; }

    void Push(ActionValue value) { stack_.push_back(std::move(value)); }
    ActionValue Pop()
    {
        if (stack_.empty()) return ActionValue::Undefined();
        ActionValue value = std::move(stack_.back());
        stack_.pop_back();
        return value;
    }
    void Drop(size_t count)
    {
        for (size_t i = 0; i < count; ++i) Pop();
    }
    double PopNumber() { return ToNumber(Pop(), Version()); }
    std::string PopString() { return Text(Pop()); }
    std::string Text(const ActionValue& value)
    {
        return ToString(value, Version(), value.type == ActionValue::Type::Clip ? DotPath(St(), value.clip) : "");
    }
    // An argument count from the stack, never more than the stack holds.
    size_t PopCount()
    {
        const double n = PopNumber();
        return std::isnan(n) || n < 0 ? 0 : size_t(std::min(n, double(stack_.size())));
    }
    std::vector<ActionValue> PopArgs()
    {
        std::vector<ActionValue> args(PopCount());
        for (ActionValue& arg : args) arg = Pop();
        return args;
    }
    ActionValue BoolResult(bool b) { return Version() >= 5 ? ActionValue::Boolean(b) : ActionValue::Number(b ? 1 : 0); }
    std::string Limited(std::string text)
    {
        if (text.size() > r_.limits_.maxString) text.resize(r_.limits_.maxString);
        return text;
    }

    // ---- Timelines -------------------------------------------------------

    bool Alive(uint32_t clip) { return St().Find(clip) != nullptr; }

    std::optional<uint32_t> Resolve(const std::string& path)
    {
        return ResolveTarget(St(), Alive(target_.value_or(base_)) ? target_.value_or(base_) : Stage::kRoot, path,
                             caseSensitive_);
    }

    // A frame argument: a number counts from 1; a string is a number, a
    // label, or "path:frame". Nothing when it names no frame.
    std::optional<std::pair<uint32_t, int>> FrameTarget(uint32_t clip, const ActionValue& frame, int bias)
    {
        if (frame.type != ActionValue::Type::String) {
            const double n = ToNumber(frame, Version());
            if (std::isnan(n)) return std::nullopt;
            return std::make_pair(clip, int(std::clamp(n, -1e6, 1e6)) - 1 + bias);
        }
        std::string text = frame.text;
        const size_t colon = text.rfind(':');
        if (colon != std::string::npos) {
            const auto owner = Resolve(text.substr(0, colon));
            if (!owner) return std::nullopt;
            clip = *owner;
            text = text.substr(colon + 1);
        }
        const double n = ToNumber(ActionValue::String(text), 7);
        if (!std::isnan(n)) return std::make_pair(clip, int(std::clamp(n, -1e6, 1e6)) - 1 + bias);
        const Timeline* timeline = St().Find(clip);
        const auto labelled = timeline ? FrameOfLabel(*timeline, text) : std::nullopt;
        if (!labelled) return std::nullopt;
        return std::make_pair(clip, *labelled + bias);
    }

    void GotoValue(uint32_t clip, const ActionValue& frame, bool play, int bias = 0)
    {
        if (const auto at = FrameTarget(clip, frame, bias)) r_.control_.GotoFrame(at->first, std::max(at->second, 0), play);
    }

    // ---- Variables ---------------------------------------------------------

    std::string Key(const std::string& name) const { return caseSensitive_ ? name : Lowercase(name); }

    // A member of a clip: a property, a variable, or a child instance.
    ActionValue Member(uint32_t clip, const std::string& name)
    {
        const Timeline* timeline = St().Find(clip);
        if (!timeline) return ActionValue::Undefined();
        if (const auto property = PropertyNamed(name)) return GetClipProperty(St(), clip, *property, Version());
        if (SameName(name, "_parent", false)) {
            return clip == Stage::kRoot ? ActionValue::Undefined() : ActionValue::Clip(timeline->parent);
        }
        auto found = timeline->variables.find(Key(name));
        if (found != timeline->variables.end()) return found->second;
        if (const auto child = ChildNamed(St(), clip, name, caseSensitive_)) return ActionValue::Clip(*child);
        return ActionValue::Undefined();
    }

    void SetMember(uint32_t clip, const std::string& name, ActionValue value)
    {
        if (!Alive(clip)) return;
        if (const auto property = PropertyNamed(name)) {
            SetClipProperty(St(), clip, *property, value, Version());
            return;
        }
        Timeline* timeline = St().Mutable(clip);
        const std::string key = Key(name);
        if (timeline->variables.size() >= r_.limits_.maxVariables && !timeline->variables.count(key)) return;
        timeline->variables[key] = std::move(value);
    }

    // Splits "path:name", "path.name" or "path/name" into the clip and the name.
    std::optional<std::pair<uint32_t, std::string>> Split(const std::string& name)
    {
        const uint32_t scope = target_.value_or(Stage::kRoot);
        size_t cut = name.rfind(':');
        if (cut == std::string::npos) cut = name.find_last_of("./");
        if (cut == std::string::npos) return std::make_pair(scope, name);
        const std::string path = cut == 0 && name[0] == '/' ? "/" : name.substr(0, cut);
        const auto clip = path.empty() ? std::optional<uint32_t>(scope) : Resolve(path);
        if (!clip) return std::nullopt;
        return std::make_pair(*clip, name.substr(cut + 1));
    }

    ActionValue GetVariable(const std::string& name)
    {
        const uint32_t scope = target_.value_or(Stage::kRoot);
        if (SameName(name, "_root", false) || SameName(name, "_level0", false)) return ActionValue::Clip(Stage::kRoot);
        if (name == "this") return ActionValue::Clip(scope);
        if (SameName(name, "Math", caseSensitive_)) return ActionValue::String(kMathObject);
        if (name.find_first_of(":./") == std::string::npos) return Member(scope, name);
        // A whole path names a clip; else the last part is a member of one.
        if (name.find(':') == std::string::npos) {
            if (const auto clip = Resolve(name)) return ActionValue::Clip(*clip);
        }
        const auto split = Split(name);
        return split ? Member(split->first, split->second) : ActionValue::Undefined();
    }

    void SetVariable(const std::string& name, ActionValue value)
    {
        if (const auto split = Split(name)) SetMember(split->first, split->second, std::move(value));
    }

    // ---- Calls -------------------------------------------------------------

    // The sprite methods that move play heads; true when `name` was one.
    bool ClipMethod(uint32_t clip, const std::string& name, const std::vector<ActionValue>& args, ActionValue& result)
    {
        // Compared without letter case: files of SWF 7 and later are written
        // with the documented case anyway.
        const std::string method = Lowercase(name);
        const Timeline* timeline = St().Find(clip);
        if (!timeline) return false;
        const ActionValue first = args.empty() ? ActionValue::Undefined() : args[0];
        if (method == "play") {
            r_.control_.Play(clip);
        } else if (method == "stop") {
            r_.control_.Stop(clip);
        } else if (method == "gotoandplay" || method == "gotoandstop") {
            GotoValue(clip, first, method == "gotoandplay");
        } else if (method == "nextframe") {
            if (timeline->frame + 1 < timeline->FrameCount()) r_.control_.GotoFrame(clip, timeline->frame + 1, false);
        } else if (method == "prevframe") {
            if (timeline->frame > 0) r_.control_.GotoFrame(clip, timeline->frame - 1, false);
        } else if (method == "getbytesloaded" || method == "getbytestotal") {
            result = ActionValue::Number(r_.movie_.header.fileLength);
        } else {
            return false;
        }
        return true;
    }

    ActionValue MathMethod(const std::string& name, const std::vector<ActionValue>& args)
    {
        auto arg = [&](size_t i) { return i < args.size() ? ToNumber(args[i], Version()) : kNaN; };
        const std::string m = Lowercase(name);
        if (m == "random") return ActionValue::Number(double(NextRandom() % 1000000) / 1000000.0);
        if (m == "floor") return ActionValue::Number(std::floor(arg(0)));
        if (m == "ceil") return ActionValue::Number(std::ceil(arg(0)));
        if (m == "round") return ActionValue::Number(std::floor(arg(0) + 0.5));
        if (m == "abs") return ActionValue::Number(std::abs(arg(0)));
        if (m == "sqrt") return ActionValue::Number(std::sqrt(arg(0)));
        if (m == "sin") return ActionValue::Number(std::sin(arg(0)));
        if (m == "cos") return ActionValue::Number(std::cos(arg(0)));
        if (m == "pow") return ActionValue::Number(std::pow(arg(0), arg(1)));
        if (m == "min") return ActionValue::Number(args.empty() ? std::numeric_limits<double>::infinity() : std::fmin(arg(0), arg(1)));
        if (m == "max") return ActionValue::Number(args.empty() ? -std::numeric_limits<double>::infinity() : std::fmax(arg(0), arg(1)));
        return ActionValue::Undefined();
    }

    ActionValue CallFunction(const std::string& name, const std::vector<ActionValue>& args)
    {
        ActionValue result;
        const uint32_t scope = target_.value_or(Stage::kRoot);
        if (target_ && ClipMethod(scope, name, args, result)) return result;
        const std::string f = Lowercase(name);
        const ActionValue first = args.empty() ? ActionValue::Undefined() : args[0];
        if (f == "gettimer") return ActionValue::Number(TimeMillis());
        if (f == "random") {
            const double n = ToNumber(first, Version());
            return ActionValue::Number(n >= 1 && n < 4294967296.0 ? double(NextRandom() % uint32_t(n)) : 0);
        }
        if (f == "number") return ActionValue::Number(ToNumber(first, Version()));
        if (f == "string") return ActionValue::String(Text(first));
        if (f == "int") return ActionValue::Number(ToInt32(ToNumber(first, Version())));
        if (f == "isnan") return ActionValue::Boolean(std::isnan(ToNumber(first, Version())));
        if (f == "parseint" || f == "parsefloat") {
            const double n = ToNumber(first, Version());
            return ActionValue::Number(f == "parseint" && !std::isnan(n) ? std::trunc(n) : n);
        }
        return ActionValue::Undefined();
    }

    ActionValue CallMethod(const ActionValue& object, const std::string& name, const std::vector<ActionValue>& args)
    {
        ActionValue result;
        if (object.type == ActionValue::Type::Clip && ClipMethod(object.clip, name, args, result)) return result;
        if (IsMath(object)) return MathMethod(name, args);
        return ActionValue::Undefined();
    }

    ActionValue GetMemberOf(const ActionValue& object, const std::string& name)
    {
        if (object.type == ActionValue::Type::Clip) return Member(object.clip, name);
        if (object.type == ActionValue::Type::String && !IsMath(object) && name == "length") {
            return ActionValue::Number(double(object.text.size()));
        }
        if (IsMath(object)) {
            if (name == "PI") return ActionValue::Number(3.141592653589793);
        }
        return ActionValue::Undefined();
    }

    uint32_t NextRandom()
    {
        uint32_t x = St().randomState;
        x ^= x << 13;
        x ^= x >> 17;
        x ^= x << 5;
        St().randomState = x;
        return x;
    }

    double TimeMillis() const
    {
        const double fps = std::max(r_.movie_.header.FramesPerSecond(), 0.01);
        return std::floor(double(r_.stage_.steps) * 1000.0 / fps);
    }

    // ---- Arithmetic ----------------------------------------------------

    ActionValue Add2(const ActionValue& a, const ActionValue& b)
    {
        if (a.type == ActionValue::Type::String || b.type == ActionValue::Type::String) {
            return ActionValue::String(Limited(Text(a) + Text(b)));
        }
        return ActionValue::Number(ToNumber(a, Version()) + ToNumber(b, Version()));
    }

    // Binary operations on numbers: SWF 4 treats NaN operands as 0.
    double Operand(const ActionValue& value)
    {
        const double n = ToNumber(value, Version());
        return Version() < 5 && std::isnan(n) ? 0 : n;
    }

    // Runs one action; `next` is the index of the action to run after it.
    // False ends the script.
    bool Execute(const swf::ActionProgram& program, const swf::Action& action, size_t& next)
    {
        const uint8_t v = Version();
        switch (action.code) {
        // ---- Timeline control
        case ActionCode::Play:
            if (target_) r_.control_.Play(*target_);
            break;
        case ActionCode::Stop:
            if (target_) r_.control_.Stop(*target_);
            break;
        case ActionCode::ToggleQuality: {
            // Between low and high, as the old players' menu did.
            const StageQuality now = St().Quality();
            St().quality = now == StageQuality::Low ? StageQuality::High : StageQuality::Low;
            break;
        }
        case ActionCode::NextFrame:
        case ActionCode::PreviousFrame:
            if (target_) {
                ActionValue ignored;
                ClipMethod(*target_, action.code == ActionCode::NextFrame ? "nextFrame" : "prevFrame", {}, ignored);
            }
            break;
        case ActionCode::GotoFrame:
            if (target_) r_.control_.GotoFrame(*target_, action.value, false);
            break;
        case ActionCode::GoToLabel:
            if (target_) {
                const Timeline* timeline = St().Find(*target_);
                if (const auto frame = timeline ? FrameOfLabel(*timeline, action.text) : std::nullopt) {
                    r_.control_.GotoFrame(*target_, *frame, false);
                }
            }
            break;
        case ActionCode::GotoFrame2: {
            const ActionValue frame = Pop();
            if (target_) GotoValue(*target_, frame, action.small != 0, action.value);
            break;
        }
        case ActionCode::SetTarget:
            target_ = action.text.empty() ? std::optional<uint32_t>(base_) : ResolveFromBase(action.text);
            break;
        case ActionCode::SetTarget2: {
            const ActionValue value = Pop();
            if (value.type == ActionValue::Type::Clip) {
                target_ = Alive(value.clip) ? std::optional<uint32_t>(value.clip) : std::nullopt;
            } else {
                const std::string path = Text(value);
                target_ = path.empty() ? std::optional<uint32_t>(base_) : ResolveFromBase(path);
            }
            break;
        }
        case ActionCode::WaitForFrame:
        case ActionCode::WaitForFrame2: {
            int frame = action.value;
            if (action.code == ActionCode::WaitForFrame2) {
                const ActionValue wanted = Pop();
                const auto at = FrameTarget(target_.value_or(base_), wanted, 0);
                frame = at ? at->second : std::numeric_limits<int>::max();
            }
            // The whole movie is loaded: only a frame past the end never comes.
            const Timeline* timeline = St().Find(target_.value_or(base_));
            if (!timeline || frame >= timeline->FrameCount()) next += action.small;
            break;
        }
        case ActionCode::Call: {
            const ActionValue frame = Pop();
            if (target_) {
                if (const auto at = FrameTarget(*target_, frame, 0)) r_.control_.CallFrame(at->first, at->second);
            }
            break;
        }

        // ---- Stack and data
        case ActionCode::ConstantPool: constants_ = action.strings; break;
        case ActionCode::Push:
            for (const swf::PushValue& value : action.values) Push(FromPush(value));
            break;
        case ActionCode::Pop: Pop(); break;
        case ActionCode::PushDuplicate: Push(stack_.empty() ? ActionValue::Undefined() : stack_.back()); break;
        case ActionCode::StackSwap: {
            ActionValue a = Pop(), b = Pop();
            Push(std::move(a));
            Push(std::move(b));
            break;
        }
        case ActionCode::StoreRegister:
            if (action.value >= 0 && action.value < kRegisters) {
                registers_[action.value] = stack_.empty() ? ActionValue::Undefined() : stack_.back();
            }
            break;
        case ActionCode::GetVariable: Push(GetVariable(PopString())); break;
        case ActionCode::SetVariable: {
            ActionValue value = Pop();
            SetVariable(PopString(), std::move(value));
            break;
        }
        case ActionCode::DefineLocal: {
            ActionValue value = Pop();
            SetMember(target_.value_or(Stage::kRoot), PopString(), std::move(value));
            break;
        }
        case ActionCode::DefineLocal2: {
            const std::string name = PopString();
            const uint32_t scope = target_.value_or(Stage::kRoot);
            const Timeline* timeline = St().Find(scope);
            if (timeline && !timeline->variables.count(Key(name))) SetMember(scope, name, ActionValue::Undefined());
            break;
        }
        case ActionCode::GetProperty: {
            const double index = PopNumber();
            const std::string path = PopString();
            const auto clip = path.empty() ? target_ : Resolve(path);
            Push(clip && index >= 0 && index < kClipPropertyCount
                     ? GetClipProperty(St(), *clip, ClipProperty(int(index)), v)
                     : ActionValue::Undefined());
            break;
        }
        case ActionCode::SetProperty: {
            const ActionValue value = Pop();
            const double index = PopNumber();
            const std::string path = PopString();
            const auto clip = path.empty() ? target_ : Resolve(path);
            if (clip && index >= 0 && index < kClipPropertyCount) {
                SetClipProperty(St(), *clip, ClipProperty(int(index)), value, v);
            }
            break;
        }
        case ActionCode::GetMember: {
            const std::string name = PopString();
            Push(GetMemberOf(Pop(), name));
            break;
        }
        case ActionCode::SetMember: {
            ActionValue value = Pop();
            const std::string name = PopString();
            const ActionValue object = Pop();
            if (object.type == ActionValue::Type::Clip) SetMember(object.clip, name, std::move(value));
            break;
        }
        case ActionCode::TargetPath: {
            const ActionValue value = Pop();
            Push(value.type == ActionValue::Type::Clip ? ActionValue::String(DotPath(St(), value.clip))
                                                        : ActionValue::Undefined());
            break;
        }
        case ActionCode::CallFunction: {
            const std::string name = PopString();
            const std::vector<ActionValue> args = PopArgs();
            Push(CallFunction(name, args));
            break;
        }
        case ActionCode::CallMethod: {
            const std::string name = PopString();
            const ActionValue object = Pop();
            const std::vector<ActionValue> args = PopArgs();
            Push(CallMethod(object, name, args));
            break;
        }

        // ---- Arithmetic and logic
        case ActionCode::Add: { const double b = Operand(Pop()); Push(ActionValue::Number(Operand(Pop()) + b)); break; }
        case ActionCode::Subtract: { const double b = Operand(Pop()); Push(ActionValue::Number(Operand(Pop()) - b)); break; }
        case ActionCode::Multiply: { const double b = Operand(Pop()); Push(ActionValue::Number(Operand(Pop()) * b)); break; }
        case ActionCode::Divide: {
            const double b = Operand(Pop()), a = Operand(Pop());
            if (b == 0 && v < 5) {
                Push(ActionValue::String("#ERROR#"));
            } else {
                Push(ActionValue::Number(a / b));
            }
            break;
        }
        case ActionCode::Modulo: { const double b = PopNumber(); Push(ActionValue::Number(std::fmod(PopNumber(), b))); break; }
        case ActionCode::Equals: { const double b = Operand(Pop()); Push(BoolResult(Operand(Pop()) == b)); break; }
        case ActionCode::Less: { const double b = Operand(Pop()); Push(BoolResult(Operand(Pop()) < b)); break; }
        case ActionCode::And: { const bool b = ToBoolean(Pop(), v); const bool a = ToBoolean(Pop(), v); Push(BoolResult(a && b)); break; }
        case ActionCode::Or: { const bool b = ToBoolean(Pop(), v); const bool a = ToBoolean(Pop(), v); Push(BoolResult(a || b)); break; }
        case ActionCode::Not: Push(BoolResult(!ToBoolean(Pop(), v))); break;
        case ActionCode::Add2: { const ActionValue b = Pop(); const ActionValue a = Pop(); Push(Add2(a, b)); break; }
        case ActionCode::Less2: { const ActionValue b = Pop(); const ActionValue a = Pop(); Push(LessThan(a, b, v)); break; }
        case ActionCode::Greater: { const ActionValue b = Pop(); const ActionValue a = Pop(); Push(LessThan(b, a, v)); break; }
        case ActionCode::Equals2: { const ActionValue b = Pop(); const ActionValue a = Pop(); Push(ActionValue::Boolean(LooselyEqual(a, b, v))); break; }
        case ActionCode::StrictEquals: { const ActionValue b = Pop(); const ActionValue a = Pop(); Push(ActionValue::Boolean(StrictlyEqual(a, b))); break; }
        case ActionCode::Increment: Push(ActionValue::Number(PopNumber() + 1)); break;
        case ActionCode::Decrement: Push(ActionValue::Number(PopNumber() - 1)); break;
        case ActionCode::ToInteger: Push(ActionValue::Number(std::trunc(Operand(Pop())))); break;
        case ActionCode::ToNumber: Push(ActionValue::Number(PopNumber())); break;
        case ActionCode::ToString: Push(ActionValue::String(PopString())); break;
        case ActionCode::BitAnd: { const int32_t b = ToInt32(PopNumber()); Push(ActionValue::Number(ToInt32(PopNumber()) & b)); break; }
        case ActionCode::BitOr: { const int32_t b = ToInt32(PopNumber()); Push(ActionValue::Number(ToInt32(PopNumber()) | b)); break; }
        case ActionCode::BitXor: { const int32_t b = ToInt32(PopNumber()); Push(ActionValue::Number(ToInt32(PopNumber()) ^ b)); break; }
        case ActionCode::BitLShift: { const int s = ToInt32(PopNumber()) & 31; Push(ActionValue::Number(int32_t(uint32_t(ToInt32(PopNumber())) << s))); break; }
        case ActionCode::BitRShift: { const int s = ToInt32(PopNumber()) & 31; Push(ActionValue::Number(ToInt32(PopNumber()) >> s)); break; }
        case ActionCode::BitURShift: { const int s = ToInt32(PopNumber()) & 31; Push(ActionValue::Number(uint32_t(ToInt32(PopNumber())) >> s)); break; }
        case ActionCode::TypeOf: Push(ActionValue::String(TypeName(Pop()))); break;

        // ---- Strings
        case ActionCode::StringAdd: { const std::string b = PopString(); Push(ActionValue::String(Limited(PopString() + b))); break; }
        case ActionCode::StringEquals: { const std::string b = PopString(); Push(BoolResult(PopString() == b)); break; }
        case ActionCode::StringLess: { const std::string b = PopString(); Push(BoolResult(PopString() < b)); break; }
        case ActionCode::StringGreater: { const std::string b = PopString(); Push(BoolResult(PopString() > b)); break; }
        case ActionCode::StringLength:
        case ActionCode::MBStringLength: Push(ActionValue::Number(double(PopString().size()))); break;
        case ActionCode::StringExtract:
        case ActionCode::MBStringExtract: {
            const double count = PopNumber(), index = PopNumber();
            const std::string text = PopString();
            const double from = std::clamp(std::isnan(index) ? 1.0 : index, 1.0, double(text.size()) + 1) - 1;
            const double length = std::clamp(std::isnan(count) ? 0.0 : count, 0.0, double(text.size()) - from);
            Push(ActionValue::String(text.substr(size_t(from), size_t(length))));
            break;
        }
        case ActionCode::CharToAscii:
        case ActionCode::MBCharToAscii: {
            const std::string text = PopString();
            Push(ActionValue::Number(text.empty() ? 0 : uint8_t(text[0])));
            break;
        }
        case ActionCode::AsciiToChar:
        case ActionCode::MBAsciiToChar: Push(ActionValue::String(std::string(1, char(ToInt32(PopNumber()) & 0xFF)))); break;

        // ---- Branches
        case ActionCode::Jump: return Branch(program, action, next);
        case ActionCode::If:
            if (ToBoolean(Pop(), v)) return Branch(program, action, next);
            break;

        // ---- Clock and chance
        case ActionCode::GetTime: Push(ActionValue::Number(TimeMillis())); break;
        case ActionCode::RandomNumber: {
            const double n = PopNumber();
            Push(ActionValue::Number(n >= 1 && n < 4294967296.0 ? double(NextRandom() % uint32_t(n)) : 0));
            break;
        }

        // ---- Skipped, with their stack effect
        case ActionCode::DefineFunction:
        case ActionCode::DefineFunction2: {
            // Functions are not run; an anonymous one is a value on the stack.
            next = program.IndexAt(action.next + uint32_t(std::max(action.value, 0)));
            if (action.text.empty()) Push(ActionValue::Undefined());
            break;
        }
        case ActionCode::Try:
            next = program.IndexAt(action.next + uint32_t(std::max(action.value, 0)));
            break;
        case ActionCode::With: Pop(); break;  // its block runs in the script's own scope
        case ActionCode::Return:
        case ActionCode::Throw: return false;
        case ActionCode::Trace:
        case ActionCode::RemoveSprite: Pop(); break;
        case ActionCode::CloneSprite: Drop(3); break;
        case ActionCode::GetUrl2: Drop(2); break;
        case ActionCode::StartDrag: {
            Drop(2);
            if (ToBoolean(Pop(), v)) Drop(4);
            break;
        }
        case ActionCode::Delete: Drop(2); Push(ActionValue::Boolean(false)); break;
        case ActionCode::Delete2: Drop(1); Push(ActionValue::Boolean(false)); break;
        case ActionCode::NewObject: {
            PopString();
            PopArgs();
            Push(ActionValue::Undefined());
            break;
        }
        case ActionCode::NewMethod: {
            PopString();
            Pop();
            PopArgs();
            Push(ActionValue::Undefined());
            break;
        }
        case ActionCode::InitArray: PopArgs(); Push(ActionValue::Undefined()); break;
        case ActionCode::InitObject: {
            const size_t pairs = PopCount();
            Drop(2 * pairs);
            Push(ActionValue::Undefined());
            break;
        }
        case ActionCode::Enumerate:
        case ActionCode::Enumerate2: Pop(); Push(ActionValue::Null()); break;  // nothing to enumerate
        case ActionCode::InstanceOf:
        case ActionCode::CastOp: Drop(2); Push(ActionValue::Null()); break;
        case ActionCode::Extends: Drop(2); break;
        case ActionCode::ImplementsOp: {
            Pop();
            Drop(PopCount());
            break;
        }
        default:
            break;  // no stack effect (StopSounds, EndDrag, GetUrl, unknown)
        }
        return true;
    }

    std::string TypeName(const ActionValue& value) const
    {
        switch (value.type) {
        case ActionValue::Type::Undefined: return "undefined";
        case ActionValue::Type::Null: return "null";
        case ActionValue::Type::Boolean: return "boolean";
        case ActionValue::Type::Number: return "number";
        case ActionValue::Type::String: return IsMath(value) ? "object" : "string";
        case ActionValue::Type::Clip: return "movieclip";
        }
        return "undefined";
    }

    // Jumps by the action's branch; a branch to anything but the start of an
    // action (or the very end) ends the script.
    bool Branch(const swf::ActionProgram& program, const swf::Action& action, size_t& next)
    {
        const int64_t to = int64_t(action.next) + action.value;
        if (to < 0) return false;
        next = program.IndexAt(uint32_t(to));
        return next < program.actions.size();
    }

    ActionValue FromPush(const swf::PushValue& value)
    {
        switch (value.type) {
        case swf::PushValue::Type::String: return ActionValue::String(value.text);
        case swf::PushValue::Type::Number: return ActionValue::Number(value.number);
        case swf::PushValue::Type::Null: return ActionValue::Null();
        case swf::PushValue::Type::Undefined: return ActionValue::Undefined();
        case swf::PushValue::Type::Boolean: return ActionValue::Boolean(value.number != 0);
        case swf::PushValue::Type::Register: {
            const int index = int(value.number);
            return index < kRegisters ? registers_[index] : ActionValue::Undefined();
        }
        case swf::PushValue::Type::Constant: {
            const size_t index = size_t(value.number);
            return index < constants_.size() ? ActionValue::String(constants_[index]) : ActionValue::Undefined();
        }
        }
        return ActionValue::Undefined();
    }

    // SetTarget paths count from the script's own timeline; a target that
    // does not exist leaves the control actions with nothing to act on.
    std::optional<uint32_t> ResolveFromBase(const std::string& path)
    {
        if (!Alive(base_)) return std::nullopt;
        return ResolveTarget(St(), base_, path, caseSensitive_);
    }

    ActionRunner& r_;
    uint32_t base_;
    std::optional<uint32_t> target_;
    bool caseSensitive_;
    std::vector<ActionValue> stack_;
    ActionValue registers_[kRegisters];
    std::vector<std::string> constants_;
};

ActionRunner::ActionRunner(Stage& stage, TimelineControl& control, const swf::DecodedMovie& movie, size_t& budget,
                           ScriptLimits limits)
    : stage_(stage), control_(control), movie_(movie), budget_(budget), limits_(limits),
      version_(movie.header.version)
{
}

void ActionRunner::Run(const swf::ActionProgram& program, uint32_t clip)
{
    if (!stage_.Find(clip)) return;
    Activation(*this, clip).Run(program);
}

std::optional<int> ActionRunner::FrameOfLabel(const Timeline& timeline, const std::string& label)
{
    if (!timeline.frames || label.empty()) return std::nullopt;
    for (size_t frame = 0; frame < timeline.frames->size(); ++frame) {
        if (SameName((*timeline.frames)[frame].label, label, false)) return int(frame);
    }
    return std::nullopt;
}

}  // namespace glimmora::player
