#pragma once

#include "runtime/timer.h"

#include <QTimer>

namespace vorrelin {

// The timer's clock on a Qt event loop.
class QtTimer : public ClockTimer {
public:
    QTimer& Clock() { return timer_; }

private:
    void StartClock(std::int32_t milliseconds) override { timer_.start(milliseconds); }
    void StopClock() override { timer_.stop(); }

    QTimer timer_;
};

} // namespace vorrelin
