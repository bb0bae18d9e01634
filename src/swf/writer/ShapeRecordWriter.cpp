#include "swf/writer/ShapeRecordWriter.h"

#include "swf/writer/BitWidths.h"

#include <algorithm>
#include <cstdlib>

namespace glimmora::swf {
namespace {

int64_t Magnitude(int64_t v) { return v < 0 ? -v : v; }

int64_t Midpoint(int64_t a, int64_t b)
{
    const int64_t sum = a + b;
    return sum >= 0 ? sum / 2 : -((-sum) / 2);
}

}  // namespace

ShapeRecordWriter::ShapeRecordWriter(BitWriter& out, int numFillBits, int numLineBits)
    : out_(out), numFillBits_(numFillBits), numLineBits_(numLineBits)
{
    out_.UB(uint32_t(numFillBits), 4);
    out_.UB(uint32_t(numLineBits), 4);
}

void ShapeRecordWriter::StyleChange(std::optional<std::pair<int32_t, int32_t>> moveTo,
                                    std::optional<uint32_t> fillStyle0,
                                    std::optional<uint32_t> fillStyle1)
{
    out_.UB(0, 1);  // not an edge
    out_.UB(0, 1);  // NewStyles
    out_.UB(0, 1);  // LineStyle
    out_.UB(fillStyle1 ? 1 : 0, 1);
    out_.UB(fillStyle0 ? 1 : 0, 1);
    out_.UB(moveTo ? 1 : 0, 1);
    if (moveTo) {
        const int bits = std::max(SignedBits(moveTo->first), SignedBits(moveTo->second));
        out_.UB(uint32_t(bits), 5);
        out_.SB(moveTo->first, bits);
        out_.SB(moveTo->second, bits);
        penX_ = moveTo->first;
        penY_ = moveTo->second;
    }
    if (fillStyle0) {
        out_.UB(*fillStyle0, numFillBits_);
    }
    if (fillStyle1) {
        out_.UB(*fillStyle1, numFillBits_);
    }
}

void ShapeRecordWriter::LineTo(int32_t x, int32_t y)
{
    const int64_t dx = int64_t(x) - penX_;
    const int64_t dy = int64_t(y) - penY_;
    const int64_t longest = std::max(Magnitude(dx), Magnitude(dy));
    if (longest == 0) {
        return;
    }
    const int64_t pieces = (longest + kMaxEdgeDelta - 1) / kMaxEdgeDelta;
    int64_t doneX = 0, doneY = 0;
    for (int64_t i = 1; i <= pieces; ++i) {
        // Rounded partial sums keep every piece within the limit and end exactly.
        const int64_t toX = (dx * i * 2 + (dx >= 0 ? pieces : -pieces)) / (2 * pieces);
        const int64_t toY = (dy * i * 2 + (dy >= 0 ? pieces : -pieces)) / (2 * pieces);
        Edge(toX - doneX, toY - doneY);
        doneX = toX;
        doneY = toY;
    }
    penX_ = x;
    penY_ = y;
}

void ShapeRecordWriter::Edge(int64_t dx, int64_t dy)
{
    if (dx == 0 && dy == 0) {
        return;
    }
    const int bits = std::max({2, SignedBits(dx), SignedBits(dy)});
    out_.UB(1, 1);  // edge
    out_.UB(1, 1);  // straight
    out_.UB(uint32_t(bits - 2), 4);
    if (dx != 0 && dy != 0) {
        out_.UB(1, 1);  // general line
        out_.SB(int32_t(dx), bits);
        out_.SB(int32_t(dy), bits);
    } else if (dx == 0) {
        out_.UB(0, 1);
        out_.UB(1, 1);  // vertical
        out_.SB(int32_t(dy), bits);
    } else {
        out_.UB(0, 1);
        out_.UB(0, 1);  // horizontal
        out_.SB(int32_t(dx), bits);
    }
}

void ShapeRecordWriter::CurveTo(int32_t controlX, int32_t controlY, int32_t x, int32_t y)
{
    Curve(penX_, penY_, controlX, controlY, x, y, 0);
    penX_ = x;
    penY_ = y;
}

void ShapeRecordWriter::Curve(int64_t x0, int64_t y0, int64_t cx, int64_t cy, int64_t x1,
                              int64_t y1, int depth)
{
    const int64_t deltas[4] = {cx - x0, cy - y0, x1 - cx, y1 - cy};
    int64_t longest = 0;
    for (int64_t d : deltas) {
        longest = std::max(longest, Magnitude(d));
    }
    if (longest > kMaxEdgeDelta && depth < 40) {
        // De Casteljau at t = 1/2 on whole twips; each half has about half the deltas.
        const int64_t ax = Midpoint(x0, cx), ay = Midpoint(y0, cy);
        const int64_t bx = Midpoint(cx, x1), by = Midpoint(cy, y1);
        const int64_t mx = Midpoint(ax, bx), my = Midpoint(ay, by);
        Curve(x0, y0, ax, ay, mx, my, depth + 1);
        Curve(mx, my, bx, by, x1, y1, depth + 1);
        return;
    }
    if (longest == 0) {
        return;
    }
    int bits = 2;
    for (int64_t d : deltas) {
        bits = std::max(bits, SignedBits(d));
    }
    out_.UB(1, 1);  // edge
    out_.UB(0, 1);  // curved
    out_.UB(uint32_t(bits - 2), 4);
    for (int64_t d : deltas) {
        out_.SB(int32_t(d), bits);
    }
}

void ShapeRecordWriter::End()
{
    out_.UB(0, 6);
    out_.Align();
}

}  // namespace glimmora::swf
