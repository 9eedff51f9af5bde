#pragma once

#include "curve/curve_state.h"
#include "graphics/drawing_surface.h"
#include "runtime/conversions.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>
#include <utility>

namespace vorrelin {

// The color ramp runs through this many colors; the counter wraps after the last.
inline constexpr int kRampLength = 1537;
inline constexpr int kLastRampIndex = kRampLength - 1;

// The color of the ramp for a segment counter. The count selects the first band whose upper
// bound it is below: cyan to white, red to white, yellow to green, green to cyan, cyan to
// blue, blue to white; anything from 1536 on (NaN too) is white. Each channel is rounded into
// 16 bits, so a count that no drawing produces (below -32768) raises the overflow error.
constexpr Color PenColor(const double& count) {
    const auto rgb = [](double red, double green, double blue) {
        return static_cast<Color>(RoundToInt16(red) + 256 * RoundToInt16(green) +
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

// PenColor of every whole count 0..1536, computed once by the compiler: a drawing's counter is
// always one of them, and a lookup costs less than the six band tests.
inline constexpr std::array<Color, kRampLength> kRamp = [] {
    std::array<Color, kRampLength> ramp{};
    for (std::size_t count = 0; count < ramp.size(); ++count) {
        ramp[count] = PenColor(static_cast<double>(count));
    }
    return ramp;
}();

// Whether a counter is one of the whole counts 0..1536, as it is from the start of every drawing.
constexpr bool OnTheRamp(double count) {
    return count >= 0 && count <= kLastRampIndex && count == static_cast<int>(count);
}

// PenColor of a counter that no drawing produces; out of line, off the path of every segment.
Color OffTheRampColor(double count);

// Puts the pen on a point without drawing.
inline void MoveTo(CurveState& state, double x, double y) {
    state.CurX = x;
    state.CurY = y;
}

// Whole numbers up to this size are exact in a double, and so are their sums and differences.
inline constexpr double kWholeInDouble = 4503599627370496.0; // 2^52

// Whether a point lies on the grid of whole numbers that a double holds exactly, with room for
// a color cycle of 16-bit moves.
inline bool OnTheGrid(double x, double y) {
    return std::abs(x) <= kWholeInDouble && std::abs(y) <= kWholeInDouble &&
           x == static_cast<double>(static_cast<std::int64_t>(x)) &&
           y == static_cast<double>(static_cast<std::int64_t>(y));
}

// The pen: draws relative segments from the current point (CurX, CurY), each in the ramp color
// of the segment counter (SegmentCount), which it then advances; each time the counter wraps to
// 0 it refreshes the surface, so the picture so far goes on screen.
//
// It keeps its segments in a run and hands the run to the surface in one call when the run is
// full, before each refresh, and when the pen goes, whether the drawing ended or failed. A run
// holds a color cycle; on a surface that may refuse a line it holds one segment, handed over
// before the pen moves, so that a refusal leaves the pen where that segment began.
//
// While it draws, the pen keeps the window's variables as its own, and writes them back to the
// window's before each hand-over and each refresh, and when it goes: wherever anything outside
// can see them. In between they are the pen's alone, in the form that costs least: the point,
// while it is whole, as whole numbers, which add exactly as the doubles would; the counter, while
// it is on the ramp, as the pen's place in the ramp's table. `Surface` is the surface's own type
// where the caller knows it, so that its calls are direct.
template <typename Surface>
class Pen {
public:
    Pen(CurveState& window, Surface& surface)
        : window_(window), state_(window), surface_(surface),
          onTheRamp_(OnTheRamp(window.SegmentCount)),
          end_(run_.data() + (surface.TakesRuns() ? run_.size() : kOneSegment)) {
        run_[0] = {static_cast<float>(state_.CurX), static_cast<float>(state_.CurY), 0};
        Track();
    }
    Pen(const Pen&) = delete;
    Pen& operator=(const Pen&) = delete;
    ~Pen() { HandOver(); }

    // The depth and the unit of the curve being drawn.
    std::int16_t& Level() { return state_.Level; }
    std::int16_t Step() const { return state_.Step; }

    // One segment from the current point, in the color of the counter before it. The usual
    // segment neither fills the run nor wraps the counter, and nothing outside sees it yet.
    void LineBy(std::int16_t dx, std::int16_t dy) {
        if (next_ != quietEnd_) {
            x_ += dx;
            y_ += dy;
            *next_++ = {static_cast<float>(x_), static_cast<float>(y_), *color_++};
        } else {
            LineByToAStop(dx, dy);
        }
    }

private:
    // A run of one segment: its start and its end.
    static constexpr std::size_t kOneSegment = 2;

    // Brings the window's variables, as the pen keeps them, up to date with the usual segments.
    void Settle() {
        if (onTheGrid_) {
            state_.CurX = static_cast<double>(x_);
            state_.CurY = static_cast<double>(y_);
        }
        if (onTheRamp_) {
            state_.SegmentCount = static_cast<double>(color_ - kRamp.data());
        }
    }

    // Takes the point and the counter up in the form the usual segments use, and with them the
    // segments that can go before the next stop: the one that fills the run, or wraps the
    // counter. Off the grid or off the ramp every segment is a stop.
    void Track() {
        onTheGrid_ = OnTheGrid(state_.CurX, state_.CurY);
        if (onTheGrid_) {
            x_ = static_cast<std::int64_t>(state_.CurX);
            y_ = static_cast<std::int64_t>(state_.CurY);
        }
        quietEnd_ = next_;
        if (onTheRamp_) {
            const auto count = static_cast<int>(state_.SegmentCount);
            color_ = kRamp.data() + count;
            if (onTheGrid_) {
                quietEnd_ += std::min<std::ptrdiff_t>(kLastRampIndex - count, end_ - 1 - next_);
            }
        }
    }

    // A segment that fills the run or wraps the counter, or one off the grid or the ramp. Out of
    // line, so that the usual segment is all that LineBy leaves where it is called.
    [[gnu::noinline]] void LineByToAStop(std::int16_t dx, std::int16_t dy) {
        Settle();
        const double count = state_.SegmentCount;
        const double nx = state_.CurX + dx;
        const double ny = state_.CurY + dy;
        *next_++ = {static_cast<float>(nx), static_cast<float>(ny),
                    onTheRamp_ ? kRamp[static_cast<std::size_t>(count)] : OffTheRampColor(count)};
        if (next_ == end_) {
            HandOver();
        }
        state_.CurX = nx;
        state_.CurY = ny;
        state_.SegmentCount = count + 1 > kLastRampIndex ? 0 : count + 1;
        onTheRamp_ = onTheRamp_ || state_.SegmentCount == 0;
        Track();
        if (state_.SegmentCount == 0) {
            HandOver();
            surface_.Refresh();
            Track();
        }
    }

    // The run is emptied before the surface sees it, so that a refused segment is never handed
    // over twice; the next run starts where this one ends.
    void HandOver() {
        Settle();
        window_ = state_;
        Vertex* const last = std::exchange(next_, run_.data() + 1) - 1;
        if (last != run_.data()) {
            surface_.Polyline(std::span<const Vertex>(run_.data(), last + 1));
            run_[0] = *last;
        }
    }

    CurveState& window_;
    CurveState state_;
    Surface& surface_;
    // Whether the counter is a whole count 0..1536, whose color the table holds. It is from the
    // start of every drawing, and stays so once it is.
    bool onTheRamp_;
    // Whether the point is whole, as it is in every drawing, which starts at (Step, 0).
    bool onTheGrid_ = false;
    std::int64_t x_ = 0;
    std::int64_t y_ = 0;
    // The point the run starts from, then the end and color of each segment.
    std::array<Vertex, kRampLength + 1> run_;
    Vertex* next_ = run_.data() + 1;
    Vertex* const end_;
    // Where the next stop's segment goes, and the color of the next usual segment.
    Vertex* quietEnd_ = nullptr;
    const Color* color_ = kRamp.data();
};

} // namespace vorrelin
