#include "platform/qt/picture_box.h"

#include <QPaintEvent>
#include <QPainter>

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
    paintDue_ = false;
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

// A drawing of order 13 refreshes 174,658 times in about a second: all but some sixty of them
// only find that a paint is already due.
void PictureBox::Present() {
    if (!sinceShown_.isValid() || sinceShown_.elapsed() >= kFrameMilliseconds) {
        repaint(contentsRect());
        sinceShown_.start();
    } else if (!paintDue_) {
        update(contentsRect());
        paintDue_ = true;
    }
}

} // namespace vorrelin
