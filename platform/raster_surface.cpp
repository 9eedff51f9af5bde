#include "platform/raster_surface.h"

#include "platform/runtime_error.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace vorrelin {

namespace {

constexpr std::uint32_t kOpaque = 0xFF000000;

// The program's colour (red in the low byte) as a pixel (red in the third byte).
constexpr std::uint32_t ToPixel(Colour colour) {
    return kOpaque | (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

void RequireFinite(float value) {
    if (!std::isfinite(value)) {
        throw RuntimeError::InvalidPropertyValue();
    }
}

} // namespace

RasterSurface::RasterSurface(int logicalWidth, int logicalHeight, double devicePixelRatio)
    : width_(std::max(1, static_cast<int>(std::lround(logicalWidth * devicePixelRatio)))),
      height_(std::max(1, static_cast<int>(std::lround(logicalHeight * devicePixelRatio)))),
      ratio_(devicePixelRatio),
      pixels_(static_cast<std::size_t>(width_) * static_cast<std::size_t>(height_),
              ToPixel(kInitialBackColor)),
      scaleWidth_(static_cast<float>(logicalWidth * kTwipsPerPixel)),
      scaleHeight_(static_cast<float>(logicalHeight * kTwipsPerPixel)) {
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
    std::fill(pixels_.begin(), pixels_.end(), ToPixel(backColor_));
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
    penPixels_ = std::max(1, static_cast<int>(std::lround(drawWidth_ * ratio_)));
    const double centring = 0.5 - penPixels_ / 2.0;
    xScale_ = width_ / static_cast<double>(scaleWidth_);
    yScale_ = height_ / static_cast<double>(scaleHeight_);
    xOffset_ = -scaleLeft_ * xScale_ + centring;
    yOffset_ = -scaleTop_ * yScale_ + centring;
}

// The line is the path of a square pen, penPixels_ on a side, along the Bresenham line between
// the two end points' pixels; both ends are stamped, so consecutive segments join without a
// gap and a zero-length line is one square dot. Orders of 9 and more draw almost nothing but
// such dots, so that case returns after a single stamp.
void RasterSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    const std::uint32_t pixel = ToPixel(colour);
    double ax = x1 * xScale_ + xOffset_;
    double ay = y1 * yScale_ + yOffset_;
    double bx = x2 * xScale_ + xOffset_;
    double by = y2 * yScale_ + yOffset_;

    // Pen positions a whole pen width outside the image leave no mark; a line that reaches that
    // far is cut to the part that can. The bounds keep every later integer conversion exact.
    const double left = -penPixels_;
    const double top = -penPixels_;
    const auto inside = [&](double x, double y) {
        return x >= left && x <= width_ && y >= top && y <= height_;
    };
    if (!(inside(ax, ay) && inside(bx, by)) && !ClipToImage(ax, ay, bx, by)) {
        return;
    }

    auto x = static_cast<int>(std::floor(ax));
    auto y = static_cast<int>(std::floor(ay));
    const auto xEnd = static_cast<int>(std::floor(bx));
    const auto yEnd = static_cast<int>(std::floor(by));
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

Colour RasterSurface::PixelAt(int x, int y) const {
    const std::uint32_t pixel = pixels_.at(static_cast<std::size_t>(y) * width_ + x);
    return (pixel >> 16 & 0xFF) | (pixel & 0xFF00) | (pixel & 0xFF) << 16;
}

} // namespace vorrelin
