#pragma once

#include "graphics/image.h"
#include "graphics/raster_surface.h"
#include "platform/win32/handles.h"
#include "window/refresh_pacer.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>
#include <windows.h>

namespace vorrelin::win32 {

// The drawing area on screen: a child window with a sunken edge that shows its raster
// surface's own pixels, handing the buffer to the window system as a 32-bit top-down DIB
// without a copy and painting only what it asks for, so the picture survives covering and
// uncovering. The image has the monitor's device resolution; lines stay DrawWidth logical
// pixels wide. Its edge shows when it has the focus. It has a menu, shown by a right click, the
// menu key or Shift+F10. A screen reader is told it is a picture, with its name and
// description, and that its default action is its menu's first command (accessible_picture.h).
class PictureBox {
public:
    // An item of the menu, its text as a screen reader names it, and the key that runs it with
    // Ctrl while the box has the focus, if any (0 for none).
    struct MenuItem {
        std::wstring text;
        std::wstring name;
        wchar_t key;
        std::function<void()> run;
    };

    // The message that runs the default action.
    static constexpr UINT kRunDefaultAction = WM_APP;

    // `side` is the inner area in logical pixels.
    PictureBox(HWND parent, int id, int side, UINT dpi);
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    HWND Handle() const { return window_.Get(); }
    // What the program draws on.
    RasterSurface& Surface() { return raster_; }
    // Puts the box's top-left corner at a place on its parent, at the parent's density: the
    // image moves to that density, keeping its picture, and the edge goes round it.
    void Place(int left, int top, UINT dpi);
    // The picture as shown: every device pixel of the inner area, as it is now.
    Image TakePicture() { return Image(raster_.Pixels().CompleteImage()); }
    void SetMenu(std::vector<MenuItem> items) { menu_ = std::move(items); }
    // Gives the box its name and tells it what it shows; a new description is announced to
    // screen readers.
    void Describe(std::string_view name, std::string_view description);
    const std::wstring& Description() const { return description_; }
    // The name of the menu's first command; empty without a menu.
    std::wstring DefaultAction() const { return menu_.empty() ? L"" : menu_.front().name; }

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
    void Present();
    void Paint();
    void PaintEdge(WPARAM region);
    void ShowMenu(LPARAM at);
    bool RunKey(WPARAM key);
    void RunDefaultAction();

    RasterSurface raster_;
    std::vector<MenuItem> menu_;
    std::wstring description_;
    UINT dpi_;
    RefreshPacer pacer_;
    OwnedWindow window_; // last, so that it goes first
};

} // namespace vorrelin::win32
