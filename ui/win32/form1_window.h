#pragma once

#include "platform/win32/edit_field.h"
#include "platform/win32/form_window.h"
#include "ui/form1.h"
#include "window/picture_keeping.h"

#include <windows.h>

namespace vorrelin::win32 {

// The program's window on Windows: Form1 on controls built from its description, its handlers
// on their events. Load runs here, before the window is shown. Beside Form1's controls, the
// drawing area's menu copies its picture or saves it, and a screen reader is told what the
// area shows.
class Form1Window {
public:
    explicit Form1Window(HINSTANCE instance);

    FormWindow& Window() { return window_; }
    Form1& Form() { return form_; }

private:
    void CopyPicture();
    void SavePicture();

    FormWindow window_;
    EditField text1_;
    EditField text2_;
    Form1 form_;
    SaveCommand save_;
};

} // namespace vorrelin::win32
