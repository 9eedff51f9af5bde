#include "graphics/pen_placement.h"

#include "graphics/clip_liang_barsky.h"

namespace vorrelin {

namespace {

// floor() for values the caller has bounded to the int range.
int FloorToInt(double value) {
    const auto truncated = static_cast<int>(value);
    return truncated - (value < truncated ? 1 : 0);
}

ClipPoint InPixels(const PenPlacement& pen, const Vertex& vertex) {
    const PixelPlace place = Place(pen, vertex);
    return {place.x, place.y};
}

} // namespace

std::optional<SquareLine> PlaceLine(const PenPlacement& pen, int width, int height,
                                    const Vertex& from, const Vertex& to) {
    const ClipBox band{-static_cast<double>(pen.side), -static_cast<double>(pen.side),
                       static_cast<double>(width), static_cast<double>(height)};
    ClipPoint start = InPixels(pen, from);
    ClipPoint end = InPixels(pen, to);
    if (!(band.Holds(start) && band.Holds(end)) && !ClipLiangBarsky(band, start, end)) {
        return std::nullopt;
    }
    return SquareLine{FloorToInt(start.x), FloorToInt(start.y), FloorToInt(end.x),
                      FloorToInt(end.y)};
}

} // namespace vorrelin
