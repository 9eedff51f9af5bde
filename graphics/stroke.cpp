#include "graphics/stroke.h"

#include "graphics/bresenham.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>

namespace vorrelin {

namespace {

// The pen on the raster while a stroke lasts: the square it stands on, held back until it moves
// on, and whether that square lies wholly on the image.
struct SquarePen {
    int side;
    int column = 0;
    int row = 0;
    Pixel pixel = 0;
    bool holding = false;
    bool clear = false;
};

// Whether a step goes to a neighbouring square, or none: -1, 0 or 1 in each direction.
bool Neighbours(int dx, int dy) {
    return static_cast<unsigned>(dx + 1) <= 2 && static_cast<unsigned>(dy + 1) <= 2;
}

// What is left of a square of `side` pixels at `corner`, wholly on the image, after a step to a
// neighbouring square or none: the row it leaves when the pen moves up or down, and the column
// it leaves when it moves sideways. Along an axis the pen does not move on, the row or column
// painted is its first, which the square itself still covers and paints again when it is left.
// So every step makes the same stores, and none waits on a branch on its direction, which is as
// good as random.
void PaintEdgesLeft(Pixel* corner, std::ptrdiff_t width, int side, Pixel pixel, int dx, int dy) {
    const int last = side - 1;
    Pixel* edgeRow = dy < 0 ? corner + last * width : corner;
    Pixel* edgeColumn = dx < 0 ? corner + last : corner;
    for (int i = 0; i <= last; ++i) {
        edgeRow[i] = pixel;
        edgeColumn[i * width] = pixel;
    }
}

// Stands the pen on a square. The square it leaves is painted only where the new one does not
// cover it: a band of whole rows on the side it leaves, and a band of columns beside the rows
// both cover; the whole square if they do not meet.
void MoveTo(Raster& raster, SquarePen& pen, int column, int row, Pixel pixel) {
    const int dx = column - pen.column;
    const int dy = row - pen.row;
    const int side = pen.side;
    if (pen.clear && Neighbours(dx, dy)) {
        Raster::SquareLender squares(raster, side, pen.column, pen.row);
        PaintEdgesLeft(squares.Lend(pen.column, pen.row), raster.Width(), side, pen.pixel, dx, dy);
    } else if (pen.holding && std::abs(dx) < side && std::abs(dy) < side) {
        raster.Fill({pen.column, dy > 0 ? pen.row : row + side, side, std::abs(dy)}, pen.pixel);
        raster.Fill({dx > 0 ? pen.column : column + side, std::max(pen.row, row), std::abs(dx),
                     side - std::abs(dy)},
                    pen.pixel);
    } else if (pen.holding) {
        raster.Fill({pen.column, pen.row, side, side}, pen.pixel);
    }
    pen.column = column;
    pen.row = row;
    pen.pixel = pixel;
    pen.holding = true;
    pen.clear =
        column >= 0 && row >= 0 && column + side <= raster.Width() && row + side <= raster.Height();
}

// Takes a pen that stands on a square wholly on the image along the run, from `next` on, for as
// long as each line ends on a neighbouring square or the same one, wholly on the image too: the
// usual line of a dense curve. Past its placement the step is in whole pixels: such an end
// needs no floor() but a truncation, and the step paints the edges the pen leaves and nothing
// else; a line that stays on the pen's square, as most do, paints nothing. Returns the index of
// the first vertex left to the general walk.
template <int kSide>
std::size_t StepAlong(Raster& raster, SquarePen& pen, const PenPlacement& placement,
                      std::span<const Vertex> vertices, std::size_t next) {
    const int side = kSide != 0 ? kSide : pen.side;
    const std::ptrdiff_t width = raster.Width();
    // Places from 0 up to these put the whole square on the image.
    const auto clearWidth = static_cast<float>(raster.Width() - side + 1);
    const auto clearHeight = static_cast<float>(raster.Height() - side + 1);
    int column = pen.column;
    int row = pen.row;
    Raster::SquareLender squares(raster, side, column, row);
    Pixel pixel = pen.pixel;
    Pixel* corner = squares.Lend(column, row);
    for (; next < vertices.size(); ++next) {
        const Vertex& end = vertices[next];
        const PixelPlace place = Place(placement, end);
        if (!(place.x >= 0 && place.x < clearWidth && place.y >= 0 && place.y < clearHeight)) {
            break;
        }
        const int dx = static_cast<int>(place.x) - column;
        const int dy = static_cast<int>(place.y) - row;
        if (!Neighbours(dx, dy)) {
            break;
        }
        pixel = ToPixel(end.color); // the line's first square is the pen's, in its color
        if (dx != 0 || dy != 0) {
            PaintEdgesLeft(corner, width, side, pixel, dx, dy);
            column += dx;
            row += dy;
            corner = squares.Lend(column, row);
        }
    }
    pen.column = column;
    pen.row = row;
    pen.pixel = pixel;
    return next;
}

// The pens of a line two pixels wide at the usual densities have a step of their own, whose
// stores the compiler unrolls, at the cost of a copy of the loop for each.
std::size_t StepAlong(Raster& raster, SquarePen& pen, const PenPlacement& placement,
                      std::span<const Vertex> vertices, std::size_t next) {
    switch (pen.side) {
    case 2:
        return StepAlong<2>(raster, pen, placement, vertices, next);
    case 3:
        return StepAlong<3>(raster, pen, placement, vertices, next);
    case 4:
        return StepAlong<4>(raster, pen, placement, vertices, next);
    default:
        return StepAlong<0>(raster, pen, placement, vertices, next);
    }
}

} // namespace

// The pen's square is taken from the raster, kept here while the stroke lasts and held in the
// raster again at its end. A line that starts on the pen's square, wholly on the image, is
// stepped along; every other line is placed, cut to the band and walked.
void Stroke(Raster& raster, const PenPlacement& placement, std::span<const Vertex> vertices) {
    if (vertices.size() < 2) {
        return;
    }
    SquarePen pen{placement.side};
    if (const auto held = raster.TakeHeld()) {
        if (held->place.width == placement.side) {
            MoveTo(raster, pen, held->place.left, held->place.top, held->pixel);
        } else {
            raster.Fill(held->place, held->pixel); // a square of another pen is painted whole
        }
    }
    bool fromPen = false; // whether the next line starts on the pen's square, wholly on the image
    for (std::size_t i = 1; i < vertices.size(); ++i) {
        if (fromPen) {
            i = StepAlong(raster, pen, placement, vertices, i);
            if (i == vertices.size()) {
                break;
            }
        }
        const auto line =
            PlaceLine(placement, raster.Width(), raster.Height(), vertices[i - 1], vertices[i]);
        fromPen = false;
        if (line) {
            const Pixel pixel = ToPixel(vertices[i].color);
            ForEachBresenhamPoint(
                line->column, line->row, line->endColumn, line->endRow,
                [&](int column, int row) { MoveTo(raster, pen, column, row, pixel); });
            fromPen = pen.clear;
        }
    }
    if (pen.holding) {
        raster.Hold({{pen.column, pen.row, pen.side, pen.side}, pen.pixel});
    }
}

} // namespace vorrelin
