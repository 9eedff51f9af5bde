#include "platform/qt/picture_box.h"

#include "platform/layout.h"

#include <QPaintEvent>
#include <QPainter>
#include <chrono>

namespace vorrelin {

PictureBox::PictureBox(QSize area, qreal devicePixelRatio, QWidget* parent)
    : QFrame(parent), RasterSurface(area.width(), area.height(), devicePixelRatio),
      image_(reinterpret_cast<const uchar*>(Bits()), PixelWidth(), PixelHeight(), BytesPerLine(),
             QImage::Format_RGB32) {
    image_.setDevicePixelRatio(devicePixelRatio);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrameWidth);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

void PictureBox::paintEvent(QPaintEvent* event) {
    pacer_.Painted();
    QFrame::paintEvent(event);
    Bits(); // pays any pen square the surface still owes the image
    const QRect area = contentsRect();
    const QRect target = event->rect() & area;
    if (target.isEmpty()) {
        return;
    }
    const qreal ratio = image_.devicePixelRatio();
    const QRectF source(QPointF(target.topLeft() - area.topLeft()) * ratio,
                        QSizeF(target.size()) * ratio);
    QPainter painter(this);
    painter.drawImage(QRectF(target), image_, source);
}

// Only what the drawing changed since the last refresh shown is painted: at the high orders,
// the pen's square.
void PictureBox::Present() {
    const RefreshPacer::Action action =
        pacer_.Refresh(std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch()));
    if (action == RefreshPacer::Action::Nothing) {
        return;
    }
    const Area changed = TakeChanged();
    const qreal ratio = DevicePixelRatio();
    const QRect area =
        QRectF(changed.left / ratio, changed.top / ratio, (changed.right - changed.left) / ratio,
               (changed.bottom - changed.top) / ratio)
            .toAlignedRect()
            .translated(contentsRect().topLeft());
    if (action == RefreshPacer::Action::PaintNow) {
        repaint(area);
    } else {
        update(area);
    }
}

} // namespace vorrelin
