#pragma once

#include "graphics/drawing_surface.h"
#include "graphics/pen_placement.h"
#include "graphics/raster.h"

#include <span>

namespace vorrelin {

// Strokes the lines from each vertex to the next, each in the color of the vertex it ends at,
// with a square pen: the pen moves along each line from pixel to pixel (Bresenham), both ends
// included, so that consecutive lines join without a gap. Each square the pen stands on is
// painted only where the next one does not cover it, which paints the rest itself; the square
// where the last line ends is held back in the raster, painted whole before anything reads the
// image. So a line that stays on one square, as most of a dense curve's do, leaves nothing to
// paint, and a wide pen paints one strip per step. A line that is not a line (an end not
// finite) leaves no mark; what falls outside the image is cut off. It leaves what
// StrokeByStamping leaves.
void Stroke(Raster& raster, const PenPlacement& pen, std::span<const Vertex> vertices);

} // namespace vorrelin
