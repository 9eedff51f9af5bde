#pragma once

#include "platform/raster_surface.h"

#include <QElapsedTimer>
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

    static constexpr int kFrameWidth = 2;

protected:
    void paintEvent(QPaintEvent* event) override;
    // A refresh puts the picture on screen at once, but not more often than a screen can show
    // it: one less than a frame after the last is left to the next paint, which comes at the
    // latest when the running handler has returned.
    void Present() override;

private:
    static constexpr int kFrameMilliseconds = 16;

    QImage image_;
    QElapsedTimer sinceShown_;
    bool paintDue_ = false;
};

} // namespace vorrelin
