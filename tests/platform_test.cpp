#include "runtime/dispatcher.h"
#include "runtime/timer.h"
#include "support.h"
#include "ui/form1_description.h"
#include "window/layout.h"
#include "window/refresh_pacer.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

namespace vorrelin {
namespace {

// What the dispatch did, in order: handlers run, repaints and reports.
struct Window {
    std::vector<std::string> log;
    Dispatcher dispatcher{[this] { log.push_back("repaint"); },
                          [this](const ErrorReport& report) {
                              log.push_back(report.title + "|" + report.text);
                              dispatcher.Dispatch([this] { log.push_back("during the report"); });
                          }};
};

// An event dispatched while a handler or its error's report is open is dropped; the drawing
// areas are repainted after every handler, failing or not, before its error is reported.
TEST(Dispatcher, RunsOneHandlerAtATimeAndReportsItsError) {
    Window window;
    window.dispatcher.Dispatch([&] {
        window.log.push_back("handler");
        window.dispatcher.Dispatch([&] { window.log.push_back("inside"); });
        throw RuntimeError::Overflow();
    });
    window.dispatcher.Dispatch([&] { window.log.push_back("next"); });
    EXPECT_EQ(window.log, (std::vector<std::string>{
                              "handler", "repaint",
                              "VorrelinCurve|実行時エラー '6':\n\nオーバーフローしました。", "next",
                              "repaint"}));
}

// Running out of memory is run-time error 7, any other failure an internal error.
TEST(Dispatcher, ReportsEveryKindOfFailure) {
    const struct {
        std::function<void()> handler;
        const char* report;
    } cases[] = {
        {[] { throw std::bad_alloc(); }, "実行時エラー '7':\n\nメモリが不足しています。"},
        {std::function<void()>(), "実行時エラー '51':\n\n内部エラーです。\nbad_function_call"},
        {[] { throw std::logic_error("no control Timer 1"); },
         "実行時エラー '51':\n\n内部エラーです。\nno control Timer 1"},
        {[] { throw 42; }, "実行時エラー '51':\n\n内部エラーです。"}};
    for (const auto& c : cases) {
        Window window;
        window.dispatcher.Dispatch([&] { c.handler(); });
        ASSERT_EQ(window.log.size(), 2u);
        EXPECT_EQ(window.log[1], std::string("VorrelinCurve|") + c.report);
    }
}

// The clock runs while enabled with a positive interval, restarts on every write, takes every
// interval from 0 to the largest 32-bit one and refuses those below 0, keeping the one it had.
TEST(ClockTimer, RunsWhileEnabledWithAPositiveIntervalAndRestartsOnEveryWrite) {
    struct LoggingTimer : ClockTimer {
        std::string log;
        void StartClock(std::int32_t milliseconds) override {
            log += "start " + std::to_string(milliseconds) + ", ";
        }
        void StopClock() override { log += "stop, "; }
    } timer;
    timer.Interval(100);
    timer.Interval(100);
    timer.Enabled(true);
    timer.Enabled(false);
    timer.Interval(50);
    timer.Enabled(true);
    timer.Interval(1);
    timer.Interval(2147483647);
    for (const std::int32_t refused : {-1, -2147483647 - 1}) {
        EXPECT_EQ(testing::ErrorOf([&] { timer.Interval(refused); }),
                  RuntimeError::kInvalidPropertyValue);
    }
    EXPECT_EQ(timer.Interval(), 2147483647);
    timer.Interval(0);
    EXPECT_EQ(timer.log, "start 100, start 100, start 100, stop, stop, start 50, start 1, "
                         "start 2147483647, stop, ");
}

// A refresh is shown at most once a frame; those in between ask for one paint.
TEST(RefreshPacer, ShowsAtMostOneRefreshAFrameAndAsksForOnePaintForTheRest) {
    using Action = RefreshPacer::Action;
    RefreshPacer pacer;
    const std::vector<std::pair<int, Action>> refreshes = {
        {0, Action::PaintNow},     {5, Action::AskForPaint}, {9, Action::Nothing},
        {-1, Action::Nothing}, // painted
        {12, Action::AskForPaint}, {16, Action::PaintNow},   {40, Action::PaintNow}};
    for (const auto& [at, action] : refreshes) {
        if (at < 0) {
            pacer.Painted();
            continue;
        }
        EXPECT_EQ(pacer.Refresh(std::chrono::milliseconds(at)), action) << at << " ms";
    }
}

// The window's layout: every control at the standard density, some at one and a half times it
// and at twice it.
TEST(Layout, PutsTheControlsAtTheirTwipsOnEveryDensity) {
    const struct {
        const char* control;
        int dpi;
        Rect place;
    } cases[] = {{"Picture1", 96, {8, 8, 437, 437}},    {"Command1", 96, {456, 24, 41, 25}},
                 {"Text1", 96, {456, 72, 41, 18}},      {"Label1", 96, {456, 56, 65, 25}},
                 {"Command2", 96, {456, 104, 65, 25}},  {"Command3", 96, {456, 208, 65, 25}},
                 {"Text2", 96, {456, 152, 49, 18}},     {"Label2", 96, {456, 136, 89, 17}},
                 {"Picture1", 144, {12, 12, 656, 656}}, {"Label2", 144, {684, 204, 134, 26}},
                 {"Command1", 192, {912, 48, 82, 50}}};
    for (const auto& c : cases) {
        EXPECT_EQ(PlaceOf(kForm1.controls[IndexOf(kForm1, c.control)], c.dpi), c.place)
            << c.control << " at " << c.dpi;
    }
    EXPECT_EQ(ToPixels(8385, 96), 559);
    EXPECT_EQ(ToPixels(7230, 120), 603);
    EXPECT_EQ(InnerSide(437), 433);
    EXPECT_EQ(FirstFocus(kForm1).name, "Picture1");
    EXPECT_THROW(IndexOf(kForm1, "Timer1"), std::logic_error);
    EXPECT_THROW(TimerIndexOf(kForm1, "Picture1"), std::logic_error);
}

} // namespace
} // namespace vorrelin
