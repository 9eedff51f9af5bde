#pragma once

#include <algorithm>
#include <span>
#include <string_view>

namespace vorrelin {

// A window as data: what the platform builds it from. Positions and sizes are in twips,
// 1/1440 inch, from the top-left corner of the client area.
enum class ControlKind { PictureBox, CommandButton, TextBox, Label };

struct ControlDescription {
    std::string_view name;
    ControlKind kind;
    std::string_view text; // caption or initial text
    int left;
    int top;
    int width;
    int height;
    // The control a label names, for a screen reader; none for any other control.
    std::string_view labels = {};
};

struct WindowDescription {
    std::string_view name;
    std::string_view caption;
    int clientWidth;
    int clientHeight;
    // In tab order; labels take no focus and are passed over.
    std::span<const ControlDescription> controls;
    // Timers have no place on the screen, only a name.
    std::span<const std::string_view> timers;
};

// The events that the platform raises for the window's code: Load of the window, Click of a
// button, Timer of a timer.
enum class Event { Load, Click, Timer };

constexpr bool HasControl(const WindowDescription& window, std::string_view name) {
    return std::any_of(window.controls.begin(), window.controls.end(),
                       [&](const ControlDescription& c) { return c.name == name; });
}

// Whether an event of this name can come from the window: the window itself, one of its
// controls or one of its timers.
constexpr bool RaisesEvents(const WindowDescription& window, std::string_view name) {
    return name == window.name || HasControl(window, name) ||
           std::find(window.timers.begin(), window.timers.end(), name) != window.timers.end();
}

} // namespace vorrelin
