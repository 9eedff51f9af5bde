#pragma once

#include "curve/curve_state.h"
#include "graphics/drawing_surface.h"

namespace vorrelin {

// The closed curve of depth Level and unit Step from the pen's point: the four pieces
// clockwise, right, down, left and up, each followed by a diagonal to the next; the last
// diagonal closes the curve. 4^(Level+1) segments for a Level of 0 or more, 4 below that.
void DrawClosedCurve(CurveState& state, DrawingSurface& surface);

// The same, segment by segment, whatever the unit: what DrawClosedCurve leaves, always. Made for
// DrawingSurface and RasterSurface.
template <typename Surface>
void TraceClosedCurve(CurveState& state, Surface& surface);

} // namespace vorrelin
