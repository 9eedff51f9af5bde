#pragma once

#include "platform/runtime_error.h"

#include <cstdint>
#include <functional>
#include <utility>

namespace vorrelin {

// A timer that raises its Timer event every Interval milliseconds while it is enabled and its
// interval is positive; with an interval of 0 it raises nothing. A negative interval is
// refused with the invalid property value error. Writing Interval or Enabled while it runs
// starts its period afresh.
class Timer {
public:
    virtual ~Timer() = default;

    virtual void Interval(std::int32_t milliseconds) = 0;
    virtual void Enabled(bool enabled) = 0;
};

// A timer without a clock: time passes when the owner says so. Ticks that fall due together
// merge into one, as they do when a drawing keeps the window busy.
class ManualTimer : public Timer {
public:
    explicit ManualTimer(std::function<void()> onTimer = {}) : onTimer_(std::move(onTimer)) {}

    void Interval(std::int32_t milliseconds) override {
        if (milliseconds < 0) {
            throw RuntimeError::InvalidPropertyValue();
        }
        interval_ = milliseconds;
        sinceTick_ = 0;
    }
    void Enabled(bool enabled) override {
        enabled_ = enabled;
        sinceTick_ = 0;
    }

    std::int32_t Interval() const { return interval_; }
    bool Enabled() const { return enabled_; }
    bool Ticking() const { return enabled_ && interval_ > 0; }

    // Lets `milliseconds` pass; raises one Timer event if at least one period ended.
    // Returns whether it did.
    bool Elapse(std::int64_t milliseconds) {
        if (!Ticking()) {
            return false;
        }
        sinceTick_ += milliseconds;
        if (sinceTick_ < interval_) {
            return false;
        }
        sinceTick_ %= interval_;
        if (onTimer_) {
            onTimer_();
        }
        return true;
    }
    void OnTimer(std::function<void()> onTimer) { onTimer_ = std::move(onTimer); }

private:
    std::function<void()> onTimer_;
    std::int32_t interval_ = 0;
    bool enabled_ = true;
    std::int64_t sinceTick_ = 0;
};

} // namespace vorrelin
