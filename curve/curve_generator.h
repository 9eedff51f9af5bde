#pragma once

#include "curve/form_state.h"
#include "curve/pen.h"

namespace vorrelin {

// The four mutually recursive procedures that draw the pieces of the curve. Each draws the
// piece of depth Level and unit Step through the pen, advancing it along its own direction:
// CurveUp up, CurveLeft left, CurveDown down, CurveRight right, as seen on the screen. The
// depth is the window's one Level, lowered on the way in and raised on the way out, not an
// argument: an error inside a piece leaves it lowered by the pieces that were open.
class CurveGenerator {
public:
    CurveGenerator(FormState& state, Pen& pen) : state_(state), pen_(pen) {}

    // A piece of depth 0 or less draws nothing. The test is inline because a quarter of all
    // calls end there, one for every segment drawn.
    void CurveUp() {
        if (state_.Level > 0) {
            DrawUp();
        }
    }
    void CurveLeft() {
        if (state_.Level > 0) {
            DrawLeft();
        }
    }
    void CurveDown() {
        if (state_.Level > 0) {
            DrawDown();
        }
    }
    void CurveRight() {
        if (state_.Level > 0) {
            DrawRight();
        }
    }

private:
    void DrawUp();
    void DrawLeft();
    void DrawDown();
    void DrawRight();

    FormState& state_;
    Pen& pen_;
};

} // namespace vorrelin
