// Only our player program goes at the head of a projector or screensaver.

#include "ToolFiles.h"

#include "support/ProjectFixtures.h"
#include "tools/files/PlayerProgram.h"

namespace glimmora::test {
namespace {

TEST(PlayerProgram, OnlyTheRealPlayerOrOneWithItsMarkIsThePlayer)
{
    TempDir dir;
    WriteBytes(dir / "stand-in", PlayerLike(400));
    WriteBytes(dir / "unmarked", Join({{0x7f, 'E', 'L', 'F'}, Bytes(400, 1)}));
    const std::filesystem::path player = ProgramPath("glimmora-player");
    if (std::filesystem::exists(player)) EXPECT_TRUE(tools::IsPlayerProgram(player)) << "the player as built";
    EXPECT_TRUE(tools::IsPlayerProgram(dir / "stand-in"));
    EXPECT_FALSE(tools::IsPlayerProgram(dir / "unmarked"));
    EXPECT_FALSE(tools::IsPlayerProgram(ProgramPath("glimmora-cli"))) << "the tool knows the mark, but not as bytes";
    EXPECT_FALSE(tools::IsPlayerProgram("/dev/zero"));
    EXPECT_FALSE(tools::IsPlayerProgram(dir.Path()));
    EXPECT_FALSE(tools::IsPlayerProgram(dir / "none"));
}

}  // namespace
}  // namespace glimmora::test
