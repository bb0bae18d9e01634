#include "generation/TFlashPicF.h"

#include "effects/picture/PictureEffects.h"
#include "objects/DocumentAccess.h"
#include "objects/TGlobalVars.h"

#include <stdexcept>

namespace glimmora {

void TFlashPicF::AddNew(int startFrame)
{
    TFlashObj::AddNew(startFrame);

    const IXMLObj obj = BoundMovie(Document).Obj().Add();
    obj.SetObjName(ObjName);
    obj.SetStartTime(startFrame);
    obj.SetEndTime(obj.StartTime() + 24);
    obj.SetLayer(2);
    obj.SetObjTypeName("Pic");
    const IXMLObjPic pic = obj.ObjType().ObjPic();
    pic.SetContent("");
    pic.SetPositionX(0);
    pic.SetPositionY(0);
    pic.SetWidth(0);
    pic.SetHeight(0);
    pic.SetEffectName("-- None --");

    if (ObjectList) {
        ObjectList->AppendNode(ObjName);
        ObjectList->SelectLastNode();
    }
}

void TFlashPicF::Generate(const IXMLObj& obj)
{
    LoadFromDocument(obj);
    if (Context == nullptr) throw std::logic_error("Picture generation without a generation context");
    RunPicEffect(*this, *Context);
}

std::filesystem::path TFlashPicF::ProjectBase() const
{
    if (Context) return Context->basePath;
    if (BasePath) return *BasePath;
    return {};
}

void TFlashPicF::LoadFromDocument(int index) { LoadFromDocument(BoundMovie(Document).Obj().Items(index)); }

void TFlashPicF::LoadFromDocument(const IXMLObj& obj)
{
    const IXMLMovie movie = BoundMovie(Document);
    Layer = obj.Layer();
    StartTime = obj.StartTime();
    EndTime = obj.EndTime();
    const IXMLObjPic pic = obj.ObjType().ObjPic();
    PositionX = pic.PositionX();
    PositionY = pic.PositionY();
    EffectName = pic.EffectName();
    MovieWidth = movie.Width();
    MovieHeight = movie.Height();
    ObjName = obj.ObjName();
    Content = pic.Content();
    const MediaFile media = FindMediaFile(Context ? Context->media : Media, ProjectBase(), MediaKind::Picture, ObjName);
    JpegPath = media.file.string();
    MediaNameProblem = media.problem;
    Width = pic.Width();
    Height = pic.Height();
}

std::string TFlashPicF::EditedName() const
{
    return glimmora::EditedName(ObjectList, ObjName);
}

void TFlashPicF::ShowInEditor(int index)
{
    LoadFromDocument(index);
    LoadingFlagGuard loading(GlobalVars().LoadingPicEditor);
    if (!Editor) return;
    if (!Content.empty() && !JpegPath.empty()) {
        try {
            Editor->LoadImage(JpegPath);
        } catch (const std::exception&) {
            // the editor keeps the image it showed
        }
    } else {
        Editor->ClearImage();
    }
    Editor->SetEditPositionX(PositionX);
    Editor->SetEditPositionY(PositionY);
    Editor->SetEditWidth(Width);
    Editor->SetEditHeight(Height);
    Editor->SetEditBegin(StartTime + 1);
    Editor->SetEditEnd(EndTime + 1);
    SelectEntryOrFirst(Editor->EffectName(), EffectName);
}

void TFlashPicF::StoreFromEditor()
{
    if (Editor) {
        StartTime = Editor->EditBegin() - 1;
        EndTime = Editor->EditEnd() - 1;
        PositionX = Editor->EditPositionX();
        PositionY = Editor->EditPositionY();
        if (auto effect = SelectedEntry(Editor->EffectName())) EffectName = *effect;
        Width = Editor->EditWidth();
        Height = Editor->EditHeight();
    }

    const std::optional<std::string> selected = ObjectList ? ObjectList->SelectedName() : std::nullopt;
    StoreIntoSelected(BoundMovie(Document), selected, "Pic", [this](const IXMLObj& obj) {
        const IXMLObjPic pic = obj.ObjType().ObjPic();
        pic.SetContent(Content);
        pic.SetPositionX(PositionX);
        pic.SetPositionY(PositionY);
        pic.SetWidth(Width);
        pic.SetHeight(Height);
        pic.SetEffectName(EffectName);
        obj.SetStartTime(StartTime);
        obj.SetEndTime(EndTime);
    });
}

}  // namespace glimmora
