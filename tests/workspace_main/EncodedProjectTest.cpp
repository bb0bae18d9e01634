// A project saved in GB2312 with a Chinese text, as many are: opened, edited
// in the text editor, saved, opened again; it stays GB2312 while its text
// fits, and becomes UTF-8 (saying so) when it no longer does.
#include "MainWindowFixture.h"

#include "support/ProjectFixtures.h"
#include "workspace/TTextForm.h"

#include <QLineEdit>

#include <regex>

namespace glimmora::test {
namespace {

const std::string kWelcome = "\xE6\xAC\xA2\xE8\xBF\x8E";    // 欢迎
const std::string kWelcomeGb = "\xBB\xB6\xD3\xAD";
const std::string kHello = "\xE4\xBD\xA0\xE5\xA5\xBD";      // 你好
const std::string kHelloGb = "\xC4\xE3\xBA\xC3";
const std::string kRong = "\xE9\x95\x95";                   // 镕: not in GB2312

std::string Gb2312Project(const std::string& contentInGb)
{
    std::string xml = std::regex_replace(MovieXml(StaticTextXml("Title", "@", 10, 10)), std::regex("UTF-8"), "GB2312");
    xml.replace(xml.find("<Content>@"), 10, "<Content>" + contentInGb);
    return xml;
}

using EncodedProjectTest = MainWindowTest;

TEST_F(EncodedProjectTest, Gb2312ProjectIsEditedSavedAndReopenedWithoutLosingACharacter) {
    const auto project = WriteProject("gb/show.gmr", Gb2312Project(kWelcomeGb));
    Start(QString::fromStdString(project.string()));
    for (const auto& box : boxes) ADD_FAILURE() << box.text.toStdString();
    SelectEntry("Title");
    auto* content = window->TextForm()->findChild<QLineEdit*>("Content");
    ASSERT_NE(content, nullptr);
    EXPECT_EQ(content->text().toStdString(), kWelcome) << "read as Chinese";

    content->setText(QString::fromStdString(kHello + kWelcome));
    ASSERT_TRUE(window->FileSave());
    // Loading reads Loop, which appends it when missing.
    std::string expected = Gb2312Project(kHelloGb + kWelcomeGb);
    expected.replace(expected.find("</Movie>"), 8, "<Loop></Loop></Movie>");
    EXPECT_EQ(ReadFile(project), expected) << "still GB2312, declaration kept";

    ASSERT_TRUE(window->FileClose());
    window->OpenFile(QString::fromStdString(project.string()));
    EXPECT_EQ(Field(0, "Content"), kHello + kWelcome);

    // A character GB2312 has no place for: the file becomes UTF-8 and says so.
    SelectEntry("Title");
    content = window->TextForm()->findChild<QLineEdit*>("Content");
    content->setText(QString::fromStdString(kRong));
    ASSERT_TRUE(window->FileSave());
    const std::string saved = ReadFile(project);
    EXPECT_NE(saved.find("encoding=\"UTF-8\""), std::string::npos) << saved;
    EXPECT_NE(saved.find("<Content>" + kRong + "</Content>"), std::string::npos) << saved;
    ASSERT_TRUE(window->FileClose());
    window->OpenFile(QString::fromStdString(project.string()));
    EXPECT_EQ(Field(0, "Content"), kRong);
    for (const auto& box : boxes) ADD_FAILURE() << box.text.toStdString();
}

}  // namespace
}  // namespace glimmora::test
