#include "document/ClippedObjects.h"

#include "document/Base64.h"
#include "document/ConversionError.h"

#include <pugixml.hpp>

#include <sstream>

namespace glimmora {

namespace {

constexpr char kRoot[] = "GlimmoraObjects";
// As the project file is read: line ends and whitespace in attributes are kept as they are.
constexpr unsigned kParseFlags =
    (pugi::parse_default | pugi::parse_ws_pcdata) & ~(pugi::parse_eol | pugi::parse_wconv_attribute);

[[noreturn]] void Refuse(const std::string& why)
{
    throw DocumentError("The clipboard's objects cannot be pasted: " + why + ".");
}

bool MediaSuits(const std::string& kind, const std::string& extension)
{
    if (kind == "Pic") return extension == ".jpg" || extension == ".png";
    if (kind == "Sound") return extension == ".wav";
    return false;
}

std::string ElementText(const pugi::xml_node& node)
{
    std::ostringstream out;
    node.print(out, "", pugi::format_raw | pugi::format_no_empty_element_tags, pugi::encoding_utf8);
    return out.str();
}

}  // namespace

std::string PackClippedObjects(const std::vector<ClippedObject>& objects)
{
    pugi::xml_document document;
    pugi::xml_node root = document.append_child(kRoot);
    root.append_attribute("Version") = 1;
    for (const ClippedObject& object : objects) {
        pugi::xml_node item = root.append_child("Item");
        pugi::xml_document element;
        if (element.load_buffer(object.element.data(), object.element.size(), kParseFlags))
            item.append_copy(element.document_element());
        if (object.mediaExtension.empty()) continue;
        pugi::xml_node media = item.append_child("Media");
        media.append_attribute("Extension") = object.mediaExtension.c_str();
        media.text() = EncodeBase64(object.mediaBytes).c_str();
    }
    std::ostringstream out;
    document.save(out, "", pugi::format_raw | pugi::format_no_empty_element_tags, pugi::encoding_utf8);
    return out.str();
}

std::vector<ClippedObject> UnpackClippedObjects(std::string_view text)
{
    pugi::xml_document document;
    const pugi::xml_parse_result parsed = document.load_buffer(text.data(), text.size(), kParseFlags);
    if (!parsed) Refuse(std::string("they are not readable XML (") + parsed.description() + ")");
    const pugi::xml_node root = document.document_element();
    if (std::string_view(root.name()) != kRoot) Refuse("they were not written by Glimmora");
    if (root.attribute("Version").as_int() != 1) Refuse("they come from another version of Glimmora");

    std::vector<ClippedObject> objects;
    for (const pugi::xml_node& item : root.children("Item")) {
        const pugi::xml_node obj = item.child("Obj");
        if (!obj || obj.next_sibling("Obj")) Refuse("an item holds no single object");
        const std::string kind = obj.child("ObjTypeName").text().as_string();
        if (kind != "Text" && kind != "Pic" && kind != "Sound") Refuse("\"" + kind + "\" is no kind of object");
        if (!obj.child("ObjName")) Refuse("an object has no name");
        ClippedObject object{ElementText(obj), {}, {}};
        if (const pugi::xml_node media = item.child("Media")) {
            object.mediaExtension = media.attribute("Extension").as_string();
            if (!MediaSuits(kind, object.mediaExtension))
                Refuse("a " + std::string(kind == "Text" ? "text" : kind == "Pic" ? "picture" : "sound") +
                       " cannot have a \"" + object.mediaExtension + "\" file");
            std::optional<std::string> bytes = DecodeBase64(media.text().get());
            if (!bytes) Refuse("the file of " + std::string(obj.child("ObjName").text().as_string()) + " is damaged");
            object.mediaBytes = std::move(*bytes);
        }
        objects.push_back(std::move(object));
    }
    if (objects.empty()) Refuse("there are none");
    return objects;
}

}  // namespace glimmora
