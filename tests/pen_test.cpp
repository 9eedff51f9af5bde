#include "curve/pen.h"
#include "support.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <ostream>

namespace vorrelin {
namespace {

using testing::Recorder;
using Kind = SurfaceOp::Kind;

constexpr Colour kCyan = 16776960;
constexpr Colour kWhite = 16777215;
constexpr Colour kRed = 255;

struct RampCase {
    double count;
    Colour colour;
};

void PrintTo(const RampCase& c, std::ostream* out) {
    *out << c.count;
}

class PenColorTest : public ::testing::TestWithParam<RampCase> {};

TEST_P(PenColorTest, FollowsTheRamp) {
    EXPECT_EQ(PenColor(GetParam().count), GetParam().colour) << GetParam().count;
}

INSTANTIATE_TEST_SUITE_P(
    Samples, PenColorTest,
    ::testing::Values(RampCase{0, kCyan}, RampCase{255, kWhite}, RampCase{256, kRed},
                      RampCase{511, kWhite}, RampCase{512, 65535}, RampCase{767, 65280},
                      RampCase{768, 65280}, RampCase{1023, kCyan}, RampCase{1024, kCyan},
                      RampCase{1279, 16711680}, RampCase{1280, 16711680}, RampCase{1535, kWhite},
                      RampCase{1536, kWhite}, RampCase{2000, kWhite}, RampCase{1e300, kWhite},
                      RampCase{std::numeric_limits<double>::quiet_NaN(), kWhite},
                      RampCase{100.5, 100 + 256 * 255 + 65536 * 255},
                      RampCase{101.5, 102 + 256 * 255 + 65536 * 255}));

// The pen's colours over a long run: counts 0, 256 and 1536 and the wrap back to cyan, and the
// refresh after every 1537th segment and at no other time.
TEST(Pen, ColoursAndRefreshesFollowTheCounter) {
    Recorder recorder;
    FormState state;
    {
        Pen<DrawingSurface> pen(state, recorder.surface);
        for (int i = 0; i < 2 * kRampLength + 1; ++i) {
            pen.LineBy(1, 0);
        }
    }
    std::vector<std::size_t> refreshAfter;
    std::vector<Colour> colours;
    for (const SurfaceOp& op : recorder.ops) {
        if (op.kind == Kind::Refresh) {
            refreshAfter.push_back(colours.size());
        } else {
            colours.push_back(op.colour);
        }
    }
    ASSERT_EQ(colours.size(), 2u * kRampLength + 1);
    EXPECT_EQ(colours[0], kCyan);
    EXPECT_EQ(colours[256], kRed);
    EXPECT_EQ(colours[1536], kWhite);
    EXPECT_EQ(colours[1537], kCyan);
    for (std::size_t i = 0; i < colours.size(); ++i) {
        ASSERT_EQ(colours[i], PenColor(static_cast<double>(i % kRampLength))) << i;
    }
    EXPECT_EQ(refreshAfter, (std::vector<std::size_t>{1537, 3074}));
    EXPECT_EQ(state.SegmentCount, 1);
    EXPECT_EQ(state.CurX, 2 * kRampLength + 1);
}

// A counter the pen never produces itself keeps the ramp's rules until it wraps.
TEST(Pen, CarriesAnUnusualCounterUntilItWraps) {
    Recorder recorder;
    FormState state;
    state.SegmentCount = 1534.5;
    {
        Pen<DrawingSurface> pen(state, recorder.surface);
        pen.LineBy(1, 1);
        pen.LineBy(1, 1);
        pen.LineBy(1, 1);
    }
    const std::vector<Kind> kinds = {Kind::Line, Kind::Line, Kind::Refresh, Kind::Line};
    ASSERT_EQ(recorder.ops.size(), kinds.size());
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        EXPECT_EQ(recorder.ops[i].kind, kinds[i]) << i;
    }
    const auto lines = recorder.Lines();
    EXPECT_EQ(lines[0].colour, PenColor(1534.5));
    EXPECT_EQ(lines[1].colour, PenColor(1535.5)); // then 1536.5 is past the end: 0
    EXPECT_EQ(lines[2].colour, kCyan);
    EXPECT_EQ(state.SegmentCount, 1);
}

// A refused line leaves the point and the counter as they were before it.
TEST(Pen, ARefusedLineLeavesThePenWhereItWas) {
    Recorder recorder;
    recorder.refuseKind = Kind::Line;
    recorder.refuseAt = 3;
    FormState state;
    try {
        Pen<DrawingSurface> pen(state, recorder.surface);
        pen.MoveTo(10, 20);
        pen.LineBy(1, 2);
        pen.LineBy(1, 2);
        pen.LineBy(1, 2);
        FAIL() << "the third line was drawn";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), RuntimeError::kInvalidPropertyValue);
    }
    EXPECT_EQ(state.CurX, 12);
    EXPECT_EQ(state.CurY, 24);
    EXPECT_EQ(state.SegmentCount, 2);
}

// A refused refresh comes after its segment: the pen has moved and the counter has wrapped.
TEST(Pen, ARefusedRefreshComesAfterItsSegment) {
    Recorder recorder;
    recorder.refuseKind = Kind::Refresh;
    FormState state;
    state.SegmentCount = 1536;
    EXPECT_THROW(Pen<DrawingSurface>(state, recorder.surface).LineBy(5, 0), RuntimeError);
    EXPECT_EQ(state.CurX, 5);
    EXPECT_EQ(state.SegmentCount, 0);
}

} // namespace
} // namespace vorrelin
