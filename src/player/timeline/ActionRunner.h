#pragma once
// Runs AVM1 frame scripts (SWF 3 to 8) against a stage, as far as timelines
// go: play, stop, the gotos (by number, label or expression), next and
// previous frame, tellTarget (SetTarget, SetTarget2), WaitForFrame, and what
// these need: the constant pool, the stack, registers, arithmetic, logic,
// comparisons, strings, branches, timeline variables, sprite properties,
// the sprite methods (gotoAndPlay, stop, ...) and Math. Anything else (other
// objects, functions, network and sound actions) is skipped with its stack
// effect kept, so what follows still runs. Every action counts against the
// budget of the step: an endless loop ends there, never hangs the player.

#include "player/timeline/ActionValue.h"
#include "player/timeline/Stage.h"
#include "swf/reader/DecodedMovie.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace glimmora::player {

// What a script can ask of the timelines; the step running it carries it out.
class TimelineControl {
public:
    virtual ~TimelineControl() = default;
    virtual void Play(uint32_t timeline) = 0;
    virtual void Stop(uint32_t timeline) = 0;
    // Sends a timeline to `frame` (from 0; clamped), playing on after it
    // when `play`, else stopped there.
    virtual void GotoFrame(uint32_t timeline, int frame, bool play) = 0;
    // Runs the scripts of a frame of a timeline at once (the Call action).
    virtual void CallFrame(uint32_t timeline, int frame) = 0;
};

struct ScriptLimits {
    size_t maxStack = 65536;          // values; a script that piles up more ends
    size_t maxString = 1u << 20;      // bytes a joined string keeps
    size_t maxVariables = 16384;      // per timeline; further new names are not kept
};

class ActionRunner {
public:
    // `budget`: actions this step may still run; each action takes one.
    ActionRunner(Stage& stage, TimelineControl& control, const swf::DecodedMovie& movie, size_t& budget,
                 ScriptLimits limits = {});

    // Runs `program` as a script of the timeline `clip`.
    void Run(const swf::ActionProgram& program, uint32_t clip);

    // The frame (from 0) that a label names on a timeline, by the player's
    // rule (letter case ignored); nothing for an unknown label.
    static std::optional<int> FrameOfLabel(const Timeline& timeline, const std::string& label);

private:
    class Activation;
    friend class Activation;

    Stage& stage_;
    TimelineControl& control_;
    const swf::DecodedMovie& movie_;
    size_t& budget_;
    ScriptLimits limits_;
    uint8_t version_;
};

}  // namespace glimmora::player
