// File > "Export Movie As..." from the main window: the dialog's choices, the
// export behind a progress window, its Cancel, and what the user is told.
#include "MainWindowFixture.h"

#include "export/ExportError.h"
#include "export/ExportSettings.h"
#include "player/widget/TShockwaveFlash.h"
#include "support/ProjectFixtures.h"
#include "tools/TExportMovieForm.h"
#include "tools/TExportProgressForm.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

#include <thread>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

class ExportMovieTest : public MainWindowTest {
protected:
    void StartProject() { Start(QString::fromStdString(WriteProject("show.gmr", TextsProject({{"T", 0}})).string())); }

    // Triggers the command and acts on the export dialog once it is up.
    void WithExportDialog(const std::function<void(TExportMovieForm&)>& act)
    {
        bool seen = false;
        QTimer::singleShot(0, [&] {
            if (auto* form = qobject_cast<TExportMovieForm*>(QApplication::activeModalWidget())) {
                seen = true;
                act(*form);
            }
        });
        window->Action("FileExportMovie")->trigger();
        EXPECT_TRUE(seen) << "no export dialog";
    }

    std::vector<QString> Texts() const
    {
        std::vector<QString> texts;
        for (const auto& box : boxes) texts.push_back(box.text);
        return texts;
    }
};

TEST_F(ExportMovieTest, TheFileMenuOffersTheExportWhileAMovieIsShown)
{
    StartProject();
    const QAction* action = window->Action("FileExportMovie");
    EXPECT_EQ(action->text(), "Export &Movie As...");
    auto* file = window->menuBar()->findChild<QMenu*>("FileMenu");
    ASSERT_NE(file, nullptr);
    EXPECT_TRUE(file->actions().contains(const_cast<QAction*>(action)));
    EXPECT_TRUE(Enabled("FileExportMovie"));
    window->Action("FileClose")->trigger();
    EXPECT_FALSE(Enabled("FileExportMovie")) << "nothing to export without a movie";
}

TEST_F(ExportMovieTest, TheDialogProposesTheMoviesSizeAndFramesAndFollowsTheFormat)
{
    StartProject();
    WithExportDialog([&](TExportMovieForm& form) {
        EXPECT_EQ(form.objectName(), "ExportMovieForm");
        EXPECT_EQ(form.FormatBox().count(), 7);
        EXPECT_EQ(form.TargetEdit().text().toStdString(), (dir / "show.mp4").string());
        EXPECT_EQ(form.WidthEdit().value(), 320);
        EXPECT_EQ(form.HeightEdit().value(), 240);
        EXPECT_EQ(form.FirstFrameEdit().value(), 1);
        EXPECT_EQ(form.LastFrameEdit().value(), 10) << "the project's ten frames";
        EXPECT_FALSE(form.LoopEdit().isEnabled()) << "a video has no loop count";

        const std::pair<int, const char*> formats[] = {
            {2, "show.gif"}, {5, "show_%d.png"}, {6, "show.html"}, {4, "show.apng"}, {0, "show.mp4"}};
        for (const auto& [index, name] : formats) {
            form.FormatBox().setCurrentIndex(index);
            EXPECT_EQ(form.TargetEdit().text().toStdString(), (dir / name).string()) << name;
        }
        form.FormatBox().setCurrentIndex(2);
        EXPECT_TRUE(form.LoopEdit().isEnabled());
        form.LoopEdit().setValue(3);
        form.QualityEdit().setValue(55);
        form.FirstFrameEdit().setValue(2);
        form.LastFrameEdit().setValue(4);
        const exporting::ExportSettings settings = form.Settings();
        EXPECT_EQ(settings.format, exporting::ExportFormat::Gif);
        EXPECT_EQ(settings.loopCount, 3);
        EXPECT_EQ(settings.quality, 55);
        EXPECT_EQ(settings.firstFrame, 1) << "frames are shown from 1";
        EXPECT_EQ(settings.lastFrame, 3);
        form.reject();
    });
}

TEST_F(ExportMovieTest, OKExportsBehindTheProgressWindowAndSaysWhere)
{
    StartProject();
    WithExportDialog([&](TExportMovieForm& form) {
        form.FormatBox().setCurrentIndex(2);  // GIF
        form.WidthEdit().setValue(80);
        form.HeightEdit().setValue(60);
        form.OK().click();
    });
    const fs::path gif = dir / "show.gif";
    EXPECT_TRUE(fs::exists(gif));
    EXPECT_EQ(ReadFile(gif).substr(0, 6), "GIF89a");
    EXPECT_EQ(Texts(), std::vector<QString>{QString("The movie has been exported to %1.")
                                                .arg(QString::fromStdString(gif.string()))});
}

TEST_F(ExportMovieTest, AFailedExportShowsTheReasonAndWritesNothing)
{
    StartProject();
    exporting::ExportSettings settings;
    settings.format = exporting::ExportFormat::Mp4;
    settings.target = dir / "missing-folder" / "show.mp4";
    EXPECT_FALSE(window->ExportMovieTo(settings));
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].text.toStdString().find("missing-folder/show.mp4"), std::string::npos)
        << boxes[0].text.toStdString();
    EXPECT_FALSE(fs::exists(dir / "missing-folder"));
}

TEST_F(ExportMovieTest, CancelStopsTheWorkAndTheWindowWaitsForIt)
{
    EnsureApplication();
    TExportProgressForm progress(nullptr, "slow.mp4");
    int stepsSeen = 0;
    QTimer::singleShot(100, [&] {
        EXPECT_GT(progress.Gauge().value(), -1);
        progress.CancelButton().click();
    });
    std::string error;
    const auto outcome = progress.Run(
        [&](exporting::ExportProgress& listener) {
            for (int step = 0; step < 100000; ++step) {
                if (!listener.Step(step, 100000)) throw exporting::ExportCancelled();
                ++stepsSeen;
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            }
        },
        error);
    EXPECT_EQ(outcome, TExportProgressForm::Outcome::Cancelled);
    EXPECT_LT(stepsSeen, 100000);
    EXPECT_EQ(error, "");
}

TEST_F(ExportMovieTest, ProgressWindowFollowsTheStepsAndClosesAtTheEnd)
{
    EnsureApplication();
    TExportProgressForm progress(nullptr, "a.gif");
    std::string error;
    int gaugeSeen = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] { gaugeSeen = std::max(gaugeSeen, progress.Gauge().value()); });
    poll.start(5);
    const auto outcome = progress.Run(
        [&](exporting::ExportProgress& listener) {
            for (int step = 0; step <= 50; ++step) {
                listener.Step(step, 100);
                std::this_thread::sleep_for(std::chrono::milliseconds(4));
            }
            throw std::runtime_error("Cannot write \"a.gif\": disk full");
        },
        error);
    EXPECT_EQ(outcome, TExportProgressForm::Outcome::Failed);
    EXPECT_EQ(error, "Cannot write \"a.gif\": disk full");
    EXPECT_GE(gaugeSeen, 40);
    EXPECT_LE(gaugeSeen, 50);
    EXPECT_FALSE(progress.isVisible());
}

}  // namespace
}  // namespace glimmora::test
