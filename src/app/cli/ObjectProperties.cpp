#include "app/cli/ObjectProperties.h"

#include "app/cli/CommandLine.h"
#include "document/ColorValue.h"
#include "document/ConversionError.h"
#include "document/IntegerText.h"
#include "effects/picture/PicEffectTable.h"
#include "effects/text/TextEffectDefaults.h"
#include "effects/text/TextEffects.h"
#include "generation/Utf8Text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace glimmora::cli {

namespace {

using T = PropertyType;

// The longest text content that is generated.
constexpr size_t kLongestText = 127;

std::string Lower(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return text;
}

const std::vector<std::string>& NamesOf(PropertyType type)
{
    if (type == T::TextEffect) return TextEffectNames();
    if (type == T::PictureEffect) return PicEffectNames();
    return TextEditorFontSizes();
}

std::string Joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) text += (text.empty() ? "" : ", ") + name;
    return text;
}

// "#RRGGBB" as a colour value (red in the low byte).
std::optional<int> WebColour(const std::string& text)
{
    if (text.size() != 7 || text[0] != '#') return std::nullopt;
    unsigned rgb = 0;
    const auto [end, error] = std::from_chars(text.data() + 1, text.data() + 7, rgb, 16);
    if (error != std::errc() || end != text.data() + 7) return std::nullopt;
    return int(((rgb & 0xFF) << 16) | (rgb & 0xFF00) | (rgb >> 16));
}

std::string CheckedEffect(const PropertySpec& property, const std::string& value, const std::string& subject)
{
    const std::vector<std::string>& names = NamesOf(property.type);
    if (std::find(names.begin(), names.end(), value) != names.end()) return value;
    std::string message = subject + ": there is no " +
                          std::string(property.type == T::TextEffect ? "text" : "picture") + " effect '" + value + "'";
    const auto near = std::find_if(names.begin(), names.end(), [&](const std::string& name) { return Lower(name) == Lower(value); });
    throw UsageError(message + (near != names.end() ? " (did you mean '" + *near + "'?)" : " ('glimmora-cli effects' lists them)"));
}

}  // namespace

const std::vector<PropertySpec>& AllProperties()
{
    static const std::vector<PropertySpec> properties = {
        {"Movie", "Width", T::Integer, 1, 800},
        {"Movie", "Height", T::Integer, 1, 600},
        {"Movie", "Rate", T::Integer, 1, 90},
        {"Movie", "BgColor", T::Colour},
        {"Movie", "Loop", T::YesNo},
        {"Movie", "MovieName", T::Text},
        {"Movie", "Author", T::Text},

        {"Obj", "ObjName", T::Name},
        {"Obj", "ObjTypeName", T::Text, 0, 0, false},
        {"Obj", "Layer", T::Integer, 0, 0, false},

        {"Text", "StartTime", T::Integer, 0, 9999},
        {"Text", "EndTime", T::Integer, 0, 9999},
        {"Text", "Content", T::ShortText},
        {"Text", "FontName", T::Text},
        {"Text", "FontSize", T::FontSize},
        {"Text", "FontColor", T::Colour},
        {"Text", "PositionX", T::Integer, -10000, 10000},
        {"Text", "PositionY", T::Integer, -10000, 10000},
        {"Text", "EffectName", T::TextEffect},
        {"Text", "ExScale", T::Integer, -10, 10},
        {"Text", "ExRotate", T::Integer, 0, 10},
        {"Text", "ExShock", T::Integer, -100, 100},
        {"Text", "ExColor", T::Integer, 0, 100},
        {"Text", "ExAlpha", T::Integer, -255, 255},
        {"Text", "ExSpeed", T::Integer, 0, 200},

        {"Pic", "StartTime", T::Integer, 0, 99999},
        {"Pic", "EndTime", T::Integer, 0, 99999},
        {"Pic", "Content", T::Text, 0, 0, false},
        {"Pic", "PositionX", T::Integer, -10000, 10000},
        {"Pic", "PositionY", T::Integer, -10000, 10000},
        {"Pic", "Width", T::Integer, 1, 10000},
        {"Pic", "Height", T::Integer, 1, 10000},
        {"Pic", "EffectName", T::PictureEffect},

        // A sound starts with the movie and plays to its end: its frames are not read.
        {"Sound", "Content", T::Text, 0, 0, false},
    };
    return properties;
}

