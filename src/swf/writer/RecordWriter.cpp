#include "swf/writer/RecordWriter.h"

#include "swf/writer/BitWidths.h"

#include <algorithm>
#include <initializer_list>

namespace glimmora::swf {
namespace {

int32_t Fit31(int32_t v) { return std::clamp(v, kMinField31, kMaxField31); }
int32_t Fit15(int32_t v) { return std::clamp(v, -16384, 16383); }

int WidestSigned(std::initializer_list<int32_t> values)
{
    int bits = 0;
    for (int32_t v : values) {
        bits = std::max(bits, SignedBits(v));
    }
    return bits;
}

}  // namespace

void WriteRgb(BitWriter& out, const Rgba& color)
{
    out.UI8(color.r);
    out.UI8(color.g);
    out.UI8(color.b);
}

void WriteRgba(BitWriter& out, const Rgba& color)
{
    WriteRgb(out, color);
    out.UI8(color.a);
}

void WriteRect(BitWriter& out, const Rect& rect)
{
    const int32_t x0 = Fit31(rect.xMin), x1 = Fit31(rect.xMax);
    const int32_t y0 = Fit31(rect.yMin), y1 = Fit31(rect.yMax);
    const int bits = WidestSigned({x0, x1, y0, y1});
    out.Align();
    out.UB(uint32_t(bits), 5);
    out.SB(x0, bits);
    out.SB(x1, bits);
    out.SB(y0, bits);
    out.SB(y1, bits);
    out.Align();
}

void WriteMatrix(BitWriter& out, const Matrix& matrix)
{
    out.Align();
    const bool hasScale = matrix.hasScale();
    out.UB(hasScale ? 1 : 0, 1);
    if (hasScale) {
        const int32_t sx = Fit31(matrix.scaleX), sy = Fit31(matrix.scaleY);
        const int bits = WidestSigned({sx, sy});
        out.UB(uint32_t(bits), 5);
        out.FB(sx, bits);
        out.FB(sy, bits);
    }
    const bool hasRotate = matrix.hasRotate();
    out.UB(hasRotate ? 1 : 0, 1);
    if (hasRotate) {
        const int32_t r0 = Fit31(matrix.rotateSkew0), r1 = Fit31(matrix.rotateSkew1);
        const int bits = WidestSigned({r0, r1});
        out.UB(uint32_t(bits), 5);
        out.FB(r0, bits);
        out.FB(r1, bits);
    }
    const int32_t tx = Fit31(matrix.translateX), ty = Fit31(matrix.translateY);
    const int bits = WidestSigned({tx, ty});
    out.UB(uint32_t(bits), 5);
    out.SB(tx, bits);
    out.SB(ty, bits);
    out.Align();
}

void WriteColorTransformWithAlpha(BitWriter& out, const ColorTransform& cx)
{
    const bool hasMult = cx.hasMult();
    const bool hasAdd = cx.hasAdd();
    const int32_t mult[4] = {Fit15(cx.multR), Fit15(cx.multG), Fit15(cx.multB), Fit15(cx.multA)};
    const int32_t add[4] = {Fit15(cx.addR), Fit15(cx.addG), Fit15(cx.addB), Fit15(cx.addA)};
    int bits = 0;
    for (int i = 0; i < 4; ++i) {
        if (hasMult) {
            bits = std::max(bits, SignedBits(mult[i]));
        }
        if (hasAdd) {
            bits = std::max(bits, SignedBits(add[i]));
        }
    }
    out.Align();
    out.UB(hasAdd ? 1 : 0, 1);
    out.UB(hasMult ? 1 : 0, 1);
    out.UB(uint32_t(bits), 4);
    if (hasMult) {
        for (int32_t v : mult) {
            out.SB(v, bits);
        }
    }
    if (hasAdd) {
        for (int32_t v : add) {
            out.SB(v, bits);
        }
    }
    out.Align();
}

}  // namespace glimmora::swf
