#pragma once

#include "graphics/raster_surface.h"
#include "window/refresh_pacer.h"

#include <QFrame>

namespace vorrelin {

// The drawing area on screen: a framed widget that shows its raster surface's own pixels, so
// the picture survives covering, uncovering and resizing, and painting copies nothing but the
// part of the image the window system asks for. The image has the device resolution of the
// screen the window is on, and follows the window to a screen of another density; lines stay
// DrawWidth logical pixels wide.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    // `area` is the inner area in logical pixels; the frame adds its width around it.
    PictureBox(QSize area, QWidget* parent = nullptr);

    // What the program draws on.
    RasterSurface& Surface() { return raster_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Present();
    void FollowDensity();

    RasterSurface raster_;
    RefreshPacer pacer_;
};

} // namespace vorrelin
