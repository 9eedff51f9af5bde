#include "graphics/clip_liang_barsky.h"

#include <algorithm>
#include <cmath>

namespace vorrelin {

bool ClipLiangBarsky(const ClipBox& box, ClipPoint& from, ClipPoint& to) {
    if (!(std::isfinite(from.x) && std::isfinite(from.y) && std::isfinite(to.x) &&
          std::isfinite(to.y))) {
        return false;
    }
    const double dx = to.x - from.x;
    const double dy = to.y - from.y;
    double enter = 0;
    double leave = 1;
    // One edge: the line's run towards it, and how far inside it the line starts.
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
    if (!(clip(-dx, from.x - box.left) && clip(dx, box.right - from.x) &&
          clip(-dy, from.y - box.top) && clip(dy, box.bottom - from.y))) {
        return false;
    }
    const ClipPoint start = from;
    from = {std::clamp(start.x + enter * dx, box.left, box.right),
            std::clamp(start.y + enter * dy, box.top, box.bottom)};
    to = {std::clamp(start.x + leave * dx, box.left, box.right),
          std::clamp(start.y + leave * dy, box.top, box.bottom)};
    return true;
}

} // namespace vorrelin
