#pragma once

#include <string>
#include <string_view>

namespace vorrelin {

// A one-line text field: its Text, read and written as UTF-8.
class TextField {
public:
    virtual ~TextField() = default;

    virtual std::string Text() const = 0;
    virtual void Text(std::string_view text) = 0;
};

// A text field that only holds its text: the window's fields when no window is shown.
class PlainTextField : public TextField {
public:
    explicit PlainTextField(std::string_view text = {}) : text_(text) {}

    std::string Text() const override { return text_; }
    void Text(std::string_view text) override { text_ = text; }

private:
    std::string text_;
};

} // namespace vorrelin