std::vector<PropertySpec> PropertiesOf(const std::string& kind)
{
    std::vector<PropertySpec> found;
    for (const PropertySpec& property : AllProperties())
        if (property.owner == kind || (kind != "Movie" && property.owner == "Obj")) found.push_back(property);
    std::stable_partition(found.begin(), found.end(), [](const PropertySpec& p) { return p.owner == "Obj"; });
    return found;
}

const PropertySpec* FindProperty(const std::string& kind, const std::string& name)
{
    for (const PropertySpec& property : AllProperties()) {
        const bool owned = property.owner == kind || (kind != "Movie" && property.owner == "Obj");
        if (owned && Lower(property.name) == Lower(name)) return &property;
    }
    return nullptr;
}

IXMLNode PropertyHolder(const IXMLMovie& movie, const IXMLObj* obj, const PropertySpec& property)
{
    if (property.owner == "Movie" || !obj) return movie;
    // The frames are elements of the object itself, whatever its kind.
    if (property.owner == "Obj" || property.name == "StartTime" || property.name == "EndTime") return *obj;
    const IXMLObjType type = obj->ObjType();
    if (property.owner == "Text") return type.ObjText();
    if (property.owner == "Pic") return type.ObjPic();
    return type.ObjSound();
}

std::string AllowedValues(const PropertySpec& property)
{
    switch (property.type) {
    case T::Integer: return std::to_string(property.minimum) + " to " + std::to_string(property.maximum);
    case T::Text: return "any text";
    case T::ShortText: return "a text of at most 127 characters";
    case T::Colour: return "a colour: $BBGGRR, #RRGGBB or a decimal colour value";
    case T::FontSize: return "one of " + Joined(TextEditorFontSizes());
    case T::TextEffect: return "a text effect (glimmora-cli effects --text)";
    case T::PictureEffect: return "a picture effect (glimmora-cli effects --picture)";
    case T::YesNo: return "True or False";
    case T::Name: return "a name no other object has";
    }
    return "";
}

std::string CheckedValue(const PropertySpec& property, const std::string& value, const std::string& subject)
{
    const auto refuse = [&]() -> std::string {
        throw UsageError(subject + ": '" + value + "' is no " + property.name + " (allowed: " + AllowedValues(property) +
                         ")");
    };
    if (EncodeUtf8(DecodeUtf8(value)) != value) throw UsageError(subject + ": the " + property.name + " is not UTF-8 text");
    switch (property.type) {
    case T::Integer: {
        const std::optional<int> number = TryParseIntegerText(value);
        if (!number || *number < property.minimum || *number > property.maximum) return refuse();
        return std::to_string(*number);
    }
    case T::ShortText:
        if (DecodeUtf8(value).size() > kLongestText) {
            throw UsageError(subject + ": the text has " + std::to_string(DecodeUtf8(value).size()) +
                             " characters; a text of more than 127 is not shown");
        }
        return value;
    case T::Colour: {
        if (const std::optional<int> web = WebColour(value)) return std::to_string(*web);
        try {
            const int colour = ParseColorValue(value);
            if (colour < 0 || colour > 0xFFFFFF) return refuse();
            return std::to_string(colour);
        } catch (const ConversionError&) {
            return refuse();
        }
    }
    case T::FontSize: {
        const auto& sizes = TextEditorFontSizes();
        const std::optional<int> number = TryParseIntegerText(value);
        if (!number || std::find(sizes.begin(), sizes.end(), std::to_string(*number)) == sizes.end()) return refuse();
        return std::to_string(*number);
    }
    case T::TextEffect:
    case T::PictureEffect: return CheckedEffect(property, value, subject);
    case T::YesNo: {
        const std::string lower = Lower(value);
        if (lower == "true" || lower == "yes") return "True";
        if (lower == "false" || lower == "no") return "False";
        return refuse();
    }
    case T::Text:
    case T::Name: return value;
    }
    return value;
}

}  // namespace glimmora::cli
