#include "curve/pen.h"

#include <span>

namespace vorrelin {

namespace {

// Puts a pen's point and counter back into the window's variables.
void Write(CurveState& state, double x, double y, double count, int ramp) {
    state.CurX = x;
    state.CurY = y;
    state.SegmentCount = ramp >= 0 ? ramp : count;
}

// Starts a new run at a point.
void StartRun(PenRun& run, double x, double y) {
    run[0] = {static_cast<float>(x), static_cast<float>(y), 0};
}

} // namespace

// Hands the collected segments to the surface and writes the pen back.
void Pen::HandOver(CurveState& state, DrawingSurface& surface, PenRun& run, At at) {
    if (at.collected > 0) {
        surface.Polyline(std::span(run).first(static_cast<std::size_t>(at.collected) + 1));
    }
    StartRun(run, at.x, at.y);
    Write(state, at.x, at.y, at.count, at.ramp);
}

// A segment on its own: it ends a run, or the surface may refuse it, or the counter is not on
// a ramp colour. The colour is the counter's before the segment; the counter then advances, and
// wraps to 0 after 1536 (or after any count past it), which refreshes the picture.
Pen::Counter Pen::DrawAlone(CurveState& state, DrawingSurface& surface, PenRun& run, At at,
                            double dx, double dy) {
    HandOver(state, surface, run, at);
    const double nx = at.x + dx;
    const double ny = at.y + dy;
    const Colour colour =
        at.ramp >= 0 ? kRamp[static_cast<std::size_t>(at.ramp)] : PenColor(at.count);
    surface.Line(static_cast<float>(at.x), static_cast<float>(at.y), static_cast<float>(nx),
                 static_cast<float>(ny), colour);
    const double count = (at.ramp >= 0 ? at.ramp : at.count) + 1;
    Counter next{count > kLastRampIndex ? 0 : count, 0};
    // An unusual counter becomes an index when it reaches 0, the only whole number it can
    // reach in the ramp's range.
    next.ramp = next.count == 0 ? 0 : at.ramp >= 0 ? at.ramp + 1 : -1;
    StartRun(run, nx, ny);
    Write(state, nx, ny, next.count, next.ramp);
    if (next.count == 0) {
        surface.Refresh();
    }
    return next;
}

} // namespace vorrelin
