#include "platform/qt/form_window.h"

#include <QLabel>
#include <QMessageBox>
#include <optional>
#include <stdexcept>

namespace vorrelin {

namespace {

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int Pixels(int twips) {
    return twips / kTwipsPerPixel;
}

} // namespace

FormWindow::FormWindow(const WindowDescription& description, QWidget* parent)
    : QWidget(parent), reportError([this](const RuntimeError& error) { ShowReport(error); }) {
    setObjectName(FromUtf8(description.name));
    setWindowTitle(FromUtf8(description.caption));
    resize(Pixels(description.clientWidth), Pixels(description.clientHeight));

    QWidget* previous = nullptr;
    for (const ControlDescription& control : description.controls) {
        QWidget* widget = nullptr;
        const QString text = FromUtf8(control.text);
        switch (control.kind) {
        case ControlKind::PictureBox: {
            const QRect box = Geometry(control);
            const int frame = 2 * PictureBox::kFrameWidth;
            auto* picture =
                new PictureBox(box.size() - QSize(frame, frame), devicePixelRatioF(), this);
            pictures_.push_back(picture);
            widget = picture;
            break;
        }
        case ControlKind::CommandButton: {
            auto* button = new QPushButton(text, this);
            button->setAutoDefault(false);
            widget = button;
            break;
        }
        case ControlKind::TextBox:
            widget = new QLineEdit(text, this);
            break;
        case ControlKind::Label: {
            auto* label = new QLabel(text, this);
            label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            widget = label;
            break;
        }
        }
        widget->setObjectName(FromUtf8(control.name));
        widget->setGeometry(Geometry(control));
        controls_.emplace(std::string(control.name), widget);
        if (widget->focusPolicy() != Qt::NoFocus) {
            if (previous) {
                setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
    // A label's box may reach over the field beneath it; the field stays on top.
    for (const ControlDescription& control : description.controls) {
        if (control.kind == ControlKind::TextBox) {
            Control(control.name).raise();
        }
    }
    // The focus starts on the first control in tab order.
    Control(description.controls.front().name).setFocus();
}

QRect FormWindow::Geometry(const ControlDescription& control) {
    return {Pixels(control.left), Pixels(control.top), Pixels(control.width),
            Pixels(control.height)};
}

QWidget& FormWindow::Control(std::string_view name) const {
    const auto found = controls_.find(name);
    if (found == controls_.end()) {
        throw std::logic_error("no control " + std::string(name));
    }
    return *found->second;
}

PictureBox& FormWindow::Picture(std::string_view name) const {
    return dynamic_cast<PictureBox&>(Control(name));
}
QPushButton& FormWindow::Button(std::string_view name) const {
    return dynamic_cast<QPushButton&>(Control(name));
}
QLineEdit& FormWindow::TextBox(std::string_view name) const {
    return dynamic_cast<QLineEdit&>(Control(name));
}
// After the handler the drawing areas are repainted, so that what it drew since its last
// refresh reaches the screen; then its error, if it ended with one, is reported.
void FormWindow::Dispatch(const std::function<void()>& handler) {
    if (dispatching_) {
        return;
    }
    struct Done {
        bool& dispatching;
        ~Done() { dispatching = false; }
    } done{dispatching_ = true};
    std::optional<RuntimeError> failure;
    try {
        handler();
    } catch (const RuntimeError& error) {
        failure = error;
    }
    for (PictureBox* picture : pictures_) {
        picture->update();
    }
    if (failure) {
        reportError(*failure);
    }
}

QString FormWindow::ReportText(const RuntimeError& error) {
    return QStringLiteral("実行時エラー '%1':\n\n%2")
        .arg(error.Number())
        .arg(QString::fromUtf8(error.what()));
}

void FormWindow::ShowReport(const RuntimeError& error) {
    QMessageBox box(QMessageBox::Critical, FromUtf8(kReportTitle), ReportText(error),
                    QMessageBox::Ok, this);
    box.exec();
}

} // namespace vorrelin
