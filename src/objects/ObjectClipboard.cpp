#include "objects/ObjectClipboard.h"

#include "document/ConversionError.h"
#include "document/FileBytes.h"
#include "document/ProjectFiles.h"
#include "objects/NewObjectName.h"

#include <pugixml.hpp>

#include <algorithm>
#include <climits>
#include <memory>
#include <sstream>

namespace glimmora {

namespace {

// An object read back from the clipboard, checked, before it joins the movie.
struct Incoming {
    std::unique_ptr<pugi::xml_document> element;
    std::string name, kind;
    int start = 0, end = 0;
    std::filesystem::path staged;  // its media, once written
};

bool Positioned(const std::string& kind) { return kind == "Text" || kind == "Pic"; }

int Added(int value, long long by) { return int(std::clamp<long long>(value + by, INT_MIN, INT_MAX)); }

// Moves a text or picture by `offset` pixels right and down; with 0 it only
// reads the position, which throws ConversionError when it is no number.
void MovePosition(const IXMLObj& obj, const std::string& kind, int offset)
{
    if (kind == "Text") {
        const IXMLObjText text = obj.ObjType().ObjText();
        const int x = text.PositionX(), y = text.PositionY();
        if (offset == 0) return;
        text.SetPositionX(Added(x, offset));
        text.SetPositionY(Added(y, offset));
    } else {
        const IXMLObjPic pic = obj.ObjType().ObjPic();
        const int x = pic.PositionX(), y = pic.PositionY();
        if (offset == 0) return;
        pic.SetPositionX(Added(x, offset));
        pic.SetPositionY(Added(y, offset));
    }
}

Incoming Read(const ClippedObject& clipped)
{
    Incoming incoming;
    incoming.element = std::make_unique<pugi::xml_document>();
    const auto parsed =
        incoming.element->load_buffer(clipped.element.data(), clipped.element.size(),
                                      (pugi::parse_default | pugi::parse_ws_pcdata) & ~pugi::parse_eol, pugi::encoding_utf8);
    const IXMLObj obj(incoming.element->child("Obj"));
    if (!parsed || !obj) throw DocumentError("The clipboard holds an object that cannot be read.");
    incoming.name = obj.FindText("ObjName").value_or("");
    incoming.kind = obj.FindText("ObjTypeName").value_or("");
    try {
        incoming.start = obj.StartTime();
        incoming.end = obj.EndTime();
        // Every number is known good before the movie changes.
        if (Positioned(incoming.kind)) MovePosition(obj, incoming.kind, 0);
    } catch (const ConversionError& error) {
        throw DocumentError("The object " + incoming.name + " on the clipboard cannot be pasted: " + error.what());
    }
    return incoming;
}

}  // namespace

ClippedObject ClipObject(const IXMLObj& obj, const ProjectMedia& media, const std::filesystem::path& basePath)
{
    ClippedObject clipped;
    std::ostringstream out;
    obj.Node().print(out, "", pugi::format_raw | pugi::format_no_empty_element_tags, pugi::encoding_utf8);
    clipped.element = out.str();
    const std::optional<MediaKind> kind = MediaKindOf(obj.ObjTypeName());
    if (!kind) return clipped;
    const MediaFile file = media.Find(basePath, *kind, obj.ObjName());
    if (!file) return clipped;
    std::optional<std::string> bytes = ReadFileBytes(file.file);
    if (!bytes) return clipped;  // a missing file stays missing in the copy
    std::string extension = file.file.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    if (extension == ".jpeg") extension = ".jpg";
    clipped.mediaExtension = extension;
    clipped.mediaBytes = std::move(*bytes);
    return clipped;
}

std::vector<std::string> PasteObjects(const IXMLMovie& movie, ProjectMedia& media,
                                      const std::vector<ClippedObject>& objects, const PastePlacement& placement)
{
    std::vector<Incoming> incoming;
    int firstStart = INT_MAX;
    for (const ClippedObject& clipped : objects) {
        incoming.push_back(Read(clipped));
        firstStart = std::min(firstStart, incoming.back().start);
    }
    for (size_t i = 0; i < objects.size(); ++i) {
        if (objects[i].mediaExtension.empty() || !MediaKindOf(incoming[i].kind)) continue;
        incoming[i].staged = media.NewStagedName().concat(objects[i].mediaExtension);
        WriteFileReplacing(incoming[i].staged, objects[i].mediaBytes);
    }

    const long long shift = placement.startFrame ? *placement.startFrame - (long long)firstStart : 0;
    std::vector<std::string> names;
    for (Incoming& object : incoming) {
        const IXMLObjList list = movie.Obj();
        bool taken = object.name.empty() || MediaNameProblem(object.name).has_value();
        for (int i = 0; i < list.Count() && !taken; ++i) taken = list.Items(i).ObjName() == object.name;
        const std::string name = taken ? NewObjectName(list, object.kind) : object.name;

        pugi::xml_node parent = movie.Node();
        const IXMLObj obj(parent.append_copy(object.element->child("Obj")));
        obj.SetObjName(name);
        obj.SetStartTime(std::max(0, Added(object.start, shift)));
        obj.SetEndTime(std::max(0, Added(object.end, shift)));
        if (placement.offset != 0 && Positioned(object.kind)) MovePosition(obj, object.kind, placement.offset);
        if (const auto kind = MediaKindOf(object.kind)) {
            MediaEntry entry;
            if (!object.staged.empty()) entry = MediaSource{object.staged, {}};
            media.Set(*kind, name, entry);
        }
        names.push_back(name);
    }
    return names;
}

}  // namespace glimmora
