#pragma once

#include "curve/curve_state.h"
#include "curve/pen.h"
#include "graphics/compiler.h"
#include "runtime/runtime_error.h"

#include <array>
#include <cstdint>
#include <vector>

namespace vorrelin {

// Directions as seen on the screen, in clockwise order: x grows to the right, y downward.
enum class Direction : std::uint8_t { Up, Right, Down, Left };

constexpr Direction Clockwise(Direction d) {
    return static_cast<Direction>((static_cast<int>(d) + 1) % 4);
}
constexpr Direction Anticlockwise(Direction d) {
    return static_cast<Direction>((static_cast<int>(d) + 3) % 4);
}

// The four mutually recursive procedures that draw the pieces of the curve. Each draws, through
// the pen, the piece of depth Level and unit Step that advances in its own direction: CurveUp
// up, CurveLeft left, CurveDown down, CurveRight right.
//
// A piece of direction d and depth k ≥ 1 is: the piece of d and depth k - 1; the diagonal
// between d and the direction a quarter turn clockwise; the piece of that direction; two units
// straight on along d; the piece of the direction a quarter turn anticlockwise; the diagonal
// between d and that direction; the piece of d again. A piece of depth 0 or less is empty.
//
// The depth is the window's one Level, which every piece lowers by one on the way in and
// raises on the way out: an error inside a piece leaves Level lowered by the number of pieces
// that were open, and the pen where the last segment drawn ended.
template <typename Surface>
class CurveGenerator {
public:
    CurveGenerator(CurveState& state, Surface& surface) : state_(state), surface_(surface) {}

    void CurveUp() { Draw(Direction::Up); }
    void CurveLeft() { Draw(Direction::Left); }
    void CurveDown() { Draw(Direction::Down); }
    void CurveRight() { Draw(Direction::Right); }

private:
    void Draw(Direction direction);

    CurveState& state_;
    Surface& surface_;
};

namespace detail {

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

inline std::array<std::array<Stride, 3>, 4> Strides(std::int16_t h) {
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

// Raises the overflow error of a join too long for 16 bits, with the pen written back first.
// Out of line, and given the pen by value, so that the segment loop holds no call to it.
[[noreturn]] VORRELIN_COLD inline void Overflow(CurveState& state, PenState at) {
    StorePen(state, at);
    throw RuntimeError::Overflow();
}

// A piece that is open, of depth 2 or more: its direction and how many of its four
// sub-pieces are done.
struct OpenPiece {
    Direction direction = Direction::Up;
    std::uint8_t done = 0;
};

} // namespace detail

// The pieces are drawn in one flat loop rather than by recursion, so that the pen stays in
// registers from the first segment to the last: open[k] holds the open piece of depth k. The
// pieces of depth 1 have only empty sub-pieces; each is drawn whole, three segments in a row,
// and three quarters of all segments are drawn there. After one, the loop climbs to the
// nearest open piece with a sub-piece left, draws its next join, and starts that sub-piece,
// whose first sub-pieces all the way down share its direction.
//
// Level is written only where an error could leave it: depth minus the open pieces.
template <typename Surface>
void CurveGenerator<Surface>::Draw(Direction direction) {
    const std::int16_t depth = state_.Level;
    if (depth <= 0) {
        return;
    }
    const auto strides = detail::Strides(state_.Step);
    std::vector<detail::OpenPiece> open(static_cast<std::size_t>(depth) + 1, {direction, 0});
    Pen<Surface> pen(state_, surface_);
    const auto join = [&](Direction d, int index) {
        const detail::Stride& stride =
            strides[static_cast<std::size_t>(d)][static_cast<std::size_t>(index)];
        if (stride.overflows) {
            detail::Overflow(state_, pen.At());
        }
        pen.LineBy(stride.dx, stride.dy);
    };

    Direction leaf = direction;
    for (;;) {
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
            break;
        }
        state_.Level = static_cast<std::int16_t>(level - 1);
        const detail::OpenPiece& piece = open[static_cast<std::size_t>(level)];
        join(piece.direction, piece.done - 1);

        leaf = detail::SubPiece(piece.direction, piece.done);
        for (int below = level - 1; below >= 2; --below) {
            open[static_cast<std::size_t>(below)].direction = leaf;
        }
    }
    pen.Store();
    state_.Level = depth;
}

} // namespace vorrelin
