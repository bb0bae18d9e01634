#include "player/MorphShapes.h"

#include <cmath>
#include <utility>

namespace glimmora::player {
namespace {

using Point = std::pair<swf::Twips, swf::Twips>;

class Mix {
public:
    explicit Mix(uint16_t ratio) : t_(ratio / 65535.0) {}

    double operator()(double from, double to) const { return from + (to - from) * t_; }
    int32_t Int(int32_t from, int32_t to) const { return int32_t(std::lround((*this)(from, to))); }
    uint8_t Byte(uint8_t from, uint8_t to) const { return uint8_t(std::lround((*this)(from, to))); }
    uint16_t Word(uint16_t from, uint16_t to) const { return uint16_t(std::lround((*this)(from, to))); }
    Point At(Point from, Point to) const { return {Int(from.first, to.first), Int(from.second, to.second)}; }

    swf::Rgba Color(const swf::Rgba& from, const swf::Rgba& to) const
    {
        return {Byte(from.r, to.r), Byte(from.g, to.g), Byte(from.b, to.b), Byte(from.a, to.a)};
    }

    swf::Matrix Matrix(const swf::Matrix& from, const swf::Matrix& to) const
    {
        swf::Matrix m;
        m.scaleX = Int(from.scaleX, to.scaleX);
        m.scaleY = Int(from.scaleY, to.scaleY);
        m.rotateSkew0 = Int(from.rotateSkew0, to.rotateSkew0);
        m.rotateSkew1 = Int(from.rotateSkew1, to.rotateSkew1);
        m.translateX = Int(from.translateX, to.translateX);
        m.translateY = Int(from.translateY, to.translateY);
        return m;
    }

    swf::Rect Bounds(const swf::Rect& from, const swf::Rect& to) const
    {
        return {Int(from.xMin, to.xMin), Int(from.xMax, to.xMax), Int(from.yMin, to.yMin), Int(from.yMax, to.yMax)};
    }

    swf::FillStyle Fill(const swf::FillStyle& from, const swf::FillStyle& to) const
    {
        swf::FillStyle fill = from;
        fill.color = Color(from.color, to.color);
        fill.matrix = Matrix(from.matrix, to.matrix);
        fill.focalPoint = (*this)(from.focalPoint, to.focalPoint);
        for (size_t i = 0; i < fill.stops.size() && i < to.stops.size(); ++i) {
            fill.stops[i].ratio = Byte(from.stops[i].ratio, to.stops[i].ratio);
            fill.stops[i].color = Color(from.stops[i].color, to.stops[i].color);
        }
        return fill;
    }

    swf::LineStyle Line(const swf::LineStyle& from, const swf::LineStyle& to) const
    {
        swf::LineStyle line = from;
        line.width = Word(from.width, to.width);
        line.color = Color(from.color, to.color);
        if (from.fill && to.fill) {
            line.fill = Fill(*from.fill, *to.fill);
        }
        return line;
    }

private:
    double t_;
};

// Where an edge leaves from and goes to, and its control point: a straight
// edge paired with a curve bends through its middle.
struct Edge {
    Point from, control, to;
};

Edge EdgeOf(const swf::ShapeRecord& record, Point from)
{
    const Point to{record.toX, record.toY};
    if (record.kind == swf::ShapeRecord::Kind::Curve) {
        return {from, {record.controlX, record.controlY}, to};
    }
    return {from, {swf::Twips((int64_t(from.first) + to.first) / 2), swf::Twips((int64_t(from.second) + to.second) / 2)},
            to};
}

}  // namespace

swf::Shape MorphShapeAt(const swf::MorphShape& morph, uint16_t ratio)
{
    const Mix mix(ratio);
    swf::Shape shape;
    shape.version = morph.version == 2 ? 4 : 3;
    shape.bounds = mix.Bounds(morph.startBounds, morph.endBounds);
    for (const swf::MorphFillStyle& fill : morph.fillStyles) {
        shape.fillStyles.push_back(mix.Fill(fill.start, fill.end));
    }
    for (const swf::MorphLineStyle& line : morph.lineStyles) {
        shape.lineStyles.push_back(mix.Line(line.start, line.end));
    }

    // The start's records in order, each edge paired with the end's next
    // edge; the end's own moves (its only style changes) move its pen. An
    // end that runs out of edges keeps the start's remaining edges as they
    // are, from where the end's pen stands.
    const std::vector<swf::ShapeRecord>& end = morph.endRecords;
    size_t next = 0;
    Point startPen{0, 0}, endPen{0, 0};
    auto takeEndMoves = [&] {
        bool moved = false;
        while (next < end.size() && end[next].kind == swf::ShapeRecord::Kind::StyleChange) {
            if (end[next].moveTo) {
                endPen = *end[next].moveTo;
                moved = true;
            }
            ++next;
        }
        return moved;
    };
    shape.records.reserve(morph.startRecords.size());
    for (const swf::ShapeRecord& record : morph.startRecords) {
        if (record.kind == swf::ShapeRecord::Kind::StyleChange) {
            swf::ShapeRecord change = record;
            change.newStyles.reset();  // a morph shape has one set of styles
            const bool endMoved = takeEndMoves();
            if (record.moveTo) {
                startPen = *record.moveTo;  // an end without a move goes on from where its pen is
            }
            if (record.moveTo || endMoved) {
                change.moveTo = mix.At(startPen, endPen);
            }
            shape.records.push_back(std::move(change));
            continue;
        }
        takeEndMoves();
        const Edge from = EdgeOf(record, startPen);
        Edge to;
        bool endCurved = false;
        if (next < end.size()) {
            endCurved = end[next].kind == swf::ShapeRecord::Kind::Curve;
            to = EdgeOf(end[next++], endPen);
        } else {
            auto shifted = [&](Point p) {
                return Point{swf::Twips(int64_t(p.first) - startPen.first + endPen.first),
                             swf::Twips(int64_t(p.second) - startPen.second + endPen.second)};
            };
            to = {endPen, shifted(from.control), shifted(from.to)};
        }
        swf::ShapeRecord edge;
        const bool curved = record.kind == swf::ShapeRecord::Kind::Curve || endCurved;
        edge.kind = curved ? swf::ShapeRecord::Kind::Curve : swf::ShapeRecord::Kind::Line;
        std::tie(edge.controlX, edge.controlY) = mix.At(from.control, to.control);
        std::tie(edge.toX, edge.toY) = mix.At(from.to, to.to);
        shape.records.push_back(std::move(edge));
        startPen = from.to;
        endPen = to.to;
    }
    return shape;
}

}  // namespace glimmora::player
