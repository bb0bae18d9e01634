#pragma once
// What the adapters need of the object list window: its tree of object names
// and the entry selected in it.

#include <optional>
#include <string>

namespace glimmora {

class IObjectListHook {
public:
    virtual ~IObjectListHook() = default;
    // Adds a node for the object of this name, which is already in the
    // document, at the place the tree's order gives it.
    virtual void AppendNode(const std::string& name) = 0;
    // Gives the tree the keyboard focus and selects the node added last,
    // which opens that object in its editor.
    virtual void SelectLastNode() = 0;
    // The text of the selected node; nothing when no node is selected.
    virtual std::optional<std::string> SelectedName() const = 0;
};

// The name of the object an editor edits now: the list's selected entry (a
// rename since the editor was filled shows there), else the name it was
// filled with.
inline std::string EditedName(const IObjectListHook* list, const std::string& shown)
{
    if (list)
        if (std::optional<std::string> selected = list->SelectedName()) return *selected;
    return shown;
}

}  // namespace glimmora
