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
// on, and whether that square lies wholly on the image.
struct SquarePen {
    int side;
    int column = 0;
    int row = 0;
    Pixel pixel = 0;
    bool holding = false;
    bool clear = false;

    Rect Square() const { return {column, row, side, side}; }
};

// Whether a step goes to a neighbouring square, or none: -1, 0 or 1 in each direction.
bool Neighbours(int dx, int dy) {
    return static_cast<unsigned>(dx + 1) <= 2 && static_cast<unsigned>(dy + 1) <= 2;
}

// What is left of the pen's square, wholly on the image, after a step to a neighbouring square
// or none: the row it leaves when the pen moves up or down, and the column it leaves when it
// moves sideways. Along an axis the pen does not move on, the row or column painted is its
// first, which the square itself still covers and paints again when it is left. So every step
// makes the same stores, and none waits on a branch that the direction of the step, as good
// as random, would mispredict.
void PaintEdgesLeft(Raster& raster, const SquarePen& pen, int dx, int dy) {
    const std::ptrdiff_t width = raster.Width();
    const int last = pen.side - 1;
    Pixel* corner = raster.Row(pen.row) + pen.column;
    Pixel* edgeRow = corner + (dy < 0) * last * width;
    Pixel* edgeColumn = corner + (dx < 0) * last;
    for (int i = 0; i <= last; ++i) {
        edgeRow[i] = pen.pixel;
        edgeColumn[i * width] = pen.pixel;
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
        PaintEdgesLeft(raster, pen, dx, dy);
    } else if (pen.holding && std::abs(dx) < side && std::abs(dy) < side) {
        raster.Fill({pen.column, dy > 0 ? pen.row : row + side, side, std::abs(dy)}, pen.pixel);
        raster.Fill({dx > 0 ? pen.column : column + side, std::max(pen.row, row), std::abs(dx),
                     side - std::abs(dy)},
                    pen.pixel);
    } else if (pen.holding) {
        raster.Fill(pen.Square(), pen.pixel);
    }
    pen = {side, column, row, pixel, true,
           column >= 0 && row >= 0 && column + side <= raster.Width() &&
               row + side <= raster.Height()};
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

// The squares a stroke can have stood on: those between the squares of the corners of the box
// round its vertices, cut to the band, and the one it found the pen on. A vertex that is not a
// point is passed over.
Rect Reach(const PenPlacement& placement, const Band& band, std::span<const Vertex> vertices,
           const SquarePen& found) {
    float left = std::numeric_limits<float>::infinity();
    float top = left;
    float right = -left;
    float bottom = -left;
    for (const Vertex& vertex : vertices) {
        left = std::min(left, vertex.x);
        top = std::min(top, vertex.y);
        right = std::max(right, vertex.x);
        bottom = std::max(bottom, vertex.y);
    }
    const Point first = Place(placement, {left, top, 0});
    const Point last = Place(placement, {right, bottom, 0});
    const auto pixel = [&](double value, double far) {
        return FloorToInt(std::clamp(value, band.near, far));
    };
    const Rect reach =
        Between(pixel(std::min(first.x, last.x), band.width),
                pixel(std::min(first.y, last.y), band.height),
                pixel(std::max(first.x, last.x), band.width) + found.side,
                pixel(std::max(first.y, last.y), band.height) + found.side);
    return found.holding ? Bounding(reach, found.Square()) : reach;
}

} // namespace

// The pen's square is kept here while the stroke lasts and held back in the raster at its end.
// Nearly every line of a dense curve starts where the last one ended, on a square wholly on
// the image, and takes the pen to a neighbouring square or none that is wholly on the image
// too: that step is taken here, in single precision, where such a square needs no floor() but a
// truncation. Every other line is cut to the band and walked.
void Stroke(Raster& raster, const PenPlacement& placement, std::span<const Vertex> vertices) {
    if (vertices.size() < 2) {
        return;
    }
    const Band band{-static_cast<double>(placement.side), static_cast<double>(raster.Width()),
                    static_cast<double>(raster.Height())};
    // Positions from 0 up to these put the whole square on the image.
    const auto clearWidth = static_cast<float>(raster.Width() - placement.side + 1);
    const auto clearHeight = static_cast<float>(raster.Height() - placement.side + 1);

    SquarePen pen{placement.side};
    if (raster.held && raster.held->place.width == placement.side) {
        MoveTo(raster, pen, raster.held->place.left, raster.held->place.top, raster.held->pixel);
    } else {
        raster.CompleteImage(); // a square of another pen is painted whole
    }
    const SquarePen found = pen;
    bool fromPen = false; // whether the next line starts on the pen's square, wholly on the image
    for (std::size_t i = 1; i < vertices.size(); ++i) {
        const Vertex& end = vertices[i];
        const Pixel pixel = ToPixel(end.colour);
        if (fromPen) {
            const float x = end.x * placement.xScale + placement.xOffset;
            const float y = end.y * placement.yScale + placement.yOffset;
            if (x >= 0 && x < clearWidth && y >= 0 && y < clearHeight) {
                const int dx = static_cast<int>(x) - pen.column;
                const int dy = static_cast<int>(y) - pen.row;
                if (Neighbours(dx, dy)) {
                    pen.pixel = pixel; // the line's first square is the pen's, in its colour
                    PaintEdgesLeft(raster, pen, dx, dy);
                    pen.column += dx;
                    pen.row += dy;
                    continue;
                }
            }
        }
        const Point to = Place(placement, end);
        Point start = Place(placement, vertices[i - 1]);
        Point stop = to;
        fromPen = (band.Holds(start) && band.Holds(stop)) || band.Clip(start, stop);
        if (fromPen) {
            WalkLine(raster, pen, start, stop, pixel);
            fromPen = pen.clear && band.Holds(to);
        }
    }
    if (pen.holding) {
        raster.held = Raster::HeldSquare{pen.Square(), pen.pixel};
        raster.Touch(Reach(placement, band, vertices, found));
    }
}

} // namespace vorrelin
