#pragma once

#include "platform/qt/form_window.h"
#include "platform/qt/line_edit_field.h"
#include "ui/form1.h"
#include "window/picture_keeping.h"

namespace vorrelin {

// The program's window on Qt: Form1 on controls built from its description, its handlers on
// their events. Load runs here, before the window is shown. Beside Form1's controls, the
// drawing area's menu copies its picture or saves it, asking where with `askSaveName`, and a
// screen reader is told what the area shows.
class Form1Window : public FormWindow {
    Q_OBJECT

public:
    explicit Form1Window(QWidget* parent = nullptr, AskSaveName askSaveName = {});

    Form1& Form() { return form_; }

private:
    void SavePicture();

    LineEditField text1_;
    LineEditField text2_;
    Form1 form_;
    SaveCommand save_;
};

} // namespace vorrelin
