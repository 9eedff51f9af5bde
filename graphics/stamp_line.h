#pragma once

#include "graphics/pen_placement.h"
#include "graphics/raster.h"

#include <span>

namespace vorrelin {

// The rule by which a square pen draws a line: its square, `side` pixels wide, is stamped whole
// at every Bresenham step from the square at (column, row) to the one at (endColumn, endRow), both
// included. What falls outside the image is cut off.
void StampLine(Raster& raster, int side, const SquareLine& line, Pixel pixel);

// Strokes the lines from each vertex to the next by that rule and nothing else, each in the
// color of the vertex it ends at: what Stroke leaves, at the cost of every square whole.
void StrokeByStamping(Raster& raster, const PenPlacement& pen, std::span<const Vertex> vertices);

} // namespace vorrelin
