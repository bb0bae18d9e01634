#pragma once
// A text effect object run against the recording service: each test sets the
// fields it cares about and reads back the recorded calls.

#include "effects/text/TextEffects.h"
#include "generation/TFlashTextF.h"
#include "support/CollectingReporter.h"
#include "support/RecordingSwfService.h"
#include "support/ScriptedRandom.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace glimmora::test {

class TextEffectTest : public ::testing::Test {
protected:
    TextEffectTest()
    {
        text.StartTime = 0;
        text.PositionX = 50;
        text.PositionY = 50;
        text.EffectName = "-- None --";
        text.Content = U"Hi";
        text.FontName = "Sans";
        text.FontSize = 18;       // c = 0.4921875, Scale 32256
        text.FontColor = 0xFF0000;  // blue
        text.ExSpeed = 9;
    }

    // Runs the effect and returns every recorded call.
    const std::vector<std::string>& Run()
    {
        RunTextEffect(text, context);
        return service.Calls();
    }

    std::vector<std::string> Calls(const std::string& prefix) { return service.Log().Matching(prefix); }

    // The argument text of every call that starts with `prefix`.
    std::vector<std::string> Args(const std::string& prefix)
    {
        std::vector<std::string> out;
        for (const std::string& call : Calls(prefix)) {
            const auto open = call.find('(');
            out.push_back(call.substr(open + 1, call.size() - open - 2));
        }
        return out;
    }

    // Twips as the recording prints them.
    static std::string Num(double value) { return FormatNumber(value); }

    RecordingSwfService service;
    SwfHolders holders = SwfHolders::Create(service);
    ScriptedRandom random;
    CollectingReporter errors;
    GenerationContext context{&holders, &errors, &random, {}};
    TFlashTextF text;  // the adapter is the concrete text effect object
};

// The base scale at FontSize 18 and the placement of a shape of width w.
inline constexpr double kC18 = 18.0 * 28 / 1024;
inline double BaseX(double w, double left = 0, int positionX = 50)
{
    return positionX * 20.0 - (w - w * kC18) / 2 + left * kC18;
}
inline double BaseY(int positionY = 50) { return (positionY + 5) * 20.0 - (1024 - 1024 * kC18) / 2; }

}  // namespace glimmora::test
