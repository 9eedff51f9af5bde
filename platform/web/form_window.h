#pragma once

#include "platform/web/page.h"
#include "platform/web/picture_box.h"
#include "platform/web/picture_menu.h"
#include "platform/web/report_dialog.h"
#include "platform/web/web_timer.h"
#include "runtime/dispatcher.h"
#include "window/menu_command.h"
#include "window/window_description.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>

namespace vorrelin::web {

// A window built from its description in an element of the page, as a forms runtime builds
// one: real HTML controls, each at its place in twips at the standard density, the page's
// order their tab order, each label for the control it names; buttons that Return presses as
// Space does, fields in which Return and Escape press nothing; and its timers. Its buttons
// raise Click and its timers Timer; every event runs through the window's dispatch, one at a
// time, and a run-time error is reported in a modal dialog, after which the program goes on;
// while the dialog is open, events are dropped, as behind a desktop's message box. On a screen
// too small for it, the whole window is zoomed out.
class FormWindow {
public:
    // Runs the window's code for an event of a control, of the window or of a timer, by name.
    using Handler = std::function<void(std::string_view control, Event event)>;

    FormWindow(const WindowDescription& description, val client, Handler handler);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    val Control(std::string_view name) const;
    PictureBox& Picture(std::string_view name) const;
    WebTimer& Timer(std::string_view name) const;

    // Raises an event: the handler runs with it, through the dispatch.
    void Raise(std::string_view control, Event event);
    // Gives a drawing area a menu of commands, and their keys.
    void AddMenu(std::string_view picture, std::vector<MenuCommand> commands);
    // Tells a screen reader what a drawing area is and shows: a picture, with a name and a
    // description.
    void DescribePicture(std::string_view picture, std::string_view name,
                         std::string_view description);
    // Tells the user of a failure, in the window's dialog.
    void ShowReport(const ErrorReport& report);

private:
    void Run(const std::function<void()>& command);
    void FitScreen();

    const WindowDescription& description_;
    val client_;
    Handler handler_;
    std::vector<val> controls_; // in the description's order
    std::vector<std::unique_ptr<PictureBox>> pictures_;
    std::vector<std::unique_ptr<WebTimer>> timers_; // in the description's order
    std::vector<std::unique_ptr<PictureMenu>> menus_;
    ReportDialog report_;
    Dispatcher dispatcher_;
};

} // namespace vorrelin::web
