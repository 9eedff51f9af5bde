#pragma once

namespace vorrelin {

struct ClipPoint {
    double x;
    double y;
};

// A rectangle that lines are cut to, its edges included.
struct ClipBox {
    double left;
    double top;
    double right;
    double bottom;

    bool Holds(ClipPoint point) const {
        return point.x >= left && point.x <= right && point.y >= top && point.y <= bottom;
    }
};

// Liang–Barsky: cuts the line from `from` to `to` to the part inside the box. Returns false when
// nothing of it is left, or when it is not a line at all (NaN or an infinite end).
bool ClipLiangBarsky(const ClipBox& box, ClipPoint& from, ClipPoint& to);

} // namespace vorrelin
