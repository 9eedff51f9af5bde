#pragma once

#include "graphics/image.h"
#include "graphics/rect.h"

#include <algorithm>
#include <cstddef>
#include <optional>
#include <utility>
#include <vector>

namespace vorrelin {

// The drawing area's persistent image, in memory, at the resolution of the screen that shows
// it: an area of W × H logical pixels at a device pixel ratio r holds round(W·r) × round(H·r)
// pixels. A window shows it by handing the same buffer to the window system, and copies only
// the part changed since it last asked. Whatever writes to it is counted as changed.
//
// It may hold one square of a pen, whose fill is put off because the next stroke usually paints
// over it: the held square is filled before the image is read or resampled.
class Raster {
public:
    // A square whose fill is put off, and the pixel it is to be filled with.
    struct HeldSquare {
        Rect place;
        Pixel pixel;
    };

    // Squares lent for writing, one after another: on its way out, the lender counts the box of
    // every square it lent as changed.
    class SquareLender {
    public:
        // Starts from the square at (column, row).
        SquareLender(Raster& raster, int side, int column, int row)
            : raster_(raster), pixels_(raster.pixels_.data()), width_(raster.width_), side_(side),
              left_(column), top_(row), right_(column), bottom_(row) {}
        SquareLender(const SquareLender&) = delete;
        SquareLender& operator=(const SquareLender&) = delete;
        ~SquareLender() { raster_.Touch(Between(left_, top_, right_ + side_, bottom_ + side_)); }

        // The top-left pixel of the square at (column, row), which must lie wholly on the image;
        // the rows follow one another Width() pixels apart.
        Pixel* Lend(int column, int row) {
            left_ = std::min(left_, column);
            top_ = std::min(top_, row);
            right_ = std::max(right_, column);
            bottom_ = std::max(bottom_, row);
            return pixels_ + row * width_ + column;
        }

    private:
        Raster& raster_;
        Pixel* pixels_;
        std::ptrdiff_t width_;
        int side_;
        int left_;
        int top_;
        int right_;
        int bottom_;
    };

    Raster(int logicalWidth, int logicalHeight, double devicePixelRatio, Pixel fill);

    int Width() const { return width_; }
    int Height() const { return height_; }
    double DevicePixelRatio() const { return ratio_; }

    // Fills the whole image; a held square is dropped.
    void Fill(Pixel pixel);
    // Fills the part of `area` that lies on the image.
    void Fill(const Rect& area, Pixel pixel);

    // Holds a square. A stroke takes the square held before back first.
    void Hold(const HeldSquare& square);
    // The square held, if any, which the raster then no longer fills.
    std::optional<HeldSquare> TakeHeld() { return std::exchange(held_, std::nullopt); }

    // The image, complete. The view lasts until the image changes density.
    ImageView CompleteImage();
    // The part of the image changed since the last call, complete, so that showing it copies no
    // more than that; everything, the first time.
    Rect TakeChanged();

    // Moves the image to a screen of another density: each new pixel takes the color of the old
    // pixel under its top-left corner.
    void ChangeDensity(double devicePixelRatio);

private:
    void Touch(const Rect& area) { changed_ = Bounding(changed_, area); }
    void FillHeld();

    int logicalWidth_;
    int logicalHeight_;
    int width_;
    int height_;
    double ratio_;
    std::vector<Pixel> pixels_;
    Rect changed_;
    std::optional<HeldSquare> held_;
};

} // namespace vorrelin
