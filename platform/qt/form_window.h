#pragma once

#include "platform/qt/picture_box.h"
#include "platform/qt/qt_timer.h"
#include "runtime/dispatcher.h"
#include "window/menu_command.h"
#include "window/window_description.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace vorrelin {

// A top-level window built from its description, as a forms runtime builds one: each control
// at its place in twips at the standard density, which Qt scales on dense screens, in the
// description's tab order, with no default or cancel button (Return and Enter press the button
// with the focus, as Space does), each label tied to the control it names, and its timers. Its
// buttons raise Click and its timers Timer; every event runs through the window's dispatch, one
// at a time, and a run-time error is reported in a message box, after which the program goes on.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    // Runs the window's code for an event of a control, of the window or of a timer, by name.
    using Handler = std::function<void(std::string_view control, Event event)>;

    FormWindow(const WindowDescription& description, Handler handler, QWidget* parent = nullptr);

    PictureBox& Picture(std::string_view name) const;
    QPushButton& Button(std::string_view name) const;
    QLineEdit& TextBox(std::string_view name) const;
    QtTimer& Timer(std::string_view name) const;

    // Raises an event: the handler runs with it, through the dispatch.
    void Raise(std::string_view control, Event event);
    // Gives a drawing area a menu of commands, and their keys.
    void AddMenu(std::string_view picture, std::vector<MenuCommand> commands);
    // Tells the user of a failure, in a message box over the window.
    void ShowReport(const ErrorReport& report);

private:
    QWidget& Control(std::string_view name) const;
    void RepaintPictures();

    const WindowDescription& description_;
    Handler handler_;
    std::vector<QWidget*> controls_; // in the description's order
    std::vector<PictureBox*> pictures_;
    std::vector<std::unique_ptr<QtTimer>> timers_; // in the description's order
    Dispatcher dispatcher_;
};

} // namespace vorrelin
