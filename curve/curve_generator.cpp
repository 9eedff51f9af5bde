#include "curve/curve_generator.h"

#include "runtime/runtime_error.h"

#include <array>
#include <vector>

namespace vorrelin {

namespace {

// A move in units of h.
struct Move {
    int x;
    int y;
};

constexpr Move Unit(Direction d) {
    constexpr std::array<Move, 4> kUnits = {{{0, -1}, {1, 0}, {0, 1}, {-1, 0}}};
    return kUnits[static_cast<std::size_t>(d)];
}

// The three joins of a piece of direction d, between its four sub-pieces: the diagonal
// between d and the direction a quarter turn clockwise, two units straight on, the diagonal
// between d and the direction a quarter turn anticlockwise.
constexpr std::array<Move, 3> Joins(Direction d) {
    const Move ahead = Unit(d);
    const Move right = Unit(Clockwise(d));
    const Move left = Unit(Anticlockwise(d));
    return {{{ahead.x + right.x, ahead.y + right.y},
             {2 * ahead.x, 2 * ahead.y},
             {ahead.x + left.x, ahead.y + left.y}}};
}

// The direction of sub-piece `index` (0..3) of a piece of direction d: itself, the direction
// a quarter turn clockwise, the one a quarter turn anticlockwise, itself.
constexpr Direction SubPiece(Direction d, int index) {
    // In quarter turns clockwise; a table rather than tests, as the loop asks once per join.
    constexpr std::array<int, 4> kQuarterTurns = {0, 1, 3, 0};
    return static_cast<Direction>(
        (static_cast<int>(d) + kQuarterTurns[static_cast<std::size_t>(index)]) % 4);
}

// A join's lengths in user units, worked out once per piece. A length outside the 16-bit
// range raises the overflow error when the join is reached, before it is drawn.
struct Stride {
    double dx = 0;
    double dy = 0;
    bool overflows = false;
};

std::array<std::array<Stride, 3>, 4> Strides(std::int16_t h) {
    std::array<std::array<Stride, 3>, 4> strides{};
    for (std::size_t d = 0; d < strides.size(); ++d) {
        const auto joins = Joins(static_cast<Direction>(d));
        for (std::size_t j = 0; j < joins.size(); ++j) {
            const int dx = joins[j].x * h;
            const int dy = joins[j].y * h;
            strides[d][j] = {static_cast<double>(dx), static_cast<double>(dy),
                             !Fits16(dx) || !Fits16(dy)};
        }
    }
    return strides;
}

// A piece that is open, of depth 2 or more: its direction and how many of its four
// sub-pieces are done.
struct OpenPiece {
    Direction direction = Direction::Up;
    std::uint8_t done = 0;
};

} // namespace

void CurveGenerator::LineBy(double dx, double dy) {
    Pen pen(state_, surface_, run_);
    pen.LineBy(dx, dy);
    pen.Store();
}

// The pieces are drawn in one flat loop rather than by recursion, so that the pen stays in
// registers from the first segment to the last: open[k] holds the open piece of depth k. The
// pieces of depth 1 have only empty sub-pieces; each is drawn whole, three segments in a row,
// and three quarters of all segments are drawn there. After one, the loop climbs to the
// nearest open piece with a sub-piece left, draws its next join, and starts that sub-piece,
// whose first sub-pieces all the way down share its direction.
//
// A turn of the loop draws four segments. While the pen can collect them all, turns run in an
// inner loop that calls nothing; the turn that ends a colour cycle, and every turn on a surface
// that may refuse a line, runs on its own with the pen's full LineBy.
//
// Level is written only where an error could leave it: depth minus the open pieces.
void CurveGenerator::Draw(Direction direction) {
    const std::int16_t depth = state_.Level;
    if (depth <= 0) {
        return;
    }
    const auto strides = Strides(state_.Step);
    std::vector<OpenPiece> open(static_cast<std::size_t>(depth) + 1, {direction, 0});
    Pen pen(state_, surface_, run_);
    Direction leaf = direction;

    // One turn, with `lineBy` drawing its segments; false once the piece is done.
    const auto turn = [&](const auto& lineBy) {
        const auto join = [&](Direction d, int index) {
            const Stride& stride =
                strides[static_cast<std::size_t>(d)][static_cast<std::size_t>(index)];
            if (stride.overflows) {
                pen.Store();
                throw RuntimeError::Overflow();
            }
            lineBy(stride.dx, stride.dy);
        };
        state_.Level = 0;
        join(leaf, 0);
        join(leaf, 1);
        join(leaf, 2);

        int level = 2;
        while (level <= depth && ++open[static_cast<std::size_t>(level)].done == 4) {
            open[static_cast<std::size_t>(level)].done = 0;
            ++level;
        }
        if (level > depth) {
            return false;
        }
        state_.Level = static_cast<std::int16_t>(level - 1);
        const OpenPiece& piece = open[static_cast<std::size_t>(level)];
        join(piece.direction, piece.done - 1);

        leaf = SubPiece(piece.direction, piece.done);
        for (int below = level - 1; below >= 2; --below) {
            open[static_cast<std::size_t>(below)].direction = leaf;
        }
        return true;
    };
    constexpr int kSegmentsPerTurn = 4;
    const auto collect = [&](double dx, double dy) { pen.Collect(dx, dy); };
    const auto draw = [&](double dx, double dy) { pen.LineBy(dx, dy); };

    for (bool more = true; more;) {
        while (more && pen.CanCollect(kSegmentsPerTurn)) {
            more = turn(collect);
        }
        if (more) {
            more = turn(draw);
        }
    }
    pen.Store();
    state_.Level = depth;
}

} // namespace vorrelin
