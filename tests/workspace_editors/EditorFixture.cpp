#include "EditorFixture.h"

#include "support/GuiApplication.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QSettings>

#include <fstream>

namespace glimmora::test {

void EnsureApplication() { EnsureGuiApplication("workspace_editors_tests"); }

void ProcessEventsFor(int milliseconds)
{
    QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) QApplication::processEvents(QEventLoop::AllEvents, 5);
    QApplication::processEvents();
}

std::string TextXml(const std::string& name, const std::string& fontSize, const std::string& effect, int start,
                    int end, int exSpeed, int exScale)
{
    return "<Obj><ObjName>" + name + "</ObjName><StartTime>" + std::to_string(start) + "</StartTime><EndTime>" +
           std::to_string(end) +
           "</EndTime><Layer>2</Layer><ObjTypeName>Text</ObjTypeName><ObjType><ObjText><Content>Hi</Content>"
           "<TextUnit>0</TextUnit><FontName>DejaVu Sans</FontName><FontSize>" +
           fontSize +
           "</FontSize><FontColor>$FF0000</FontColor><PositionX>50</PositionX><PositionY>60</PositionY>"
           "<EffectName>" +
           effect + "</EffectName><EffectValue>7</EffectValue><ExScale>" + std::to_string(exScale) +
           "</ExScale><ExRotate>0</ExRotate><ExShock>0</ExShock><ExColor>0</ExColor><ExAlpha>0</ExAlpha><ExSpeed>" +
           std::to_string(exSpeed) + "</ExSpeed></ObjText></ObjType></Obj>";
}

std::string PicXml(const std::string& name, const std::string& content, const std::string& effect, int width,
                   int height)
{
    return "<Obj><ObjName>" + name +
           "</ObjName><StartTime>5</StartTime><EndTime>20</EndTime><Layer>3</Layer><ObjTypeName>Pic</ObjTypeName>"
           "<ObjType><ObjPic><Content>" +
           content + "</Content><PositionX>10</PositionX><PositionY>20</PositionY><Width>" + std::to_string(width) +
           "</Width><Height>" + std::to_string(height) + "</Height><EffectName>" + effect +
           "</EffectName></ObjPic></ObjType></Obj>";
}

std::string SoundXml(const std::string& name, const std::string& content)
{
    return "<Obj><ObjName>" + name +
           "</ObjName><StartTime>0</StartTime><EndTime>1</EndTime><Layer>2</Layer><ObjTypeName>Sound</ObjTypeName>"
           "<ObjType><ObjSound><Content>" +
           content + "</Content></ObjSound></ObjType></Obj>";
}

std::string MovieXml(const std::string& objects, int width, int height, int rate)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?><Movie><BgColor>16777215</BgColor><Width>" +
           std::to_string(width) + "</Width><Height>" + std::to_string(height) + "</Height><Rate>" +
           std::to_string(rate) + "</Rate>" + objects + "</Movie>";
}

EditorTest::EditorTest()
{
    EnsureApplication();
    ResetGlobalVars();
    GlobalVars().UntitledBase = (dir / "Untitled").string();
    GlobalVars().TempDir = dir.Path().string() + "/";
    // Settings of this test only, with three remembered fonts.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, QString::fromStdString((dir / "settings").string()));
    QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tessaly", "Common")
        .setValue("Fonts", "DejaVu Sans\r\nLiberation Serif\r\nDejaVu Serif\r\n");

    TGlobalVars& globals = GlobalVars();
    background = std::make_unique<TBackgroundForm>(nullptr, nullptr, nullptr, globals);
    text = std::make_unique<TTextForm>(nullptr, nullptr, nullptr, globals);
    pic = std::make_unique<TPicForm>(nullptr, nullptr, nullptr, globals);
    sound = std::make_unique<TSoundForm>(nullptr, nullptr, nullptr, globals);
    background->SetReporter(&messages);
    text->SetReporter(&messages);
    pic->SetReporter(&messages);
    sound->SetReporter(&messages);
}

EditorTest::~EditorTest()
{
    sound.reset();
    pic.reset();
    text.reset();
    background.reset();
    builder.reset();
    ResetGlobalVars();
}

void EditorTest::Open(const std::string& xml)
{
    const auto file = dir / "Untitled.gmr";
    std::ofstream(file, std::ios::binary) << xml;
    doc.SetFileName(file);
    root = GetMovie(doc);

    BuilderHooks hooks;
    hooks.background = background.get();
    hooks.textEditor = text.get();
    hooks.textEffectWindow = &text->EffectWindow();
    hooks.picEditor = pic.get();
    hooks.soundEditor = sound.get();
    hooks.objectList = &objectList;
    builder = std::make_unique<TVuzozUzev>(service, errors, random, hooks);
    builder->SetDocument(&root);
    background->SetBuilder(builder.get());
    text->SetBuilder(builder.get());
    pic->SetBuilder(builder.get());
    sound->SetBuilder(builder.get());
}

void EditorTest::ShowText(int index)
{
    objectList.selected = root.Obj().Items(index).ObjName();
    builder->TextAdapter->ShowInEditor(index);
}

void EditorTest::ShowPic(int index)
{
    objectList.selected = root.Obj().Items(index).ObjName();
    builder->PicAdapter->ShowInEditor(index);
}

void EditorTest::ShowSound(int index)
{
    objectList.selected = root.Obj().Items(index).ObjName();
    builder->SoundAdapter->ShowInEditor(index);
}

std::string EditorTest::Field(int index, const char* path) const
{
    return root.Obj().Items(index).Node().first_element_by_path(path).text().as_string();
}

}  // namespace glimmora::test
