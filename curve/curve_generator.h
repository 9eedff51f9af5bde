#pragma once

#include "curve/curve_state.h"
#include "curve/pen.h"

#include <cstdint>

namespace vorrelin {

// The four mutually recursive procedures that draw the pieces of the curve through the pen,
// each the piece of depth Level and unit Step that advances in its own direction: CurveUp up,
// CurveLeft left, CurveDown down, CurveRight right.
//
// A piece of direction d and depth k ≥ 1 is: the piece of d one level down; the diagonal
// between d and the direction a quarter turn clockwise; the piece of that direction; two units
// straight on along d; the piece of the direction a quarter turn anticlockwise; the diagonal
// between d and that direction; the piece of d again. A piece of depth 0 or less is empty, and
// costs no call: the test of Level is made where the piece is called.
//
// The depth is the window's one Level, which every piece lowers by one on the way in and raises
// on the way out: an error inside a piece leaves Level lowered by the number of pieces that were
// open, and the pen where the last segment drawn ended. Each move is a 16-bit value formed when
// its segment is reached, so a unit too long for 16 bits raises the overflow error there. The
// procedures act on the window's variables as the pen keeps them while it draws.
template <typename Surface>
class CurveGenerator {
public:
    CurveGenerator(CurveState& window, Surface& surface)
        : pen_(window, surface), step_(window.Step) {}

    // A single segment between pieces, drawn by the pen the pieces draw with.
    void LineBy(std::int16_t dx, std::int16_t dy) { pen_.LineBy(dx, dy); }

    void CurveUp() {
        if (pen_.Level() > 0) {
            DrawUp();
        }
    }
    void CurveLeft() {
        if (pen_.Level() > 0) {
            DrawLeft();
        }
    }
    void CurveDown() {
        if (pen_.Level() > 0) {
            DrawDown();
        }
    }
    void CurveRight() {
        if (pen_.Level() > 0) {
            DrawRight();
        }
    }

private:
    class Frame;

    // A piece of depth 1 or more in a frame of its own, which takes the pen in hand. Out of line:
    // frames inlined into one another could not keep the tip out of memory.
    [[gnu::noinline]] void DrawUp() {
        Frame frame(*this);
        frame.CurveUp();
        frame.End();
    }
    [[gnu::noinline]] void DrawLeft() {
        Frame frame(*this);
        frame.CurveLeft();
        frame.End();
    }
    [[gnu::noinline]] void DrawDown() {
        Frame frame(*this);
        frame.CurveDown();
        frame.End();
    }
    [[gnu::noinline]] void DrawRight() {
        Frame frame(*this);
        frame.CurveRight();
        frame.End();
    }

    Pen<Surface> pen_;
    // The unit, which no piece changes; kept apart from Level, which every piece writes.
    const std::int16_t step_;
};

// The four procedures as one frame runs them, with the pen in the frame's hand. A piece of depth
// 2 or more inside the frame's piece is drawn in a frame of its own, lent the pen; one of depth
// 1, whose pieces are all empty (kDepthOne), is drawn in this frame, so that the three quarters
// of all segments that such pieces draw cost no call and never leave the hand.
template <typename Surface>
class CurveGenerator<Surface>::Frame {
public:
    [[gnu::always_inline]] explicit Frame(CurveGenerator& curve)
        : curve_(curve), pen_(curve.pen_), level_(curve.pen_.Level()), step_(curve.step_) {}
    // The pen back from the frame's hand, as the piece ends.
    [[gnu::always_inline]] void End() { pen_.Release(); }

    template <bool kDepthOne = false>
    [[gnu::always_inline]] void CurveUp() {
        LowerLevel();
        const std::int16_t h = Step();
        PieceUp<kDepthOne>();
        pen_.LineBy(h, -h);
        PieceRight<kDepthOne>();
        pen_.LineBy(0, -2 * h);
        PieceLeft<kDepthOne>();
        pen_.LineBy(-h, -h);
        PieceUp<kDepthOne>();
        RaiseLevel();
    }

    template <bool kDepthOne = false>
    [[gnu::always_inline]] void CurveLeft() {
        LowerLevel();
        const std::int16_t h = Step();
        PieceLeft<kDepthOne>();
        pen_.LineBy(-h, -h);
        PieceUp<kDepthOne>();
        pen_.LineBy(-2 * h, 0);
        PieceDown<kDepthOne>();
        pen_.LineBy(-h, h);
        PieceLeft<kDepthOne>();
        RaiseLevel();
    }

    template <bool kDepthOne = false>
    [[gnu::always_inline]] void CurveDown() {
        LowerLevel();
        const std::int16_t h = Step();
        PieceDown<kDepthOne>();
        pen_.LineBy(-h, h);
        PieceLeft<kDepthOne>();
        pen_.LineBy(0, 2 * h);
        PieceRight<kDepthOne>();
        pen_.LineBy(h, h);
        PieceDown<kDepthOne>();
        RaiseLevel();
    }

    template <bool kDepthOne = false>
    [[gnu::always_inline]] void CurveRight() {
        LowerLevel();
        const std::int16_t h = Step();
        PieceRight<kDepthOne>();
        pen_.LineBy(h, h);
        PieceDown<kDepthOne>();
        pen_.LineBy(2 * h, 0);
        PieceUp<kDepthOne>();
        pen_.LineBy(h, -h);
        PieceRight<kDepthOne>();
        RaiseLevel();
    }

private:
    // Level is the window's, written through to the pen at each change; the frame reads its own
    // copy, as nothing else changes Level while the frame draws. The same holds for Step.
    std::int16_t Level() const { return level_; }
    void LowerLevel() { curve_.pen_.Level() = --level_; }
    void RaiseLevel() { curve_.pen_.Level() = ++level_; }
    std::int16_t Step() const { return step_; }

    // The pieces inside the piece being drawn: nothing inside a piece of depth 1.
    template <bool kDepthOne>
    [[gnu::always_inline]] void PieceUp() {
        if constexpr (!kDepthOne) {
            if (Level() > 1) {
                pen_.Release();
                curve_.DrawUp();
                pen_.Hold();
            } else if (Level() == 1) {
                CurveUp<true>();
            }
        }
    }
    template <bool kDepthOne>
    [[gnu::always_inline]] void PieceLeft() {
        if constexpr (!kDepthOne) {
            if (Level() > 1) {
                pen_.Release();
                curve_.DrawLeft();
                pen_.Hold();
            } else if (Level() == 1) {
                CurveLeft<true>();
            }
        }
    }
    template <bool kDepthOne>
    [[gnu::always_inline]] void PieceDown() {
        if constexpr (!kDepthOne) {
            if (Level() > 1) {
                pen_.Release();
                curve_.DrawDown();
                pen_.Hold();
            } else if (Level() == 1) {
                CurveDown<true>();
            }
        }
    }
    template <bool kDepthOne>
    [[gnu::always_inline]] void PieceRight() {
        if constexpr (!kDepthOne) {
            if (Level() > 1) {
                pen_.Release();
                curve_.DrawRight();
                pen_.Hold();
            } else if (Level() == 1) {
                CurveRight<true>();
            }
        }
    }

    CurveGenerator& curve_;
    typename Pen<Surface>::InHand pen_;
    std::int16_t level_;
    const std::int16_t step_;
};

} // namespace vorrelin
