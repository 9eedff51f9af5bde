#pragma once

#include "platform/timer.h"

#include <QTimer>

namespace vorrelin {

// The timer on a Qt event loop. QTimer would fire continuously at an interval of 0; this one
// stays quiet. Ticks due while a handler runs arrive as one, as QTimer delivers them.
class QtTimer : public Timer {
public:
    QtTimer() = default;

    void Interval(std::int32_t milliseconds) override {
        if (milliseconds < 0) {
            throw RuntimeError::InvalidPropertyValue();
        }
        interval_ = milliseconds;
        Restart();
    }
    void Enabled(bool enabled) override {
        enabled_ = enabled;
        Restart();
    }

    QTimer& Clock() { return timer_; }
    bool Ticking() const { return timer_.isActive(); }

private:
    void Restart() {
        if (enabled_ && interval_ > 0) {
            timer_.start(interval_);
        } else {
            timer_.stop();
        }
    }

    QTimer timer_;
    std::int32_t interval_ = 0;
    bool enabled_ = true;
};

} // namespace vorrelin
