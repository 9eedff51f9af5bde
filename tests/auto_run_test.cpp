#include "support.h"
#include "ui/headless_form.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>

namespace vorrelin {
namespace {

using testing::CountingSurface;
using testing::ErrorOf;

// Each row: an event (A Auto-run, S Stop, D draw, T a timer period), then the order drawn (- for
// none), Text1, AutoLevel, AutoDir, StopRequested and whether the timer ticks.
TEST(AutoRun, StepsThroughTheOrdersUntilStopped) {
    // clang-format off
    const std::pair<char, const char*> steps[] = {
        {'T', "- 5 0 0 0 idle"},  // no tick before Auto-run
        {'S', "- 5 0 0 -1 idle"}, // a stop before Auto-run changes nothing visible
        {'A', "- 5 1 0 0 ticks"}, {'T', "1 1 2 1 0 ticks"}, {'T', "2 2 3 1 0 ticks"},
        {'T', "3 3 4 1 0 ticks"}, {'T', "4 4 5 1 0 ticks"}, {'T', "5 5 6 1 0 ticks"},
        {'T', "6 6 5 -1 0 ticks"}, {'T', "5 5 4 -1 0 ticks"}, {'T', "4 4 3 -1 0 ticks"},
        {'S', "- 4 3 -1 -1 ticks"},
        {'A', "- 4 1 -1 0 ticks"}, // the stop withdrawn, and again from 1, upward
        {'T', "1 1 2 1 0 ticks"}, {'T', "2 2 3 1 0 ticks"},
        {'D', "2 2 3 1 0 ticks"}, // Text1 drawn, the sequence left alone
        {'S', "- 2 3 1 -1 ticks"}, {'S', "- 2 3 1 -1 ticks"},
        {'T', "3 3 3 1 -1 idle"}, // the last drawing
        {'T', "- 3 3 1 -1 idle"}, {'S', "- 3 3 1 -1 idle"}};
    // clang-format on
    CountingSurface surface;
    HeadlessForm window(surface);
    const std::map<char, std::function<void()>> events = {
        {'A', [&] { window.form.Command2_Click(); }},
        {'S', [&] { window.form.Command3_Click(); }},
        {'D', [&] { window.form.Command1_Click(); }},
        {'T', [&] { window.Timer1.Elapse(500); }}};
    int row = 0;
    for (const auto& [event, expected] : steps) {
        const std::size_t linesBefore = surface.lines;
        events.at(event)();
        const CurveState& s = window.form.state;
        const bool drew = surface.lines == linesBefore + (std::size_t{4} << 2 * s.Level);
        const std::string after =
            (drew ? std::to_string(s.Level) : "-") + " " + window.Text1.Text() + " " +
            std::to_string(window.form.AutoLevel) + " " + std::to_string(window.form.AutoDir) +
            " " + std::to_string(window.form.StopRequested) +
            (window.Timer1.Ticking() ? " ticks" : " idle");
        EXPECT_EQ(after, expected) << "row " << ++row;
    }
}

// Text2, read by Auto-run, is rounded into 32 bits; 0 leaves the timer quiet, too large is an
// overflow before the timer is touched, and negative is refused by it; the animation is reset.
TEST(AutoRun, ReadsTheIntervalFromText2) {
    // clang-format off
    const struct {
        const char* text;
        int interval; // what the timer holds afterwards
        int error;
        bool ticking;
    } cases[] = {
        {"2.5", 2, 0, true}, {"3.5", 4, 0, true}, {"250ms", 250, 0, true}, {"３０", 30, 0, true},
        {"", 0, 0, false}, {"abc", 0, 0, false}, {"0", 0, 0, false}, {"3000000000", 7, 6, false},
        {"-5", 7, 380, false}};
    // clang-format on
    for (const auto& c : cases) {
        CountingSurface surface;
        HeadlessForm window(surface, "5", "7");
        window.form.Command2_Click(); // an animation at 7 ms, stopped after its first drawing
        window.form.Command3_Click();
        window.Timer1.Elapse(7);
        window.Text2.Text(c.text);
        EXPECT_EQ(ErrorOf([&] { window.form.Command2_Click(); }), c.error) << c.text;
        EXPECT_EQ(window.Timer1.Interval(), c.interval) << c.text;
        EXPECT_EQ(window.Timer1.Ticking(), c.ticking) << c.text;
        EXPECT_EQ(window.form.AutoLevel, 1) << c.text;
        EXPECT_EQ(window.form.StopRequested, 0) << c.text;
    }
}

// A tick whose drawing fails keeps the order and the stop flag as they were; the timer runs on.
TEST(AutoRun, AFailedDrawingLeavesTheSequenceWhereItWas) {
    testing::Recorder recorder;
    recorder.refuseKind = SurfaceOp::Kind::Cls;
    HeadlessForm window(recorder.surface);
    window.form.Command2_Click();
    window.form.Command3_Click();
    EXPECT_EQ(ErrorOf([&] { window.Timer1.Elapse(500); }), RuntimeError::kInvalidPropertyValue);
    EXPECT_EQ(window.Text1.Text(), "1");
    EXPECT_EQ(window.form.AutoLevel, 1);
    EXPECT_EQ(window.form.AutoDir, 1);
    EXPECT_TRUE(window.Timer1.Ticking());
}

} // namespace
} // namespace vorrelin
