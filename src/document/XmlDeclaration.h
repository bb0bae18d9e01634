#pragma once
// What a project file says about its own encoding: a byte order mark or the
// byte pattern of UTF-16/32, or the encoding named in its XML declaration.

#include <pugixml.hpp>

#include <optional>
#include <string>
#include <string_view>

namespace glimmora {

// Whether the bytes begin as Unicode that the parser recognises by itself:
// a byte order mark, or "<?" / "<" in UTF-16 or UTF-32.
bool StartsAsUnicode(std::string_view bytes);

// The encoding that an XML declaration at the very start of `bytes` names;
// nothing when there is no declaration or it names no encoding.
std::optional<std::string> DeclaredEncoding(std::string_view bytes);

// The same, from a parsed document's declaration node.
std::optional<std::string> DeclaredEncoding(const pugi::xml_document& dom);

// Makes the document's declaration, if it has one, name `encoding`.
void SetDeclaredEncoding(pugi::xml_document& dom, const char* encoding);

}  // namespace glimmora
