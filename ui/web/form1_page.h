#pragma once

#include "platform/web/form_window.h"
#include "platform/web/input_field.h"
#include "ui/form1.h"

namespace vorrelin::web {

// The program's window on the page: Form1 on controls built from its description, its
// handlers on their events. Load runs here. Beside Form1's controls, the drawing area's menu
// copies its picture or saves it as a download, and a screen reader is told what the area
// shows.
class Form1Page : public FormWindow {
public:
    explicit Form1Page(val client);

private:
    InputField text1_;
    InputField text2_;
    Form1 form_;
};

} // namespace vorrelin::web
