#include "ui/win32/form1_window.h"

#include "ui/form1_description.h"
#include "ui/form1_events.h"

namespace vorrelin::win32 {

namespace {

// The icon's resource id in the executable.
constexpr int kIconId = 1;

} // namespace

Form1Window::Form1Window(HINSTANCE instance)
    : window_(
          kForm1, [this](std::string_view control, Event event) { Handle(form_, control, event); },
          instance, LoadIconW(instance, MAKEINTRESOURCEW(kIconId))),
      text1_(window_.Control("Text1")), text2_(window_.Control("Text2")),
      form_(window_.Picture("Picture1").Surface(), text1_, text2_, window_.Timer("Timer1")) {
    window_.Raise(kForm1.name, Event::Load);
}

} // namespace vorrelin::win32
