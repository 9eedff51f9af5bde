#pragma once

#include "graphics/image.h"
#include "graphics/rect.h"

#include <cstddef>
#include <optional>
#include <vector>

namespace vorrelin {

// The drawing area's persistent image, in memory, at the resolution of the screen that shows
// it: an area of W × H logical pixels at a device pixel ratio r holds round(W·r) × round(H·r)
// pixels. A window shows it by handing the same buffer to the window system, and copies only
// the part changed since it last asked.
//
// It may hold back one square of a pen, which the next stroke usually paints over: the square is
// painted whole before the image is read, filled or resampled.
class Raster {
public:
    // A square of a pen not yet painted, and the pixel it is to be painted in.
    struct HeldSquare {
        Rect place;
        Pixel pixel;
    };

    Raster(int logicalWidth, int logicalHeight, double devicePixelRatio, Pixel fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    double DevicePixelRatio() const { return ratio_; }

    // Fills the whole image.
    void Fill(Pixel pixel);
    // Fills the part of `area` that lies on the image. Whoever fills counts the area as changed.
    void Fill(const Rect& area, Pixel pixel);
    // The pixels of a row of the image, which its caller counts as changed when it writes them.
    Pixel* Row(int y) { return pixels_.data() + std::ptrdiff_t{y} * width_; }
    // Counts an area as changed, so that the next TakeChanged includes it.
    void Touch(const Rect& area) { changed_ = Bounding(changed_, area); }

    // The square held back, if any.
    std::optional<HeldSquare> held;

    // The image, complete. The view lasts until the image changes density.
    ImageView CompleteImage();
    // The part of the image changed since the last call, complete, so that showing it copies no
    // more than that; everything, the first time.
    Rect TakeChanged();

    // Moves the image to a screen of another density: each new pixel takes the colour of the old
    // pixel under its top-left corner.
    void ChangeDensity(double devicePixelRatio);

private:
    void PaintHeld();

    int logicalWidth_;
    int logicalHeight_;
    int width_;
    int height_;
    double ratio_;
    std::vector<Pixel> pixels_;
    Rect changed_;
};

} // namespace vorrelin
