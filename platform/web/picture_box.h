#pragma once

#include "graphics/image.h"
#include "graphics/raster_surface.h"
#include "platform/web/page.h"
#include "window/refresh_pacer.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vorrelin::web {

// The drawing area on the page: a <canvas> that holds its raster surface's pixels at the
// device resolution of the screen, however large the page shows it, and follows the screen
// to another density (a zoom, another monitor) with a full repaint. Painting converts and
// puts only the part of the image that changed. Its picture leaves the page as PNG by the
// browser's own encoder, from exactly the canvas's pixels.
class PictureBox {
public:
    // `side` is the inner area in CSS pixels, square, as the program's area is.
    PictureBox(val canvas, int width, int height);
    PictureBox(const PictureBox&) = delete;
    PictureBox& operator=(const PictureBox&) = delete;

    RasterSurface& Surface() { return raster_; }
    const val& Canvas() const { return canvas_; }

    // Puts on the canvas what the program drew since the last paint.
    void Repaint();
    // Puts the picture on the clipboard as PNG; a refusal comes back to `failed` with its
    // reason, later, as the clipboard answers later.
    void Copy(std::function<void(const std::string& reason)> failed);
    // Hands the picture to the browser's downloads as a PNG file of this name.
    void Save(const std::string& fileName);

private:
    void Present();
    void Paint(const Rect& area);
    void FollowDensity();
    void WatchDensity();

    val canvas_;
    val densityQuery_;
    RasterSurface raster_;
    RefreshPacer pacer_;
    std::vector<std::uint32_t> rgba_; // the canvas's pixels as ImageData holds them
};

} // namespace vorrelin::web
