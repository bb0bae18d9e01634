// libFuzzer target: plays arbitrary bytes as a movie. It decodes them, runs
// the frame scripts and every sprite's play head for a few ticks, seeks the
// last frame, and draws small pictures of the stages at high and low
// quality (embedded video through the FFmpeg module's code linked in). Any
// outcome but a DecodeError is a finding.

#include "player/FrameRenderer.h"
#include "player/timeline/StageCursor.h"
#include "player/timeline/TimelineRunner.h"
#include "swf/reader/DecodedMovie.h"

#include <QSize>

#include <cstddef>
#include <cstdint>
#include <memory>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace glimmora;
    swf::DecodeLimits limits;
    limits.maxInflatedBytes = 8u << 20;  // keeps each run within the fuzzer's memory and time limits
    limits.maxRecords = 1u << 16;
    std::shared_ptr<const swf::DecodedMovie> movie;
    try {
        movie = std::make_shared<const swf::DecodedMovie>(swf::DecodeMovie(data, size, limits));
    } catch (const swf::DecodeError&) {
        return 0;
    }
    if (movie->FrameCount() == 0) return 0;
    const QSize picture(48, 36);
    player::FrameRenderer renderer(movie);
    const player::TimelineRunner runner(movie);
    player::Stage stage = runner.Start(player::RunMode::Play);
    for (int tick = 0; tick < 6; ++tick) {
        runner.Tick(stage, player::RunMode::Play);
        if (tick % 3 == 0) renderer.Render(stage, picture);
    }
    renderer.SetQuality(player::StageQuality::Low);
    player::StageCursor cursor(movie);
    renderer.Render(cursor.Seek(movie->FrameCount() - 1), picture);
    return 0;
}
