#pragma once

#include <cstdint>

namespace vorrelin {

// The window's variables that the pen and the curve generator work on, all zero when the
// window is created.
struct CurveState {
    double CurX = 0;         // pen x, user units
    double CurY = 0;         // pen y, user units
    std::int16_t Level = 0;  // remaining recursion depth, shared by the curve procedures
    std::int16_t Step = 0;   // segment unit h in user units
    double SegmentCount = 0; // color counter 0..1536
};

} // namespace vorrelin
