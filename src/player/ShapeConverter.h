#pragma once
// Turns shape records into painter paths: one path per fill style and one per
// line style, by the fill-side rule (FillStyle1 lies right of an edge as
// recorded, FillStyle0 left of it, so its edges are reversed). Edges of one
// style are joined into contours wherever their ends meet, and each NewStyles
// record starts a layer drawn above the previous one.

#include "swf/reader/DecodedMovie.h"

#include <QPainterPath>

#include <vector>

namespace glimmora::player {

// Edges a fill shares with a fill of the same layer drawn after it.
struct Seam {
    size_t laterStyle = 0;  // 0-based into the layer's fill styles
    QPainterPath edges;     // open, shape space
};

struct StyledPath {
    size_t styleIndex = 0;  // 0-based into the layer's style array
    QPainterPath path;      // shape space, twips
    std::vector<Seam> seams;  // fills only
};

struct ShapeLayer {
    std::vector<swf::FillStyle> fillStyles;
    std::vector<swf::LineStyle> lineStyles;
    std::vector<StyledPath> fills;    // in style order
    std::vector<StyledPath> strokes;  // in style order, drawn after the fills
};

struct ConvertedShape {
    std::vector<ShapeLayer> layers;
    // Everything the fills cover: the geometry of a clip layer.
    QPainterPath FillGeometry() const;
};

// Fills use the even-odd rule unless `nonZeroWinding` (the DefineShape4 flag).
ConvertedShape ConvertShape(const std::vector<swf::FillStyle>& fillStyles,
                            const std::vector<swf::LineStyle>& lineStyles,
                            const std::vector<swf::ShapeRecord>& records,
                            bool nonZeroWinding);

inline ConvertedShape ConvertShape(const swf::Shape& shape)
{
    return ConvertShape(shape.fillStyles, shape.lineStyles, shape.records, shape.nonZeroWinding);
}

// A glyph's outline: all fill-side contours of its records, whatever style they name.
QPainterPath ConvertGlyph(const std::vector<swf::ShapeRecord>& records);

}  // namespace glimmora::player
