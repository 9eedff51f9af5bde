#pragma once

#include "curve/curve_state.h"
#include "graphics/drawing_surface.h"
#include "runtime/conversions.h"

#include <array>
#include <cstddef>

namespace vorrelin {

// The colour ramp runs through this many colours; the counter wraps after the last.
inline constexpr int kRampLength = 1537;
inline constexpr int kLastRampIndex = kRampLength - 1;

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

// PenColor of every whole count 0..1536, worked out by the compiler once: a drawing's counter is
// always one of those, and the lookup saves six band tests a segment.
inline constexpr std::array<Colour, kRampLength> kRamp = [] {
    std::array<Colour, kRampLength> ramp{};
    for (std::size_t count = 0; count < ramp.size(); ++count) {
        ramp[count] = PenColor(static_cast<double>(count));
    }
    return ramp;
}();

// The counter as an index into kRamp while it is a whole number 0..1536, as it is from the start
// of every drawing; -1 for any other value.
constexpr int RampIndex(double count) {
    if (count >= 0 && count <= kLastRampIndex) {
        const auto index = static_cast<int>(count);
        if (index == count) {
            return index;
        }
    }
    return -1;
}

// Puts the pen on a point without drawing.
inline void MoveTo(CurveState& state, double x, double y) {
    state.CurX = x;
    state.CurY = y;
}

// Segments a pen has drawn and not yet handed to its surface: the point the first starts from,
// then the end and colour of each. A colour cycle at most, for the pen hands them over before
// every refresh.
using PenRun = std::array<Vertex, kRampLength>;

// The pen: draws relative segments from the window's current point (CurX, CurY), each in the
// ramp colour of the window's segment counter (SegmentCount), which it then advances; each
// time the counter wraps to 0 it refreshes the surface, so the picture so far goes on screen.
//
// On a surface that takes every line, the pen collects its segments in a run and hands the run
// over in one call before each refresh and whenever it is stored: one call through the
// interface for up to 1537 segments, and a loop over plain arrays on the other side. On a
// surface that may refuse a line, each segment goes over as it is drawn, after the window's
// variables are written, so that a refusal leaves them where the segment began. The segment of
// the ramp's last colour is drawn alone too, and refreshes.
//
// A pen takes up the current point and the counter when it is made and keeps them to itself;
// Store hands over what it has collected and puts them back. Whoever ends a run of drawing
// calls it; the pen stores them itself before anything that can fail or show the picture.
// Keeping them out of the window's variables is what makes a segment cheap: with them in
// memory every segment would wait for the last one's stores.
class Pen {
public:
    // Inline, as everything the pen does on its own is, for a call that took the pen's
    // address would keep it in memory.
    Pen(CurveState& state, DrawingSurface& surface, PenRun& run)
        : state_(state), surface_(surface), run_(run),
          collectBelow_(surface.TakesEveryLine() ? kLastRampIndex : 0),
          at_{state.CurX, state.CurY, state.SegmentCount, RampIndex(state.SegmentCount), 0} {
        run_[0] = {static_cast<float>(at_.x), static_cast<float>(at_.y), 0};
    }
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;

    void LineBy(double dx, double dy);
    void Store() {
        HandOver(state_, surface_, run_, at_);
        at_.collected = 0;
    }

    // Whether the next `segments` segments all go into the run, so that Collect may draw them:
    // none refreshes, and the surface takes runs.
    bool CanCollect(int segments) const {
        return at_.ramp >= 0 && at_.ramp <= collectBelow_ - segments;
    }
    // LineBy for a segment that goes into the run. Nothing here calls a function, so a loop of
    // these keeps the pen in registers: a call in the loop would leave it on the stack, where
    // every segment waits for the last one's stores.
    void Collect(double dx, double dy) {
        at_.x += dx;
        at_.y += dy;
        run_[static_cast<std::size_t>(++at_.collected)] = {
            static_cast<float>(at_.x), static_cast<float>(at_.y),
            kRamp[static_cast<std::size_t>(at_.ramp++)]};
    }

private:
    // Where the pen stands, how far its counter has got and how many segments it holds.
    struct At {
        double x;
        double y;
        double count; // read only while ramp is -1: an index says all there is
        int ramp;
        int collected;
    };
    // The counter after a segment drawn alone: small enough to come back in registers.
    struct Counter {
        double count;
        int ramp;
    };

    // Out of line, and given the pen by value: nothing takes the pen's address, so the
    // compiler keeps it in registers. Each starts a new run at the pen's point.
    static void HandOver(CurveState& state, DrawingSurface& surface, PenRun& run, At at);
    static Counter DrawAlone(CurveState& state, DrawingSurface& surface, PenRun& run, At at,
                             double dx, double dy);

    CurveState& state_;
    DrawingSurface& surface_;
    PenRun& run_;
    // Counters below this are collected: the last colour's segment refreshes, and a surface
    // that may refuse a line collects none.
    int collectBelow_;
    At at_;
};

// The common segment goes into the run; every other is drawn alone, out of line.
inline void Pen::LineBy(double dx, double dy) {
    if (CanCollect(1)) {
        Collect(dx, dy);
        return;
    }
    const Counter counter = DrawAlone(state_, surface_, run_, at_, dx, dy);
    at_ = {at_.x + dx, at_.y + dy, counter.count, counter.ramp, 0};
}

} // namespace vorrelin
