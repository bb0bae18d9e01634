#pragma once
// The shape-record bit stream of SHAPE and SHAPEWITHSTYLE: style changes with
// absolute moves, straight and curved edges with relative deltas, and the end
// record. Edges longer than an edge record can hold (17-bit deltas) are split.

#include "swf/writer/BitWriter.h"

#include <cstdint>
#include <optional>

namespace glimmora::swf {

class ShapeRecordWriter {
public:
    // Writes NumFillBits and NumLineBits; the records follow without padding.
    ShapeRecordWriter(BitWriter& out, int numFillBits, int numLineBits);

    // A style change; only the given fields are written. MoveTo is absolute.
    void StyleChange(std::optional<std::pair<int32_t, int32_t>> moveTo,
                     std::optional<uint32_t> fillStyle0, std::optional<uint32_t> fillStyle1);
    // Straight edge from the pen to (x, y), absolute; a zero edge is skipped.
    void LineTo(int32_t x, int32_t y);
    // Quadratic curve through the control point to the anchor, both absolute.
    void CurveTo(int32_t controlX, int32_t controlY, int32_t x, int32_t y);
    // The end record and the padding to a byte.
    void End();

    int32_t PenX() const { return penX_; }
    int32_t PenY() const { return penY_; }

    // The largest edge delta one record holds.
    static constexpr int64_t kMaxEdgeDelta = 65535;

private:
    void Edge(int64_t dx, int64_t dy);
    void Curve(int64_t x0, int64_t y0, int64_t cx, int64_t cy, int64_t x1, int64_t y1, int depth);

    BitWriter& out_;
    int numFillBits_;
    int numLineBits_;
    int32_t penX_ = 0, penY_ = 0;
};

}  // namespace glimmora::swf
