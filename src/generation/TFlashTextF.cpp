#include "generation/TFlashTextF.h"

#include "document/ColorValue.h"
#include "effects/text/TextEffects.h"
#include "generation/Utf8Text.h"
#include "objects/DocumentAccess.h"
#include "objects/TGlobalVars.h"

#include <charconv>
#include <stdexcept>

namespace glimmora {

namespace {

// A font size entry as an integer; nothing when it is not one.
std::optional<int> ParseFontSize(const std::string& text)
{
    int value = 0;
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    const auto [end, error] = std::from_chars(first, last, value);
    if (error != std::errc() || end != last || first == last) return std::nullopt;
    return value;
}

}  // namespace

void TFlashTextF::AddNew(int startFrame)
{
    TFlashObj::AddNew(startFrame);

    const IXMLObj obj = BoundMovie(Document).Obj().Add();
    obj.SetObjName(ObjName);
    obj.SetStartTime(startFrame);
    obj.SetEndTime(obj.StartTime() + 9);
    obj.SetLayer(2);
    obj.SetObjTypeName("Text");
    const IXMLObjText text = obj.ObjType().ObjText();
    text.SetContent("");
    text.SetTextUnit(1);
    text.SetFontName("Microsoft Sans Serif");
    text.SetFontSize(18);
    text.SetFontColor("$FF0000");
    text.SetPositionX(50);
    text.SetPositionY(50);
    text.SetEffectName("-- None --");
    text.SetEffectValue("");
    text.SetExScale(0);
    text.SetExRotate(0);
    text.SetExShock(0);
    text.SetExColor(0);
    text.SetExAlpha(0);
    text.SetExSpeed(9);

    if (ObjectList) {
        ObjectList->AppendNode(ObjName);
        ObjectList->SelectLastNode();
    }
}

void TFlashTextF::Generate(const IXMLObj& obj)
{
    LoadFromDocument(obj);
    if (Context == nullptr) throw std::logic_error("Text generation without a generation context");
    RunTextEffect(*this, *Context);
}

void TFlashTextF::LoadFromDocument(int index) { LoadFromDocument(BoundMovie(Document).Obj().Items(index)); }

void TFlashTextF::LoadFromDocument(const IXMLObj& obj)
{
    Layer = obj.Layer();
    StartTime = obj.StartTime();
    EndTime = obj.EndTime();
    const IXMLObjText text = obj.ObjType().ObjText();
    PositionX = text.PositionX();
    PositionY = text.PositionY();
    EffectName = text.EffectName();
    Content = DecodeUtf8(text.Content());
    FontName = text.FontName();
    FontSize = text.FontSize();
    FontColor = ParseColorValue(text.FontColor(), "FontColor");
    TextUnit = text.TextUnit();
    ExScale = text.ExScale();
    ExRotate = text.ExRotate();
    ExShock = text.ExShock();
    ExColor = text.ExColor();
    ExAlpha = text.ExAlpha();
    ExSpeed = text.ExSpeed();
}

void TFlashTextF::ShowInEditor(int index)
{
    LoadFromDocument(index);
    LoadingFlagGuard loading(GlobalVars().LoadingTextEditor);
    if (Editor) {
        Editor->SetContent(EncodeUtf8(Content));
        Editor->SetEditBegin(StartTime + 1);
        Editor->SetEditEnd(EndTime + 1);
        // A font that is not installed stays the text's font until the user
        // picks another: shown as it is stored, drawn with a substitute.
        SelectEntryOrStandIn(Editor->FontName(), FontName);
        SelectEntryOrFirst(Editor->FontSize(), std::to_string(FontSize));
        Editor->SetFontColor(FontColor);
        Editor->SetPositionX(PositionX);
        Editor->SetPositionY(PositionY);
        SelectEntryOrFirst(Editor->EffectName(), EffectName);
    }
    if (EffectWindow) {
        EffectWindow->SetExScale(ExScale);
        EffectWindow->SetExRotate(ExRotate);
        EffectWindow->SetExShock(ExShock);
        EffectWindow->SetExColor(ExColor);
        EffectWindow->SetExAlpha(ExAlpha);
        EffectWindow->SetExSpeed(ExSpeed);
    }
}

void TFlashTextF::StoreFromEditor()
{
    if (EffectWindow) {
        ExScale = EffectWindow->ExScale();
        ExRotate = EffectWindow->ExRotate();
        ExShock = EffectWindow->ExShock();
        ExColor = EffectWindow->ExColor();
        ExAlpha = EffectWindow->ExAlpha();
        ExSpeed = EffectWindow->ExSpeed();
    }
    if (Editor) {
        StartTime = Editor->EditBegin() - 1;
        EndTime = Editor->EditEnd() - 1;
        PositionX = Editor->PositionX();
        PositionY = Editor->PositionY();
        if (auto effect = SelectedEntry(Editor->EffectName())) EffectName = *effect;
        Content = DecodeUtf8(Editor->Content());
        if (auto font = SelectedEntry(Editor->FontName())) FontName = *font;
        if (auto size = SelectedEntry(Editor->FontSize()))
            if (auto parsed = ParseFontSize(*size)) FontSize = *parsed;
        FontColor = Editor->FontColor();
    }
    TextUnit = 1;

    const std::optional<std::string> selected = ObjectList ? ObjectList->SelectedName() : std::nullopt;
    StoreIntoSelected(BoundMovie(Document), selected, "Text", [this](const IXMLObj& obj) {
        const IXMLObjText text = obj.ObjType().ObjText();
        text.SetContent(EncodeUtf8(Content));
        text.SetFontName(FontName);
        text.SetFontSize(FontSize);
        text.SetFontColor(std::to_string(FontColor));
        text.SetPositionX(PositionX);
        text.SetPositionY(PositionY);
        text.SetEffectName(EffectName);
        text.SetTextUnit(TextUnit);
        text.SetExScale(ExScale);
        text.SetExRotate(ExRotate);
        text.SetExShock(ExShock);
        text.SetExColor(ExColor);
        text.SetExAlpha(ExAlpha);
        text.SetExSpeed(ExSpeed);
        obj.SetStartTime(StartTime);
        obj.SetEndTime(EndTime);
    });
}

}  // namespace glimmora
