#include "curve/pen.h"

namespace vorrelin {

Color OffTheRampColor(double count) {
    return PenColor(count);
}

} // namespace vorrelin
