#pragma once

#include <QLineEdit>

namespace vorrelin {

// A text field's edit: Qt's own, whose menu opened from the keyboard starts on its first command
// that can run, as the drawing area's does, so that a screen reader names it and Return runs
// it. Opened by the mouse, it starts on none.
class FieldEdit : public QLineEdit {
    Q_OBJECT

public:
    using QLineEdit::QLineEdit;

protected:
    void contextMenuEvent(QContextMenuEvent* event) override;
};

} // namespace vorrelin
