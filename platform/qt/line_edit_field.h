#pragma once

#include "platform/qt/text.h"
#include "window/text_field.h"

#include <QLineEdit>

namespace vorrelin {

// A text field on screen: an ordinary one-line edit that neither filters nor checks its text.
class LineEditField : public TextField {
public:
    explicit LineEditField(QLineEdit& edit) : edit_(edit) {}

    std::string Text() const override { return edit_.text().toStdString(); }
    void Text(std::string_view text) override {
        edit_.setText(FromUtf8(text));
    }

private:
    QLineEdit& edit_;
};

} // namespace vorrelin
