#pragma once

#include "ui/form1.h"
#include "ui/form1_description.h"
#include "window/picture_keeping.h"
#include "window/window_description.h"

#include <algorithm>
#include <functional>
#include <iterator>
#include <string>
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

static_assert(std::all_of(std::begin(kForm1Handlers), std::end(kForm1Handlers),
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

// Runs Form1's handler of an event, if it has one, and then, whether it ended well or not,
// hands `describe` what the drawing area shows now, so a screen reader never hears of a
// picture that is gone.
inline void HandleAndDescribe(Form1& form, std::string_view control, Event event,
                              const std::function<void(const std::string&)>& describe) {
    try {
        Handle(form, control, event);
    } catch (...) {
        describe(PictureDescription(kForm1.caption, form.OrderOnPicture()));
        throw;
    }
    describe(PictureDescription(kForm1.caption, form.OrderOnPicture()));
}

} // namespace vorrelin
