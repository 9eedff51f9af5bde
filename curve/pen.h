#pragma once

#include "curve/form_state.h"
#include "platform/conversions.h"
#include "platform/drawing_surface.h"

#include <array>
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

// The pen: draws relative segments on a surface from the window's current point, each in the
// ramp colour of the window's segment counter.
class Pen {
public:
    Pen(FormState& state, DrawingSurface& surface) : state_(state), surface_(surface) {}

    void MoveTo(double x, double y);
    void LineBy(double dx, double dy);

private:
    Colour ColourOf(double count) const;

    FormState& state_;
    DrawingSurface& surface_;
};

namespace detail {

// PenColor of every whole count 0..1536, worked out by the compiler: the counter holds one of
// those whenever a segment is drawn, and the lookup saves six band tests per segment.
inline constexpr std::array<Colour, kRampLength> kRamp = [] {
    std::array<Colour, kRampLength> ramp{};
    for (std::size_t count = 0; count < ramp.size(); ++count) {
        ramp[count] = PenColor(static_cast<double>(count));
    }
    return ramp;
}();

} // namespace detail

inline Colour Pen::ColourOf(double count) const {
    if (count >= 0 && count <= kLastRampIndex) {
        const auto index = static_cast<std::size_t>(count);
        if (static_cast<double>(index) == count) {
            return detail::kRamp[index];
        }
    }
    return PenColor(count);
}

inline void Pen::MoveTo(double x, double y) {
    state_.CurX = x;
    state_.CurY = y;
}

// Draws one segment from the current point by (dx, dy) in the colour of the count before it,
// then advances the counter; each time it wraps to 0 the picture so far goes on screen. This
// is the per-segment path: no allocation, one call to the surface, and a refresh only once in
// 1537 segments. The surface takes single-precision coordinates. If it refuses the line, the
// pen has not moved and the counter has not advanced.
inline void Pen::LineBy(double dx, double dy) {
    const double nx = state_.CurX + dx;
    const double ny = state_.CurY + dy;
    const Colour colour = ColourOf(state_.SegmentCount);
    surface_.Line(static_cast<float>(state_.CurX), static_cast<float>(state_.CurY),
                  static_cast<float>(nx), static_cast<float>(ny), colour);
    state_.CurX = nx;
    state_.CurY = ny;
    state_.SegmentCount += 1;
    if (state_.SegmentCount > kLastRampIndex) {
        state_.SegmentCount = 0;
    }
    if (state_.SegmentCount == 0) {
        surface_.Refresh();
    }
}

} // namespace vorrelin
