#pragma once

#include <chrono>
#include <optional>

namespace vorrelin {

// When a refresh of the drawing area reaches the screen: at once, but not more often than a
// screen shows frames. A refresh less than a frame after the last one shown is left to a paint
// that the window system is asked for once, and that comes at the latest when the running
// handler has returned. A drawing of order 13 refreshes 174,658 times in about a second: all
// but some sixty of them only find that a paint is already due.
class RefreshPacer {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::duration kFrame = std::chrono::milliseconds(16);

    enum class Action { PaintNow, AskForPaint, Nothing };

    // What to do with a refresh at `now`; a paint it asks for counts as shown at once.
    Action Refresh(Clock::time_point now) {
        if (!lastShown_ || now - *lastShown_ >= kFrame) {
            lastShown_ = now;
            return Action::PaintNow;
        }
        if (paintDue_) {
            return Action::Nothing;
        }
        paintDue_ = true;
        return Action::AskForPaint;
    }
    // A paint has put the picture on screen: nothing is due any more.
    void Painted() { paintDue_ = false; }

private:
    std::optional<Clock::time_point> lastShown_;
    bool paintDue_ = false;
};

} // namespace vorrelin
