#pragma once

#include "platform/qt/form_window.h"
#include "platform/qt/line_edit_field.h"
#include "ui/form1.h"

namespace vorrelin {

// The program's window on Qt: Form1 on controls built from its description, its handlers on
// their events. Load runs here, before the window is shown.
class Form1Window : public FormWindow {
    Q_OBJECT

public:
    explicit Form1Window(QWidget* parent = nullptr);

    Form1& Form() { return form_; }

private:
    LineEditField text1_;
    LineEditField text2_;
    Form1 form_;
};

} // namespace vorrelin
