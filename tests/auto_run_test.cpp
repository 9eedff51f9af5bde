#include "support.h"
#include "ui/headless_form.h"

#include <functional>
#include <gtest/gtest.h>
#include <map>
#include <optional>
#include <string>
#include <utility>

namespace vorrelin {
namespace {

using testing::CountingSurface;
using testing::ErrorOf;

// The animation's states and events, played through a window whose timer ticks when the test
// lets a period pass. Each row: the event (A Auto-run, S Stop, D the draw button, T a period
// of the timer) and what the window shows and holds after it: the order drawn (- for none),
// Text1, AutoLevel, AutoDir, StopRequested, and whether the timer ticks.
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

// Text2 is read when Auto-run is pressed: rounded half to even into 32 bits, digits before
// letters counted, 0 for no number, which makes the timer quiet. Too large is the overflow
// error before the timer is touched; negative is refused by the timer, which is then not
// enabled. Either way the animation has been reset.
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

// A tick whose drawing fails ends with the same error: the order is not advanced and the stop
// flag is not looked at, so the timer keeps running.
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
