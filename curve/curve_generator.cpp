#include "curve/curve_generator.h"

#include "platform/conversions.h"

namespace vorrelin {

// Each piece: itself one level down; the diagonal between its own direction and the next one
// clockwise; the piece of that clockwise direction; two units straight on; the piece of the
// anticlockwise direction; the diagonal between its own and the anticlockwise direction;
// itself again. The units are read from Step at each segment, and every 16-bit value is
// formed with the overflow test.

void CurveGenerator::DrawUp() {
    state_.Level = Subtract16(state_.Level, 1);
    CurveUp();
    pen_.LineBy(state_.Step, Negate16(state_.Step));
    CurveRight();
    pen_.LineBy(0, Multiply16(-2, state_.Step));
    CurveLeft();
    pen_.LineBy(Negate16(state_.Step), Negate16(state_.Step));
    CurveUp();
    state_.Level = Add16(state_.Level, 1);
}

void CurveGenerator::DrawLeft() {
    state_.Level = Subtract16(state_.Level, 1);
    CurveLeft();
    pen_.LineBy(Negate16(state_.Step), Negate16(state_.Step));
    CurveUp();
    pen_.LineBy(Multiply16(-2, state_.Step), 0);
    CurveDown();
    pen_.LineBy(Negate16(state_.Step), state_.Step);
    CurveLeft();
    state_.Level = Add16(state_.Level, 1);
}

void CurveGenerator::DrawDown() {
    state_.Level = Subtract16(state_.Level, 1);
    CurveDown();
    pen_.LineBy(Negate16(state_.Step), state_.Step);
    CurveLeft();
    pen_.LineBy(0, Multiply16(2, state_.Step));
    CurveRight();
    pen_.LineBy(state_.Step, state_.Step);
    CurveDown();
    state_.Level = Add16(state_.Level, 1);
}

void CurveGenerator::DrawRight() {
    state_.Level = Subtract16(state_.Level, 1);
    CurveRight();
    pen_.LineBy(state_.Step, state_.Step);
    CurveDown();
    pen_.LineBy(Multiply16(2, state_.Step), 0);
    CurveUp();
    pen_.LineBy(state_.Step, Negate16(state_.Step));
    CurveRight();
    state_.Level = Add16(state_.Level, 1);
}

} // namespace vorrelin
