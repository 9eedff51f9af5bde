#include "curve/pen.h"

#include <span>
#include <utility>

namespace vorrelin {

Colour OffTheRampColour(double count) {
    return PenColor(count);
}

// The run is emptied before the surface sees it, so that a refused segment is never handed over
// twice; the next run starts where this one ends.
void Pen::HandOver() {
    const std::size_t size = std::exchange(size_, 1);
    if (size > 1) {
        surface_.Polyline(std::span<const Vertex>(run_.data(), size));
        run_[0] = run_[size - 1];
    }
}

} // namespace vorrelin
