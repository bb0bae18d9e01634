#pragma once
// The properties of a movie and of its objects that the command line reads
// and changes, named as the project file names them, with the values the
// editors allow, so that a project changed here opens in the editor as it is.

#include "document/XmlBinding.h"

#include <string>
#include <vector>

namespace glimmora::cli {

enum class PropertyType {
    Integer,        // within [minimum, maximum]
    Text,
    ShortText,      // a text object's content: at most 127 characters
    Colour,         // $BBGGRR, #RRGGBB or decimal; stored in decimal as the editors store it
    FontSize,       // one of the sizes the text editor offers
    TextEffect,
    PictureEffect,
    YesNo,          // True or False
    Name,           // the object's name (a rename carries its picture or sound file along)
};

struct PropertySpec {
    std::string owner;  // "Movie", "Obj" (every object), or the kind "Text", "Pic", "Sound"
    std::string name;   // the element's name
    PropertyType type = PropertyType::Text;
    int minimum = 0;
    int maximum = 0;
    bool settable = true;  // false: shown by list only (set by another command)
};

// The movie's properties, then the object properties of every kind.
const std::vector<PropertySpec>& AllProperties();

// The properties of the movie ("Movie") or of an object of `kind`, in the
// order list shows them: the object's own first, then those of its kind.
std::vector<PropertySpec> PropertiesOf(const std::string& kind);

// The property of that name for `kind` (letter case ignored), or nullptr.
const PropertySpec* FindProperty(const std::string& kind, const std::string& name);

// The element that holds `property` for this object (or the movie itself).
IXMLNode PropertyHolder(const IXMLMovie& movie, const IXMLObj* obj, const PropertySpec& property);

// `value` checked against the property and written as the file stores it;
// throws UsageError saying what would be allowed. `subject` names the object
// (or the movie) in the message.
std::string CheckedValue(const PropertySpec& property, const std::string& value, const std::string& subject);

// What the values of the property may be ("-10000 to 10000", "a colour").
std::string AllowedValues(const PropertySpec& property);

}  // namespace glimmora::cli
