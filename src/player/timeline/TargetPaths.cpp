#include "player/timeline/TargetPaths.h"

#include <cctype>
#include <vector>

namespace glimmora::player {
namespace {

// The name a script sees for an instance.
std::string NameOf(const Stage& stage, uint32_t id)
{
    const DisplayObject* object = InstanceOf(stage, id);
    if (!object) return {};
    return object->name.empty() ? "instance" + std::to_string(id) : object->name;
}

// The timelines from the main one down to `id` (the main one excluded).
std::vector<uint32_t> Lineage(const Stage& stage, uint32_t id)
{
    std::vector<uint32_t> chain;
    for (const Timeline* t = stage.Find(id); t && t->id != Stage::kRoot; t = stage.Find(t->parent)) {
        chain.insert(chain.begin(), t->id);
        if (chain.size() > 64) break;  // never loops, but a stage is data
    }
    return chain;
}

}  // namespace

std::string Lowercase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower) c = char(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

bool SameName(std::string_view a, std::string_view b, bool caseSensitive)
{
    if (a.size() != b.size()) return false;
    if (caseSensitive) return a == b;
    for (size_t i = 0; i < a.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
            return false;
        }
    }
    return true;
}

const DisplayObject* InstanceOf(const Stage& stage, uint32_t id)
{
    const Timeline* timeline = stage.Find(id);
    if (!timeline || id == Stage::kRoot) return nullptr;
    const Timeline* parent = stage.Find(timeline->parent);
    const DisplayObject* object = parent ? parent->children.Find(timeline->depth) : nullptr;
    return object && object->timeline == id ? object : nullptr;
}

DisplayObject* MutableInstanceOf(Stage& stage, uint32_t id)
{
    if (!InstanceOf(stage, id)) return nullptr;
    const Timeline* timeline = stage.Find(id);
    return stage.Mutable(timeline->parent)->children.FindMutable(timeline->depth);
}

std::optional<uint32_t> ChildNamed(const Stage& stage, uint32_t parent, std::string_view name, bool caseSensitive)
{
    const Timeline* timeline = stage.Find(parent);
    if (!timeline || name.empty()) return std::nullopt;
    for (const DepthList::Entry& entry : timeline->children) {
        const DisplayObject& object = entry.object;
        if (object.timeline == 0) continue;
        const std::string own = object.name.empty() ? "instance" + std::to_string(object.timeline) : object.name;
        if (SameName(own, name, caseSensitive)) return object.timeline;
    }
    return std::nullopt;
}

std::optional<uint32_t> ResolveTarget(const Stage& stage, uint32_t from, std::string_view path, bool caseSensitive)
{
    if (!stage.Find(from)) return std::nullopt;
    uint32_t at = from;
    size_t pos = 0;
    if (!path.empty() && path[0] == '/') {
        at = Stage::kRoot;
        pos = 1;
    }
    while (pos < path.size()) {
        size_t end = pos;
        while (end < path.size() && path[end] != '/' && path[end] != '.') ++end;
        std::string_view token = path.substr(pos, end - pos);
        // ".." in slash syntax: the parent.
        if (token.empty() && end + 1 < path.size() && path[end] == '.' && path[end + 1] == '.') {
            token = "..";
            end += 2;
        }
        pos = end + 1;
        if (token.empty() || token == "this") continue;
        if (SameName(token, "_root", false) || SameName(token, "_level0", false)) {
            at = Stage::kRoot;
        } else if (token == ".." || SameName(token, "_parent", false)) {
            if (at == Stage::kRoot) return std::nullopt;
            at = stage.Find(at)->parent;
        } else if (const auto child = ChildNamed(stage, at, token, caseSensitive)) {
            at = *child;
        } else {
            return std::nullopt;
        }
    }
    return at;
}

std::string DotPath(const Stage& stage, uint32_t id)
{
    std::string path = "_level0";
    for (uint32_t t : Lineage(stage, id)) path += "." + NameOf(stage, t);
    return path;
}

std::string SlashPath(const Stage& stage, uint32_t id)
{
    const std::vector<uint32_t> chain = Lineage(stage, id);
    if (chain.empty()) return "/";
    std::string path;
    for (uint32_t t : chain) path += "/" + NameOf(stage, t);
    return path;
}

}  // namespace glimmora::player
