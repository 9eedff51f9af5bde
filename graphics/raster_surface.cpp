#include "graphics/raster_surface.h"

#include "graphics/twips.h"
#include "runtime/runtime_error.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>

namespace vorrelin {

namespace {

void RequireFinite(float value) {
    if (!std::isfinite(value)) {
        throw RuntimeError::InvalidPropertyValue();
    }
}

int DevicePixels(int logical, double ratio) {
    return std::max(1, static_cast<int>(std::lround(logical * ratio)));
}

} // namespace

RasterSurface::RasterSurface(int logicalWidth, int logicalHeight, double devicePixelRatio,
                             std::function<void()> present)
    : present_(std::move(present)), logicalWidth_(logicalWidth), logicalHeight_(logicalHeight),
      width_(DevicePixels(logicalWidth, devicePixelRatio)),
      height_(DevicePixels(logicalHeight, devicePixelRatio)), ratio_(devicePixelRatio),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              ToPixel(kInitialBackColor)),
      // Before the program sets a coordinate system the units are twips.
      scaleWidth_(static_cast<float>(logicalWidth * kTwipsPerPixel)),
      scaleHeight_(static_cast<float>(logicalHeight * kTwipsPerPixel)) {
    changed_ = {0, 0, width_, height_};
    UpdateMapping();
}

// Each new pixel takes the colour of the old pixel under its top-left corner.
void RasterSurface::ChangeDensity(double devicePixelRatio) {
    Flush();
    const int width = DevicePixels(logicalWidth_, devicePixelRatio);
    const int height = DevicePixels(logicalHeight_, devicePixelRatio);
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(width) * height);
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* from = pixels_.data() + std::ptrdiff_t{y} * height_ / height * width_;
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
    UpdateMapping();
}

void RasterSurface::DrawWidth(std::int16_t pixels) {
    if (pixels < 1) {
        throw RuntimeError::InvalidPropertyValue();
    }
    drawWidth_ = pixels;
    UpdateMapping();
}

void RasterSurface::BackColor(Colour colour) {
    backColor_ = colour;
}

void RasterSurface::Cls() {
    Touch(0, 0, width_, height_);
    owed_ = 0;
    std::fill(pixels_.begin(), pixels_.end(), ToPixel(backColor_));
}

void RasterSurface::Refresh() {
    Flush();
    if (present_) {
        present_();
    }
}

Rect RasterSurface::TakeChanged() {
    Flush();
    if (penMoved_) {
        Touch(0, 0, width_, height_);
        penMoved_ = false;
    }
    const Rect changed = Intersection(changed_, {0, 0, width_, height_});
    changed_ = {};
    return changed;
}

void RasterSurface::Touch(int left, int top, int right, int bottom) {
    changed_ = Bounding(changed_, Between(left, top, right, bottom));
}

ImageView RasterSurface::CompleteImage() {
    Flush();
    return {width_, height_, pixels_};
}

void RasterSurface::Flush() {
    if (owed_ != 0) {
        StampClear(lastColumn_, lastRow_, owed_);
        Touch(lastColumn_, lastRow_, lastColumn_ + penPixels_, lastRow_ + penPixels_);
        owed_ = 0;
    }
}

void RasterSurface::ScaleLeft(float value) {
    RequireFinite(value);
    scaleLeft_ = value;
    UpdateMapping();
}

void RasterSurface::ScaleTop(float value) {
    RequireFinite(value);
    scaleTop_ = value;
    UpdateMapping();
}

// A zero extent would squeeze the whole coordinate range into one line of pixels.
void RasterSurface::ScaleWidth(float value) {
    RequireFinite(value);
    if (value == 0) {
        throw RuntimeError::InvalidPropertyValue();
    }
    scaleWidth_ = value;
    UpdateMapping();
}

void RasterSurface::ScaleHeight(float value) {
    RequireFinite(value);
    if (value == 0) {
        throw RuntimeError::InvalidPropertyValue();
    }
    scaleHeight_ = value;
    UpdateMapping();
}

void RasterSurface::UpdateMapping() {
    Flush();
    penPixels_ = std::max(1, static_cast<int>(std::lround(drawWidth_ * ratio_)));
    const double centring = 0.5 - penPixels_ / 2.0;
    const double xScale = width_ / static_cast<double>(scaleWidth_);
    const double yScale = height_ / static_cast<double>(scaleHeight_);
    xScale_ = static_cast<float>(xScale);
    yScale_ = static_cast<float>(yScale);
    xOffset_ = static_cast<float>(-scaleLeft_ * xScale + centring);
    yOffset_ = static_cast<float>(-scaleTop_ * yScale + centring);
    clearWidth_ = static_cast<float>(width_ - penPixels_ + 1);
    clearHeight_ = static_cast<float>(height_ - penPixels_ + 1);
    lastX_ = std::numeric_limits<float>::quiet_NaN();
    lastY_ = std::numeric_limits<float>::quiet_NaN();
}

