#include "platform/qt/picture_box.h"

#include "platform/qt/accessible_role.h"
#include "window/layout.h"

#include <QClipboard>
#include <QActionEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QImage>
#include <QKeyEvent>
#include <QPaintEvent>
#include <QPainter>
#include <chrono>

namespace vorrelin {

namespace {

// An image's pixels as a QImage, without a copy: it lasts as long as the pixels.
QImage Wrap(const ImageView& image) {
    return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width, image.height,
                  image.BytesPerLine(), QImage::Format_RGB32);
}

} // namespace

PictureBox::PictureBox(QSize area, QWidget* parent)
    : QFrame(parent),
      raster_(area.width(), area.height(), devicePixelRatioF(), [this] { Present(); }),
      clock_([] {
          return std::chrono::duration_cast<std::chrono::milliseconds>(
              std::chrono::steady_clock::now().time_since_epoch());
      }),
      menu_(new QMenu(this)) {
    // A picture to a screen reader, not the frame round one.
    SetAccessibleRole(staticMetaObject, QAccessible::Graphic);
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(kFrameWidth);
    setAttribute(Qt::WA_StaticContents);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
}

Image PictureBox::TakePicture() {
    return Image(raster_.Pixels().CompleteImage());
}

void PictureBox::CopyPicture() {
    QGuiApplication::clipboard()->setImage(Wrap(raster_.Pixels().CompleteImage()).copy());
}

// Shift+F10 opens the menu, as the menu key does.
void PictureBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_F10 && event->modifiers() == Qt::ShiftModifier) {
        const QRect area = contentsRect();
        QContextMenuEvent menu(QContextMenuEvent::Keyboard, area.center(),
                               mapToGlobal(area.center()));
        QCoreApplication::sendEvent(this, &menu);
        return;
    }
    QFrame::keyPressEvent(event);
}

// A menu opened from the keyboard starts on its first command, so that Return runs it and a
// screen reader names it; one opened by the mouse starts on none.
void PictureBox::contextMenuEvent(QContextMenuEvent* event) {
    if (menu_->isEmpty()) {
        QFrame::contextMenuEvent(event);
        return;
    }
    const bool fromTheKeyboard = event->reason() == QContextMenuEvent::Keyboard;
    menu_->setActiveAction(fromTheKeyboard ? menu_->actions().front() : nullptr);
    menu_->exec(event->globalPos());
}

// The menu holds the area's actions, in their order.
void PictureBox::actionEvent(QActionEvent* event) {
    if (event->type() == QEvent::ActionAdded) {
        menu_->insertAction(event->before(), event->action());
    } else if (event->type() == QEvent::ActionRemoved) {
        menu_->removeAction(event->action());
    }
    QFrame::actionEvent(event);
}

// A window moved to a screen of another density is repainted whole, and its first paint there
// gives the image that screen's resolution.
void PictureBox::FollowDensity() {
    if (devicePixelRatioF() != raster_.Pixels().DevicePixelRatio()) {
        raster_.Pixels().ChangeDensity(devicePixelRatioF());
        update();
    }
}

// The image is wrapped afresh for every paint, so that no view outlives the buffer it shows.
// While the area has the focus, its frame is drawn in the highlight color: the focus shows
// around the picture, never on it. Qt repaints the area whenever it takes or loses the focus.
void PictureBox::paintEvent(QPaintEvent* event) {
    pacer_.Painted();
    FollowDensity();
    QFrame::paintEvent(event);
    const QRect area = contentsRect();
    QPainter painter(this);
    if (hasFocus()) {
        for (const QRect& part : QRegion(frameRect()).subtracted(area)) {
            painter.fillRect(part, palette().color(QPalette::Highlight));
        }
    }
    const QRect target = event->rect() & area;
    if (target.isEmpty()) {
        return;
    }
    QImage image = Wrap(raster_.Pixels().CompleteImage());
    const qreal ratio = raster_.Pixels().DevicePixelRatio();
    image.setDevicePixelRatio(ratio);
    const QRectF source(QPointF(target.topLeft() - area.topLeft()) * ratio,
                        QSizeF(target.size()) * ratio);
    painter.drawImage(QRectF(target), image, source);
}

// A refresh shown at once paints only what the drawing changed since the last one: at the high
// orders, little more than the pen's square.
void PictureBox::Present() {
    const RefreshPacer::Action action = pacer_.Refresh(clock_());
    if (action == RefreshPacer::Action::Nothing) {
        return;
    }
    const Rect changed = raster_.Pixels().TakeChanged();
    const qreal ratio = raster_.Pixels().DevicePixelRatio();
    const QRect area = QRectF(changed.left / ratio, changed.top / ratio, changed.width / ratio,
                              changed.height / ratio)
                           .toAlignedRect()
                           .translated(contentsRect().topLeft());
    if (action == RefreshPacer::Action::PaintNow) {
        repaint(area);
    } else {
        update(contentsRect());
    }
}

} // namespace vorrelin
