#pragma once

#include "graphics/image.h"
#include "graphics/raster_surface.h"
#include "platform/win32/handles.h"
#include "window/refresh_pacer.h"

#include <functional>
#include <string>
#include <vector>
#include <windows.h>

namespace vorrelin::win32 {

// The drawing area on screen: a child window with a sunken edge that shows its raster
// surface's own pixels, handing the buffer to the window system as a 32-bit top-down DIB
// without a copy and painting only what it asks for, so the picture survives covering and
// uncovering. The image has the monitor's device resolution; lines stay DrawWidth logical
// pixels wide. It has a menu, shown by a right click, the menu key or Shift+F10.
class PictureBox {
public:
    // An item of the menu, and the key that runs it with Ctrl while the box has the focus, if
    // any (0 for none).
    struct MenuItem {
        std::wstring text;
        wchar_t key;
        std::function<void()> run;
    };

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

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
    void Present();
    void Paint();
    void ShowMenu(LPARAM at);
    bool RunKey(WPARAM key);

    RasterSurface raster_;
    std::vector<MenuItem> menu_;
    UINT dpi_;
    RefreshPacer pacer_;
    OwnedWindow window_; // last, so that it goes first
};

} // namespace vorrelin::win32
