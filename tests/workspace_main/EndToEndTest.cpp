// One session as a user has it: start, a text with an effect, a picture,
// save into a folder, close, open again: the same document and movie.
#include "MainWindowFixture.h"

#include "generation/TVuzozUzev.h"
#include "support/ProjectFixtures.h"
#include "workspace/TObjListForm.h"
#include "workspace/TPicForm.h"
#include "workspace/TTextForm.h"

#include <QComboBox>
#include <QLineEdit>
#include <QtTest/QTest>

namespace glimmora::test {
namespace {

TEST_F(MainWindowTest, InsertEditSaveCloseOpenGivesTheSameProject) {
    Start();
    window->show();
    window->Action("InsertText")->trigger();
    auto* content = window->TextForm()->findChild<QLineEdit*>("Content");
    ASSERT_NE(content, nullptr);
    content->selectAll();
    QTest::keyClicks(content, "Hello");
    auto* effect = window->TextForm()->findChild<QComboBox*>("EffectName");
    ASSERT_NE(effect, nullptr);
    ASSERT_GT(effect->count(), 1);
    effect->setCurrentIndex(1);
    EXPECT_EQ(Field(0, "Content"), "Hello");
    EXPECT_EQ(Field(0, "EffectName"), effect->itemText(1).toStdString());

    window->Action("InsertPicture")->trigger();
    WriteSolidJpeg(dir / "fixture.jpg", 40, 30, 10, 120, 200);
    ASSERT_TRUE(window->PicForm()->ImportFile(QString::fromStdString((dir / "fixture.jpg").string())));
    ProcessEventsFor(20);

    std::filesystem::create_directories(dir / "show");
    files = {QString::fromStdString((dir / "show" / "hello.gmr").string())};
    window->Action("FileSave")->trigger();
    for (const auto& box : boxes) ADD_FAILURE() << box.text.toStdString();
    const std::string project = ReadFile(dir / "show" / "hello.gmr");
    const std::string movie = ReadFile(dir / "show" / "hello.swf");
    ASSERT_FALSE(movie.empty());
    const std::string picName = window->ObjListForm()->Movie().Obj().Items(1).ObjName();
    EXPECT_TRUE(std::filesystem::exists(dir / "show" / (picName + ".jpg")));

    window->Action("FileClose")->trigger();
    EXPECT_TRUE(QuestionsAsked().empty());
    window->OpenFile(QString::fromStdString((dir / "show" / "hello.gmr").string()));
    ASSERT_NE(window->Builder(), nullptr);
    EXPECT_EQ(Field(0, "Content"), "Hello");
    EXPECT_EQ(ObjectListTexts().size(), 2u);
    EXPECT_EQ(ReadFile(window->Builder()->WorkingProject), project);
    EXPECT_EQ(ReadFile(window->Builder()->WorkingMovie), movie);
}

}  // namespace
}  // namespace glimmora::test
