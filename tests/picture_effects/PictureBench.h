#pragma once
// A picture object on a recording service: movie 420 x 180 pixels, picture
// 100 x 50 pixels at (7, 9), StartTime 12, EndTime 16, so that cx = 3200,
// cy = 1300, w = 2000 and h = 1000 twips.

#include "effects/picture/PictureEffects.h"
#include "support/CollectingReporter.h"
#include "support/RecordingSwfService.h"
#include "support/ScriptedRandom.h"

#include <string>
#include <vector>

namespace glimmora::test {

// TFlashPic leaves loading to the adapter; the routines need only the fields.
class BenchPicture : public TFlashPic {
public:
    void Generate(const IXMLObj&) override {}
};

struct PictureBench {
    explicit PictureBench(std::vector<int> randomScript = {}) : random(std::move(randomScript))
    {
        holders = SwfHolders::Create(service);
        context.swf = &holders;
        context.errors = &reporter;
        context.random = &random;
        picture = MakePicture("Move Up");
    }

    BenchPicture MakePicture(const std::string& effect) const
    {
        BenchPicture p;
        p.ObjName = "Pic_1";
        p.MovieWidth = 420;
        p.MovieHeight = 180;
        p.Width = 100;
        p.Height = 50;
        p.PositionX = 7;
        p.PositionY = 9;
        p.StartTime = 12;
        p.EndTime = 16;
        p.Content = "/pictures/tree.bmp";
        p.JpegPath = "/project/Pic_1.jpg";
        p.EffectName = effect;
        return p;
    }

    void Run(const std::string& effect)
    {
        picture.EffectName = effect;
        RunPicEffect(picture, context);
    }

    const std::vector<std::string>& Calls() const { return service.Calls(); }
    size_t Count(const std::string& call) const
    {
        size_t n = 0;
        for (const auto& c : service.Calls()) n += c == call;
        return n;
    }

    RecordingSwfService service;
    SwfHolders holders;
    CollectingReporter reporter;
    ScriptedRandom random;
    GenerationContext context;
    BenchPicture picture;
};

// The rectangle call of the bench picture: (7, 9) pixels, 100 x 50 pixels.
inline const char* const kBenchMakePicture = "media.MakePicture(140, 180, 2140, 1180, 100, 50, \"/project/Pic_1.jpg\")";

}  // namespace glimmora::test
