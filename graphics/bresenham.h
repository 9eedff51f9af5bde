#pragma once

#include <cstdlib>

namespace vorrelin {

// Bresenham's line: visits every point from (x, y) to (xEnd, yEnd), both included, each a step
// of one in x, in y or in both from the last.
template <typename Visit>
void ForEachBresenhamPoint(int x, int y, int xEnd, int yEnd, Visit visit) {
    const int dx = std::abs(xEnd - x);
    const int dy = -std::abs(yEnd - y);
    const int xStep = x < xEnd ? 1 : -1;
    const int yStep = y < yEnd ? 1 : -1;
    int error = dx + dy;
    visit(x, y);
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
        visit(x, y);
    }
}

} // namespace vorrelin
