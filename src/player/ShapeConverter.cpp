#include "player/ShapeConverter.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

namespace glimmora::player {
namespace {

using Point = std::pair<swf::Twips, swf::Twips>;

struct Edge {
    bool curve = false;
    Point control, to;
};

// A run of connected edges from `start`.
struct Segment {
    Point start;
    std::vector<Edge> edges;
    Point End() const { return edges.empty() ? start : edges.back().to; }
};

Segment Reversed(const Segment& s)
{
    Segment r;
    r.start = s.End();
    for (size_t i = s.edges.size(); i-- > 0;) {
        const Point from = i == 0 ? s.start : s.edges[i - 1].to;
        r.edges.push_back({s.edges[i].curve, s.edges[i].control, from});
    }
    return r;
}

void AppendEdges(QPainterPath& path, const std::vector<Edge>& edges)
{
    for (const Edge& e : edges) {
        if (e.curve) {
            path.quadTo(e.control.first, e.control.second, e.to.first, e.to.second);
        } else {
            path.lineTo(e.to.first, e.to.second);
        }
    }
}

// Qt's stroker joins a contour whose last point is its first as if it were
// closed. Drawing it with caps there needs the last point a hair (a
// thousandth of a twip) back along its last edge.
void KeepOpen(QPainterPath& path)
{
    const int last = path.elementCount() - 1;
    if (last < 1) {
        return;
    }
    const QPointF end = path.elementAt(last), before = path.elementAt(last - 1);
    const double length = std::hypot(end.x() - before.x(), end.y() - before.y());
    if (length > 0) {
        const QPointF moved = end + (before - end) * (0.001 / length);
        path.setElementPositionAt(last, moved.x(), moved.y());
    }
}

// How the contours of one style are closed: fills always; lines where
// their ends meet, unless the style asks for caps there (NoClose).
enum class Closing { Always, WhereEndsMeet, Never };

// Chains segments into contours, following each end point to a segment that
// starts there, and closes them as `closing` says.
QPainterPath JoinSegments(const std::vector<Segment>& segments, Closing closing)
{
    std::multimap<Point, size_t> byStart;
    for (size_t i = 0; i < segments.size(); ++i) {
        byStart.emplace(segments[i].start, i);
    }
    std::vector<bool> used(segments.size(), false);
    QPainterPath path;
    for (size_t first = 0; first < segments.size(); ++first) {
        if (used[first]) {
            continue;
        }
        used[first] = true;
        const Point origin = segments[first].start;
        path.moveTo(origin.first, origin.second);
        AppendEdges(path, segments[first].edges);
        Point end = segments[first].End();
        while (end != origin) {
            auto [lo, hi] = byStart.equal_range(end);
            auto next = lo;
            while (next != hi && used[next->second]) {
                ++next;
            }
            if (next == hi) {
                break;
            }
            used[next->second] = true;
            AppendEdges(path, segments[next->second].edges);
            end = segments[next->second].End();
        }
        if (closing == Closing::Always || (closing == Closing::WhereEndsMeet && end == origin)) {
            path.closeSubpath();
        } else if (end == origin) {
            KeepOpen(path);
        }
    }
    return path;
}

class Converter {
public:
    Converter(const std::vector<swf::FillStyle>& fills, const std::vector<swf::LineStyle>& lines,
              bool nonZero)
        : nonZero_(nonZero)
    {
        StartLayer(fills, lines);
    }

    void Run(const std::vector<swf::ShapeRecord>& records)
    {
        for (const swf::ShapeRecord& r : records) {
            if (r.kind == swf::ShapeRecord::Kind::StyleChange) {
                StyleChange(r);
            } else {
                const Point to{r.toX, r.toY};
                current_.edges.push_back({r.kind == swf::ShapeRecord::Kind::Curve,
                                          {r.controlX, r.controlY}, to});
                pen_ = to;
            }
        }
        FinishLayer();
    }

    ConvertedShape Result() { return std::move(result_); }

private:
    void StyleChange(const swf::ShapeRecord& r)
    {
        Flush();
        if (r.newStyles) {
            FinishLayer();
            StartLayer(r.newStyles->first, r.newStyles->second);
        }
        if (r.moveTo) {
            pen_ = {r.moveTo->first, r.moveTo->second};
        }
        if (r.fillStyle0) {
            fill0_ = *r.fillStyle0;
        }
        if (r.fillStyle1) {
            fill1_ = *r.fillStyle1;
        }
        if (r.lineStyle) {
            line_ = *r.lineStyle;
        }
        current_.start = pen_;
    }

