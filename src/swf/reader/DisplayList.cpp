#include "swf/reader/DecodedMovie.h"

#include <algorithm>

namespace glimmora::swf {
namespace {

// Copies the fields an operation carries onto an item.
void ApplyFields(DisplayItem& item, const DisplayOp& op) {
    if (op.matrix) item.matrix = *op.matrix;
    if (op.colorTransform) item.colorTransform = *op.colorTransform;
    if (op.ratio) item.ratio = *op.ratio;
    if (op.name) item.name = *op.name;
    if (op.clipDepth) item.clipDepth = *op.clipDepth;
}

}  // namespace

void ApplyDisplayOp(DisplayList& list, const DisplayOp& op, int frame) {
    auto existing = list.find(op.depth);
    switch (op.kind) {
    case DisplayOp::Kind::Place: {
        if (existing != list.end() || !op.characterId) return;  // occupied: players refuse the placement
        DisplayItem item;
        item.characterId = *op.characterId;
        item.placedAtFrame = frame;
        ApplyFields(item, op);
        list.emplace(op.depth, std::move(item));
        return;
    }
    case DisplayOp::Kind::Modify:
        if (existing != list.end()) ApplyFields(existing->second, op);
        return;
    case DisplayOp::Kind::Replace:
        if (existing == list.end()) return;  // nothing to replace
        if (op.characterId) existing->second.characterId = *op.characterId;
        existing->second.placedAtFrame = frame;  // a new placement: a sprite restarts
        ApplyFields(existing->second, op);
        return;
    case DisplayOp::Kind::Remove:
        if (existing != list.end()) list.erase(existing);
        return;
    }
}

DisplayList DecodedMovie::DisplayListAt(int frame) const {
    DisplayList list;
    if (frames.empty()) return list;
    int last = std::clamp(frame, 0, FrameCount() - 1);
    for (int f = 0; f <= last; ++f) {
        for (const DisplayOp& op : frames[size_t(f)].ops) ApplyDisplayOp(list, op, f);
    }
    return list;
}

}  // namespace glimmora::swf
