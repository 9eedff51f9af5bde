#pragma once

#include "curve/curve_state.h"
#include "graphics/compiler.h"
#include "graphics/drawing_surface.h"
#include "runtime/conversions.h"

#include <array>
#include <concepts>
#include <cstddef>

namespace vorrelin {

// The colour ramp runs through this many colours; the counter wraps after the last.
inline constexpr int kRampLength = 1537;
inline constexpr double kLastRampIndex = kRampLength - 1;

// The colour of the ramp for a segment counter. The count selects the first band whose upper
// bound it is below: cyan to white, red to white, yellow to green, green to cyan, cyan to
// blue, blue to white; anything from 1536 on (NaN too) is white. Each channel is rounded into
// 16 bits, so a count that no drawing produces (below -32768) raises the overflow error.
constexpr Colour PenColor(const double& count) {
    const auto rgb = [](double red, double green, double blue) {
        return static_cast<Colour>(RoundToInt16(red) + 256 * RoundToInt16(green) +
                                   65536 * RoundToInt16(blue));
    };
    const double c = count;
    if (c < 256) {
        return rgb(c, 255, 255);
    }
    if (c < 512) {
        return rgb(255, c - 256, c - 256);
    }
    if (c < 768) {
        return rgb(767 - c, 255, 0);
    }
    if (c < 1024) {
        return rgb(0, 255, c - 768);
    }
    if (c < 1280) {
        return rgb(0, 1279 - c, 255);
    }
    if (c < 1536) {
        return rgb(c - 1280, c - 1280, 255);
    }
    return rgb(255, 255, 255);
}

// Where a pen stands and how far its counter has got.
struct PenState {
    double x = 0;
    double y = 0;
    double count = 0;
    // The counter as an index into the ramp while it is a whole number 0..1536, as it always
    // is from its first wrap on; -1 until then for any other value. While it is an index, it
    // alone is kept up to date.
    int ramp = -1;
};

// Puts a pen's point and counter back into the window's variables.
inline void StorePen(CurveState& state, const PenState& at) {
    state.CurX = at.x;
    state.CurY = at.y;
    state.SegmentCount = at.ramp >= 0 ? at.ramp : at.count;
}

// The pen: draws relative segments on a surface from the window's current point (CurX, CurY),
// each in the ramp colour of the window's segment counter (SegmentCount).
//
// A pen takes up the current point and the counter when it is created and keeps them in
// registers; Store puts them back. The pen itself stores them before anything that can fail
// or show the picture, so the window's variables are right whenever a drawing stops early;
// whoever ends a run calls Store. Keeping them out of memory is what makes a segment cheap:
// with them in the window's variables every segment waits for the last one's stores.
//
// It is a template over the surface so that a drawing into a known surface calls its Line
// directly rather than through the interface. A surface with a QuickLine (one that draws a
// short line without calling anything, or declines) gets the segment loop with no call in it
// at all, which lets the compiler keep the pen in registers throughout: any call in the loop,
// however rare, would make it keep them on the stack instead.
template <typename Surface>
class Pen {
public:
    Pen(CurveState& state, Surface& surface);
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

    void MoveTo(double x, double y);
    void LineBy(double dx, double dy);
    void Store() const { StorePen(state_, at_); }
    const PenState& At() const { return at_; }

private:
    bool QuickLineBy(double dx, double dy);
    VORRELIN_NOINLINE static PenState RareLineBy(CurveState& state, Surface& surface, PenState at,
                                                 double dx, double dy);
    static PenState FullLineBy(CurveState& state, Surface& surface, PenState at, double dx,
                               double dy);

