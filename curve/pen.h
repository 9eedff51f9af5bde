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

// The pen: draws relative segments on a surface from the window's current point (CurX, CurY),
// each in the ramp colour of the window's segment counter (SegmentCount).
//
// A pen takes up the current point and the counter when it is created and puts them back when
// it is destroyed, also when an error leaves the run early: in between they stay in
// registers, which makes a run of segments several times faster than going through the
// window's variables for each. So a pen lives for one run of segments, and nothing else
// touches those three variables while it does. It is a template over the surface so that a
// drawing into a known surface calls its Line directly rather than through the interface.
template <typename Surface>
class Pen {
public:
    Pen(FormState& state, Surface& surface)
        : state_(state), surface_(surface), x_(state.CurX), y_(state.CurY),
          count_(state.SegmentCount), ramp_(RampIndex(count_)) {}
    ~Pen() {
        state_.CurX = x_;
        state_.CurY = y_;
        state_.SegmentCount = count_;
    }
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

    void MoveTo(double x, double y);
    void LineBy(double dx, double dy);

private:
    static int RampIndex(double count);

    FormState& state_;
    Surface& surface_;
    double x_;
    double y_;
    double count_;
    // The counter as an index into the ramp while it is a whole number 0..1536, as it always
    // is from its first wrap on; -1 until then for any other value.
    int ramp_;
};

namespace detail {

// PenColor of every whole count 0..1536, worked out by the compiler: the counter holds one of
// those whenever the pen draws, and the lookup saves six band tests per segment.
inline constexpr std::array<Colour, kRampLength> kRamp = [] {
    std::array<Colour, kRampLength> ramp{};
    for (std::size_t count = 0; count < ramp.size(); ++count) {
        ramp[count] = PenColor(static_cast<double>(count));
    }
    return ramp;
}();

// Counts that are not whole numbers in 0..1536 never come from the pen itself; their band
// tests stay out of the per-segment code.
[[gnu::cold, gnu::noinline]] inline Colour UnusualPenColor(double count) {
    return PenColor(count);
}

} // namespace detail

template <typename Surface>
int Pen<Surface>::RampIndex(double count) {
    if (count >= 0 && count <= kLastRampIndex) {
        const auto index = static_cast<int>(count);
        if (index == count) {
            return index;
        }
    }
    return -1;
}

template <typename Surface>
void Pen<Surface>::MoveTo(double x, double y) {
    x_ = x;
    y_ = y;
}

// Draws one segment from the current point by (dx, dy) in the colour of the count before it,
// then advances the counter; each time it wraps to 0 the picture so far goes on screen. This
// is the per-segment path: no allocation, one call to the surface, and a refresh only once in
// 1537 segments. The surface takes single-precision coordinates. If it refuses the line, the
// pen has not moved and the counter has not advanced.
template <typename Surface>
[[gnu::always_inline]] inline void Pen<Surface>::LineBy(double dx, double dy) {
    const double nx = x_ + dx;
    const double ny = y_ + dy;
    const Colour colour = ramp_ >= 0 ? detail::kRamp[static_cast<std::size_t>(ramp_)]
                                     : detail::UnusualPenColor(count_);
    surface_.Line(static_cast<float>(x_), static_cast<float>(y_), static_cast<float>(nx),
                  static_cast<float>(ny), colour);
    x_ = nx;
    y_ = ny;
    count_ += 1;
    ramp_ += ramp_ >= 0 ? 1 : 0;
    if (count_ > kLastRampIndex) {
        count_ = 0;
    }
    if (count_ == 0) {
        ramp_ = 0;
        surface_.Refresh();
    }
}

} // namespace vorrelin