    // Hands the edges since the last style change or move to their styles.
    void Flush()
    {
        if (!current_.edges.empty()) {
            const ShapeLayer& layer = result_.layers.back();
            if (fill1_ > 0 && fill1_ <= layer.fillStyles.size()) {
                fillSegments_[fill1_ - 1].push_back(current_);
            }
            if (fill0_ > 0 && fill0_ <= layer.fillStyles.size()) {
                fillSegments_[fill0_ - 1].push_back(Reversed(current_));
                // Two fills meet here: the one drawn first also covers the
                // edge, so that no background shows between them.
                if (fill1_ > 0 && fill1_ <= layer.fillStyles.size() && fill1_ != fill0_) {
                    seamSegments_[{std::min(fill0_, fill1_) - 1, std::max(fill0_, fill1_) - 1}].push_back(current_);
                }
            }
            if (line_ > 0 && line_ <= layer.lineStyles.size()) {
                lineSegments_[line_ - 1].push_back(current_);
            }
        }
        current_.edges.clear();
        current_.start = pen_;
    }

    void StartLayer(const std::vector<swf::FillStyle>& fills,
                    const std::vector<swf::LineStyle>& lines)
    {
        ShapeLayer layer;
        layer.fillStyles = fills;
        layer.lineStyles = lines;
        result_.layers.push_back(std::move(layer));
        fillSegments_.assign(fills.size(), {});
        lineSegments_.assign(lines.size(), {});
        fill0_ = fill1_ = line_ = 0;
    }

    void FinishLayer()
    {
        Flush();
        ShapeLayer& layer = result_.layers.back();
        for (size_t i = 0; i < fillSegments_.size(); ++i) {
            if (!fillSegments_[i].empty()) {
                QPainterPath path = JoinSegments(fillSegments_[i], Closing::Always);
                path.setFillRule(nonZero_ ? Qt::WindingFill : Qt::OddEvenFill);
                std::vector<Seam> seams;
                for (auto seam = seamSegments_.lower_bound({i, 0}); seam != seamSegments_.end() && seam->first.first == i;
                     ++seam) {
                    seams.push_back({seam->first.second, JoinSegments(seam->second, Closing::Never)});
                }
                layer.fills.push_back({i, std::move(path), std::move(seams)});
            }
        }
        for (size_t i = 0; i < lineSegments_.size(); ++i) {
            if (!lineSegments_[i].empty()) {
                const Closing closing = layer.lineStyles[i].noClose ? Closing::Never : Closing::WhereEndsMeet;
                layer.strokes.push_back({i, JoinSegments(lineSegments_[i], closing), {}});
            }
        }
        fillSegments_.clear();
        lineSegments_.clear();
        seamSegments_.clear();
    }

    bool nonZero_;
    ConvertedShape result_;
    std::vector<std::vector<Segment>> fillSegments_, lineSegments_;
    std::map<std::pair<size_t, size_t>, std::vector<Segment>> seamSegments_;  // by (earlier, later) fill
    uint32_t fill0_ = 0, fill1_ = 0, line_ = 0;
    Point pen_{0, 0};
    Segment current_;
};

}  // namespace

QPainterPath ConvertedShape::FillGeometry() const
{
    QPainterPath all;
    all.setFillRule(Qt::WindingFill);
    for (const ShapeLayer& layer : layers) {
        for (const StyledPath& fill : layer.fills) {
            // Each style's own fill rule decides its inside; the union keeps it.
            all = all.united(fill.path);
        }
    }
    return all;
}

ConvertedShape ConvertShape(const std::vector<swf::FillStyle>& fillStyles,
                            const std::vector<swf::LineStyle>& lineStyles,
                            const std::vector<swf::ShapeRecord>& records, bool nonZeroWinding)
{
    Converter converter(fillStyles, lineStyles, nonZeroWinding);
    converter.Run(records);
    return converter.Result();
}

QPainterPath ConvertGlyph(const std::vector<swf::ShapeRecord>& records)
{
    // Glyphs name fill style 1; give them one style so that either side counts.
    const std::vector<swf::FillStyle> oneFill(1);
    ConvertedShape shape = ConvertShape(oneFill, {}, records, false);
    QPainterPath glyph;
    glyph.setFillRule(Qt::OddEvenFill);
    for (const ShapeLayer& layer : shape.layers) {
        for (const StyledPath& fill : layer.fills) {
            glyph.addPath(fill.path);
        }
    }
    return glyph;
}

}  // namespace glimmora::player
