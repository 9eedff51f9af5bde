#include "graphics/raster.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace vorrelin {

namespace {

int DevicePixels(int logical, double ratio) {
    return std::max(1, static_cast<int>(std::lround(logical * ratio)));
}

} // namespace

Raster::Raster(int logicalWidth, int logicalHeight, double devicePixelRatio, Pixel fill)
    : logicalWidth_(logicalWidth), logicalHeight_(logicalHeight),
      width_(DevicePixels(logicalWidth, devicePixelRatio)),
      height_(DevicePixels(logicalHeight, devicePixelRatio)), ratio_(devicePixelRatio),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_), fill),
      changed_{0, 0, width_, height_} {}

void Raster::Fill(Pixel pixel) {
    held_.reset();
    std::fill(pixels_.begin(), pixels_.end(), pixel);
    changed_ = {0, 0, width_, height_};
}

void Raster::Fill(const Rect& area, Pixel pixel) {
    const Rect part = Intersection(area, {0, 0, width_, height_});
    Pixel* row = pixels_.data() + std::ptrdiff_t{part.top} * width_ + part.left;
    for (int y = 0; y < part.height; ++y, row += width_) {
        std::fill_n(row, part.width, pixel);
    }
    Touch(part);
}

void Raster::Hold(const HeldSquare& square) {
    held_ = square;
    Touch(square.place);
}

void Raster::FillHeld() {
    if (const auto square = TakeHeld()) {
        Fill(square->place, square->pixel);
    }
}

ImageView Raster::CompleteImage() {
    FillHeld();
    return {width_, height_, pixels_, static_cast<int>(std::lround(kStandardDpi * ratio_))};
}

Rect Raster::TakeChanged() {
    FillHeld();
    const Rect changed = Intersection(changed_, {0, 0, width_, height_});
    changed_ = {};
    return changed;
}

void Raster::ChangeDensity(double devicePixelRatio) {
    FillHeld();
    const int width = DevicePixels(logicalWidth_, devicePixelRatio);
    const int height = DevicePixels(logicalHeight_, devicePixelRatio);
    std::vector<Pixel> pixels(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        const Pixel* from = pixels_.data() + std::ptrdiff_t{y} * height_ / height * width_;
        for (int x = 0; x < width; ++x) {
            pixels[static_cast<std::size_t>(y) * width + x] =
                from[std::ptrdiff_t{x} * width_ / width];
        }
    }
    pixels_ = std::move(pixels);
    width_ = width;
    height_ = height;
    ratio_ = devicePixelRatio;
    changed_ = {0, 0, width_, height_};
}

} // namespace vorrelin
