// A project saved in GB2312 builds the same movie as the same project in
// UTF-8: its Chinese text is read as Chinese, not as bytes of another set.

#include "support/ProjectFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <regex>

namespace glimmora::test {
namespace {

TEST(CliEncodedProject, Gb2312ProjectBuildsTheMovieOfItsUtf8Twin)
{
    TempDir dir;
    // 欢迎光临 in UTF-8 and in GB2312.
    const std::string chinese = "\xE6\xAC\xA2\xE8\xBF\x8E\xE5\x85\x89\xE4\xB8\xB4";
    // A font with Chinese glyphs, so that the outlines show the characters.
    const std::string utf8 = std::regex_replace(MovieXml(StaticTextXml("Title", chinese, 10, 10)),
                                                std::regex("DejaVu Sans"), "WenQuanYi Micro Hei");
    std::string gb = std::regex_replace(utf8, std::regex("UTF-8"), "GB2312");
    gb.replace(gb.find(chinese), chinese.size(), "\xBB\xB6\xD3\xAD\xB9\xE2\xC1\xD9");
    ASSERT_NE(gb.find("encoding=\"GB2312\""), std::string::npos);
    WriteFile(dir / "utf8.gmr", utf8);
    WriteFile(dir / "gb.gmr", gb);
    for (const char* name : {"utf8", "gb"}) {
        const ProcessResult run = RunCli({"build", (dir / (std::string(name) + ".gmr")).string()});
        ASSERT_EQ(run.exitCode, 0) << name << ": " << run.err;
    }
    EXPECT_EQ(ReadFile(dir / "gb.swf"), ReadFile(dir / "utf8.swf"));
    EXPECT_EQ(ReadFile(dir / "gb.gmr"), gb) << "the project file is not changed";
}

}  // namespace
}  // namespace glimmora::test
