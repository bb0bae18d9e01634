// The background editor over a real builder: ranges, loading without builds,
// the deferred build of field changes, Enter and the colour.

#include "EditorFixture.h"

#include "widgets/ColorButton.h"
#include "widgets/SpinEdit.h"

#include <QApplication>
#include <QFocusEvent>
#include <QTest>
#include <QToolButton>

#include <algorithm>

namespace glimmora::test {
namespace {

class BackgroundEditorTest : public EditorTest {
protected:
    void SetUp() override { Open(MovieXml("", 550, 400, 12)); }
    SpinEdit& Spin(const char* name)
    {
        SpinEdit* spin = background->findChild<SpinEdit*>(name);
        if (!spin) throw std::logic_error(std::string("no spin edit ") + name);
        return *spin;
    }
    std::string Movie(const char* name) const
    {
        return root.Node().child(name).text().as_string();
    }
};

TEST_F(BackgroundEditorTest, StartsWithItsDefaults)
{
    TBackgroundForm fresh(nullptr, nullptr, nullptr, GlobalVars());
    EXPECT_EQ(fresh.Color(), 16751052);
    EXPECT_EQ(fresh.Rate(), 15);
    EXPECT_EQ(fresh.Width(), 420);
    EXPECT_EQ(fresh.Height(), 180);
    EXPECT_EQ(fresh.windowTitle(), "Movie Background  Properties");
}

struct RangeCase {
    const char* field;
    int set;
    int shown;
};

class BackgroundRanges : public BackgroundEditorTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(BackgroundRanges, ValuesSetAreBroughtIntoTheRange)
{
    const RangeCase& c = GetParam();
    GlobalVars().LoadingMovieProperties = true;
    Spin(c.field).SetValue(c.set);
    GlobalVars().LoadingMovieProperties = false;
    EXPECT_EQ(Spin(c.field).Value(), c.shown);
}

INSTANTIATE_TEST_SUITE_P(Fields, BackgroundRanges,
                         ::testing::Values(RangeCase{"EditRate", 0, 1}, RangeCase{"EditRate", 91, 90},
                                           RangeCase{"EditRate", 25, 25}, RangeCase{"EditWidth", 900, 800},
                                           RangeCase{"EditWidth", -5, 1}, RangeCase{"EditWidth", 800, 800},
                                           RangeCase{"EditHeight", 601, 600}, RangeCase{"EditHeight", 0, 1},
                                           RangeCase{"EditHeight", 1, 1}));

TEST_F(BackgroundEditorTest, LoadingMoviePropertiesFillsTheFieldsWithoutABuild)
{
    builder->LoadMovieProperties();
    ProcessEventsFor(20);
    EXPECT_EQ(background->Width(), 550);
    EXPECT_EQ(background->Height(), 400);
    EXPECT_EQ(background->Rate(), 12);
    EXPECT_EQ(background->Color(), 16777215);
    EXPECT_EQ(Builds(), 0);
}

TEST_F(BackgroundEditorTest, TypingAWidthBuildsOnceAfterThePause)
{
    builder->LoadMovieProperties();
    auto& width = Spin("EditWidth");
    width.selectAll();
    QTest::keyClicks(&width, "640");
    EXPECT_EQ(Builds(), 0);
    ProcessEventsFor(30);
    EXPECT_EQ(Builds(), 1);
    EXPECT_EQ(Movie("Width"), "640");
    EXPECT_EQ(Calls("movie.SetSize").back(), "movie.SetSize(12800, 8000)");
}

TEST_F(BackgroundEditorTest, AWidthTypedBeyondTheRangeIsBroughtIntoItWhenTheFieldIsLeft)
{
    builder->LoadMovieProperties();
    auto& width = Spin("EditWidth");
    width.selectAll();
    QTest::keyClicks(&width, "900");
    ProcessEventsFor(30);
    QFocusEvent leave(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&width, &leave);
    ProcessEventsFor(30);
    EXPECT_EQ(width.Value(), 800);
    EXPECT_EQ(Movie("Width"), "800");
    EXPECT_EQ(Calls("movie.SetSize").back(), "movie.SetSize(16000, 8000)");
}

TEST_F(BackgroundEditorTest, ChoosingWhiteInThePaletteStoresDecimalAndBuildsAtOnce)
{
    builder->LoadMovieProperties();
    GlobalVars().LoadingMovieProperties = true;
    background->SetColor(0x123456);
    GlobalVars().LoadingMovieProperties = false;
    auto* button = background->findChild<ColorButton*>("BGColor");
    const auto swatches = button->findChildren<QToolButton*>();
    const auto& colors = ColorButton::PaletteColors();
    ASSERT_EQ(swatches.size(), qsizetype(colors.size()));
    const auto white = std::find(colors.begin(), colors.end(), 0xFFFFFF) - colors.begin();
    swatches[white]->click();
    EXPECT_EQ(background->Color(), 0xFFFFFF);
    EXPECT_EQ(Builds(), 1);
    EXPECT_EQ(Movie("BgColor"), "16777215");
    EXPECT_EQ(Calls("movie.SetFrameBkColor").back(), "movie.SetFrameBkColor(255, 255, 255)");
}

TEST_F(BackgroundEditorTest, EnterInTheRateBuildsAtOnce)
{
    builder->LoadMovieProperties();
    GlobalVars().LoadingMovieProperties = true;
    background->SetRate(25);
    GlobalVars().LoadingMovieProperties = false;
    QTest::keyClick(&Spin("EditRate"), Qt::Key_Return);
    EXPECT_EQ(Builds(), 1);
    EXPECT_EQ(Movie("Rate"), "25");
    EXPECT_EQ(Calls("movie.SetFrameRate").back(), "movie.SetFrameRate(25)");
}

TEST_F(BackgroundEditorTest, ChoosingAColourBuildsAtOnce)
{
    builder->LoadMovieProperties();
    background->findChild<ColorButton*>("BGColor")->SetColor(0x0000FF);  // a palette choice: red
    EXPECT_EQ(Builds(), 1);
    EXPECT_EQ(Movie("BgColor"), "255");
    EXPECT_EQ(Calls("movie.SetFrameBkColor").back(), "movie.SetFrameBkColor(255, 0, 0)");

    background->SetColor(0xFFFFFF);
    EXPECT_EQ(Builds(), 2);
    EXPECT_EQ(Movie("BgColor"), "16777215");
    EXPECT_EQ(Calls("movie.SetFrameBkColor").back(), "movie.SetFrameBkColor(255, 255, 255)");
}

TEST_F(BackgroundEditorTest, PaletteHoldsWhiteAndColourValuesMapToQtColours)
{
    const auto& colors = ColorButton::PaletteColors();
    EXPECT_NE(std::find(colors.begin(), colors.end(), 0xFFFFFF), colors.end());
    EXPECT_EQ(ColorOfValue(0x0000FF), QColor(255, 0, 0));
    EXPECT_EQ(ValueOfColor(QColor(0, 0, 255)), 0xFF0000);
    EXPECT_EQ(ValueOfColor(ColorOfValue(16751052)), 16751052);
}

}  // namespace
}  // namespace glimmora::test
