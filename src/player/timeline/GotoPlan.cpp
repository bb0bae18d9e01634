#include "player/timeline/GotoPlan.h"

namespace glimmora::player {
namespace {

using Kind = swf::DisplayOp::Kind;

// Copies the fields `next` sets over those of `into`.
void MergeFields(swf::DisplayOp& into, const swf::DisplayOp& next)
{
    if (next.characterId) into.characterId = next.characterId;
    if (next.matrix) into.matrix = next.matrix;
    if (next.colorTransform) into.colorTransform = next.colorTransform;
    if (next.ratio) into.ratio = next.ratio;
    if (next.name) into.name = next.name;
    if (next.clipDepth) into.clipDepth = next.clipDepth;
    if (next.filters) into.filters = next.filters;
    if (next.blendMode) into.blendMode = next.blendMode;
    if (next.cacheAsBitmap) into.cacheAsBitmap = next.cacheAsBitmap;
    if (next.visible) into.visible = next.visible;
    if (next.opaqueBackground) into.opaqueBackground = next.opaqueBackground;
}

}  // namespace

void GotoPlan::Add(const swf::DisplayOp& op, int frame)
{
    auto live = byDepth_.find(op.depth);
    if (op.kind == Kind::Remove) {
        if (live != byDepth_.end()) {
            commands_[live->second].dropped = true;
            byDepth_.erase(live);
        }
        return;
    }
    if (live == byDepth_.end()) {
        GotoCommand command;
        command.depth = op.depth;
        command.frame = frame;
        command.op = op;
        if (rewind_ && op.kind == Kind::Place) {
            // Starting over, the place stands for the whole object.
            if (!command.op.matrix) command.op.matrix = swf::Matrix{};
            if (!command.op.colorTransform) command.op.colorTransform = swf::ColorTransform{};
            if (!command.op.ratio) command.op.ratio = 0;
            if (!command.op.name) command.op.name = std::string();
            if (!command.op.clipDepth) command.op.clipDepth = 0;
        }
        byDepth_.emplace(op.depth, commands_.size());
        commands_.push_back(std::move(command));
        return;
    }
    GotoCommand& command = commands_[live->second];
    if (op.kind != Kind::Modify) {
        // A replace after a place is still the place of a (different) object.
        if (!(command.op.kind == Kind::Place && op.kind == Kind::Replace)) command.op.kind = op.kind;
        command.frame = frame;
    }
    MergeFields(command.op, op);
}

}  // namespace glimmora::player
