#pragma once
// Decoded movies made in code for the timeline tests: frames of display-list
// operations, sprites, labels and scripts. Characters other than sprites are
// empty shapes: the timeline only cares about their ids.

#include "player/timeline/Stage.h"
#include "player/timeline/TimelineRunner.h"
#include "swf/reader/DecodedMovie.h"

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace glimmora::test {

swf::DisplayOp PlaceOp(uint16_t depth, uint16_t id, int x = 0, const std::string& name = {});
swf::DisplayOp MoveOp(uint16_t depth, int x);
swf::DisplayOp ReplaceOp(uint16_t depth, uint16_t id);
swf::DisplayOp RemoveOp(uint16_t depth);

swf::FrameRecord Frame(std::initializer_list<swf::DisplayOp> ops = {});
// A frame whose script is a plain stop.
swf::FrameRecord StopFrame(std::initializer_list<swf::DisplayOp> ops = {});

struct TimelineMovie {
    explicit TimelineMovie(std::vector<swf::FrameRecord> frames);

    void Shape(uint16_t id);
    void Sprite(uint16_t id, std::vector<swf::FrameRecord> frames);

    std::shared_ptr<swf::DecodedMovie> movie;
};

// The timeline of the sprite instance at `path` (depths from the main
// timeline down), or null.
const player::Timeline* TimelineAt(const player::Stage& stage, std::initializer_list<uint16_t> path);
// Its frame, or -2 when there is no such instance.
int FrameAt(const player::Stage& stage, std::initializer_list<uint16_t> path);
// The x of the object at `depth` of that timeline (twips), or -1.
int XAt(const player::Stage& stage, std::initializer_list<uint16_t> path, uint16_t depth);

// The stage after starting `movie` and `ticks` steps of playing.
player::Stage Played(const std::shared_ptr<swf::DecodedMovie>& movie, int ticks, bool loop = true);

}  // namespace glimmora::test
