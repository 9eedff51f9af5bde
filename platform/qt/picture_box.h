#pragma once

#include "graphics/image.h"
#include "graphics/raster_surface.h"
#include "window/refresh_pacer.h"

#include <QFrame>
#include <QMenu>
#include <chrono>
#include <functional>
#include <utility>

namespace vorrelin {

// The drawing area on screen: a framed widget that shows its raster surface's own pixels, so
// the picture survives covering, uncovering and resizing, and painting copies nothing but the
// part of the image the window system asks for. The image has the device resolution of the
// screen the window is on, and follows the window to a screen of another density; lines stay
// DrawWidth logical pixels wide. Its frame shows when it has the focus. A screen reader is told
// it is a picture. Its menu is that of the actions added to it, shown by a right click, the menu
// key or Shift+F10; a screen reader offers the same actions. The menu is one for the area's
// life: a screen reader keeps its items between openings, and one made afresh for each opening
// would leave it holding items that are gone.
class PictureBox : public QFrame {
    Q_OBJECT

public:
    // `area` is the inner area in logical pixels; the frame adds its width around it.
    PictureBox(QSize area, QWidget* parent = nullptr);

    // What the program draws on.
    RasterSurface& Surface() { return raster_; }
    // The picture as shown: every device pixel of the inner area, as it is now.
    Image TakePicture();
    // Puts the picture on the clipboard, where programs that paste find it as PNG and in the
    // other usual image formats.
    void CopyPicture();

    // The clock whose milliseconds pace the refreshes: the steady clock, unless one that does
    // not go back is given instead (a test's stopped clock).
    using Clock = std::function<std::chrono::milliseconds()>;
    void PaceBy(Clock clock) { clock_ = std::move(clock); }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void actionEvent(QActionEvent* event) override;

private:
    void Present();
    void FollowDensity();

    RasterSurface raster_;
    RefreshPacer pacer_;
    Clock clock_;
    QMenu* menu_; // a child of the area
};

} // namespace vorrelin
