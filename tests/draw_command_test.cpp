#include "support.h"
#include "ui/headless_form.h"

#include <algorithm>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <utility>

namespace vorrelin {
namespace {

using testing::CountingSurface;
using testing::ErrorOf;
using testing::Recorder;
using Kind = SurfaceOp::Kind;

// Text1 gives the depth and unit of a closed figure of 4^(n+1) segments from (h, 0) filling the
// square up to side; those too large to draw here are stopped by a surface refusing BackColor.
TEST(DrawCommand, DrawsTheClosedCurveOfTheOrderInText1) {
    constexpr int kNotDrawn = -1;
    // clang-format off
    const struct {
        const char* text;
        std::int16_t level;
        std::int16_t step;
        int side;
    } cases[] = {
        {"-3", -3, 333, 666}, {"0", 0, 333, 666}, {"1", 1, 333, 1998}, {"2", 2, 143, 2002},
        {"3", 3, 67, 2010}, {"4", 4, 32, 1984}, {"5", 5, 16, 2016}, {"6", 6, 8, 2032},
        {"7", 7, 4, 2040}, {"8", 8, 2, 2044}, {"9", 9, 1, 2046}, {"10", 10, 0, 0},
        {"", 0, 333, 666}, {" 5abc", 5, 16, 2016}, {"2.5", 2, 143, 2002}, {"4.6", 5, 32, 4032},
        {"1.5", 2, 333, 4662}, {"0.6", 1, 333, 1998}, {"５", 5, 16, 2016},
        {"13", 13, 0, kNotDrawn}, {"13.5", 14, 0, kNotDrawn}};
    // clang-format on
    for (const auto& c : cases) {
        Recorder refusing;
        refusing.refuseKind = Kind::BackColor;
        CountingSurface counting;
        const bool drawn = c.side != kNotDrawn;
        HeadlessForm window(drawn ? static_cast<DrawingSurface&>(counting) : refusing.surface,
                            c.text);
        EXPECT_EQ(ErrorOf([&] { window.form.Command1_Click(); }), drawn ? 0 : 380) << c.text;
        EXPECT_EQ(window.form.state.Level, c.level) << c.text;
        EXPECT_EQ(window.form.state.Step, c.step) << c.text;
        if (drawn) {
            const std::size_t depth = static_cast<std::size_t>(std::max<int>(c.level, 0));
            EXPECT_EQ(counting.lines, std::size_t{4} << 2 * depth) << c.text;
            EXPECT_EQ(std::make_pair(counting.lastX, counting.lastY),
                      std::make_pair(float(c.step), 0.0f))
                << c.text;
            EXPECT_EQ(std::make_pair(counting.minX, counting.minY), std::make_pair(0.0f, 0.0f));
            EXPECT_EQ(std::make_pair(counting.maxX, counting.maxY),
                      std::make_pair(float(c.side), float(c.side)))
                << c.text;
        }
    }
}

// What each failure leaves: the error, the variables (Level starts at 7, so one left alone shows),
// the operations that took effect (BackColor, Cls, the four of the view, then the curve) and the
// order the picture is described by: none until Cls has cleared it.
TEST(DrawCommand, AFailureLeavesWhatWasDoneBeforeIt) {
    constexpr int kOverflow = RuntimeError::kOverflow;
    constexpr int kRefused = RuntimeError::kInvalidPropertyValue;
    const struct {
        const char* text;
        std::optional<Kind> refuse;
        std::size_t refuseAt;
        int error;
        std::int16_t level;
        std::int16_t step;
        std::size_t opsKept;
        std::optional<double> shown;
    } cases[] = {{"1e9", {}, 0, kOverflow, 7, 6, 0, {}},
                 {"14", {}, 0, kOverflow, 14, 32766, 0, {}},
                 {"5", Kind::BackColor, 1, kRefused, 5, 16, 0, {}},
                 {"5", Kind::Cls, 1, kRefused, 5, 16, 1, {}},
                 {"5", Kind::ScaleLeft, 1, kRefused, 5, 16, 2, 5},
                 {"5", Kind::ScaleTop, 1, kRefused, 5, 16, 3, 5},
                 {"5", Kind::ScaleWidth, 1, kRefused, 5, 16, 4, 5},
                 {"5", Kind::ScaleHeight, 1, kRefused, 5, 16, 5, 5},
                 {"3", Kind::Line, 1, kRefused, 0, 67, 6, 3},
                 {"3", Kind::Line, 64, kRefused, 3, 67, 6 + 63, 3},
                 {"5", Kind::Line, 4096, kRefused, 5, 16, 6 + 4095 + 2, 5},
                 {"5", Kind::Refresh, 1, kRefused, 0, 16, 6 + 1537, 5}};
    for (const auto& c : cases) {
        Recorder recorder;
        recorder.refuseKind = c.refuse;
        recorder.refuseAt = c.refuseAt;
        HeadlessForm window(recorder.surface, c.text);
        window.form.state.Level = 7;
        window.form.state.SegmentCount = 99;
        EXPECT_EQ(ErrorOf([&] { window.form.Command1_Click(); }), c.error) << c.text;
        EXPECT_EQ(window.form.state.Level, c.level) << c.text;
        EXPECT_EQ(window.form.state.Step, c.step) << c.text;
        EXPECT_EQ(recorder.ops.size(), c.opsKept) << c.text;
        EXPECT_EQ(window.form.OrderOnPicture(), c.shown) << c.text;
        if (c.opsKept <= 6 || c.refuse == Kind::Refresh) { // none drawn, or the counter wrapped
            EXPECT_EQ(window.form.state.SegmentCount, 0) << c.text;
        }
    }
}

} // namespace
} // namespace vorrelin
