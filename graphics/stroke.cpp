#include "graphics/stroke.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <limits>

namespace vorrelin {

namespace {

// floor() for values the caller has bounded to the int range.
int FloorToInt(double value) {
    const auto truncated = static_cast<int>(value);
    return truncated - (value < truncated ? 1 : 0);
}

// A point in pixels: where the pen's top-left corner goes for a user point.
struct Point {
    double x;
    double y;
};

Point Place(const PenPlacement& pen, const Vertex& vertex) {
    return {vertex.x * pen.xScale + pen.xOffset, vertex.y * pen.yScale + pen.yOffset};
}

// Pen positions from a whole pen width before the image to its far edge: the only ones that can
// leave a mark. A line that reaches beyond the band is cut to the part inside it, which also
// keeps the integer conversions exact.
struct Band {
    double near;
    double width;
    double height;

    bool Holds(Point point) const {
        return point.x >= near && point.x <= width && point.y >= near && point.y <= height;
    }

    // Liang–Barsky. Returns false when nothing of the line is left, or when it is not a line at
    // all (NaN or an infinite end).
    bool Clip(Point& from, Point& to) const {
        if (!(std::isfinite(from.x) && std::isfinite(from.y) && std::isfinite(to.x) &&
              std::isfinite(to.y))) {
            return false;
        }
        const double dx = to.x - from.x;
        const double dy = to.y - from.y;
        double enter = 0;
        double leave = 1;
        const auto clip = [&](double denominator, double numerator) {
            if (denominator == 0) {
                return numerator >= 0;
            }
            const double t = numerator / denominator;
            if (denominator < 0) {
                enter = std::max(enter, t);
            } else {
                leave = std::min(leave, t);
            }
            return enter <= leave;
        };
        if (!(clip(-dx, from.x - near) && clip(dx, width - from.x) && clip(-dy, from.y - near) &&
              clip(dy, height - from.y))) {
            return false;
        }
        const Point start = from;
        from = {std::clamp(start.x + enter * dx, near, width),
                std::clamp(start.y + enter * dy, near, height)};
        to = {std::clamp(start.x + leave * dx, near, width),
              std::clamp(start.y + leave * dy, near, height)};
        return true;
    }
};

// The pen on the raster while a stroke lasts: the square it stands on, held back until it moves
// on, whether that square lies wholly on the image, and the box of the top-left corners of every
// square it has stood on.
struct SquarePen {
    int side;
    int column = 0;
    int row = 0;
    Pixel pixel = 0;
    bool holding = false;
    bool clear = false;
    int left = std::numeric_limits<int>::max();
    int top = std::numeric_limits<int>::max();
    int right = std::numeric_limits<int>::min();
    int bottom = std::numeric_limits<int>::min();

    Rect Square() const { return {column, row, side, side}; }
    // The squares the pen has stood on, which hold every pixel the stroke painted.
    Rect Reach() const { return Between(left, top, right + side, bottom + side); }

    void StandOn(int newColumn, int newRow) {
        column = newColumn;
        row = newRow;
        left = std::min(left, column);
        top = std::min(top, row);
        right = std::max(right, column);
        bottom = std::max(bottom, row);
    }
};

// Whether a step goes to a neighbouring square, or none: -1, 0 or 1 in each direction.
bool Neighbours(int dx, int dy) {
    return static_cast<unsigned>(dx + 1) <= 2 && static_cast<unsigned>(dy + 1) <= 2;
}

// What is left of a square of `side` pixels at `corner`, wholly on the image, after a step to a
// neighbouring square or none: the row it leaves when the pen moves up or down, and the column
// it leaves when it moves sideways. Along an axis the pen does not move on, the row or column
// painted is its first, which the square itself still covers and paints again when it is left.
// So every step makes the same stores, and none waits on a branch that the direction of the
// step, as good as random, would mispredict.
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
        PaintEdgesLeft(raster.Row(pen.row) + pen.column, raster.Width(), side, pen.pixel, dx, dy);
    } else if (pen.holding && std::abs(dx) < side && std::abs(dy) < side) {
        raster.Fill({pen.column, dy > 0 ? pen.row : row + side, side, std::abs(dy)}, pen.pixel);
        raster.Fill({dx > 0 ? pen.column : column + side, std::max(pen.row, row), std::abs(dx),
                     side - std::abs(dy)},
                    pen.pixel);
    } else if (pen.holding) {
        raster.Fill(pen.Square(), pen.pixel);
    }
    pen.StandOn(column, row);
    pen.pixel = pixel;
    pen.holding = true;
    pen.clear = column >= 0 && row >= 0 && column + side <= raster.Width() &&
                row + side <= raster.Height();
}

