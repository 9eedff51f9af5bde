#include "ui/win32/form1_window.h"

#include "ui/form1_description.h"
#include "ui/form1_events.h"

namespace vorrelin::win32 {

namespace {

// The icon's resource id in the executable.
constexpr int kIconId = 1;

} // namespace

Form1Window::Form1Window(HINSTANCE instance)
    : window_(kForm1, instance, LoadIconW(instance, MAKEINTRESOURCEW(kIconId))),
      text1_(window_.Control("Text1")), text2_(window_.Control("Text2")),
      timer1_(window_.AddTimer("Timer1")),
      form_(window_.Picture("Picture1"), text1_, text2_, timer1_) {
    window_.handle = [this](std::string_view control, Event event) {
        Handle(form_, control, event);
    };
    window_.Raise("Form1", Event::Load);
}

} // namespace vorrelin::win32
