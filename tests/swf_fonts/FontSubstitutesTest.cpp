#include "swf/fonts/FontSubstitutes.h"

#include <gtest/gtest.h>

namespace glimmora::swf {
namespace {

TEST(FontSubstitutesTest, KnownWindowsFamiliesHaveAGenre) {
    struct Case {
        const char* family;
        FontGenre genre;
    };
    const Case cases[] = {
        {"Microsoft Sans Serif", FontGenre::Sans}, {"TAHOMA", FontGenre::Sans},      {"arial", FontGenre::Sans},
        {"Times New Roman", FontGenre::Serif},     {"Courier New", FontGenre::Mono}, {"SimSun", FontGenre::Chinese},
        {"宋体", FontGenre::Chinese},              {"新細明體", FontGenre::Chinese}, {"Liberation Sans", FontGenre::Unknown},
        {"Café", FontGenre::Unknown},              {"", FontGenre::Unknown},
    };
    for (const Case& c : cases) EXPECT_EQ(GenreOfFamily(c.family), c.genre) << c.family;
}

TEST(FontSubstitutesTest, EveryGenreButUnknownHasSubstitutes) {
    EXPECT_TRUE(SubstituteFamilies(FontGenre::Unknown).empty());
    for (FontGenre g : {FontGenre::Sans, FontGenre::Serif, FontGenre::Mono, FontGenre::Chinese}) {
        EXPECT_FALSE(SubstituteFamilies(g).empty());
    }
    EXPECT_EQ(SubstituteFamilies(FontGenre::Sans).front(), "Liberation Sans");
}

}  // namespace
}  // namespace glimmora::swf
