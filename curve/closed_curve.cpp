#include "curve/closed_curve.h"

#include "curve/curve_generator.h"
#include "curve/pen.h"
#include "graphics/raster_surface.h"
#include "runtime/conversions.h"
#include "runtime/vector_state.h"

#include <algorithm>
#include <cstdint>

namespace vorrelin {

namespace {

// The deepest curve whose number of segments the shortcut below counts in 64 bits.
constexpr int kDeepestShortcut = 30;

// At unit 0 every segment is a dot on the pen's point, in the color of the counter before it,
// and there are 4^(Level+1) of them. On a surface that keeps only the picture, the last dot
// hides all before it, and each refresh, which follows the segment of the ramp's last color,
// shows the dot in that color, white. So two dots at most draw what all of them draw: a white
// one for the refreshes, shown by the last of them, and one in the last segment's color. The
// pen stays where it is and its counter ends where the segments would leave it.
//
// A surface that may refuse a line is given every segment, for what a refusal leaves depends
// on the segment refused; so is an unusual counter, which no drawing starts from.
bool DrawOnThePoint(CurveState& state, DrawingSurface& surface) {
    if (state.Step != 0 || !surface.TakesRuns() || !surface.KeepsOnlyThePicture() ||
        !OnTheRamp(state.SegmentCount) || state.Level > kDeepestShortcut) {
        return false;
    }
    const std::uint64_t segments = std::uint64_t{4} << (2 * std::max<int>(state.Level, 0));
    const auto counted = static_cast<std::uint64_t>(state.SegmentCount) + segments;
    const auto x = static_cast<float>(state.CurX);
    const auto y = static_cast<float>(state.CurY);
    if (counted >= kRampLength) {
        surface.Line(x, y, x, y, kRamp[kLastRampIndex]);
        surface.Refresh();
    }
    const auto count = static_cast<int>(counted % kRampLength);
    if (count != 0) {
        surface.Line(x, y, x, y, kRamp[static_cast<std::size_t>(count - 1)]);
    }
    state.SegmentCount = count;
    return true;
}

} // namespace

void DrawClosedCurve(CurveState& state, DrawingSurface& surface) {
    if (DrawOnThePoint(state, surface)) {
        return;
    }
    ReleaseUpperVectorHalves();
    // The drawing area's own surface is drawn on with direct calls; any other through its
    // interface.
    if (auto* raster = dynamic_cast<RasterSurface*>(&surface)) {
        TraceClosedCurve(state, *raster);
    } else {
        TraceClosedCurve(state, surface);
    }
}

template <typename Surface>
void TraceClosedCurve(CurveState& state, Surface& surface) {
    CurveGenerator<Surface> curve(state, surface);
    const std::int16_t h = state.Step;
    curve.CurveRight();
    curve.LineBy(h, h);
    curve.CurveDown();
    curve.LineBy(Negate16(h), h);
    curve.CurveLeft();
    curve.LineBy(Negate16(h), Negate16(h));
    curve.CurveUp();
    curve.LineBy(h, Negate16(h));
}

template void TraceClosedCurve(CurveState& state, DrawingSurface& surface);
template void TraceClosedCurve(CurveState& state, RasterSurface& surface);

} // namespace vorrelin
