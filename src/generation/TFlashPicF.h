#pragma once
// The picture document adapter: creates, loads, generates, shows and stores
// one picture object of the document.

#include "document/ProjectMedia.h"
#include "generation/IObjectListHook.h"
#include "generation/IPicEditor.h"
#include "objects/TFlashPic.h"

#include <filesystem>

namespace glimmora {

class TFlashPicF : public TFlashPic {
public:
    void AddNew(int startFrame) override;
    // LoadFromDocument, then the picture effect by name.
    using TFlashObj::Generate;
    void Generate(const IXMLObj& obj) override;
    void LoadFromDocument(int index);
    void LoadFromDocument(const IXMLObj& obj);
    void ShowInEditor(int index);
    void StoreFromEditor();

    // The project's base path when no generation context is set (the
    // editors' adapter points this at the builder's BasePath).
    const std::filesystem::path* BasePath = nullptr;
    // The session's media when no generation context is set.
    const ProjectMedia* Media = nullptr;
    IPicEditor* Editor = nullptr;
    IObjectListHook* ObjectList = nullptr;

    // The name of the object the editor edits now: the object list's
    // selection (a rename since ShowInEditor shows there), else ObjName.
    std::string EditedName() const;

private:
    std::filesystem::path ProjectBase() const;
};

}  // namespace glimmora
