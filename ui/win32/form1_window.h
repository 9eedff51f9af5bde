#pragma once

#include "platform/win32/edit_field.h"
#include "platform/win32/form_window.h"
#include "ui/form1.h"

#include <windows.h>

namespace vorrelin::win32 {

// The program's window on Windows: Form1 on controls built from its description, its handlers
// on their events. Load runs here, before the window is shown.
class Form1Window {
public:
    explicit Form1Window(HINSTANCE instance);

    FormWindow& Window() { return window_; }
    Form1& Form() { return form_; }
    int Run(int showCommand) { return window_.Run(showCommand); }

private:
    FormWindow window_;
    EditField text1_;
    EditField text2_;
    Form1 form_;
};

} // namespace vorrelin::win32
