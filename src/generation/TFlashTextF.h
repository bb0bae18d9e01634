#pragma once
// The text document adapter: creates, loads, generates, shows and stores one
// text object of the document.

#include "generation/IObjectListHook.h"
#include "generation/ITextEditor.h"
#include "objects/TFlashText.h"

namespace glimmora {

class TFlashTextF : public TFlashText {
public:
    // A new text object with the creation values, named uniquely, at the end
    // of the document; the object list's tree gets its node and selects it.
    void AddNew(int startFrame) override;
    // LoadFromDocument, then the text effect by name.
    using TFlashObj::Generate;
    void Generate(const IXMLObj& obj) override;
    void LoadFromDocument(int index);
    void LoadFromDocument(const IXMLObj& obj);
    // LoadFromDocument, then fills the editor and the effect window.
    void ShowInEditor(int index);
    // Reads the editor and the effect window, then writes the object that is
    // selected in the object list, if it is a text object.
    void StoreFromEditor();

    // The windows; each is optional.
    ITextEditor* Editor = nullptr;
    ITextEffectWindow* EffectWindow = nullptr;
    IObjectListHook* ObjectList = nullptr;
};

}  // namespace glimmora
