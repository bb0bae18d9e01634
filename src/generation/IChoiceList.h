#pragma once
// A drop-down list of an editor window: its entries and the selected one.

#include <optional>
#include <string>

namespace glimmora {

class IChoiceList {
public:
    virtual ~IChoiceList() = default;
    virtual int Count() const = 0;
    virtual std::string Item(int index) const = 0;
    // -1 when no entry is selected.
    virtual int ItemIndex() const = 0;
    virtual void SetItemIndex(int index) = 0;
    // Adds an entry that stands for a value the list does not offer (a font
    // that is not installed); false when the list takes no such entries.
    virtual bool AddStandIn(const std::string& /*text*/) { return false; }
};

// Selects the first entry, then the first entry equal to `text` if there is one.
void SelectEntryOrFirst(IChoiceList& list, const std::string& text);

// Selects the first entry equal to `text`; when there is none, a stand-in
// entry of that text is added and selected where the list takes one, so that
// the value shown and stored back is the one stored. Else as SelectEntryOrFirst.
void SelectEntryOrStandIn(IChoiceList& list, const std::string& text);

// The text of the selected entry; nothing when no entry is selected.
std::optional<std::string> SelectedEntry(const IChoiceList& list);

}  // namespace glimmora
