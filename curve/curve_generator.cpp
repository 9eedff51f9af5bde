#include "curve/curve_generator.h"

#include "runtime/conversions.h"

#include <cstdint>

namespace vorrelin {

void CurveGenerator::CurveUp() {
    if (state_.Level <= 0) {
        return;
    }
    state_.Level = Subtract16(state_.Level, 1);
    const std::int16_t h = state_.Step;
    CurveUp();
    pen_.LineBy(h, Negate16(h));
    CurveRight();
    pen_.LineBy(0, Multiply16(-2, h));
    CurveLeft();
    pen_.LineBy(Negate16(h), Negate16(h));
    CurveUp();
    state_.Level = Add16(state_.Level, 1);
}

void CurveGenerator::CurveLeft() {
    if (state_.Level <= 0) {
        return;
    }
    state_.Level = Subtract16(state_.Level, 1);
    const std::int16_t h = state_.Step;
    CurveLeft();
    pen_.LineBy(Negate16(h), Negate16(h));
    CurveUp();
    pen_.LineBy(Multiply16(-2, h), 0);
    CurveDown();
    pen_.LineBy(Negate16(h), h);
    CurveLeft();
    state_.Level = Add16(state_.Level, 1);
}

void CurveGenerator::CurveDown() {
    if (state_.Level <= 0) {
        return;
    }
    state_.Level = Subtract16(state_.Level, 1);
    const std::int16_t h = state_.Step;
    CurveDown();
    pen_.LineBy(Negate16(h), h);
    CurveLeft();
    pen_.LineBy(0, Multiply16(2, h));
    CurveRight();
    pen_.LineBy(h, h);
    CurveDown();
    state_.Level = Add16(state_.Level, 1);
}

void CurveGenerator::CurveRight() {
    if (state_.Level <= 0) {
        return;
    }
    state_.Level = Subtract16(state_.Level, 1);
    const std::int16_t h = state_.Step;
    CurveRight();
    pen_.LineBy(h, h);
    CurveDown();
    pen_.LineBy(Multiply16(2, h), 0);
    CurveUp();
    pen_.LineBy(h, Negate16(h));
    CurveRight();
    state_.Level = Add16(state_.Level, 1);
}

} // namespace vorrelin
