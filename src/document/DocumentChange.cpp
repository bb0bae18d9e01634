#include "document/DocumentChange.h"

#include <pugixml.hpp>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace glimmora {

namespace {

using Fields = std::map<std::string, std::string>;

struct Object {
    std::string name;
    std::string kind;
    Fields fields;  // every leaf under the object but its name, by element name
};

}  // namespace

struct DocumentOutline::Contents {
    Fields properties;  // the movie's own leaves, but the informative frame count
    std::vector<Object> objects;
};

namespace {

using Movie = DocumentOutline::Contents;

void CollectLeaves(const pugi::xml_node& node, Fields& into)
{
    for (const pugi::xml_node& child : node.children()) {
        if (child.type() != pugi::node_element) continue;
        if (child.find_child([](const pugi::xml_node& n) { return n.type() == pugi::node_element; }))
            CollectLeaves(child, into);
        else into[child.name()] = child.text().as_string();
    }
}

Movie Read(std::string_view text)
{
    Movie movie;
    pugi::xml_document document;
    if (!document.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata)) return movie;
    const pugi::xml_node root = document.document_element();
    for (const pugi::xml_node& child : root.children()) {
        if (child.type() != pugi::node_element) continue;
        if (std::string_view(child.name()) != "Obj") {
            if (std::string_view(child.name()) != "TotalFrames") movie.properties[child.name()] = child.text().as_string();
            continue;
        }
        Object object;
        CollectLeaves(child, object.fields);
        object.name = object.fields["ObjName"];
        object.kind = object.fields["ObjTypeName"];
        object.fields.erase("ObjName");
        movie.objects.push_back(std::move(object));
    }
    return movie;
}

std::set<std::string> ChangedFields(const Fields& before, const Fields& after)
{
    std::set<std::string> changed;
    for (const auto& [key, value] : before) {
        const auto found = after.find(key);
        if (found == after.end() || found->second != value) changed.insert(key);
    }
    for (const auto& [key, value] : after)
        if (!before.count(key)) changed.insert(key);
    return changed;
}

bool Within(const std::set<std::string>& fields, std::initializer_list<const char*> allowed)
{
    return std::all_of(fields.begin(), fields.end(), [&](const std::string& field) {
        return std::find(allowed.begin(), allowed.end(), field) != allowed.end();
    });
}

int Number(const Fields& fields, const char* key)
{
    const auto found = fields.find(key);
    return found == fields.end() ? 0 : std::atoi(found->second.c_str());
}

// The change of one object whose name stayed.
DocumentChange FieldChange(const Object& before, const Object& after, const std::set<std::string>& fields)
{
    const std::string& name = after.name;
    DocumentChange change{"", name, name, true};
    const auto is = [&](const char* field) { return fields.count(field) > 0; };
    if (is("Content") && after.kind == "Text") {
        change.name = "Typing in " + name;
    } else if (is("Content")) {
        change.name = (after.kind == "Sound" ? "Change Sound of " : "Change Picture of ") + name;
        change.mergeable = false;
    } else if (Within(fields, {"PositionX", "PositionY"})) {
        change.name = "Move " + name;
    } else if (Within(fields, {"PositionX", "PositionY", "Width", "Height"})) {
        change.name = "Resize " + name;
    } else if (Within(fields, {"StartTime", "EndTime"})) {
        const int startMoved = Number(after.fields, "StartTime") - Number(before.fields, "StartTime");
        const int endMoved = Number(after.fields, "EndTime") - Number(before.fields, "EndTime");
        change.name = startMoved == endMoved ? "Move " + name + " in Time" : "Change Frames of " + name;
    } else if (Within(fields, {"Layer"})) {
        change.name = "Reorder " + name;
        change.mergeable = false;
    } else if (is("EffectName")) {
        change.name = "Change Effect of " + name;
    } else if (Within(fields, {"FontName", "FontSize", "FontColor"})) {
        change.name = "Change Font of " + name;
    } else {
        change.name = "Change " + name;
    }
    return change;
}

std::string Listed(size_t count, const std::vector<Object>& objects, size_t at, const char* verb)
{
    return count == 1 ? std::string(verb) + " " + objects[at].name
                      : std::string(verb) + " " + std::to_string(count) + " Objects";
}

}  // namespace

DocumentOutline::DocumentOutline(std::string_view text) : contents_(std::make_shared<const Contents>(Read(text))) {}

DocumentChange DescribeChange(std::string_view before, std::string_view after)
{
    return DescribeChange(DocumentOutline(before), DocumentOutline(after));
}

DocumentChange DescribeChange(const DocumentOutline& beforeOutline, const DocumentOutline& afterOutline)
{
    const Movie& before = *beforeOutline.contents_;
    const Movie& after = *afterOutline.contents_;

    if (before.objects.size() != after.objects.size()) {
        // Objects came or went: name them by what one side has that the other lacks.
        const bool inserted = after.objects.size() > before.objects.size();
        const std::vector<Object>& more = inserted ? after.objects : before.objects;
        const std::vector<Object>& fewer = inserted ? before.objects : after.objects;
        std::multiset<std::string> names;
        for (const Object& object : fewer) names.insert(object.name);
        std::vector<size_t> extra;
        for (size_t i = 0; i < more.size(); ++i) {
            const auto found = names.find(more[i].name);
            if (found == names.end()) extra.push_back(i);
            else names.erase(found);
        }
        const size_t count = more.size() - fewer.size();
        const size_t at = extra.empty() ? more.size() - 1 : extra.front();
        DocumentChange change{Listed(count, more, at, inserted ? "Insert" : "Delete"), "", "", false};
        (inserted ? change.objectAfter : change.objectBefore) = count == 1 ? more[at].name : std::string();
        return change;
    }

    std::vector<size_t> changed;
    for (size_t i = 0; i < before.objects.size(); ++i)
        if (before.objects[i].name != after.objects[i].name || before.objects[i].fields != after.objects[i].fields)
            changed.push_back(i);

    if (changed.empty()) {
        const std::set<std::string> properties = ChangedFields(before.properties, after.properties);
        if (properties.empty()) return {};
        return {Within(properties, {"Loop"}) ? "Change Loop" : "Change Movie Properties", "", "", true};
    }
    if (changed.size() == 1) {
        const Object& was = before.objects[changed.front()];
        const Object& now = after.objects[changed.front()];
        if (was.name != now.name) return {"Rename " + was.name, was.name, now.name, false};
        return FieldChange(was, now, ChangedFields(was.fields, now.fields));
    }
    return {"Change " + std::to_string(changed.size()) + " Objects", "", "", false};
}

}  // namespace glimmora
