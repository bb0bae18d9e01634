#pragma once
// The work of one step of TimelineRunner on one stage: timelines entering
// frames, gotos, sprite instances made and removed, and the frame scripts
// queued on the way, run when every timeline has moved. Scripts act on the
// timelines through TimelineControl.

#include "player/timeline/ActionRunner.h"
#include "player/timeline/GotoPlan.h"
#include "player/timeline/Stage.h"
#include "player/timeline/TimelineRunner.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace glimmora::player {

class TimelineStep : public TimelineControl {
public:
    TimelineStep(const swf::DecodedMovie& movie, const RunLimits& limits, Stage& stage, RunMode mode);

    // The main timeline's first frame.
    void Start();
    // Every playing timeline one frame on, newest first, then the scripts.
    void Tick(bool loop);
    // The main timeline to `frame`, then the scripts this queued.
    void GotoMain(int frame);

    size_t Work() const { return work_; }

    // TimelineControl
    void Play(uint32_t timeline) override;
    void Stop(uint32_t timeline) override;
    void GotoFrame(uint32_t timeline, int frame, bool play) override;
    void CallFrame(uint32_t timeline, int frame) override;

private:
    struct Queued {
        uint32_t timeline = 0;
        const swf::ActionProgram* program = nullptr;
    };

    void StepMain(const Timeline& root, bool loop);
    void Advance(uint32_t id);
    bool OverBudget() const { return work_ >= limits_.maxWorkPerStep; }

    void EnterFrame(uint32_t id, int frame);
    void QueueScripts(uint32_t id, const swf::FrameRecord& record, uint32_t beforeOp);
    void CollectSounds(uint32_t id, const swf::FrameRecord& record);
    void ApplyOp(uint32_t id, const swf::DisplayOp& op, int frame);
    void ApplyFields(DisplayObject& object, const swf::DisplayOp& op) const;

    const swf::Sprite* SpriteOf(uint16_t characterId) const;
    void Instantiate(uint32_t parent, uint16_t depth);
    void ChangeCharacter(uint32_t parent, uint16_t depth, uint16_t characterId);
    void RemoveChild(uint32_t parent, uint16_t depth);

    void Goto(uint32_t id, int frame);
    void RemoveUnplanned(uint32_t id, const GotoPlan& plan);
    void RunCommand(uint32_t id, const GotoCommand& command, bool rewind);

    // In a replay, scripts cannot move or stop the main timeline.
    bool Held(uint32_t id) const { return id == Stage::kRoot && mode_ == RunMode::Replay; }
    void RunQueue();
    void Finish();

    const swf::DecodedMovie& movie_;
    const RunLimits& limits_;
    Stage& stage_;
    RunMode mode_;
    std::vector<Queued> queue_;
    std::vector<swf::SoundStart> mainSounds_, otherSounds_;
    size_t work_ = 0;
    size_t actionBudget_;
    int callDepth_ = 0;
};

}  // namespace glimmora::player
