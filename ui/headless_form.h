#pragma once

#include "graphics/drawing_surface.h"
#include "runtime/timer.h"
#include "ui/form1.h"
#include "window/text_field.h"

#include <string_view>

namespace vorrelin {

// Form1 without a screen: its text fields hold plain text, its timer ticks when told to, and
// its drawing area is whatever surface the owner hands in.
struct HeadlessForm {
    explicit HeadlessForm(DrawingSurface& picture1, std::string_view order = "5",
                          std::string_view interval = "500")
        : Text1(order), Text2(interval), Timer1([this] { form.Timer1_Timer(); }),
          form(picture1, Text1, Text2, Timer1) {}

    PlainTextField Text1;
    PlainTextField Text2;
    ManualTimer Timer1;
    Form1 form;
};

// Draws the curve of an order on a surface as the window does once it has loaded and its draw
// button is pressed.
inline void DrawOrder(DrawingSurface& picture1, std::string_view order) {
    HeadlessForm window(picture1, order);
    window.form.Form_Load();
    window.form.Command1_Click();
}

} // namespace vorrelin
