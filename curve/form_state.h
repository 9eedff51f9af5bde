#pragma once

#include <cstdint>

namespace vorrelin {

// The window's variables, all zero when the window is created.
struct FormState {
    double CurX = 0;                // pen x, user units
    double CurY = 0;                // pen y, user units
    std::int16_t Level = 0;         // remaining recursion depth, shared by the curve procedures
    std::int16_t Step = 0;          // segment unit h in user units
    std::int16_t AutoLevel = 0;     // order of the next auto-run drawing
    std::int16_t AutoDir = 0;       // +1 or -1, added to AutoLevel after each tick
    std::int16_t StopRequested = 0; // auto-run stop flag: true is -1, false 0
    double SegmentCount = 0;        // colour counter 0..1536
};

} // namespace vorrelin
