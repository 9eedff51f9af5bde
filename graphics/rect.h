#pragma once

#include <algorithm>

namespace vorrelin {

// A rectangle of pixels: its top-left pixel and its size.
struct Rect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;

    constexpr int Right() const { return left + width; }  // the first column past it
    constexpr int Bottom() const { return top + height; } // the first row below it
    constexpr bool Empty() const { return width <= 0 || height <= 0; }
    bool operator==(const Rect&) const = default;
};

// The rectangle from (left, top) to (right, bottom), those two excluded.
constexpr Rect Between(int left, int top, int right, int bottom) {
    return {left, top, right - left, bottom - top};
}

// The smallest rectangle holding both; an empty one adds nothing.
constexpr Rect Bounding(const Rect& a, const Rect& b) {
    if (a.Empty()) {
        return b;
    }
    if (b.Empty()) {
        return a;
    }
    return Between(std::min(a.left, b.left), std::min(a.top, b.top), std::max(a.Right(), b.Right()),
                   std::max(a.Bottom(), b.Bottom()));
}

// What two rectangles share; empty if nothing.
constexpr Rect Intersection(const Rect& a, const Rect& b) {
    const Rect shared = Between(std::max(a.left, b.left), std::max(a.top, b.top),
                                std::min(a.Right(), b.Right()), std::min(a.Bottom(), b.Bottom()));
    return shared.Empty() ? Rect{} : shared;
}

} // namespace vorrelin
