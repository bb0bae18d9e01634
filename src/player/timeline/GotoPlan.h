#pragma once
// The display-list work of a goto. A timeline is stored as changes from frame
// to frame, so a goto runs through the frames it passes (from the first frame
// when it goes back); but an object that stands both before and after the
// goto must stay the same object (a sprite keeps its play head), and one that
// would come and go on the way should never be made. So the operations of the
// frames passed are merged per depth into one command, and only those commands
// touch the display list.

#include "swf/reader/DecodedMovie.h"

#include <cstdint>
#include <map>
#include <vector>

namespace glimmora::player {

struct GotoCommand {
    uint16_t depth = 0;
    int frame = 0;       // the frame where the object it leaves would have been placed
    swf::DisplayOp op;   // Place, Replace or Modify, with every field the frames set
    bool dropped = false;  // a later Remove undid it
};

class GotoPlan {
public:
    // `rewind`: the goto starts over from the first frame; a Place then
    // stands for the whole object, its absent fields at their defaults.
    explicit GotoPlan(bool rewind) : rewind_(rewind) {}

    // Merges a Place, Replace or Modify of `frame` into the command of its
    // depth; a Remove drops that command.
    void Add(const swf::DisplayOp& op, int frame);

    // In the order their depths were first changed.
    const std::vector<GotoCommand>& Commands() const { return commands_; }
    bool Rewind() const { return rewind_; }

private:
    bool rewind_;
    std::vector<GotoCommand> commands_;
    std::map<uint16_t, size_t> byDepth_;  // live commands
};

}  // namespace glimmora::player
