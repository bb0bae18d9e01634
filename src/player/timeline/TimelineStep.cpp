#include "player/timeline/TimelineStep.h"

#include <algorithm>
#include <set>
#include <variant>

namespace glimmora::player {
namespace {

using Kind = swf::DisplayOp::Kind;

// Frames a Call action may run inside one another.
constexpr int kMaxCallDepth = 8;

}  // namespace

TimelineStep::TimelineStep(const swf::DecodedMovie& movie, const RunLimits& limits, Stage& stage, RunMode mode)
    : movie_(movie), limits_(limits), stage_(stage), mode_(mode), actionBudget_(limits.maxActionsPerStep)
{
    stage_.sounds.clear();
    stage_.mainEntered = false;
    stage_.mainStopAsked = false;
}

void TimelineStep::Start()
{
    if (stage_.Root().FrameCount() > 0) EnterFrame(Stage::kRoot, 0);
    Finish();
}

void TimelineStep::Tick(bool loop)
{
    ++stage_.steps;
    for (uint32_t id : stage_.IdsNewestFirst()) {
        const Timeline* timeline = stage_.Find(id);
        if (!timeline) continue;  // removed by an older timeline's step
        if (id == Stage::kRoot) {
            StepMain(*timeline, loop);
        } else if (timeline->playing) {
            Advance(id);
        }
    }
    Finish();
}

void TimelineStep::GotoMain(int frame)
{
    Goto(Stage::kRoot, frame);
    Finish();
}

void TimelineStep::StepMain(const Timeline& root, bool loop)
{
    const int count = root.FrameCount();
    if (mode_ == RunMode::Replay) {
        if (root.frame + 1 < count) EnterFrame(Stage::kRoot, root.frame + 1);
        return;
    }
    if (!root.playing || count <= 1) return;  // a one-frame main timeline stands still
    if (root.frame + 1 < count) {
        EnterFrame(Stage::kRoot, root.frame + 1);
    } else if (loop) {
        Goto(Stage::kRoot, 0);
    } else {
        stage_.Mutable(Stage::kRoot)->playing = false;
    }
}

// A playing sprite's step: its next frame, its first after its last; a
// one-frame sprite stops.
void TimelineStep::Advance(uint32_t id)
{
    const Timeline& timeline = *stage_.Find(id);
    const int count = timeline.FrameCount();
    if (timeline.frame + 1 < count) {
        EnterFrame(id, timeline.frame + 1);
    } else if (count > 1) {
        Goto(id, 0);
    } else {
        stage_.Mutable(id)->playing = false;
    }
}

// Moves a timeline on to `frame` (the next one, or the first of a new
// instance) and applies what that frame holds, its scripts queued where
// they stand among its operations.
void TimelineStep::EnterFrame(uint32_t id, int frame)
{
    Timeline* timeline = stage_.Mutable(id);
    timeline->frame = frame;
    if (id == Stage::kRoot) stage_.mainEntered = true;
    ++work_;
    const swf::FrameRecord& record = (*timeline->frames)[size_t(frame)];
    if (record.ops.ReadsTags()) work_ += record.ops.size();  // reading each from its tag
    uint32_t index = 0;
    for (const swf::DisplayOp& op : record.ops) {
        if (OverBudget()) break;
        QueueScripts(id, record, index++);
        ApplyOp(id, op, frame);
    }
    QueueScripts(id, record, UINT32_MAX);
    CollectSounds(id, record);
}

// Queues the scripts that stand before operation `beforeOp` and were not queued yet.
void TimelineStep::QueueScripts(uint32_t id, const swf::FrameRecord& record, uint32_t beforeOp)
{
    for (const swf::FrameScript& script : record.scripts) {
        const bool due = beforeOp == UINT32_MAX ? script.beforeOp >= record.ops.size() : script.beforeOp == beforeOp;
        if (due && script.program) queue_.push_back({id, script.program.get()});
    }
}

void TimelineStep::CollectSounds(uint32_t id, const swf::FrameRecord& record)
{
    std::vector<swf::SoundStart>& into = id == Stage::kRoot ? mainSounds_ : otherSounds_;
    into.insert(into.end(), record.sounds.begin(), record.sounds.end());
}

void TimelineStep::ApplyFields(DisplayObject& object, const swf::DisplayOp& op) const
{
    // A script that placed, scaled, turned or faded the object took these
    // out of the timeline's hands.
    if (!object.scripted) {
        if (op.matrix) object.matrix = *op.matrix;
        if (op.colorTransform) object.colorTransform = *op.colorTransform;
        if (op.ratio) object.ratio = *op.ratio;
    }
    if (op.name) object.name = *op.name;
    if (op.clipDepth) object.clipDepth = *op.clipDepth;
    if (op.blendMode) object.blendMode = *op.blendMode;
    if (op.cacheAsBitmap) object.cacheAsBitmap = *op.cacheAsBitmap;
    if (op.visible) object.visible = *op.visible;
    if (op.opaqueBackground) object.opaqueBackground = op.opaqueBackground;
    if (op.filters) {
        object.filters = op.filters->empty() ? nullptr : std::make_shared<const swf::FilterList>(*op.filters);
    }
}

void TimelineStep::ApplyOp(uint32_t id, const swf::DisplayOp& op, int frame)
{
    ++work_;
    DepthList& children = stage_.Mutable(id)->children;
    switch (op.kind) {
    case Kind::Place: {
        // A place at an occupied depth is refused, as players do.
        if (!op.characterId || children.Find(op.depth)) return;
        DisplayObject object;
        object.characterId = *op.characterId;
        object.placeFrame = frame;
        ApplyFields(object, op);
        children.Insert(op.depth, std::move(object));
        Instantiate(id, op.depth);
        return;
    }
    case Kind::Modify:
        if (DisplayObject* object = children.FindMutable(op.depth)) ApplyFields(*object, op);
        return;
    case Kind::Replace: {
        DisplayObject* object = children.FindMutable(op.depth);
        if (!object) return;  // nothing to replace
        object->placeFrame = frame;
        ApplyFields(*object, op);
        if (op.characterId) ChangeCharacter(id, op.depth, *op.characterId);
        return;
    }
    case Kind::Remove:
        RemoveChild(id, op.depth);
        return;
    }
}

const swf::Sprite* TimelineStep::SpriteOf(uint16_t characterId) const
{
    auto found = movie_.dictionary.find(characterId);
    return found == movie_.dictionary.end() || !found->second ? nullptr
                                                              : std::get_if<swf::Sprite>(found->second.get());
}

// Gives the sprite at `depth` of `parent` its own timeline, on its first frame.
void TimelineStep::Instantiate(uint32_t parent, uint16_t depth)
{
    const Timeline& owner = *stage_.Find(parent);
    const DisplayObject* object = owner.children.Find(depth);
    const swf::Sprite* sprite = object ? SpriteOf(object->characterId) : nullptr;
    if (!sprite || owner.level + 1 > limits_.maxNesting || stage_.TimelineCount() >= limits_.maxTimelines + 1 ||
        OverBudget()) {
        return;
    }
    Timeline timeline;
    timeline.parent = parent;
    timeline.characterId = object->characterId;
    timeline.depth = depth;
    timeline.level = owner.level + 1;
    timeline.frames = &sprite->frames;
    const uint32_t id = stage_.Add(std::move(timeline)).id;
    stage_.Mutable(parent)->children.FindMutable(depth)->timeline = id;
    if (!sprite->frames.empty()) EnterFrame(id, 0);
}

// The object at `depth` shows `characterId` from now on; a sprite that
// changes gets a new timeline, one that stays keeps its own.
void TimelineStep::ChangeCharacter(uint32_t parent, uint16_t depth, uint16_t characterId)
{
    DisplayObject* object = stage_.Mutable(parent)->children.FindMutable(depth);
    if (object->characterId == characterId) return;
    object->characterId = characterId;
    if (object->timeline != 0) {
        stage_.Remove(object->timeline);
        object->timeline = 0;
    }
    Instantiate(parent, depth);
}

void TimelineStep::RemoveChild(uint32_t parent, uint16_t depth)
{
    const DisplayObject* object = stage_.Find(parent)->children.Find(depth);
    if (!object) return;
    if (object->timeline != 0) stage_.Remove(object->timeline);
    stage_.Mutable(parent)->children.Erase(depth);
}

// Sends a timeline to `frame`, keeping what stands on both sides.
void TimelineStep::Goto(uint32_t id, int frame)
{
    const Timeline* timeline = stage_.Find(id);
    const int count = timeline->FrameCount();
    if (count == 0) return;
    frame = std::clamp(frame, 0, count - 1);
    if (frame == timeline->frame) return;
    if (id == Stage::kRoot) stage_.mainEntered = true;
    const bool rewind = frame < timeline->frame;
    GotoPlan plan(rewind);
    int from = timeline->frame + 1;
    if (rewind) {
        // Objects placed after the target frame cannot stand there.
        for (uint16_t depth : timeline->children.DepthsWhere(
                 [&](const DisplayObject& object) { return object.placeFrame > frame; })) {
            RemoveChild(id, depth);
        }
        from = 0;
    }
    const std::vector<swf::FrameRecord>& frames = *stage_.Find(id)->frames;
    for (int f = from; f <= frame && !OverBudget(); ++f) {
        for (const swf::DisplayOp& op : frames[size_t(f)].ops) {
            ++work_;
            plan.Add(op, f);
            if (op.kind == Kind::Remove && !rewind) RemoveChild(id, op.depth);
        }
    }
    stage_.Mutable(id)->frame = frame;
    if (rewind) RemoveUnplanned(id, plan);
    // Objects from earlier frames first, then the target frame's scripts,
    // then the objects placed in the target frame, as a play through would.
    for (const GotoCommand& command : plan.Commands()) {
        if (!command.dropped && command.frame < frame) RunCommand(id, command, rewind);
    }
    const swf::FrameRecord& record = frames[size_t(frame)];
    for (const swf::FrameScript& script : record.scripts) {
        if (script.program) queue_.push_back({id, script.program.get()});
    }
    CollectSounds(id, record);
    for (const GotoCommand& command : plan.Commands()) {
        if (!command.dropped && command.frame >= frame) RunCommand(id, command, rewind);
    }
}

// After a rewind, an object whose depth the frames up to the target leave
// empty is gone there.
void TimelineStep::RemoveUnplanned(uint32_t id, const GotoPlan& plan)
{
    std::set<uint16_t> planned;
    for (const GotoCommand& command : plan.Commands()) {
        if (!command.dropped) planned.insert(command.depth);
    }
    for (uint16_t depth : stage_.Find(id)->children.DepthsWhere([](const DisplayObject&) { return true; })) {
        if (!planned.count(depth)) RemoveChild(id, depth);
    }
}

void TimelineStep::RunCommand(uint32_t id, const GotoCommand& command, bool rewind)
{
    ++work_;
    const swf::DisplayOp& op = command.op;
    DepthList& children = stage_.Mutable(id)->children;
    if (DisplayObject* object = children.FindMutable(command.depth)) {
        ApplyFields(*object, op);
        if (op.kind == Kind::Replace && !rewind) object->placeFrame = command.frame;
        // A place onto an object that stands is refused going forward;
        // going back, the object is the one the place made.
        if (op.characterId && (rewind || op.kind == Kind::Replace)) {
            ChangeCharacter(id, command.depth, *op.characterId);
        }
        return;
    }
    if (op.kind == Kind::Modify || !op.characterId) return;
    DisplayObject object;
    object.characterId = *op.characterId;
    object.placeFrame = command.frame;
    ApplyFields(object, op);
    children.Insert(command.depth, std::move(object));
    Instantiate(id, command.depth);
}

void TimelineStep::Play(uint32_t id)
{
    const Timeline* timeline = stage_.Find(id);
    if (!timeline || Held(id) || timeline->FrameCount() <= 1) return;  // one frame cannot play
    if (!timeline->playing) stage_.Mutable(id)->playing = true;
}

void TimelineStep::Stop(uint32_t id)
{
    const Timeline* timeline = stage_.Find(id);
    if (!timeline) return;
    if (id == Stage::kRoot) stage_.mainStopAsked = true;
    if (Held(id)) return;
    if (timeline->playing) stage_.Mutable(id)->playing = false;
}

void TimelineStep::GotoFrame(uint32_t id, int frame, bool play)
{
    if (!stage_.Find(id) || Held(id)) return;
    if (play) {
        Play(id);
    } else {
        Stop(id);
    }
    Goto(id, frame);
}

void TimelineStep::CallFrame(uint32_t id, int frame)
{
    const Timeline* timeline = stage_.Find(id);
    if (!timeline || frame < 0 || frame >= timeline->FrameCount() || callDepth_ >= kMaxCallDepth) return;
    ++callDepth_;
    const swf::FrameRecord& record = (*timeline->frames)[size_t(frame)];
    for (const swf::FrameScript& script : record.scripts) {
        if (!script.program) continue;
        ActionRunner(stage_, *this, movie_, actionBudget_).Run(*script.program, id);
    }
    --callDepth_;
}

// Runs the queued scripts in order. A script may queue more (a goto enters a
// frame); the budget of actions ends a step that would never finish.
void TimelineStep::RunQueue()
{
    for (size_t next = 0; next < queue_.size() && actionBudget_ > 0; ++next) {
        const Queued entry = queue_[next];
        if (!stage_.Find(entry.timeline)) continue;  // removed before its scripts ran
        ActionRunner(stage_, *this, movie_, actionBudget_).Run(*entry.program, entry.timeline);
    }
    work_ += limits_.maxActionsPerStep - actionBudget_;
    queue_.clear();
}

void TimelineStep::Finish()
{
    RunQueue();
    stage_.sounds = std::move(mainSounds_);
    stage_.sounds.insert(stage_.sounds.end(), otherSounds_.begin(), otherSounds_.end());
}

}  // namespace glimmora::player
