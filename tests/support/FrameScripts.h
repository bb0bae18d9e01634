#pragma once
// Frame scripts made in code, for movies built without an SWF file.

#include "swf/reader/DecodedMovie.h"

#include <initializer_list>
#include <memory>

namespace glimmora::test {

// A script of actions without operands (Stop, Play, NextFrame, ...), run
// after the frame's display-list operations.
inline swf::FrameScript Script(std::initializer_list<swf::ActionCode> codes)
{
    auto program = std::make_shared<swf::ActionProgram>();
    uint32_t offset = 0;
    for (swf::ActionCode code : codes) {
        swf::Action action;
        action.code = code;
        action.offset = offset;
        action.next = ++offset;
        program->actions.push_back(action);
    }
    return {UINT32_MAX, std::move(program)};
}

// The script of a plain stop action.
inline swf::FrameScript StopScript() { return Script({swf::ActionCode::Stop}); }

}  // namespace glimmora::test
