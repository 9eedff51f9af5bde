#include "curve/pen.h"
#include "support.h"

#include <gtest/gtest.h>
#include <limits>

namespace vorrelin {
namespace {

using testing::Recorder;
using Kind = SurfaceOp::Kind;

constexpr Color kCyan = 16776960;
constexpr Color kWhite = 16777215;

TEST(PenColor, RunsThroughTheSixBandsToWhite) {
    // clang-format off
    const struct {
        double count;
        Color color;
    } cases[] = {
        {0, kCyan}, {255, kWhite}, {256, 255}, {511, kWhite}, {512, 65535}, {767, 65280},
        {768, 65280}, {1023, kCyan}, {1024, kCyan}, {1279, 16711680}, {1280, 16711680},
        {1535, kWhite}, {1536, kWhite}, {1e300, kWhite}, {100.5, 16777060}, {101.5, 16777062},
        {std::numeric_limits<double>::quiet_NaN(), kWhite}};
    // clang-format on
    for (const auto& c : cases) {
        EXPECT_EQ(PenColor(c.count), c.color) << c.count;
    }
}

// Segments one by one or in runs: each from the last one's end in the color of the count before
// it, and a refresh each time the counter wraps, after the segments before it, and only then.
// The window's variables are the pen's wherever the surface sees them: at a refresh, and at each
// line handed over alone. A point off the whole numbers is carried as exactly.
TEST(Pen, ColorsAndRefreshesFollowTheCounter) {
    constexpr int kStart = 5;
    for (const auto& [inRuns, x] : {std::pair{false, 7.0}, {true, 7.0}, {true, 7.5}}) {
        Recorder recorder;
        recorder.surface.takesRuns = inRuns;
        CurveState state{.CurX = x, .SegmentCount = kStart};
        recorder.window = &state;
        {
            Pen pen(state, recorder.surface);
            for (int i = 0; i < 2 * kRampLength + 1; ++i) {
                pen.LineBy(1, 1);
            }
        }
        std::size_t lines = 0;
        for (const SurfaceOp& op : recorder.ops) {
            const double count = static_cast<double>((kStart + lines) % kRampLength);
            ASSERT_TRUE(op.kind == Kind::Refresh
                            ? count == 0
                            : op.color == PenColor(count) && op.x1 == float(x + lines) &&
                                  op.x2 == float(x + lines + 1))
                << lines << (inRuns ? " in runs" : "");
            if (op.kind == Kind::Refresh || !inRuns) {
                const auto seen =
                    recorder.windowAt[static_cast<std::size_t>(&op - &recorder.ops[0])];
                ASSERT_EQ(seen, std::make_pair(x + lines, count)) << lines;
            }
            lines += op.kind == Kind::Line ? 1 : 0;
        }
        EXPECT_EQ(recorder.ops.size(), 2u * kRampLength + 3);
        EXPECT_EQ(state.SegmentCount, kStart + 1);
        EXPECT_EQ(state.CurX, x + 2 * kRampLength + 1);
        EXPECT_EQ(state.CurY, 2 * kRampLength + 1);
    }
}

// An unusual counter keeps the ramp's rules: its own color, then 0 with a refresh past 1536.
TEST(Pen, CarriesAnUnusualCounterUntilItWraps) {
    for (const double start : {1535.5, 2000.0}) {
        Recorder recorder;
        CurveState state{.SegmentCount = start};
        Pen(state, recorder.surface).LineBy(1, 1);
        EXPECT_EQ(recorder.ops.front().color, PenColor(start)) << start;
        EXPECT_EQ(recorder.ops.back().kind, Kind::Refresh) << start;
        EXPECT_EQ(state.SegmentCount, 0) << start;
    }
}

} // namespace
} // namespace vorrelin
