#pragma once

#include <functional>
#include <string_view>

namespace vorrelin {

// A command that a window offers on a control's menu, with the key that runs it together with
// Ctrl: while the control has the focus, or anywhere in the window. It runs through the
// window's dispatch, one at a time with the window's handlers.
struct MenuCommand {
    enum class Reach { Control, Window };

    std::string_view text; // with its access key, as "画像をコピー(&C)"
    char key;              // 'A' to 'Z'
    Reach reach;
    std::function<void()> run;

    // The text as a screen reader names the command: without the access key, nor the "..."
    // after it that says the command asks for more before it runs.
    std::string_view SpokenText() const { return text.substr(0, text.find("(&")); }
};

} // namespace vorrelin
