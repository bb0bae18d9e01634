// The sample project that shows every text effect: it builds, names each
// effect once, and plays them one after another.

#include "BuilderFixture.h"
#include "effects/text/TextEffects.h"
#include "support/TestPaths.h"

#include <cmath>
#include <set>

namespace glimmora::test {
namespace {

const std::filesystem::path kExample = std::filesystem::path(GLIMMORA_SOURCE_DIR) / "data/examples/text-effects.gmr";

const std::set<std::string> kTextEffects = {"-- None --", "Come In",   "Come Out", "Fade In", "Fade Out",
                                            "Move",       "Roll In",   "Heart Beat", "Kerning", "Radiation",
                                            "Rainbow",    "Rotate",    "Sin"};

std::string ReadAll(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

TEST_F(BuilderTest, TextEffectsExampleBuildsWithoutErrors)
{
    Builder(ReadAll(kExample)).BuildMovie();
    EXPECT_EQ(Calls("movie.SetSize").front(), "movie.SetSize(11000, 8000)");
    EXPECT_EQ(Calls("movie.SetFrameRate").front(), "movie.SetFrameRate(12)");
    EXPECT_EQ(Calls("movie.WriteMovie").size(), 1u);
    EXPECT_TRUE(errors.messages.empty());
}

TEST_F(DocumentTest, TextEffectsExampleShowsEachEffectOnceInTurn)
{
    Load(ReadAll(kExample));
    ASSERT_EQ(root.Obj().Count(), int(kTextEffects.size()));
    std::set<std::string> seen;
    double previousLastFrame = -1;
    for (int i = 0; i < root.Obj().Count(); ++i) {
        TFlashTextF text;
        text.Document = &root;
        text.LoadFromDocument(i);
        SCOPED_TRACE(text.EffectName);
        EXPECT_TRUE(seen.insert(text.EffectName).second);
        EXPECT_EQ(text.Content, std::u32string(text.EffectName.begin(), text.EffectName.end()));

        RecordingSwfService service;
        SwfHolders holders = SwfHolders::Create(service);
        ScriptedRandom random;
        GenerationContext context{&holders, nullptr, &random, {}};
        RunTextEffect(text, context);
        const auto frames = service.Log().Matching("movie.GotoFrame(");
        ASSERT_FALSE(frames.empty());
        ASSERT_FALSE(service.Log().Matching("movie.AddObject").empty());
        const double first = std::stod(frames.front().substr(16));
        double last = first;
        for (const auto& f : frames) last = std::max(last, std::stod(f.substr(16)));
        // Starts once the effect before it has finished.
        EXPECT_GE(first, previousLastFrame);
        previousLastFrame = std::nearbyint(last);
    }
    EXPECT_EQ(seen, kTextEffects);
}

}  // namespace
}  // namespace glimmora::test
