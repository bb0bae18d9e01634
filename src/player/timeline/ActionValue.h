#pragma once
// A value on the AVM1 stack or in a variable, and the conversions between
// kinds as the player of the file's version makes them (SWF 4 to 6 turn
// undefined into 0 and "", SWF 7 into NaN and "undefined", and so on).
// Objects other than sprite instances are not modelled: scripts that build
// them get undefined.

#include <cstdint>
#include <string>

namespace glimmora::player {

struct ActionValue {
    enum class Type : uint8_t { Undefined, Null, Boolean, Number, String, Clip };
    Type type = Type::Undefined;
    double number = 0;  // Number; Boolean as 0 or 1
    std::string text;   // String
    uint32_t clip = 0;  // Clip: the id of its timeline on the stage

    static ActionValue Undefined() { return {}; }
    static ActionValue Null() { return {Type::Null, 0, {}, 0}; }
    static ActionValue Boolean(bool b) { return {Type::Boolean, b ? 1.0 : 0.0, {}, 0}; }
    static ActionValue Number(double n) { return {Type::Number, n, {}, 0}; }
    static ActionValue String(std::string s) { return {Type::String, 0, std::move(s), 0}; }
    static ActionValue Clip(uint32_t id) { return {Type::Clip, 0, {}, id}; }

    bool IsUndefined() const { return type == Type::Undefined; }
};

// How a value reads as a number, a string or a truth value; `clipPath`
// names a clip (its target path) for ToString.
double ToNumber(const ActionValue& value, uint8_t swfVersion);
std::string ToString(const ActionValue& value, uint8_t swfVersion, const std::string& clipPath = {});
bool ToBoolean(const ActionValue& value, uint8_t swfVersion);
// A number as the player writes it: integers plainly, others with up to 15
// significant digits, "NaN", "Infinity", "-Infinity".
std::string NumberToString(double number);
// 32-bit integer conversion of the bit operations.
int32_t ToInt32(double number);

// ==, as ECMAScript's abstract equality (Equals2); === (StrictEquals).
bool LooselyEqual(const ActionValue& a, const ActionValue& b, uint8_t swfVersion);
bool StrictlyEqual(const ActionValue& a, const ActionValue& b);
// a < b (Less2): true, false, or undefined when a NaN is involved.
ActionValue LessThan(const ActionValue& a, const ActionValue& b, uint8_t swfVersion);

}  // namespace glimmora::player
