#include "generation/TFlashSoundF.h"

#include "effects/sound/SoundPlacement.h"
#include "objects/DocumentAccess.h"
#include "objects/TGlobalVars.h"

#include <stdexcept>

namespace glimmora {

void TFlashSoundF::AddNew(int startFrame)
{
    TFlashObj::AddNew(startFrame);

    const IXMLObj obj = BoundMovie(Document).Obj().Add();
    obj.SetObjName(ObjName);
    obj.SetStartTime(0);
    obj.SetEndTime(1);
    obj.SetLayer(2);
    obj.SetObjTypeName("Sound");
    obj.ObjType().ObjSound().SetContent("");

    if (ObjectList) {
        ObjectList->AppendNode(ObjName);
        ObjectList->SelectLastNode();
    }
}

void TFlashSoundF::Generate(const IXMLObj& obj)
{
    LoadFromDocument(obj);
    if (Context == nullptr) throw std::logic_error("Sound generation without a generation context");
    PlaceSound(*this, *Context);
}

std::filesystem::path TFlashSoundF::ProjectBase() const
{
    if (Context) return Context->basePath;
    if (BasePath) return *BasePath;
    return {};
}

void TFlashSoundF::LoadFromDocument(int index) { LoadFromDocument(BoundMovie(Document).Obj().Items(index)); }

void TFlashSoundF::LoadFromDocument(const IXMLObj& obj)
{
    ObjName = obj.ObjName();
    Content = obj.ObjType().ObjSound().Content();
    const MediaFile media = FindMediaFile(Context ? Context->media : Media, ProjectBase(), MediaKind::Sound, ObjName);
    WavePath = media.file.string();
    MediaNameProblem = media.problem;
}

std::string TFlashSoundF::EditedName() const
{
    return glimmora::EditedName(ObjectList, ObjName);
}

void TFlashSoundF::ShowInEditor(int index)
{
    LoadFromDocument(index);
    LoadingFlagGuard loading(GlobalVars().LoadingSoundEditor);
    if (Editor) Editor->SetContent(Content);
}

void TFlashSoundF::StoreFromEditor()
{
    if (Editor) Content = Editor->Content();
    const std::optional<std::string> selected = ObjectList ? ObjectList->SelectedName() : std::nullopt;
    StoreIntoSelected(BoundMovie(Document), selected, "Sound",
                      [this](const IXMLObj& obj) { obj.ObjType().ObjSound().SetContent(Content); });
}

}  // namespace glimmora
