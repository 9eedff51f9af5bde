#pragma once

#include "platform/raster_surface.h"
#include "platform/refresh_pacer.h"

#include <QFrame>
#include <QImage>

namespace vorrelin {

// The drawing area on screen: a framed widget that shows the raster surface's own pixels, so
// the picture survives covering, uncovering and resizing, and painting copies nothing but the
// part of the image the window system asks for. The image has the screen's device
// resolution; lines stay DrawWidth logical pixels wide.
class PictureBox : public QFrame, public RasterSurface {
    Q_OBJECT

public:
    // `area` is the inner area in logical pixels; the frame adds its width around it.
    PictureBox(QSize area, qreal devicePixelRatio, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void Present() override;

private:
    QImage image_;
    RefreshPacer pacer_;
};

} // namespace vorrelin
