#pragma once

#include "curve/curve_state.h"
#include "graphics/drawing_surface.h"
#include "runtime/timer.h"
#include "window/text_field.h"

#include <cstdint>
#include <optional>

namespace vorrelin {

// The program's window: its variables, its controls as the platform hands them over, and its
// handlers. Handlers trap no error and undo nothing: a RuntimeError leaves the handler with
// whatever it had already changed, and the platform reports it.
class Form1 {
public:
    Form1(DrawingSurface& picture1, TextField& text1, TextField& text2, Timer& timer1);

    // Load of Form1: every line drawn on the drawing area is two pixels wide.
    void Form_Load();
    // Click of Command1, the draw command: the curve of the order in Text1, drawn from scratch.
    void Command1_Click();
    // Click of Command2, auto-run: the animation starts again at order 1, a tick every
    // Text2 milliseconds.
    void Command2_Click();
    // Click of Command3, stop: the next tick draws once more and ends the animation.
    void Command3_Click();
    // Timer of Timer1: shows the next order in Text1 and draws it, turning at 1 and 6.
    void Timer1_Timer();

    // Sets a surface's user coordinates so that (x1, y1) is its top-left corner and (x2, y2)
    // its bottom-right.
    void SetView(DrawingSurface& surface, std::int16_t x1, std::int16_t y1, std::int16_t x2,
                 std::int16_t y2);

    // The order of the curve on the drawing area, once the draw command has cleared it for
    // one: the window names and describes its picture by it.
    std::optional<double> OrderOnPicture() const { return orderOnPicture_; }

    CurveState state;
    // Auto-run's variables: the order the next tick draws, the step added to it after each
    // drawing, and the stop flag (true is -1, false 0).
    std::int16_t AutoLevel = 0;
    std::int16_t AutoDir = 0;
    std::int16_t StopRequested = 0;

private:
    std::optional<double> orderOnPicture_;
    DrawingSurface& Picture1;
    TextField& Text1;
    TextField& Text2;
    Timer& Timer1;
};

} // namespace vorrelin