namespace {

// floor() for values the caller has bounded to the int range; std::floor is a library call
// on the baseline x86-64 instruction set.
int FloorToInt(double value) {
    const auto truncated = static_cast<int>(value);
    return truncated - (value < truncated ? 1 : 0);
}

} // namespace

// The general line: the path of a square pen, penPixels_ on a side, along the Bresenham line
// between the pixels of the two pen positions (brush coordinates, see UpdateMapping). Both
// ends are stamped, so consecutive segments join without a gap.
void RasterSurface::DrawPath(float fromX, float fromY, float toX, float toY, std::uint32_t pixel) {
    Flush();
    if (SquareClearOfEdges(toX, toY, lastColumn_, lastRow_)) {
        lastX_ = toX;
        lastY_ = toY;
    } else {
        lastX_ = std::numeric_limits<float>::quiet_NaN();
        lastY_ = std::numeric_limits<float>::quiet_NaN();
    }

    // Mapped in single precision, as the short lines are, so that both ways put a point on
    // the same pixel; in double only where single precision overflows.
    const auto map = [](float value, float scale, float offset) {
        const float mapped = value * scale + offset;
        return std::isfinite(mapped) ? double{mapped} : double{value} * scale + offset;
    };
    double x1 = map(fromX, xScale_, xOffset_);
    double y1 = map(fromY, yScale_, yOffset_);
    double x2 = map(toX, xScale_, xOffset_);
    double y2 = map(toY, yScale_, yOffset_);

    // Pen positions a whole pen width outside the image leave no mark; a line that reaches
    // that far is cut to the part that can. The bounds keep the integer conversions exact.
    const auto near = [this](double x, double y) {
        return x >= -penPixels_ && x <= width_ && y >= -penPixels_ && y <= height_;
    };
    if (!(near(x1, y1) && near(x2, y2)) && !ClipToImage(x1, y1, x2, y2)) {
        return;
    }

    int x = FloorToInt(x1);
    int y = FloorToInt(y1);
    const int xEnd = FloorToInt(x2);
    const int yEnd = FloorToInt(y2);
    Touch(std::min(x, xEnd), std::min(y, yEnd), std::max(x, xEnd) + penPixels_,
          std::max(y, yEnd) + penPixels_);
    const int dx = std::abs(xEnd - x);
    const int dy = -std::abs(yEnd - y);
    const int xStep = x < xEnd ? 1 : -1;
    const int yStep = y < yEnd ? 1 : -1;
    int error = dx + dy;
    for (;;) {
        Stamp(x, y, pixel);
        if (x == xEnd && y == yEnd) {
            return;
        }
        const int twice = 2 * error;
        if (twice >= dy) {
            error += dy;
            x += xStep;
        }
        if (twice <= dx) {
            error += dx;
            y += yStep;
        }
    }
}

// Liang–Barsky against the band of pen positions that can touch the image. Returns false when
// nothing of the line is left, or when it is not a line at all (NaN or an infinite end).
bool RasterSurface::ClipToImage(double& x1, double& y1, double& x2, double& y2) const {
    if (!(std::isfinite(x1) && std::isfinite(y1) && std::isfinite(x2) && std::isfinite(y2))) {
        return false;
    }
    const double dx = x2 - x1;
    const double dy = y2 - y1;
    double enter = 0;
    double leave = 1;
    const auto clip = [&](double denominator, double numerator) {
        if (denominator == 0) {
            return numerator >= 0;
        }
        const double t = numerator / denominator;
        if (denominator < 0) {
            enter = std::max(enter, t);
        } else {
            leave = std::min(leave, t);
        }
        return enter <= leave;
    };
    const double bound = -penPixels_;
    if (!(clip(-dx, x1 - bound) && clip(dx, width_ - x1) && clip(-dy, y1 - bound) &&
          clip(dy, height_ - y1))) {
        return false;
    }
    const double startX = x1;
    const double startY = y1;
    x1 = std::clamp(startX + enter * dx, bound, static_cast<double>(width_));
    y1 = std::clamp(startY + enter * dy, bound, static_cast<double>(height_));
    x2 = std::clamp(startX + leave * dx, bound, static_cast<double>(width_));
    y2 = std::clamp(startY + leave * dy, bound, static_cast<double>(height_));
    return true;
}

// One pen square with its top-left pixel at (x, y), cut to the image.
void RasterSurface::Stamp(int x, int y, std::uint32_t pixel) {
    const int x0 = std::max(x, 0);
    const int y0 = std::max(y, 0);
    const int x1 = std::min(x + penPixels_, width_);
    const int y1 = std::min(y + penPixels_, height_);
    for (int row = y0; row < y1; ++row) {
        std::uint32_t* line = pixels_.data() + static_cast<std::ptrdiff_t>(row) * width_;
        std::fill(line + x0, line + std::max(x0, x1), pixel);
    }
}

} // namespace vorrelin
