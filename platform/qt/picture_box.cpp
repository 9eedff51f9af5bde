#include "platform/qt/picture_box.h"

#include "platform/layout.h"

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

void PictureBox::Present() {
    switch (pacer_.Refresh(RefreshPacer::Clock::now())) {
    case RefreshPacer::Action::PaintNow:
        repaint(contentsRect());
        break;
    case RefreshPacer::Action::AskForPaint:
        update(contentsRect());
        break;
    case RefreshPacer::Action::Nothing:
        break;
    }
}

} // namespace vorrelin