// A line from one point on the band to another: the pen steps onto its first square, and then
// from square to square along the Bresenham line.
void WalkLine(Raster& raster, SquarePen& pen, Point from, Point to, Pixel pixel) {
    int x = FloorToInt(from.x);
    int y = FloorToInt(from.y);
    const int xEnd = FloorToInt(to.x);
    const int yEnd = FloorToInt(to.y);
    const int dx = std::abs(xEnd - x);
    const int dy = -std::abs(yEnd - y);
    const int xStep = x < xEnd ? 1 : -1;
    const int yStep = y < yEnd ? 1 : -1;
    int error = dx + dy;
    MoveTo(raster, pen, x, y, pixel);
    while (x != xEnd || y != yEnd) {
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += xStep;
        }
        if (twice <= dx) {
            error += dx;
            y += yStep;
        }
        MoveTo(raster, pen, x, y, pixel);
    }
}

// Takes a pen that stands on a square wholly on the image along the run, from `next` on, for as
// long as each line ends on a neighbouring square or the same one, wholly on the image too: the
// usual line of a dense curve. Such an end needs no floor() but a truncation, in single
// precision, and the step paints the edges the pen leaves and nothing else. Returns the index of
// the first vertex left to the general walk.
template <int kSide>
std::size_t StepAlong(Raster& raster, SquarePen& pen, const PenPlacement& placement,
                      std::span<const Vertex> vertices, std::size_t next) {
    const int side = kSide != 0 ? kSide : pen.side;
    const std::ptrdiff_t width = raster.Width();
    // Positions from 0 up to these put the whole square on the image.
    const auto clearWidth = static_cast<float>(raster.Width() - side + 1);
    const auto clearHeight = static_cast<float>(raster.Height() - side + 1);
    SquarePen at = pen;
    Pixel* corner = raster.Row(at.row) + at.column;
    for (; next < vertices.size(); ++next) {
        const Vertex& end = vertices[next];
        const float x = end.x * placement.xScale + placement.xOffset;
        const float y = end.y * placement.yScale + placement.yOffset;
        if (!(x >= 0 && x < clearWidth && y >= 0 && y < clearHeight)) {
            break;
        }
        const int dx = static_cast<int>(x) - at.column;
        const int dy = static_cast<int>(y) - at.row;
        if (!Neighbours(dx, dy)) {
            break;
        }
        at.pixel = ToPixel(end.colour); // the line's first square is the pen's, in its colour
        PaintEdgesLeft(corner, width, side, at.pixel, dx, dy);
        at.StandOn(at.column + dx, at.row + dy);
        corner += dy * width + dx;
    }
    pen = at;
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

// The pen's square is kept here while the stroke lasts and held back in the raster at its end.
// A line that starts on the pen's square, wholly on the image, is stepped along; every other
// line is cut to the band and walked.
void Stroke(Raster& raster, const PenPlacement& placement, std::span<const Vertex> vertices) {
    if (vertices.size() < 2) {
        return;
    }
    const Band band{-static_cast<double>(placement.side), static_cast<double>(raster.Width()),
                    static_cast<double>(raster.Height())};
    SquarePen pen{placement.side};
    if (raster.held && raster.held->place.width == placement.side) {
        MoveTo(raster, pen, raster.held->place.left, raster.held->place.top, raster.held->pixel);
    } else {
        raster.CompleteImage(); // a square of another pen is painted whole
    }
    bool fromPen = false; // whether the next line starts on the pen's square, wholly on the image
    for (std::size_t i = 1; i < vertices.size(); ++i) {
        if (fromPen) {
            i = StepAlong(raster, pen, placement, vertices, i);
            if (i == vertices.size()) {
                break;
            }
        }
        const Point to = Place(placement, vertices[i]);
        Point start = Place(placement, vertices[i - 1]);
        Point stop = to;
        fromPen = (band.Holds(start) && band.Holds(stop)) || band.Clip(start, stop);
        if (fromPen) {
            WalkLine(raster, pen, start, stop, ToPixel(vertices[i].colour));
            fromPen = pen.clear && band.Holds(to);
        }
    }
    if (pen.holding) {
        raster.held = Raster::HeldSquare{pen.Square(), pen.pixel};
        raster.Touch(pen.Reach());
    }
}

} // namespace vorrelin
