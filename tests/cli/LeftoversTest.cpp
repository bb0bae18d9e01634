// What a killed glimmora-cli left beside its target (its temporary files of
// up to many megabytes) is removed by the next run that writes that target.

#include "support/DeadProcess.h"
#include "support/ProjectFixtures.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace glimmora::test {
namespace {

namespace fs = std::filesystem;

TEST(CliLeftovers, TheNextWriteOfATargetRemovesWhatKilledRunsLeft)
{
    TempDir dir;
    const auto project = dir / "show.gmr";
    WriteFile(project, MovieXml(StaticTextXml("Text_1", "Hi", 10, 10)));
    const std::string dead = std::to_string(DeadProcessId());
    const std::string alive = std::to_string(::getpid());  // this test: still at work
    struct Case {
        const char* target;
        std::vector<std::string> command;
    };
    const Case cases[] = {
        {"show.swf", {"build", project.string()}},
        {"show.exe", {"swf-to-exe", (dir / "show.swf").string()}},
        {"back.swf", {"exe-to-swf", (dir / "show.exe").string(), "-o", (dir / "back.swf").string()}},
    };
    for (const Case& c : cases) {
        const std::string target = c.target;
        const std::vector<std::string> left = {target + "." + dead + "-0badc0de.part",
                                               target + ".writing-" + dead + "-1",
                                               "." + target + ".saving-" + dead + "-2"};
        for (const std::string& name : left) WriteFile(dir / name, std::string(4096, 'x'));
        WriteFile(dir / (target + "." + alive + "-00c0ffee.part"), "another writer at work");

        const ProcessResult run = RunCli(c.command);
        ASSERT_EQ(run.exitCode, 0) << target << ": " << run.err;
        for (const std::string& name : left) EXPECT_FALSE(fs::exists(dir / name)) << name;
        EXPECT_TRUE(fs::exists(dir / (target + "." + alive + "-00c0ffee.part"))) << "a living writer's file stays";
    }
}

}  // namespace
}  // namespace glimmora::test
