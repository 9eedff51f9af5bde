#pragma once

#include "graphics/raster_surface.h"
#include "platform/win32/handles.h"
#include "window/refresh_pacer.h"

#include <windows.h>

namespace vorrelin::win32 {

// The drawing area on screen: a child window with a sunken edge that shows its raster
// surface's own pixels, handing the buffer to the window system as a 32-bit top-down DIB
// without a copy and painting only what it asks for, so the picture survives covering and
// uncovering. The image has the monitor's device resolution; lines stay DrawWidth logical
// pixels wide.
class PictureBox {
public:
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

private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;
    void Present();
    void Paint();

    RasterSurface raster_;
    UINT dpi_;
    RefreshPacer pacer_;
    OwnedWindow window_; // last, so that it goes first
};

} // namespace vorrelin::win32
