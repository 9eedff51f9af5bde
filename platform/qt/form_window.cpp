#include "platform/qt/form_window.h"

#include "platform/qt/accessible_role.h"
#include "platform/qt/field_edit.h"
#include "platform/qt/text.h"
#include "window/layout.h"

#include <QAction>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <utility>

namespace vorrelin {

namespace {

// Qt lays out in logical pixels and scales them itself on dense screens.
QRect Geometry(const ControlDescription& control) {
    const Rect place = PlaceOf(control, kStandardDpi);
    return {place.left, place.top, place.width, place.height};
}

// A command button that Return and Enter press, as Space does, though it is no default button.
class FormButton : public QPushButton {
public:
    using QPushButton::QPushButton;

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
            click();
            return;
        }
        QPushButton::keyPressEvent(event);
    }
};

} // namespace

FormWindow::FormWindow(const WindowDescription& description, Handler handler, QWidget* parent)
    : QWidget(parent), description_(description), handler_(std::move(handler)),
      dispatcher_([this] { RepaintPictures(); },
                  [this](const ErrorReport& report) { ShowReport(report); }) {
    // A window to a screen reader, named by its caption, as Qt's own windows are.
    SetAccessibleRole(staticMetaObject, QAccessible::Window);
    setObjectName(FromUtf8(description.name));
    setWindowTitle(FromUtf8(description.caption));
    resize(ToPixels(description.clientWidth, kStandardDpi),
           ToPixels(description.clientHeight, kStandardDpi));

    QWidget* previous = nullptr;
    for (const ControlDescription& control : description.controls) {
        QWidget* widget = nullptr;
        const QString text = FromUtf8(control.text);
        switch (control.kind) {
        case ControlKind::PictureBox: {
            const QRect box = Geometry(control);
            auto* picture =
                new PictureBox(QSize(InnerSide(box.width()), InnerSide(box.height())), this);
            pictures_.push_back(picture);
            widget = picture;
            break;
        }
        case ControlKind::CommandButton: {
            auto* button = new FormButton(text, this);
            button->setAutoDefault(false);
            connect(button, &QPushButton::clicked, this,
                    [this, name = control.name] { Raise(name, Event::Click); });
            widget = button;
            break;
        }
        case ControlKind::TextBox:
            widget = new FieldEdit(text, this);
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
        controls_.push_back(widget);
        if (TakesFocus(control.kind)) {
            if (previous) {
                setTabOrder(previous, widget);
            }
            previous = widget;
        }
    }
    for (std::size_t i = 0; i < controls_.size(); ++i) {
        if (LiesUnderneath(description.controls[i].kind)) {
            controls_[i]->lower();
        }
        if (!description.controls[i].labels.empty()) {
            static_cast<QLabel*>(controls_[i])->setBuddy(&Control(description.controls[i].labels));
        }
    }
    for (const std::string_view name : description.timers) {
        timers_.push_back(std::make_unique<QtTimer>());
        connect(&timers_.back()->Clock(), &QTimer::timeout, this,
                [this, name] { Raise(name, Event::Timer); });
    }
    Control(FirstFocus(description).name).setFocus();
}

QWidget& FormWindow::Control(std::string_view name) const {
    return *controls_[IndexOf(description_, name)];
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

QtTimer& FormWindow::Timer(std::string_view name) const {
    return *timers_[TimerIndexOf(description_, name)];
}

void FormWindow::Raise(std::string_view control, Event event) {
    dispatcher_.Dispatch([&] { handler_(control, event); });
}

// The commands' actions make the drawing area's menu, and are what a screen reader offers of it,
// by their spoken texts; a command's key works while the area has the focus, or anywhere in the
// window.
void FormWindow::AddMenu(std::string_view picture, std::vector<MenuCommand> commands) {
    PictureBox& target = Picture(picture);
    for (MenuCommand& command : commands) {
        auto* action = new QAction(FromUtf8(command.text), &target);
        action->setIconText(FromUtf8(command.SpokenText()));
        action->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(command.key)));
        action->setShortcutContext(
            command.reach == MenuCommand::Reach::Window ? Qt::WindowShortcut : Qt::WidgetShortcut);
        connect(action, &QAction::triggered, this,
                [this, run = std::move(command.run)] { dispatcher_.Dispatch(run); });
        target.addAction(action);
    }
}

void FormWindow::RepaintPictures() {
    for (PictureBox* picture : pictures_) {
        picture->update();
    }
}

void FormWindow::ShowReport(const ErrorReport& report) {
    QMessageBox box(QMessageBox::Critical, FromUtf8(report.title), FromUtf8(report.text),
                    QMessageBox::Ok, this);
    box.exec();
}

} // namespace vorrelin
