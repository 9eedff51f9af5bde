#pragma once

#include "curve/curve_state.h"
#include "curve/pen.h"

namespace vorrelin {

// The four mutually recursive procedures that draw the pieces of the curve through the pen,
// each the piece of depth Level and unit Step that advances in its own direction: CurveUp up,
// CurveLeft left, CurveDown down, CurveRight right.
//
// A piece of direction d and depth k ≥ 1 is: the piece of d one level down; the diagonal
// between d and the direction a quarter turn clockwise; the piece of that direction; two units
// straight on along d; the piece of the direction a quarter turn anticlockwise; the diagonal
// between d and that direction; the piece of d again. A piece of depth 0 or less is empty.
//
// The depth is the window's one Level, which every piece lowers by one on the way in and raises
// on the way out: an error inside a piece leaves Level lowered by the number of pieces that were
// open, and the pen where the last segment drawn ended. Each move is a 16-bit value formed when
// its segment is reached, so a unit too long for 16 bits raises the overflow error there.
class CurveGenerator {
public:
    CurveGenerator(CurveState& state, Pen& pen) : state_(state), pen_(pen) {}

    void CurveUp();
    void CurveLeft();
    void CurveDown();
    void CurveRight();

private:
    CurveState& state_;
    Pen& pen_;
};

} // namespace vorrelin
