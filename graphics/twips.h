#pragma once

// Twips, the unit of a window description and of a drawing area's own coordinates until the
// program sets others: 1/1440 inch.
namespace vorrelin {

inline constexpr int kTwipsPerInch = 1440;
// The density at which a logical pixel is a device pixel: 15 twips to the pixel.
inline constexpr int kStandardDpi = 96;
inline constexpr int kTwipsPerPixel = kTwipsPerInch / kStandardDpi;

} // namespace vorrelin
