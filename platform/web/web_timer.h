#pragma once

#include "runtime/timer.h"

#include <emscripten/eventloop.h>
#include <functional>
#include <utility>

namespace vorrelin::web {

// The program's timer over the browser's interval timer. The browser runs one callback at a
// time, and an interval that falls due while one runs comes once it has returned, as one.
class WebTimer : public ClockTimer {
public:
    explicit WebTimer(std::function<void()> onTimer) : onTimer_(std::move(onTimer)) {}
    ~WebTimer() override { StopClock(); }
    WebTimer(const WebTimer&) = delete;
    WebTimer& operator=(const WebTimer&) = delete;

private:
    void StartClock(std::int32_t milliseconds) override {
        StopClock();
        interval_ = emscripten_set_interval(&Tick, milliseconds, this);
    }
    void StopClock() override {
        if (interval_ != 0) {
            emscripten_clear_interval(interval_);
            interval_ = 0;
        }
    }
    static void Tick(void* timer) { static_cast<WebTimer*>(timer)->onTimer_(); }

    std::function<void()> onTimer_;
    long interval_ = 0;
};

} // namespace vorrelin::web
