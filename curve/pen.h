#pragma once

#include "curve/curve_state.h"
#include "graphics/drawing_surface.h"
#include "runtime/conversions.h"
#include "runtime/vector_state.h"

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

// Where the pen stands and what its next usual segment takes: the point as whole numbers, the
// place of the segment's end in the run, and the color of the counter as its place in the ramp's
// table. Whole numbers add exactly as the window's doubles would, and cost no vector register.
struct PenTip {
    std::int64_t x;
    std::int64_t y;
    Vertex* next;
    const Color* color;
};

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
// can see them. In between, the point and the counter are the pen's tip, and the tip is in the
// hand of whoever draws (InHand): a usual segment, which neither fills the run nor wraps the
// counter, changes the tip alone. `Surface` is the surface's own type where the caller knows it,
// so that its calls are direct.
template <typename Surface>
class Pen {
public:
    class InHand;

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

    // The depth of the curve being drawn.
    std::int16_t& Level() { return state_.Level; }

    // One segment from the current point, in the color of the counter before it.
    void LineBy(std::int16_t dx, std::int16_t dy);

private:
    // A run of one segment: its start and its end.
    static constexpr std::size_t kOneSegment = 2;

    // Brings the window's variables, as the pen keeps them, up to date with the tip.
    void Settle() {
        if (onTheGrid_) {
            state_.CurX = static_cast<double>(tip_.x);
            state_.CurY = static_cast<double>(tip_.y);
        }
        if (onTheRamp_) {
            state_.SegmentCount = static_cast<double>(tip_.color - kRamp.data());
        }
    }

    // Takes the point and the counter up into the tip, and with them the segments that can go
    // before the next stop: the one that fills the run, or wraps the counter. Off the grid or
    // off the ramp every segment is a stop.
    void Track() {
        onTheGrid_ = OnTheGrid(state_.CurX, state_.CurY);
        if (onTheGrid_) {
            tip_.x = static_cast<std::int64_t>(state_.CurX);
            tip_.y = static_cast<std::int64_t>(state_.CurY);
        }
        quietEnd_ = tip_.next;
        if (onTheRamp_) {
            const auto count = static_cast<int>(state_.SegmentCount);
            tip_.color = kRamp.data() + count;
            if (onTheGrid_) {
                quietEnd_ += std::min<std::ptrdiff_t>(kLastRampIndex - count, end_ - 1 - tip_.next);
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
        *tip_.next++ = {static_cast<float>(nx), static_cast<float>(ny),
                        onTheRamp_ ? kRamp[static_cast<std::size_t>(count)]
                                   : OffTheRampColor(count)};
        if (tip_.next == end_) {
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
            ReleaseUpperVectorHalves();
            Track();
        }
    }

    // The run is emptied before the surface sees it, so that a refused segment is never handed
    // over twice; the next run starts where this one ends.
    void HandOver() {
        Settle();
        window_ = state_;
        Vertex* const last = std::exchange(tip_.next, run_.data() + 1) - 1;
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
    // The point the run starts from, then the end and color of each segment.
    std::array<Vertex, kRampLength + 1> run_;
    Vertex* const end_;
    // Where the next stop's segment goes.
    Vertex* quietEnd_ = nullptr;
    PenTip tip_{0, 0, run_.data() + 1, kRamp.data()};
};

// The pen in the hand of one frame of a drawing, as the frame's own value, so that the tip stays
// where the compiler keeps it fastest while the frame draws. The tip goes back to the pen before
// anything else can draw with the pen or fail (Release), and the frame takes it up again after
// (Hold): so the pen always knows where it is when an error unwinds, and a frame has nothing to
// undo on the way out.
template <typename Surface>
class Pen<Surface>::InHand {
public:
    [[gnu::always_inline]] explicit InHand(Pen& pen) : pen_(pen) { Hold(); }

    // A segment of a move that must fit 16 bits: one that does not raises the overflow error,
    // the segment undrawn.
    [[gnu::always_inline]] void LineBy(int dx, int dy) {
        if (!Fits16(dx) || !Fits16(dy)) {
            Release();
            RaiseOverflow();
        }
        if (tip_.next != quietEnd_) {
            tip_.x += dx;
            tip_.y += dy;
            *tip_.next++ = {static_cast<float>(tip_.x), static_cast<float>(tip_.y), *tip_.color++};
        } else {
            Release();
            pen_.LineByToAStop(static_cast<std::int16_t>(dx), static_cast<std::int16_t>(dy));
            Hold();
        }
    }

    // Member by member, as the frame holds the tip: a copy in wider pieces would make the next
    // frame's loads wait on stores of another width.
    [[gnu::always_inline]] void Release() {
        pen_.tip_.x = tip_.x;
        pen_.tip_.y = tip_.y;
        pen_.tip_.next = tip_.next;
        pen_.tip_.color = tip_.color;
    }
    [[gnu::always_inline]] void Hold() {
        tip_.x = pen_.tip_.x;
        tip_.y = pen_.tip_.y;
        tip_.next = pen_.tip_.next;
        tip_.color = pen_.tip_.color;
        quietEnd_ = pen_.quietEnd_;
    }

private:
    Pen& pen_;
    PenTip tip_;
    // Where the pen's usual segments end, as the pen had it when the tip was taken up.
    Vertex* quietEnd_;
};

template <typename Surface>
void Pen<Surface>::LineBy(std::int16_t dx, std::int16_t dy) {
    InHand pen(*this);
    pen.LineBy(dx, dy);
    pen.Release();
}

} // namespace vorrelin
