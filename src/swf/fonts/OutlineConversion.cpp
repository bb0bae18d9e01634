#include "swf/fonts/OutlineConversion.h"

#include "swf/fonts/QuadraticApproximation.h"

#include <cmath>
#include <optional>

namespace glimmora::swf {
namespace {

// Below one unit in total: this plus the rounding of the end points.
constexpr double kCubicTolerance = 0.3;

class OutlineSink {
public:
    explicit OutlineSink(double scale) : scale_(scale) {}

    static int MoveTo(const FT_Vector* to, void* user) {
        auto* self = static_cast<OutlineSink*>(user);
        self->CloseContour();
        PointF p = self->Map(to);
        self->current_.emplace();
        self->current_->start = Round(p);
        self->pen_ = p;
        return 0;
    }
    static int LineTo(const FT_Vector* to, void* user) {
        auto* self = static_cast<OutlineSink*>(user);
        PointF p = self->Map(to);
        self->AddSegment(false, {}, Round(p));
        self->pen_ = p;
        return 0;
    }
    static int ConicTo(const FT_Vector* control, const FT_Vector* to, void* user) {
        auto* self = static_cast<OutlineSink*>(user);
        PointF p = self->Map(to);
        self->AddSegment(true, Round(self->Map(control)), Round(p));
        self->pen_ = p;
        return 0;
    }
    static int CubicTo(const FT_Vector* c1, const FT_Vector* c2, const FT_Vector* to, void* user) {
        auto* self = static_cast<OutlineSink*>(user);
        PointF p = self->Map(to);
        for (const QuadraticPiece& piece :
             CubicToQuadratics(self->pen_, self->Map(c1), self->Map(c2), p, kCubicTolerance)) {
            self->AddSegment(true, Round(piece.control), Round(piece.to));
        }
        self->pen_ = p;
        return 0;
    }

    GlyphOutline Finish() {
        CloseContour();
        return std::move(result_);
    }

private:
    PointF Map(const FT_Vector* v) const { return {double(v->x) * scale_, -double(v->y) * scale_}; }
    static OutlinePoint Round(PointF p) {
        return {int32_t(std::lround(p.x)), int32_t(std::lround(p.y))};
    }

    OutlinePoint PenPoint() const {
        const Contour& c = *current_;
        return c.segments.empty() ? c.start : c.segments.back().to;
    }

    void AddSegment(bool curved, OutlinePoint control, OutlinePoint to) {
        if (!current_) return;  // FreeType always starts with a move; be safe anyway
        OutlinePoint from = PenPoint();
        if (to == from && (!curved || control == from)) return;  // vanished after rounding
        if (curved && (control == from || control == to)) curved = false;  // a straight curve
        if (to == from) return;  // a zero-area loop
        current_->segments.push_back({curved, curved ? control : OutlinePoint{}, to});
    }

    void CloseContour() {
        if (!current_) return;
        Contour& c = *current_;
        if (!c.segments.empty() && !(c.segments.back().to == c.start)) {
            c.segments.push_back({false, {}, c.start});
        }
        // Fewer than two segments enclose nothing.
        if (c.segments.size() >= 2) result_.contours.push_back(std::move(c));
        current_.reset();
    }

    double scale_;
    PointF pen_;
    std::optional<Contour> current_;
    GlyphOutline result_;
};

}  // namespace

GlyphOutline ConvertOutline(const FT_Outline& outline, double scale) {
    FT_Outline_Funcs funcs{};
    funcs.move_to = &OutlineSink::MoveTo;
    funcs.line_to = &OutlineSink::LineTo;
    funcs.conic_to = &OutlineSink::ConicTo;
    funcs.cubic_to = &OutlineSink::CubicTo;
    OutlineSink sink(scale);
    FT_Outline copy = outline;  // Decompose takes a non-const pointer but does not modify
    if (FT_Outline_Decompose(&copy, &funcs, &sink) != 0) return {};
    return sink.Finish();
}

}  // namespace glimmora::swf
