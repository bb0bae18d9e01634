// The picture effects sample: every object names a picture effect and has
// its JPEG beside the document, of the size the document says.

#include "effects/picture/PicEffectTable.h"
#include "effects/picture/import/JpegDecoder.h"
#include "effects/picture/import/PictureFile.h"
#include "support/TestPaths.h"

#include <gtest/gtest.h>
#include <pugixml.hpp>

#include <algorithm>
#include <filesystem>
#include <set>

namespace glimmora::test {
namespace {

TEST(PictureEffectsSample, EveryObjectHasAKnownEffectAndItsPicture)
{
    const std::filesystem::path folder = std::filesystem::path(GLIMMORA_SOURCE_DIR) / "data" / "examples";
    pugi::xml_document doc;
    ASSERT_TRUE(doc.load_file((folder / "picture-effects.gmr").c_str()));
    const pugi::xml_node movie = doc.child("Movie");
    EXPECT_EQ(movie.child("Width").text().as_int(), 550);
    EXPECT_EQ(movie.child("Height").text().as_int(), 400);

    const auto& names = PicEffectNames();
    std::set<std::string> families;
    int objects = 0;
    for (const pugi::xml_node obj : movie.children("Obj")) {
        ++objects;
        const std::string name = obj.child("ObjName").text().get();
        const pugi::xml_node pic = obj.child("ObjType").child("ObjPic");
        const std::string effect = pic.child("EffectName").text().get();
        EXPECT_NE(std::find(names.begin(), names.end(), effect), names.end()) << name << ": " << effect;
        EXPECT_FALSE(std::string(pic.child("Content").text().get()).empty()) << name;
        families.insert(effect.substr(0, effect.find(' ')));

        const auto bytes = ReadPictureFile(folder / (name + ".jpg"));
        const RgbImage image = DecodeJpeg(bytes.data(), bytes.size());
        EXPECT_EQ(image.width, pic.child("Width").text().as_int()) << name;
        EXPECT_EQ(image.height, pic.child("Height").text().as_int()) << name;
    }
    EXPECT_EQ(objects, 6);
    EXPECT_EQ(families, (std::set<std::string>{"--", "Fade", "Move", "Zoom", "Come"}));
}

}  // namespace
}  // namespace glimmora::test
