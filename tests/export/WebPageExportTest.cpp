// The exported web page is one file that plays the movie when opened from
// the file system, with no network: headless Chromium opens it from file://
// with every other request refused, and the movie's text shows.

#include "ExportFixtures.h"

#include "support/ProjectFixtures.h"
#include "support/SwfCheck.h"
#include "support/TempDir.h"
#include "support/TestPaths.h"

#include <QImage>

#include <gtest/gtest.h>

namespace glimmora::test {
namespace {

TEST(WebPageExport, OneFileThatPlaysFromTheFileSystem)
{
    GLIMMORA_REQUIRE_SWFCHECK();
    TempDir dir;
    const auto project = dir / "page.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "HHHH", 10, 120, "255")));
    const auto page = dir / "page.html";
    const ProcessResult run = RunCli({"export", project.string(), "-o", page.string()});
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(FileNames(dir.Path()), (std::vector<std::string>{"page.gmr", "page.html"}));
    EXPECT_LT(std::filesystem::file_size(page), 10u << 20);
    const std::string html = ReadFile(page);
    EXPECT_EQ(html.find("<script src"), std::string::npos) << "every script is inline";

    const auto png = dir / "shot.png";
    const ProcessResult open =
        RunProcess({"node", std::string(GLIMMORA_SOURCE_DIR) + "/tests/export/open-page.mjs", page.string(),
                    png.string(), "320", "240", SwfCheckTool()->parent_path().string()});
    ASSERT_EQ(open.exitCode, 0) << open.out << open.err;
    EXPECT_NE(open.out.find("\"blocked\":[]"), std::string::npos) << open.out;
    const QImage shot(QString::fromStdString(png.string()));
    ASSERT_EQ(shot.size(), QSize(320, 240));
    int red = 0;
    for (int y = 120; y < 180; ++y)
        for (int x = 10; x < 170; ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80) ++red;
        }
    EXPECT_GT(red, 200) << "the red text of the movie";
}

}  // namespace
}  // namespace glimmora::test
