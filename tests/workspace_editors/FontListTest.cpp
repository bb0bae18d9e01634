// The text editor's font list: the remembered names, or the installed
// TrueType families remembered on first use.

#include "EditorFixture.h"

#include "workspace/TextFontList.h"

#include <QComboBox>
#include <QSettings>

namespace glimmora::test {
namespace {

QSettings Common()
{
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, "Tessaly", "Common");
}

TEST_F(EditorTest, TextEditorOffersExactlyTheRememberedFonts)
{
    auto* box = text->findChild<QComboBox*>("FontName");
    ASSERT_NE(box, nullptr);
    ASSERT_EQ(box->count(), 3);
    EXPECT_EQ(box->itemText(0), "DejaVu Sans");
    EXPECT_EQ(box->itemText(1), "Liberation Serif");
    EXPECT_EQ(box->itemText(2), "DejaVu Serif");
}

TEST_F(EditorTest, MissingFontListIsBuiltFromTrueTypeFamiliesAndRemembered)
{
    Common().remove("Fonts");
    const QStringList fonts = TextFontList();
    ASSERT_FALSE(fonts.isEmpty());
    EXPECT_TRUE(fonts.contains("DejaVu Sans"));
    for (const QString& font : fonts) EXPECT_TRUE(IsTrueTypeFont(font)) << font.toStdString();

    const QString stored = Common().value("Fonts").toString();
    EXPECT_TRUE(stored.endsWith("\r\n"));
    EXPECT_EQ(SplitFontList(stored), fonts);

    // Written once: a later change of the stored list is what the editor offers.
    Common().setValue("Fonts", "Liberation Serif\r\n");
    EXPECT_EQ(TextFontList(), QStringList{"Liberation Serif"});
}

TEST(FontListText, SplitsLinesAndJoinsWithCrLf)
{
    EXPECT_EQ(SplitFontList("A\r\nB C\r\n\r\nD"), (QStringList{"A", "B C", "D"}));
    EXPECT_EQ(JoinFontList({"A", "B"}), "A\r\nB\r\n");
    EXPECT_TRUE(SplitFontList("").isEmpty());
}

TEST(FontListText, NoFamilyIsNotTrueType)
{
    EnsureApplication();
    EXPECT_FALSE(IsTrueTypeFont("No Such Family 12345"));
}

}  // namespace
}  // namespace glimmora::test
