#pragma once

#include "platform/win32/annotations.h"
#include "platform/win32/command_table.h"
#include "platform/win32/handles.h"
#include "platform/win32/picture_box.h"
#include "platform/win32/picture_clipboard.h"
#include "platform/win32/win32_timer.h"
#include "runtime/dispatcher.h"
#include "window/menu_command.h"
#include "window/window_description.h"

#include <functional>
#include <memory>
#include <string_view>
#include <vector>
#include <windows.h>

namespace vorrelin::win32 {

// A top-level window built from its description, as a forms runtime builds one: BUTTON,
// one-line EDIT and STATIC controls and drawing areas, each at its place in twips converted at
// the monitor's density and in the system's message font at that density, both followed when
// the window moves to a monitor of another density; Tab in the description's order, Enter
// pressing the button with the focus, as Space does, and nothing in a field, Escape nothing; and
// its timers. A screen reader names each field by the label that names it. Its buttons and timers
// raise their events; every event runs through the window's dispatch, one at a time, and a run-time
// error is reported in a message box, after which the program goes on. Closing the window ends the
// thread's message loop. The thread has joined COM before it makes the window, for the system's
// dialogs, codecs and annotations.
class FormWindow {
public:
    // Runs the window's code for an event of a control, of the window or of a timer, by name.
    using Handler = std::function<void(std::string_view control, Event event)>;

    // Throws SystemError, with the system's reason, if the window or a control cannot be made.
    FormWindow(const WindowDescription& description, Handler handler, HINSTANCE instance,
               HICON icon);
    FormWindow(const FormWindow&) = delete;
    FormWindow& operator=(const FormWindow&) = delete;

    HWND Handle() const { return window_.Get(); }
    HWND Control(std::string_view name) const;
    PictureBox& Picture(std::string_view name) const;
    Win32Timer& Timer(std::string_view name) const;

    // Raises an event: the handler runs with it, through the dispatch.
    void Raise(std::string_view control, Event event);
    // Gives a drawing area a menu of commands, and their keys.
    void AddMenu(std::string_view picture, std::vector<MenuCommand> commands);
    // Tells a screen reader what a control is and shows: a picture, with a name and a
    // description.
    void DescribePicture(std::string_view picture, std::string_view name,
                         std::string_view description);
    // Tells the user of a failure, in a message box over the window.
    void ShowReport(const ErrorReport& report);
    // Puts a picture on the clipboard, the window its owner. Throws SystemError if it cannot.
    void Copy(Image picture);

    // Shows the window, with the focus on its first control.
    void Show(int showCommand);
    // Handles a message of the thread's loop that is the window's keyboard's: the keys of its
    // commands, and Tab among its controls. False if it is left to be dispatched.
    bool Translate(MSG& message);

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
    LRESULT OnMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    void OnCommand(WPARAM wParam);
    void OnTimer(WPARAM wParam);
    void OnActivate(WPARAM wParam);
    void OnDpiChanged(HWND window, WPARAM wParam, LPARAM lParam);
    void OnDestroyed();
    HWND CreateControl(std::size_t index, HINSTANCE instance);
    SIZE WindowSize(UINT dpi) const;
    void Layout();
    void ClipLabels();
    bool IsButton(HWND window) const;
    void RepaintPictures();

    const WindowDescription& description_;
    Handler handler_;
    Dispatcher dispatcher_;
    // The controls use the font, so it outlives the window; everything after the window goes
    // before it, while it is still there.
    GdiObject<HFONT> font_;
    OwnedWindow window_;
    UINT dpi_ = 0;
    HWND focus_ = nullptr;       // the control that had the focus when the window was last active
    std::vector<HWND> controls_; // in the description's order; they go with the window
    std::vector<std::unique_ptr<PictureBox>> pictures_;
    std::vector<std::unique_ptr<Win32Timer>> timers_; // in the description's order
    CommandTable commands_;
    Annotations annotations_;
    // After the window, so that it goes first, while the window still owns the clipboard.
    PictureClipboard clipboard_;
};

} // namespace vorrelin::win32
