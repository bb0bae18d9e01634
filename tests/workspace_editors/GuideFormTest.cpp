// The new-movie guide: its two entries, OK only with a selection, the result
// kept across uses and left alone by Cancel.

#include "EditorFixture.h"

#include "workspace/TGuideForm.h"

#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>

namespace glimmora::test {
namespace {

class GuideFormTest : public ::testing::Test {
protected:
    GuideFormTest()
    {
        EnsureApplication();
        ResetGlobalVars();
    }
    ~GuideFormTest() override { ResetGlobalVars(); }

    // Runs the guide modally; `act` runs once the dialog is up.
    int Exec(TGuideForm& guide, std::function<void()> act)
    {
        QTimer::singleShot(0, &guide, [&guide, act] {
            act();
            if (guide.isVisible()) guide.reject();  // never leave the test hanging
        });
        return guide.exec();
    }
};

TEST_F(GuideFormTest, OffersBlankAndNormalOnTheOnlyVisiblePage)
{
    TGuideForm guide(nullptr, GlobalVars());
    EXPECT_EQ(guide.windowTitle(), "New Flash");
    ASSERT_EQ(guide.ListView1().count(), 2);
    EXPECT_EQ(guide.ListView1().item(0)->text(), "Blank");
    EXPECT_EQ(guide.ListView1().item(1)->text(), "Normal");
    auto* pages = guide.findChild<QTabWidget*>("PageControl1");
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(pages->count(), 5);
    EXPECT_TRUE(pages->isTabVisible(0));
    for (int i = 1; i < 5; ++i) EXPECT_FALSE(pages->isTabVisible(i));
    for (const char* name : {"ListView2", "ListView3", "ListView4", "ListView5"})
        EXPECT_NE(guide.findChild<QListWidget*>(name), nullptr) << name;
    EXPECT_EQ(TGuideForm::TemplateFile(0), "template/blank.gmr");
    EXPECT_EQ(TGuideForm::TemplateFile(1), "template/normal.gmr");
    EXPECT_EQ(TGuideForm::TemplateFile(7), "template/blank.gmr");
}

TEST_F(GuideFormTest, WithoutASelectionOkIsDisabledAndDoubleClickDoesNothing)
{
    TGuideForm guide(nullptr, GlobalVars());
    GlobalVars().TemplateIndex = 1;
    bool okEnabled = true;
    const int result = Exec(guide, [&] {
        okEnabled = guide.OkBtn().isEnabled();
        guide.ListView1DblClick();
        guide.OkBtnClick();
    });
    EXPECT_FALSE(okEnabled);
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(GlobalVars().TemplateIndex, 1);
}

TEST_F(GuideFormTest, ChoosingAnEntryWithOkOrDoubleClickSetsTheResult)
{
    TGuideForm guide(nullptr, GlobalVars());
    bool okEnabled = false;
    int result = Exec(guide, [&] {
        guide.ListView1().setCurrentRow(1);
        okEnabled = guide.OkBtn().isEnabled();
        guide.OkBtn().click();
    });
    EXPECT_TRUE(okEnabled);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(GlobalVars().TemplateIndex, 1);

    // Kept between uses: the entry is still selected and OK enabled.
    result = Exec(guide, [&] {
        okEnabled = guide.OkBtn().isEnabled();
        guide.ListView1().setCurrentRow(0);
        guide.ListView1DblClick();
    });
    EXPECT_TRUE(okEnabled);
    EXPECT_EQ(result, QDialog::Accepted);
    EXPECT_EQ(GlobalVars().TemplateIndex, 0);
}

TEST_F(GuideFormTest, CancelKeepsThePreviousResult)
{
    TGuideForm guide(nullptr, GlobalVars());
    GlobalVars().TemplateIndex = 1;
    const int result = Exec(guide, [&] {
        guide.ListView1().setCurrentRow(0);
        guide.CancelBtn().click();
    });
    EXPECT_EQ(result, QDialog::Rejected);
    EXPECT_EQ(GlobalVars().TemplateIndex, 1);
}

}  // namespace
}  // namespace glimmora::test
