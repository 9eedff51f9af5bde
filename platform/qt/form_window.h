#pragma once

#include "platform/dispatcher.h"
#include "platform/qt/picture_box.h"
#include "platform/window_description.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <string_view>
#include <vector>

namespace vorrelin {

// A top-level window built from its description, as a forms runtime builds one: each control
// at its place in twips at the standard density, which Qt scales on dense screens, in the
// description's tab order, with no default or cancel button. Its buttons raise Click; every
// event runs through the window's dispatch, one at a time, and a run-time error is reported
// in a message box, after which the program goes on.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(const WindowDescription& description, QWidget* parent = nullptr);

    PictureBox& Picture(std::string_view name) const;
    QPushButton& Button(std::string_view name) const;
    QLineEdit& TextBox(std::string_view name) const;

    // Raises an event of a control, of the window or of a timer, by name: `handle` runs with
    // it as a handler.
    void Raise(std::string_view control, Event event);
    std::function<void(std::string_view control, Event event)> handle;

private:
    QWidget& Control(std::string_view name) const;
    void RepaintPictures();
    void ShowReport(const ErrorReport& report);

    const WindowDescription& description_;
    std::vector<QWidget*> controls_; // in the description's order
    std::vector<PictureBox*> pictures_;
    Dispatcher dispatcher_;
};

} // namespace vorrelin
