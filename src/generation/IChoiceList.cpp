#include "generation/IChoiceList.h"

namespace glimmora {

void SelectEntryOrFirst(IChoiceList& list, const std::string& text)
{
    const int count = list.Count();
    if (count <= 0) return;
    list.SetItemIndex(0);
    for (int i = 0; i < count; ++i) {
        if (list.Item(i) == text) {
            list.SetItemIndex(i);
            return;
        }
    }
}

void SelectEntryOrStandIn(IChoiceList& list, const std::string& text)
{
    for (int i = 0; i < list.Count(); ++i) {
        if (list.Item(i) == text) {
            list.SetItemIndex(i);
            return;
        }
    }
    if (!text.empty() && list.AddStandIn(text)) {
        list.SetItemIndex(list.Count() - 1);
        return;
    }
    SelectEntryOrFirst(list, text);
}

std::optional<std::string> SelectedEntry(const IChoiceList& list)
{
    const int index = list.ItemIndex();
    if (index < 0 || index >= list.Count()) return std::nullopt;
    return list.Item(index);
}

}  // namespace glimmora
