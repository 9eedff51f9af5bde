#include "window/layout.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace vorrelin {

const ControlDescription& FirstFocus(const WindowDescription& window) {
    return *std::find_if(window.controls.begin(), window.controls.end(),
                         [](const ControlDescription& c) { return TakesFocus(c.kind); });
}

std::size_t IndexOf(const WindowDescription& window, std::string_view name) {
    const auto found = std::find_if(window.controls.begin(), window.controls.end(),
                                    [&](const ControlDescription& c) { return c.name == name; });
    if (found == window.controls.end()) {
        throw std::logic_error("no control " + std::string(name));
    }
    return static_cast<std::size_t>(found - window.controls.begin());
}

std::size_t TimerIndexOf(const WindowDescription& window, std::string_view name) {
    const auto found = std::find(window.timers.begin(), window.timers.end(), name);
    if (found == window.timers.end()) {
        throw std::logic_error("no timer " + std::string(name));
    }
    return static_cast<std::size_t>(found - window.timers.begin());
}

} // namespace vorrelin
