#pragma once

#include "platform/win32/text.h"
#include "window/text_field.h"

#include <windows.h>

namespace vorrelin::win32 {

// A text field on screen: an ordinary one-line EDIT control that neither filters nor checks
// its text.
class EditField : public TextField {
public:
    explicit EditField(HWND edit) : edit_(edit) {}

    std::string Text() const override {
        std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(edit_)) + 1, L'\0');
        text.resize(static_cast<std::size_t>(
            GetWindowTextW(edit_, text.data(), static_cast<int>(text.size()))));
        return Narrow(text);
    }
    void Text(std::string_view text) override { SetWindowTextW(edit_, Widen(text).c_str()); }

private:
    HWND edit_;
};

} // namespace vorrelin::win32
