#include "curve/pen.h"

namespace vorrelin {

Colour OffTheRampColour(double count) {
    return PenColor(count);
}

} // namespace vorrelin
