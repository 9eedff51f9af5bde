#pragma once

#include "curve/curve_state.h"
#include "curve/pen.h"
#include "runtime/conversions.h"

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
    CurveGenerator(CurveState& window, Surface& surface) : pen_(window, surface) {}

    // A single segment between pieces, drawn by the pen the pieces draw with.
    void LineBy(std::int16_t dx, std::int16_t dy) { pen_.LineBy(dx, dy); }

    void CurveUp() {
        if (Level() > 0) {
            DrawUp();
        }
    }
    void CurveLeft() {
        if (Level() > 0) {
            DrawLeft();
        }
    }
    void CurveDown() {
        if (Level() > 0) {
            DrawDown();
        }
    }
    void CurveRight() {
        if (Level() > 0) {
            DrawRight();
        }
    }

private:
    std::int16_t& Level() { return pen_.Level(); }
    std::int16_t Step() const { return pen_.Step(); }

    // The pieces of depth 1 or more.
    void DrawUp();
    void DrawLeft();
    void DrawDown();
    void DrawRight();

    Pen<Surface> pen_;
};

template <typename Surface>
void CurveGenerator<Surface>::DrawUp() {
    Level() = Subtract16(Level(), 1);
    const std::int16_t h = Step();
    CurveUp();
    pen_.LineBy(h, Negate16(h));
    CurveRight();
    pen_.LineBy(0, Multiply16(-2, h));
    CurveLeft();
    pen_.LineBy(Negate16(h), Negate16(h));
    CurveUp();
    Level() = Add16(Level(), 1);
}

template <typename Surface>
void CurveGenerator<Surface>::DrawLeft() {
    Level() = Subtract16(Level(), 1);
    const std::int16_t h = Step();
    CurveLeft();
    pen_.LineBy(Negate16(h), Negate16(h));
    CurveUp();
    pen_.LineBy(Multiply16(-2, h), 0);
    CurveDown();
    pen_.LineBy(Negate16(h), h);
    CurveLeft();
    Level() = Add16(Level(), 1);
}

template <typename Surface>
void CurveGenerator<Surface>::DrawDown() {
    Level() = Subtract16(Level(), 1);
    const std::int16_t h = Step();
    CurveDown();
    pen_.LineBy(Negate16(h), h);
    CurveLeft();
    pen_.LineBy(0, Multiply16(2, h));
    CurveRight();
    pen_.LineBy(h, h);
    CurveDown();
    Level() = Add16(Level(), 1);
}

template <typename Surface>
void CurveGenerator<Surface>::DrawRight() {
    Level() = Subtract16(Level(), 1);
    const std::int16_t h = Step();
    CurveRight();
    pen_.LineBy(h, h);
    CurveDown();
    pen_.LineBy(Multiply16(2, h), 0);
    CurveUp();
    pen_.LineBy(h, Negate16(h));
    CurveRight();
    Level() = Add16(Level(), 1);
}

} // namespace vorrelin
