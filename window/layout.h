#pragma once

#include "graphics/rect.h"
#include "graphics/twips.h"
#include "window/window_description.h"

#include <cstddef>
#include <string_view>

// Where a window description puts things on a screen of a given density, and the rules every
// window built from one follows.
namespace vorrelin {

// The drawing area's border at the standard density: the usual sunken edge.
inline constexpr int kFrameWidth = 2;

// Twips to the nearest pixel at `dpi` dots per inch.
constexpr int ToPixels(int twips, int dpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

constexpr Rect PlaceOf(const ControlDescription& control, int dpi) {
    return {ToPixels(control.left, dpi), ToPixels(control.top, dpi), ToPixels(control.width, dpi),
            ToPixels(control.height, dpi)};
}

// The drawing area's image in logical pixels: its place at the standard density less the
// border on every side. On a denser screen the image has more pixels, not a larger area.
constexpr int InnerSide(int outerPixels) {
    return outerPixels - 2 * kFrameWidth;
}

// Labels take no focus: Tab passes them over.
constexpr bool TakesFocus(ControlKind kind) {
    return kind != ControlKind::Label;
}

// A label's box may reach over the text field beneath it; labels lie under every other
// control, so that the field stays visible and takes the clicks.
constexpr bool LiesUnderneath(ControlKind kind) {
    return kind == ControlKind::Label;
}

// The control that has the focus when the window opens: the first in tab order.
const ControlDescription& FirstFocus(const WindowDescription& window);

// A control's place in the description, by name; a name the description lacks is a fault of
// the program, not of the user.
std::size_t IndexOf(const WindowDescription& window, std::string_view name);

// A timer's place in the description, by name, likewise.
std::size_t TimerIndexOf(const WindowDescription& window, std::string_view name);

} // namespace vorrelin
