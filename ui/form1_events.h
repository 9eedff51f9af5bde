#pragma once

#include "ui/form1.h"
#include "ui/form1_description.h"
#include "window/window_description.h"

#include <algorithm>
#include <string_view>

namespace vorrelin {

// Which event of which control runs which of Form1's handlers. These five are all the handlers
// the window has: typing, clicking the drawing area or a label, resizing, repainting and
// closing run no code of the program.
struct HandlerBinding {
    std::string_view control;
    Event event;
    void (Form1::*handler)();
};

inline constexpr HandlerBinding kForm1Handlers[] = {
    {"Form1", Event::Load, &Form1::Form_Load},
    {"Command1", Event::Click, &Form1::Command1_Click},
    {"Command2", Event::Click, &Form1::Command2_Click},
    {"Command3", Event::Click, &Form1::Command3_Click},
    {"Timer1", Event::Timer, &Form1::Timer1_Timer},
};

static_assert(std::ranges::all_of(kForm1Handlers,
                                  [](const HandlerBinding& binding) {
                                      return RaisesEvents(kForm1, binding.control);
                                  }),
              "a handler is bound to a name that is not the window's, a control's or a timer's");

// Runs the handler of an event, if the event has one.
inline void Handle(Form1& form, std::string_view control, Event event) {
    for (const HandlerBinding& binding : kForm1Handlers) {
        if (binding.control == control && binding.event == event) {
            (form.*binding.handler)();
        }
    }
}

} // namespace vorrelin
