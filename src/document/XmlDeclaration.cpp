#include "document/XmlDeclaration.h"

#include <cctype>

namespace glimmora {

namespace {

bool StartsWith(std::string_view bytes, std::string_view prefix)
{
    return bytes.substr(0, prefix.size()) == prefix;
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::size_t SkipBlanks(std::string_view text, std::size_t at)
{
    while (at < text.size() && IsBlank(text[at]))
        ++at;
    return at;
}

pugi::xml_node DeclarationOf(const pugi::xml_document& dom)
{
    for (pugi::xml_node node : dom.children())
        if (node.type() == pugi::node_declaration)
            return node;
    return {};
}

}  // namespace

bool StartsAsUnicode(std::string_view bytes)
{
    using namespace std::string_view_literals;
    static constexpr std::string_view kStarts[] = {
        "\xEF\xBB\xBF"sv,                                   // UTF-8 mark
        "\xFE\xFF"sv, "\xFF\xFE"sv,                         // UTF-16 marks (and UTF-32 LE)
        "\x00\x00\xFE\xFF"sv,                               // UTF-32 BE mark
        "\x00\x00\x00\x3C"sv, "\x3C\x00\x00\x00"sv,         // "<" in UTF-32
        "\x00\x3C"sv, "\x3C\x00"sv,                         // "<" in UTF-16
    };
    for (std::string_view start : kStarts)
        if (StartsWith(bytes, start))
            return true;
    return false;
}

std::optional<std::string> DeclaredEncoding(std::string_view bytes)
{
    if (!StartsWith(bytes, "<?xml") || bytes.size() < 6 || !IsBlank(bytes[5]))
        return std::nullopt;
    const std::size_t end = bytes.find("?>");
    if (end == std::string_view::npos)
        return std::nullopt;
    const std::string_view declaration = bytes.substr(0, end);
    for (std::size_t at = declaration.find("encoding"); at != std::string_view::npos;
         at = declaration.find("encoding", at + 1)) {
        if (!IsBlank(declaration[at - 1]))
            continue;
        std::size_t pos = SkipBlanks(declaration, at + 8);
        if (pos >= declaration.size() || declaration[pos] != '=')
            continue;
        pos = SkipBlanks(declaration, pos + 1);
        if (pos >= declaration.size() || (declaration[pos] != '"' && declaration[pos] != '\''))
            continue;
        const std::size_t close = declaration.find(declaration[pos], pos + 1);
        if (close == std::string_view::npos)
            return std::nullopt;
        return std::string(declaration.substr(pos + 1, close - pos - 1));
    }
    return std::nullopt;
}

std::optional<std::string> DeclaredEncoding(const pugi::xml_document& dom)
{
    const pugi::xml_attribute encoding = DeclarationOf(dom).attribute("encoding");
    if (!encoding)
        return std::nullopt;
    return std::string(encoding.value());
}

void SetDeclaredEncoding(pugi::xml_document& dom, const char* encoding)
{
    pugi::xml_node declaration = DeclarationOf(dom);
    if (!declaration)
        return;
    pugi::xml_attribute attribute = declaration.attribute("encoding");
    if (!attribute)
        attribute = declaration.append_attribute("encoding");
    attribute.set_value(encoding);
}

}  // namespace glimmora
