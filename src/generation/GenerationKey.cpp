#include "generation/GenerationKey.h"

#include "objects/TGlobalVars.h"

#include <cstdint>
#include <cstring>

namespace glimmora {

namespace {

void Append(std::string& key, const char* text)
{
    const size_t size = std::strlen(text);
    const uint32_t length = uint32_t(size);
    key.append(reinterpret_cast<const char*>(&length), sizeof length);
    key.append(text, size);
}

// The subtree as it stands: every node's type, name and value, in order.
void AppendTree(std::string& key, pugi::xml_node node)
{
    for (pugi::xml_node child : node.children()) {
        key += char('0' + child.type());
        Append(key, child.name());
        Append(key, child.value());
        if (child.first_child()) AppendTree(key, child);
        key += ')';
    }
}

void AppendElementText(std::string& key, const IXMLMovie& movie, const char* name)
{
    const std::optional<std::string> text = movie.FindText(name);
    Append(key, text ? text->c_str() : "");
    key += text ? '+' : '-';
}

}  // namespace

std::string GenerationKey(const std::string& kind, const IXMLObj& obj, const IXMLMovie& movie,
                          const std::filesystem::path& basePath)
{
    std::string key;
    key.reserve(1024);
    Append(key, kind.c_str());
    AppendTree(key, obj.Node());
    if (kind == "Pic" || kind == "Sound") {
        // Files are found beside the project; pictures also move about the stage.
        Append(key, basePath.string().c_str());
        if (kind == "Pic") {
            AppendElementText(key, movie, "Width");
            AppendElementText(key, movie, "Height");
            key += std::to_string(GlobalVars().FrameLimit);
        }
    }
    return key;
}

}  // namespace glimmora