    CurveState& state_;
    Surface& surface_;
    PenState at_;
};

namespace detail {

// PenColor of every whole count 0..1536, worked out by the compiler: a drawing's counter is
// always one of those, and the lookup saves six band tests per segment.
inline constexpr std::array<Colour, kRampLength> kRamp = [] {
    std::array<Colour, kRampLength> ramp{};
    for (std::size_t count = 0; count < ramp.size(); ++count) {
        ramp[count] = PenColor(static_cast<double>(count));
    }
    return ramp;
}();

inline int RampIndex(double count) {
    if (count >= 0 && count <= kLastRampIndex) {
        const auto index = static_cast<int>(count);
        if (index == count) {
            return index;
        }
    }
    return -1;
}

template <typename Surface>
concept HasQuickLine = requires(Surface& surface) {
    { surface.QuickLine(0.0f, 0.0f, 0.0f, 0.0f, Colour{}) } -> std::same_as<bool>;
};

} // namespace detail

template <typename Surface>
Pen<Surface>::Pen(CurveState& state, Surface& surface)
    : state_(state), surface_(surface), at_{state.CurX, state.CurY, state.SegmentCount,
                                            detail::RampIndex(state.SegmentCount)} {}

template <typename Surface>
void Pen<Surface>::MoveTo(double x, double y) {
    at_.x = x;
    at_.y = y;
    Store();
}

// Draws one segment from the current point by (dx, dy) in the colour of the count before it,
// then advances the counter; each time it wraps to 0 the picture so far goes on screen. If the
// surface refuses the line, the pen has not moved and the counter has not advanced.
template <typename Surface>
VORRELIN_ALWAYS_INLINE void Pen<Surface>::LineBy(double dx, double dy) {
    if constexpr (detail::HasQuickLine<Surface>) {
        if (!QuickLineBy(dx, dy)) {
            at_ = RareLineBy(state_, surface_, at_, dx, dy);
        }
    } else {
        at_ = FullLineBy(state_, surface_, at_, dx, dy);
    }
}

// The common segment: a ramp colour, no wrap, and a line the surface draws without help.
template <typename Surface>
VORRELIN_ALWAYS_INLINE bool Pen<Surface>::QuickLineBy(double dx, double dy) {
    // A ramp index of -1 (an unusual counter) or 1536 (a wrap and a refresh) is not common.
    if (static_cast<unsigned>(at_.ramp) >= kRampLength - 1) {
        return false;
    }
    const double nx = at_.x + dx;
    const double ny = at_.y + dy;
    if (!surface_.QuickLine(static_cast<float>(at_.x), static_cast<float>(at_.y),
                            static_cast<float>(nx), static_cast<float>(ny),
                            detail::kRamp[static_cast<std::size_t>(at_.ramp)])) {
        return false;
    }
    at_.x = nx;
    at_.y = ny;
    ++at_.ramp; // the count follows from it, when it is stored

    return true;
}

// Every other segment past a QuickLine, the one before each refresh among them: out of line,
// and taking the pen by value and handing it back, so that the caller's copy need not survive
// the calls in here.
template <typename Surface>
PenState Pen<Surface>::RareLineBy(CurveState& state, Surface& surface, PenState at, double dx,
                                  double dy) {
    return FullLineBy(state, surface, at, dx, dy);
}

// The whole segment, with every call it may need.
template <typename Surface>
VORRELIN_ALWAYS_INLINE PenState Pen<Surface>::FullLineBy(CurveState& state, Surface& surface,
                                                         PenState at, double dx, double dy) {
    StorePen(state, at);
    const double nx = at.x + dx;
    const double ny = at.y + dy;
    const double count = at.ramp >= 0 ? at.ramp : at.count;
    const Colour colour =
        at.ramp >= 0 ? detail::kRamp[static_cast<std::size_t>(at.ramp)] : PenColor(count);
    surface.Line(static_cast<float>(at.x), static_cast<float>(at.y), static_cast<float>(nx),
                 static_cast<float>(ny), colour);
    at.x = nx;
    at.y = ny;
    at.count = count + 1 > kLastRampIndex ? 0 : count + 1;
    // An unusual counter becomes an index when it reaches 0, the only whole number it can
    // reach in the ramp's range.
    at.ramp = at.count == 0 ? 0 : at.ramp >= 0 ? at.ramp + 1 : -1;
    StorePen(state, at);
    if (at.count == 0) {
        surface.Refresh();
    }
    return at;
}

} // namespace vorrelin
