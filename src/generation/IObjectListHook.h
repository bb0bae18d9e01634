#pragma once
// What the adapters need of the object list window: its tree of object names
// and the entry selected in it.

#include <optional>
#include <string>

namespace glimmora {

class IObjectListHook {
public:
    virtual ~IObjectListHook() = default;
    // Appends a node with this name at the end of the tree.
    virtual void AppendNode(const std::string& name) = 0;
    // Gives the tree the keyboard focus and selects its last node, which
    // opens that object in its editor.
    virtual void SelectLastNode() = 0;
    // The text of the selected node; nothing when no node is selected.
    virtual std::optional<std::string> SelectedName() const = 0;
};

}  // namespace glimmora
