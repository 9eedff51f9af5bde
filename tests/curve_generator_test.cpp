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

// The four procedures, each with its table of seven actions: calls at positions 1, 3, 5 and 7,
// and segments, in units of h, at 2, 4 and 6.
using Generator = CurveGenerator;
enum Procedure { kUp, kLeft, kDown, kRight };
// clang-format off
const struct {
    const char* name;
    void (Generator::*procedure)();
    Procedure calls[4];
    Point segments[3];
} kProcedures[] = {
    {"CurveUp", &Generator::CurveUp, {kUp, kRight, kLeft, kUp}, {{1, -1}, {0, -2}, {-1, -1}}},
    {"CurveLeft", &Generator::CurveLeft, {kLeft, kUp, kDown, kLeft}, {{-1, -1}, {-2, 0}, {-1, 1}}},
    {"CurveDown", &Generator::CurveDown, {kDown, kLeft, kRight, kDown}, {{-1, 1}, {0, 2}, {1, 1}}},
    {"CurveRight", &Generator::CurveRight, {kRight, kDown, kUp, kRight}, {{1, 1}, {2, 0}, {1, -1}}}};
// clang-format on

// Runs a procedure with a pen of its own on a surface, as the draw command does: the error it
// ends with, 0 for none. The pen has handed everything over when this returns.
int RunPiece(void (Generator::*procedure)(), CurveState& state, DrawingSurface& surface) {
    return ErrorOf([&] {
        Pen pen(state, surface);
        Generator curve(state, pen);
        (curve.*procedure)();
    });
}

// The procedures as the plain recursion they are, with the shared depth counter: an independent
// account of what the generator must draw. It records each segment's move and the Level at the
// moment that segment is drawn.
struct Model {
    int level;
    float h;
    std::vector<Point> moves;
    std::vector<int> levels;

    void Draw(Procedure procedure) {
        if (level <= 0) {
            return;
        }
        --level;
        for (int i = 0; i < 4; ++i) {
            Draw(kProcedures[procedure].calls[i]);
            if (i < 3) {
                const Point unit = kProcedures[procedure].segments[i];
                moves.emplace_back(unit.first * h, unit.second * h);
                levels.push_back(level);
            }
        }
        ++level;
    }
};

// Every procedure at every depth up to 6 draws exactly the model's segments, each starting
// where the last one ended, and leaves Level and Step as they were.
TEST(CurveGenerator, DrawsWhatTheRecursionDraws) {
    for (const Procedure procedure : {kUp, kLeft, kDown, kRight}) {
        const auto& c = kProcedures[procedure];
        for (int depth = -2; depth <= 6; ++depth) {
            Recorder recorder;
            CurveState state{
                .CurX = 100, .CurY = 200, .Level = static_cast<std::int16_t>(depth), .Step = 3};
            EXPECT_EQ(RunPiece(c.procedure, state, recorder.surface), 0);

            Model model{depth, 3, {}, {}};
            model.Draw(procedure);
            const auto lines = recorder.Lines();
            ASSERT_EQ(lines.size(), model.moves.size()) << c.name << " " << depth;
            Point at{100, 200};
            for (std::size_t i = 0; i < lines.size(); ++i) {
                const SurfaceOp& line = lines[i];
                ASSERT_EQ(Point(line.x1, line.y1), at) << c.name << " " << depth << " " << i;
                at = {line.x2, line.y2};
                ASSERT_EQ(Point(line.x2 - line.x1, line.y2 - line.y1), model.moves[i]);
            }
            EXPECT_EQ(state.Level, depth);
            EXPECT_EQ(state.Step, 3);
            EXPECT_EQ(Point(state.CurX, state.CurY), at);
        }
    }
}

// An error at any segment leaves Level lowered by the pieces open at that moment, and the pen
// at the end of the last segment drawn: checked for every segment of every depth-3 piece.
TEST(CurveGenerator, ARefusedSegmentLeavesLevelLoweredByTheOpenPieces) {
    for (const Procedure procedure : {kUp, kLeft, kDown, kRight}) {
        const auto& c = kProcedures[procedure];
        Model model{3, 5, {}, {}};
        model.Draw(procedure);
        Point at{0, 0};
        for (std::size_t failing = 0; failing < model.moves.size(); ++failing) {
            Recorder recorder;
            recorder.refuseKind = SurfaceOp::Kind::Line;
            recorder.refuseAt = failing + 1;
            CurveState state{.Level = 3, .Step = 5};
            EXPECT_EQ(RunPiece(c.procedure, state, recorder.surface),
                      RuntimeError::kInvalidPropertyValue);
            ASSERT_EQ(state.Level, model.levels[failing]) << c.name << " segment " << failing;
            ASSERT_EQ(Point(state.CurX, state.CurY), at) << c.name << " segment " << failing;
            ASSERT_EQ(state.SegmentCount, static_cast<double>(failing));
            at = {at.first + model.moves[failing].first, at.second + model.moves[failing].second};
        }
    }
}

// The straight segment's 2h is formed when it is reached: after the first diagonal, before
// the straight segment is drawn. On a surface that is handed lines in runs, the diagonal has
// reached it too.
TEST(CurveGenerator, AStepTooLongForSixteenBitsFailsAtTheSegmentThatNeedsIt) {
    const struct {
        void (Generator::*procedure)();
        std::int16_t step;
        Point diagonal;
    } cases[] = {{&Generator::CurveRight, 16384, {16384, 16384}},
                 {&Generator::CurveDown, 16384, {-16384, 16384}},
                 {&Generator::CurveLeft, -16384, {16384, 16384}},
                 {&Generator::CurveRight, -32768, {-32768, -32768}}};
    for (const auto& c : cases) {
        Recorder recorder;
        recorder.surface.refusesNoLine = true;
        CurveState state{.Level = 1, .Step = c.step};
        EXPECT_EQ(RunPiece(c.procedure, state, recorder.surface), RuntimeError::kOverflow) << c.step;
        EXPECT_EQ(Point(state.CurX, state.CurY), c.diagonal) << c.step;
        ASSERT_EQ(recorder.Lines().size(), 1u) << c.step;
        EXPECT_EQ(Point(recorder.Lines()[0].x2, recorder.Lines()[0].y2), c.diagonal) << c.step;
        EXPECT_EQ(state.SegmentCount, 1);
        EXPECT_EQ(state.Level, 0);
    }
}

} // namespace
} // namespace vorrelin
