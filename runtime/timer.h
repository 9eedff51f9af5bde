#pragma once

#include "runtime/runtime_error.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace vorrelin {

// The timer as the program uses it: it raises its Timer event every Interval milliseconds.
class Timer {
public:
    virtual ~Timer() = default;

    virtual void Interval(std::int32_t milliseconds) = 0;
    virtual void Enabled(bool enabled) = 0;
};

// The rules of the program's timer, over a clock that a window system runs: it ticks while it
// is enabled and its interval is positive, so an interval of 0 raises nothing; a negative
// interval is refused with the invalid property value error; writing Interval or Enabled
// starts the period afresh. It is enabled from the start. Ticks that fall due while a handler
// runs arrive as one, as every window system here delivers them.
class ClockTimer : public Timer {
public:
    void Interval(std::int32_t milliseconds) final {
        if (milliseconds < 0) {
            throw RuntimeError::InvalidPropertyValue();
        }
        interval_ = milliseconds;
        Restart();
    }
    void Enabled(bool enabled) final {
        enabled_ = enabled;
        Restart();
    }

    std::int32_t Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    bool Ticking() const { return enabled_ && interval_ > 0; }

protected:
    // Starts the clock, or starts its period afresh, to tick every `milliseconds`.
    virtual void StartClock(std::int32_t milliseconds) = 0;
    virtual void StopClock() = 0;

private:
    void Restart() {
        if (Ticking()) {
            StartClock(interval_);
        } else {
            StopClock();
        }
    }

    std::int32_t interval_ = 0;
    bool enabled_ = true;
};

// A timer whose clock runs when its owner says so, for a window without a screen.
class ManualTimer : public ClockTimer {
public:
    explicit ManualTimer(std::function<void()> onTimer = {}) : onTimer_(std::move(onTimer)) {}

    // Lets `milliseconds` pass; raises one Timer event if at least one period ended, however
    // many did. Returns whether it did.
    bool Elapse(std::int64_t milliseconds) {
        if (!Ticking()) {
            return false;
        }
        sinceTick_ += milliseconds;
        if (sinceTick_ < Interval()) {
            return false;
        }
        sinceTick_ %= Interval();
        if (onTimer_) {
            onTimer_();
        }
        return true;
    }

private:
    void StartClock(std::int32_t) override { sinceTick_ = 0; }
    void StopClock() override {}

    std::function<void()> onTimer_;
    std::int64_t sinceTick_ = 0;
};

} // namespace vorrelin
