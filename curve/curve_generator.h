#pragma once

#include "curve/curve_state.h"
#include "curve/pen.h"
#include "graphics/drawing_surface.h"

#include <cstdint>

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
class CurveGenerator {
public:
    CurveGenerator(CurveState& state, DrawingSurface& surface) : state_(state), surface_(surface) {}

    void CurveUp() { Draw(Direction::Up); }
    void CurveLeft() { Draw(Direction::Left); }
    void CurveDown() { Draw(Direction::Down); }
    void CurveRight() { Draw(Direction::Right); }

    // One segment from the pen's point, as between two pieces.
    void LineBy(double dx, double dy);

private:
    void Draw(Direction direction);

    CurveState& state_;
    DrawingSurface& surface_;
    PenRun run_;
};

} // namespace vorrelin
