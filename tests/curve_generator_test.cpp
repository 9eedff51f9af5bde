#include "curve/curve_generator.h"
#include "support.h"

#include <functional>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

namespace vorrelin {
namespace {

using testing::Recorder;
using Kind = SurfaceOp::Kind;
using Point = std::pair<float, float>;

// The four procedures written out as the plain recursion they are, with the shared depth
// counter, as an independent account of what the generator must draw. It records each
// segment's move and the Level at the moment that segment is drawn.
struct Model {
    int level;
    int h;
    std::vector<Point> moves;
    std::vector<int> levels;

    void Segment(int dx, int dy) {
        moves.emplace_back(static_cast<float>(dx), static_cast<float>(dy));
        levels.push_back(level);
    }
    void Up() {
        if (level <= 0)
            return;
        --level;
        Up(), Segment(h, -h), Right(), Segment(0, -2 * h), Left(), Segment(-h, -h), Up();
        ++level;
    }
    void Left() {
        if (level <= 0)
            return;
        --level;
        Left(), Segment(-h, -h), Up(), Segment(-2 * h, 0), Down(), Segment(-h, h), Left();
        ++level;
    }
    void Down() {
        if (level <= 0)
            return;
        --level;
        Down(), Segment(-h, h), Left(), Segment(0, 2 * h), Right(), Segment(h, h), Down();
        ++level;
    }
    void Right() {
        if (level <= 0)
            return;
        --level;
        Right(), Segment(h, h), Down(), Segment(2 * h, 0), Up(), Segment(h, -h), Right();
        ++level;
    }
};

using Procedure = void (CurveGenerator<DrawingSurface>::*)();
struct ProcedureCase {
    const char* name;
    Procedure procedure;
    void (Model::*model)();
};

const ProcedureCase kProcedures[] = {
    {"CurveUp", &CurveGenerator<DrawingSurface>::CurveUp, &Model::Up},
    {"CurveLeft", &CurveGenerator<DrawingSurface>::CurveLeft, &Model::Left},
    {"CurveDown", &CurveGenerator<DrawingSurface>::CurveDown, &Model::Down},
    {"CurveRight", &CurveGenerator<DrawingSurface>::CurveRight, &Model::Right},
};

std::vector<Point> Moves(const std::vector<SurfaceOp>& lines) {
    std::vector<Point> moves;
    for (const SurfaceOp& line : lines) {
        moves.emplace_back(line.x2 - line.x1, line.y2 - line.y1);
    }
    return moves;
}

// Every procedure at every depth up to 6 draws exactly the model's segments, each starting
// where the last one ended, and leaves Level and Step as they were.
TEST(CurveGenerator, DrawsWhatTheRecursionDraws) {
    for (const ProcedureCase& c : kProcedures) {
        for (int depth = -2; depth <= 6; ++depth) {
            Recorder recorder;
            FormState state;
            state.Level = static_cast<std::int16_t>(depth);
            state.Step = 3;
            state.CurX = 100;
            state.CurY = 200;
            CurveGenerator<DrawingSurface> curve(state, recorder.surface);
            (curve.*c.procedure)();

            Model model{depth, 3, {}, {}};
            (model.*c.model)();
            const auto lines = recorder.Lines();
            ASSERT_EQ(Moves(lines), model.moves) << c.name << " at depth " << depth;
            Point at{100, 200};
            for (const SurfaceOp& line : lines) {
                ASSERT_EQ(Point(line.x1, line.y1), at) << c.name << " at depth " << depth;
                at = {line.x2, line.y2};
            }
            EXPECT_EQ(state.Level, depth);
            EXPECT_EQ(state.Step, 3);
            EXPECT_EQ(Point(state.CurX, state.CurY), at);
            EXPECT_EQ(state.SegmentCount, static_cast<double>(lines.size() % kRampLength));
        }
    }
}

// An error at any segment leaves Level lowered by the pieces open at that moment, and the pen
// at the end of the last segment drawn: checked for every segment of every depth-3 piece.
TEST(CurveGenerator, ARefusedSegmentLeavesLevelLoweredByTheOpenPieces) {
    for (const ProcedureCase& c : kProcedures) {
        Model model{3, 5, {}, {}};
        (model.*c.model)();
        for (std::size_t failing = 0; failing < model.moves.size(); ++failing) {
            Recorder recorder;
            recorder.refuseKind = Kind::Line;
            recorder.refuseAt = failing + 1;
            FormState state;
            state.Level = 3;
            state.Step = 5;
            CurveGenerator<DrawingSurface> curve(state, recorder.surface);
            EXPECT_THROW((curve.*c.procedure)(), RuntimeError);
            ASSERT_EQ(state.Level, model.levels[failing]) << c.name << " segment " << failing;
            float x = 0;
            float y = 0;
            for (std::size_t i = 0; i < failing; ++i) {
                x += model.moves[i].first;
                y += model.moves[i].second;
            }
            ASSERT_EQ(Point(state.CurX, state.CurY), Point(x, y)) << c.name << " " << failing;
            ASSERT_EQ(state.SegmentCount, static_cast<double>(failing));
        }
    }
}

// The straight segment's 2h is formed when it is reached: after the first diagonal, before
// the straight segment is drawn. A negated -32768 overflows too.
TEST(CurveGenerator, AStepTooLongForSixteenBitsFailsAtTheSegmentThatNeedsIt) {
    struct Case {
        Procedure procedure;
        std::int16_t step;
    };
    for (const Case c : {Case{&CurveGenerator<DrawingSurface>::CurveRight, 16384},
                         Case{&CurveGenerator<DrawingSurface>::CurveLeft, -16384},
                         Case{&CurveGenerator<DrawingSurface>::CurveRight, -32768}}) {
        Recorder recorder;
        FormState state;
        state.Level = 1;
        state.Step = c.step;
        CurveGenerator<DrawingSurface> curve(state, recorder.surface);
        try {
            (curve.*c.procedure)();
            FAIL() << "no overflow for step " << c.step;
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), RuntimeError::kOverflow);
        }
        EXPECT_EQ(recorder.Lines().size(), 1u) << c.step;
        EXPECT_EQ(state.Level, 0);
    }
}

} // namespace
} // namespace vorrelin
