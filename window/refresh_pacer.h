#pragma once

#include <chrono>
#include <optional>

namespace vorrelin {

// When a refresh of the drawing area reaches the screen: at once, but not more often than a
// screen shows frames. What changes less than a frame after the last refresh shown is added to
// a paint that the window system is asked for, and that comes at the latest when the running
// handler has returned: a drawing of order 9 refreshes hundreds of times within a few frames.
class RefreshPacer {
public:
    static constexpr std::chrono::milliseconds kFrame{16};

    enum class Action { PaintNow, AskForPaint };

    // What to do with a refresh at `now`, read from any clock that does not go back.
    Action Refresh(std::chrono::milliseconds now) {
        if (!lastShown_ || now - *lastShown_ >= kFrame) {
            lastShown_ = now;
            return Action::PaintNow;
        }
        return Action::AskForPaint;
    }

private:
    std::optional<std::chrono::milliseconds> lastShown_;
};

} // namespace vorrelin
