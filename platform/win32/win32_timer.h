#pragma once

#include "runtime/timer.h"

#include <windows.h>

namespace vorrelin::win32 {

// The timer's clock on a window's WM_TIMER messages. Windows posts a WM_TIMER only when none is
// waiting, so ticks due while a handler runs arrive as one; it raises an interval under
// USER_TIMER_MINIMUM (10 ms) to that. The window's timers end with it: once it is gone, the
// clock neither starts nor stops.
class Win32Timer : public ClockTimer {
public:
    Win32Timer(HWND window, UINT_PTR id) : window_(window), id_(id) {}
    Win32Timer(const Win32Timer&) = delete;
    Win32Timer& operator=(const Win32Timer&) = delete;
    ~Win32Timer() override { StopClock(); }

    UINT_PTR Id() const { return id_; }
    void WindowGone() { window_ = nullptr; }

private:
    void StartClock(std::int32_t milliseconds) override {
        if (!window_ || SetTimer(window_, id_, static_cast<UINT>(milliseconds), nullptr) == 0) {
            throw RuntimeError::InvalidPropertyValue();
        }
    }
    void StopClock() override {
        if (window_) {
            KillTimer(window_, id_);
        }
    }

    HWND window_;
    UINT_PTR id_;
};

} // namespace vorrelin::win32
