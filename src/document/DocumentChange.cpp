#include "document/DocumentChange.h"

#include <pugixml.hpp>

#include <algorithm>
#include <optional>
#include <set>
#include <vector>

namespace glimmora {

namespace {

// An element's leaves by name, as views into the document they were read
// from; a name given twice keeps its last value.
class Fields {
public:
    void Set(std::string_view name, std::string_view value) { entries_.emplace_back(name, value); }
    // Sorts by name once everything is set.
    void Finish()
    {
        std::stable_sort(entries_.begin(), entries_.end(),
                         [](const Entry& a, const Entry& b) { return a.first < b.first; });
        // Of equal names, the last one set stays.
        std::vector<Entry> kept;
        kept.reserve(entries_.size());
        for (const Entry& entry : entries_) {
            if (!kept.empty() && kept.back().first == entry.first) kept.back() = entry;
            else kept.push_back(entry);
        }
        entries_ = std::move(kept);
    }
    std::optional<std::string_view> Find(std::string_view name) const
    {
        const auto found = Lower(name);
        if (found == entries_.end() || found->first != name) return std::nullopt;
        return found->second;
    }
    void Erase(std::string_view name)
    {
        const auto found = Lower(name);
        if (found != entries_.end() && found->first == name) entries_.erase(found);
    }
    auto begin() const { return entries_.begin(); }
    auto end() const { return entries_.end(); }
    friend bool operator==(const Fields&, const Fields&) = default;

private:
    using Entry = std::pair<std::string_view, std::string_view>;
    std::vector<Entry>::const_iterator Lower(std::string_view name) const
    {
        return std::lower_bound(entries_.begin(), entries_.end(), name,
                                [](const Entry& entry, std::string_view key) { return entry.first < key; });
    }
    std::vector<Entry> entries_;
};

struct Object {
    std::string name;
    std::string kind;
    Fields fields;  // every leaf under the object but its name, by element name
};

}  // namespace

struct DocumentOutline::Contents {
    pugi::xml_document document;  // what the fields' names and values are views into
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
        else into.Set(child.name(), child.text().as_string());
    }
}

void Read(std::string_view text, Movie& movie)
{
    pugi::xml_document& document = movie.document;
    if (!document.load_buffer(text.data(), text.size(), pugi::parse_default | pugi::parse_ws_pcdata)) return;
    const pugi::xml_node root = document.document_element();
    for (const pugi::xml_node& child : root.children()) {
        if (child.type() != pugi::node_element) continue;
        if (std::string_view(child.name()) != "Obj") {
            if (std::string_view(child.name()) != "TotalFrames") movie.properties.Set(child.name(), child.text().as_string());
            continue;
        }
        Object object;
        CollectLeaves(child, object.fields);
        object.fields.Finish();
        object.name = object.fields.Find("ObjName").value_or("");
        object.kind = object.fields.Find("ObjTypeName").value_or("");
        object.fields.Erase("ObjName");
        movie.objects.push_back(std::move(object));
    }
    movie.properties.Finish();
}

std::set<std::string> ChangedFields(const Fields& before, const Fields& after)
{
    std::set<std::string> changed;
    for (const auto& [key, value] : before) {
        const auto found = after.Find(key);
        if (!found || *found != value) changed.emplace(key);
    }
    for (const auto& [key, value] : after)
        if (!before.Find(key)) changed.emplace(key);
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
    const auto found = fields.Find(key);
    return found ? std::atoi(std::string(*found).c_str()) : 0;
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

DocumentOutline::DocumentOutline(std::string_view text)
{
    auto contents = std::make_shared<Contents>();
    Read(text, *contents);
    contents_ = std::move(contents);
}

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
