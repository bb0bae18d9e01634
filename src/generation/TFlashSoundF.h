#pragma once
// The sound document adapter: creates, loads, generates, shows and stores one
// sound object of the document.

#include "document/ProjectMedia.h"
#include "generation/IObjectListHook.h"
#include "generation/ISoundEditor.h"
#include "objects/TFlashSound.h"

#include <filesystem>

namespace glimmora {

class TFlashSoundF : public TFlashSound {
public:
    // A new sound object; it starts at frame 0 whatever `startFrame` says.
    void AddNew(int startFrame) override;
    // LoadFromDocument, then PlaceSound.
    using TFlashObj::Generate;
    void Generate(const IXMLObj& obj) override;
    // ObjName, Content and WavePath; StartTime and EndTime are not loaded.
    void LoadFromDocument(int index);
    void LoadFromDocument(const IXMLObj& obj);
    void ShowInEditor(int index);
    void StoreFromEditor();

    // The project's base path when no generation context is set.
    const std::filesystem::path* BasePath = nullptr;
    // The session's media when no generation context is set.
    const ProjectMedia* Media = nullptr;
    ISoundEditor* Editor = nullptr;
    IObjectListHook* ObjectList = nullptr;

    // The name of the object the editor edits now: the object list's
    // selection (a rename since ShowInEditor shows there), else ObjName.
    std::string EditedName() const;

private:
    std::filesystem::path ProjectBase() const;
};

}  // namespace glimmora
