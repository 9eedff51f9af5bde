#include "support.h"
#include "ui/headless_form.h"

#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace vorrelin {
namespace {

using testing::CountingSurface;

// One event and what the window shows and holds after it.
struct Step {
    char event; // A: Auto-run click, S: Stop click, D: draw click, T: the timer's period passes
    std::optional<int> drawn; // the order a drawing of this event drew (Level), if any
    std::string text1;        // Text1 afterwards
    int autoLevel;
    int autoDir;
    bool stopRequested;
    bool ticking;
};

struct Scenario {
    const char* name;
    const char* interval; // Text2
    std::vector<Step> steps;
};

void PrintTo(const Scenario& s, std::ostream* out) {
    *out << s.name;
}

class AutoRun : public ::testing::TestWithParam<Scenario> {};

// The animation's states and events, played through a headless window whose timer ticks when
// the test lets a period pass.
TEST_P(AutoRun, FollowsTheStateTable) {
    const Scenario& scenario = GetParam();
    CountingSurface surface;
    HeadlessForm window(surface, "5", scenario.interval);
    for (std::size_t i = 0; i < scenario.steps.size(); ++i) {
        const Step& step = scenario.steps[i];
        const std::size_t linesBefore = surface.lines;
        switch (step.event) {
        case 'A':
            window.form.Command2_Click();
            break;
        case 'S':
            window.form.Command3_Click();
            break;
        case 'D':
            window.form.Command1_Click();
            break;
        case 'T':
            window.Timer1.Elapse(window.Timer1.Interval() > 0 ? window.Timer1.Interval() : 1000);
            break;
        }
        const FormState& s = window.form.state;
        const std::string where = std::string(scenario.name) + ", step " + std::to_string(i + 1);
        EXPECT_EQ(surface.lines != linesBefore, step.drawn.has_value()) << where;
        if (step.drawn) {
            EXPECT_EQ(s.Level, *step.drawn) << where;
            EXPECT_EQ(surface.lines - linesBefore, std::size_t{4} << (2 * *step.drawn)) << where;
        }
        EXPECT_EQ(window.Text1.Text(), step.text1) << where;
        EXPECT_EQ(s.AutoLevel, step.autoLevel) << where;
        EXPECT_EQ(s.AutoDir, step.autoDir) << where;
        EXPECT_EQ(s.StopRequested, step.stopRequested ? -1 : 0) << where;
        EXPECT_EQ(window.Timer1.Ticking(), step.ticking) << where;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Table, AutoRun,
    ::testing::Values(
        Scenario{"the sequence 1 to 6 and back",
                 "500",
                 {{'T', {}, "5", 0, 0, false, false},
                  {'A', {}, "5", 1, 0, false, true},
                  {'T', 1, "1", 2, 1, false, true},
                  {'T', 2, "2", 3, 1, false, true},
                  {'T', 3, "3", 4, 1, false, true},
                  {'T', 4, "4", 5, 1, false, true},
                  {'T', 5, "5", 6, 1, false, true},
                  {'T', 6, "6", 5, -1, false, true},
                  {'T', 5, "5", 4, -1, false, true},
                  {'T', 4, "4", 3, -1, false, true},
                  {'T', 3, "3", 2, -1, false, true},
                  {'T', 2, "2", 1, -1, false, true},
                  {'T', 1, "1", 2, 1, false, true},
                  {'T', 2, "2", 3, 1, false, true}}},
        Scenario{"a stop after order 3 ends after order 4",
                 "500",
                 {{'A', {}, "5", 1, 0, false, true},
                  {'T', 1, "1", 2, 1, false, true},
                  {'T', 2, "2", 3, 1, false, true},
                  {'T', 3, "3", 4, 1, false, true},
                  {'S', {}, "3", 4, 1, true, true},
                  {'S', {}, "3", 4, 1, true, true},
                  {'T', 4, "4", 4, 1, true, false},
                  {'T', {}, "4", 4, 1, true, false},
                  {'S', {}, "4", 4, 1, true, false}}},
        Scenario{"a stop before any auto-run changes nothing visible",
                 "500",
                 {{'S', {}, "5", 0, 0, true, false},
                  {'T', {}, "5", 0, 0, true, false},
                  {'A', {}, "5", 1, 0, false, true},
                  {'T', 1, "1", 2, 1, false, true}}},
        Scenario{"auto-run while descending starts again at 1, upward",
                 "500",
                 {{'A', {}, "5", 1, 0, false, true},
                  {'T', 1, "1", 2, 1, false, true},
                  {'T', 2, "2", 3, 1, false, true},
                  {'T', 3, "3", 4, 1, false, true},
                  {'T', 4, "4", 5, 1, false, true},
                  {'T', 5, "5", 6, 1, false, true},
                  {'T', 6, "6", 5, -1, false, true},
                  {'T', 5, "5", 4, -1, false, true},
                  {'A', {}, "5", 1, -1, false, true},
                  {'T', 1, "1", 2, 1, false, true},
                  {'T', 2, "2", 3, 1, false, true}}},
        Scenario{"auto-run between a stop and the next tick withdraws the stop",
                 "500",
                 {{'A', {}, "5", 1, 0, false, true},
                  {'T', 1, "1", 2, 1, false, true},
                  {'T', 2, "2", 3, 1, false, true},
                  {'S', {}, "2", 3, 1, true, true},
                  {'A', {}, "2", 1, 1, false, true},
                  {'T', 1, "1", 2, 1, false, true},
                  {'T', 2, "2", 3, 1, false, true}}},
        Scenario{"a draw click between ticks draws Text1 and leaves the sequence alone",
                 "500",
                 {{'A', {}, "5", 1, 0, false, true},
                  {'T', 1, "1", 2, 1, false, true},
                  {'D', 1, "1", 2, 1, false, true},
                  {'T', 2, "2", 3, 1, false, true}}},
        Scenario{"an interval of 0 raises no tick",
                 "0",
                 {{'A', {}, "5", 1, 0, false, false}, {'T', {}, "5", 1, 0, false, false}}},
        Scenario{"letters only give an interval of 0",
                 "abc",
                 {{'A', {}, "5", 1, 0, false, false}, {'T', {}, "5", 1, 0, false, false}}}));

// Text2 is read when Auto-run is pressed: rounded half to even into 32 bits, digits before
// letters counted; too large is the overflow error before the timer is touched, negative is
// refused by the timer, which is then not enabled; either way the animation has been reset.
TEST(AutoRunInterval, IsReadRoundedAndRefusedWhereItMustBe) {
    struct Case {
        const char* text;
        int interval; // what the timer holds afterwards
        int error;
    };
    for (const Case c : {Case{"2.5", 2, 0}, Case{"3.5", 4, 0}, Case{"250ms", 250, 0},
                         Case{"\xef\xbc\x93\xef\xbc\x90", 30, 0}, Case{"", 0, 0},
                         Case{"3000000000", 7, RuntimeError::kOverflow},
                         Case{"-5", 7, RuntimeError::kInvalidPropertyValue}}) {
        CountingSurface surface;
        HeadlessForm window(surface, "5", "7");
        window.form.Command2_Click(); // an animation at 7 ms, stopped after its first drawing
        window.form.Command3_Click();
        window.Timer1.Elapse(7);
        ASSERT_FALSE(window.Timer1.Enabled());
        window.Text2.Text(c.text);
        int error = 0;
        try {
            window.form.Command2_Click();
        } catch (const RuntimeError& e) {
            error = e.Number();
        }
        EXPECT_EQ(error, c.error) << c.text;
        EXPECT_EQ(window.Timer1.Interval(), c.interval) << c.text;
        EXPECT_EQ(window.form.state.AutoLevel, 1) << c.text;
        EXPECT_EQ(window.form.state.StopRequested, 0) << c.text;
        EXPECT_EQ(window.Timer1.Enabled(), c.error == 0) << c.text;
    }
}

// A tick whose drawing fails ends with the same error: the order is not advanced and the stop
// flag is not looked at, so the timer keeps running.
TEST(AutoRunTick, AFailedDrawingLeavesTheSequenceWhereItWas) {
    testing::Recorder recorder;
    recorder.refuseKind = SurfaceOp::Kind::Cls;
    HeadlessForm window(recorder.surface);
    window.form.Command2_Click();
    window.form.Command3_Click();
    EXPECT_THROW(window.Timer1.Elapse(500), RuntimeError);
    EXPECT_EQ(window.Text1.Text(), "1");
    EXPECT_EQ(window.form.state.AutoLevel, 1);
    EXPECT_EQ(window.form.state.AutoDir, 1);
    EXPECT_TRUE(window.Timer1.Ticking());
}

// Ticks that fall due together, as during a long drawing, come as one.
TEST(ManualTimer, MergesTicksThatFallDueTogether) {
    int ticks = 0;
    ManualTimer timer([&] { ++ticks; });
    timer.Interval(100);
    EXPECT_TRUE(timer.Elapse(350));
    EXPECT_EQ(ticks, 1);
    EXPECT_FALSE(timer.Elapse(40)); // 50 of the period had passed; 90 now
    EXPECT_TRUE(timer.Elapse(10));
    timer.Interval(100); // restarts the period
    EXPECT_FALSE(timer.Elapse(99));
    timer.Enabled(false);
    EXPECT_FALSE(timer.Elapse(1000));
    EXPECT_EQ(ticks, 2);
}

} // namespace
} // namespace vorrelin
