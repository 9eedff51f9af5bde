#include "curve/curve_generator.h"
#include "support.h"

#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace vorrelin {
namespace {

using testing::ErrorOf;
using testing::Recorder;
using Point = std::pair<float, float>;
using Generator = CurveGenerator<DrawingSurface>;
using Procedure = void (Generator::*)();

// Runs a procedure with its own pen: the error it ends with (0 for none) and the segments' ends.
int Draw(Procedure procedure, CurveState& state, std::vector<Point>* ends = nullptr,
         Recorder&& recorder = {}) {
    const int error = ErrorOf([&] {
        Generator curve(state, recorder.surface);
        (curve.*procedure)();
    });
    for (const SurfaceOp& line : recorder.Lines()) {
        if (ends) {
            ends->emplace_back(line.x2, line.y2);
        }
    }
    return error;
}

// CurveRight at depth 2 segment by segment; the others at every depth its path turned by their
// quarter turns; nothing at depth 0 or less; Level and Step as they were afterwards.
TEST(CurveGenerator, DrawsTheFourPiecesTurnedByQuarterTurns) {
    CurveState state{.Level = 2, .Step = 1};
    std::vector<Point> ends;
    Draw(&Generator::CurveRight, state, &ends);
    // clang-format off
    EXPECT_EQ(ends, (std::vector<Point>{{1, 1}, {3, 1}, {4, 0}, {5, 1}, {4, 2}, {4, 4}, {5, 5},
                                        {7, 5}, {8, 4}, {8, 2}, {7, 1}, {8, 0}, {9, 1}, {11, 1},
                                        {12, 0}}));
    // clang-format on
    const struct {
        Procedure procedure;
        int xx, xy, yx, yy; // the turn: (x, y) of CurveRight becomes (xx·x + xy·y, yx·x + yy·y)
    } turns[] = {{&Generator::CurveDown, 0, -1, 1, 0},
                 {&Generator::CurveLeft, -1, 0, 0, -1},
                 {&Generator::CurveUp, 0, 1, -1, 0}};
    for (std::int16_t depth = -1; depth <= 5; ++depth) {
        CurveState right{.Level = depth, .Step = 3};
        std::vector<Point> rightEnds;
        Draw(&Generator::CurveRight, right, &rightEnds);
        EXPECT_EQ(rightEnds.size(), depth <= 0 ? 0 : (std::size_t{1} << 2 * depth) - 1);
        EXPECT_EQ(right.Level, depth);
        EXPECT_EQ(right.Step, 3);
        for (const auto& turn : turns) {
            CurveState turned{.Level = depth, .Step = 3};
            std::vector<Point> turnedEnds;
            Draw(turn.procedure, turned, &turnedEnds);
            ASSERT_EQ(turnedEnds.size(), rightEnds.size()) << depth;
            for (std::size_t i = 0; i < rightEnds.size(); ++i) {
                const auto [x, y] = rightEnds[i];
                ASSERT_EQ(turnedEnds[i],
                          Point(turn.xx * x + turn.xy * y, turn.yx * x + turn.yy * y))
                    << depth << " " << i;
            }
            EXPECT_EQ(turned.Level, depth);
        }
    }
}

// A refused segment i leaves Level at v, where 4^v is the largest power of 4 dividing i + 1 (it
// joins the piece v levels up), the pen at the last segment's end, and the count of segments.
TEST(CurveGenerator, ARefusedSegmentLeavesLevelLoweredByTheOpenPieces) {
    CurveState whole{.Level = 3, .Step = 5};
    std::vector<Point> ends{{0, 0}};
    Draw(&Generator::CurveUp, whole, &ends);
    for (std::size_t failing = 0; failing + 1 < ends.size(); ++failing) {
        Recorder recorder;
        recorder.refuseKind = SurfaceOp::Kind::Line;
        recorder.refuseAt = failing + 1;
        CurveState state{.Level = 3, .Step = 5};
        EXPECT_EQ(Draw(&Generator::CurveUp, state, nullptr, std::move(recorder)),
                  RuntimeError::kInvalidPropertyValue);
        int open = 0;
        for (std::size_t n = failing + 1; n % 4 == 0; n /= 4) {
            ++open;
        }
        ASSERT_EQ(state.Level, open) << "segment " << failing;
        ASSERT_EQ(Point(state.CurX, state.CurY), ends[failing]) << "segment " << failing;
        ASSERT_EQ(state.SegmentCount, static_cast<double>(failing));
    }
}

// 2h overflows at the straight segment, after the first diagonal has reached a surface of runs.
TEST(CurveGenerator, AStepTooLongForSixteenBitsFailsAtTheSegmentThatNeedsIt) {
    const struct {
        Procedure procedure;
        std::int16_t step;
        Point diagonal;
    } cases[] = {{&Generator::CurveRight, 16384, {16384, 16384}},
                 {&Generator::CurveDown, 16384, {-16384, 16384}},
                 {&Generator::CurveLeft, -16384, {16384, 16384}},
                 {&Generator::CurveRight, -32768, {-32768, -32768}}};
    for (const auto& c : cases) {
        Recorder recorder;
        recorder.surface.takesRuns = true;
        CurveState state{.Level = 1, .Step = c.step};
        std::vector<Point> ends;
        EXPECT_EQ(Draw(c.procedure, state, &ends, std::move(recorder)), RuntimeError::kOverflow)
            << c.step;
        EXPECT_EQ(Point(state.CurX, state.CurY), c.diagonal) << c.step;
        EXPECT_EQ(ends, std::vector<Point>{c.diagonal}) << c.step;
        EXPECT_EQ(state.SegmentCount, 1);
        EXPECT_EQ(state.Level, 0);
    }
}

} // namespace
} // namespace vorrelin
