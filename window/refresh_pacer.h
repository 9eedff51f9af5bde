#pragma once

#include <chrono>
#include <optional>

namespace vorrelin {

// When a refresh of the drawing area reaches the screen: at once, but not more often than a
// screen shows frames. A refresh less than a frame after the last one shown is left to a paint
// of the whole area, which the window system is asked for once and which comes at the latest
// when the running handler has returned; it shows whatever is drawn by then. A dense drawing
// refreshes hundreds of times within a few frames: nearly all of them find a paint already due.
class RefreshPacer {
public:
    static constexpr std::chrono::milliseconds kFrame{16};

    enum class Action { PaintNow, AskForPaint, Nothing };

    // What to do with a refresh at `now`, read from any clock that does not go back; a paint
    // it asks for counts as shown at once.
    Action Refresh(std::chrono::milliseconds now) {
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
    std::optional<std::chrono::milliseconds> lastShown_;
    bool paintDue_ = false;
};

} // namespace vorrelin
