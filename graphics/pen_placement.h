#pragma once

#include "graphics/drawing_surface.h"

#include <optional>

namespace vorrelin {

// Where user coordinates put a square pen on a raster: a point (x, y) puts the pen's top-left
// pixel at floor(x·xScale + xOffset), floor(y·yScale + yOffset), worked out in single precision
// as the coordinates come, and the pen is `side` pixels wide, centred on the point.
struct PenPlacement {
    int side = 1;
    float xScale = 1;
    float yScale = 1;
    float xOffset = 0;
    float yOffset = 0;
};

// A place in pixels: where the pen's top-left corner goes, before it is floored to a pixel.
struct PixelPlace {
    float x;
    float y;
};

// The one placement of a user point in pixels, on every path that draws: the same for the
// same point, bit for bit.
inline PixelPlace Place(const PenPlacement& pen, const Vertex& vertex) {
    return {vertex.x * pen.xScale + pen.xOffset, vertex.y * pen.yScale + pen.yOffset};
}

// A line in the pen's squares: the top-left pixels of its first and last squares.
struct SquareLine {
    int column;
    int row;
    int endColumn;
    int endRow;
};

// The squares of the line from one vertex to the next on a raster of `width` × `height` pixels:
// cut to the band of squares that can leave a mark, from a whole pen before the image to its
// far edge, which also keeps the integer conversions exact: a line cut short ends on the band's
// edge, where the pen's square is not wholly on the image. Nothing if no part of it is left, or
// if it is not a line (an end not finite).
std::optional<SquareLine> PlaceLine(const PenPlacement& pen, int width, int height,
                                    const Vertex& from, const Vertex& to);

} // namespace vorrelin
