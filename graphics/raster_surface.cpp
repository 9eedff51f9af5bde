#include "graphics/raster_surface.h"

#include "graphics/twips.h"
#include "runtime/runtime_error.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vorrelin {

namespace {

void RequireFinite(float value) {
    if (!std::isfinite(value)) {
        throw RuntimeError::InvalidPropertyValue();
    }
}

// A zero extent would squeeze the whole coordinate range into one line of pixels.
void RequireExtent(float value) {
    RequireFinite(value);
    if (value == 0) {
        throw RuntimeError::InvalidPropertyValue();
    }
}

} // namespace

// Before the program sets a coordinate system the units are twips.
RasterSurface::RasterSurface(int logicalWidth, int logicalHeight, double devicePixelRatio,
                             std::function<void()> present)
    : raster_(logicalWidth, logicalHeight, devicePixelRatio, ToPixel(kInitialBackColor)),
      present_(std::move(present)), scaleWidth_(static_cast<float>(logicalWidth * kTwipsPerPixel)),
      scaleHeight_(static_cast<float>(logicalHeight * kTwipsPerPixel)) {}

void RasterSurface::DrawWidth(std::int16_t pixels) {
    if (pixels < 1) {
        throw RuntimeError::InvalidPropertyValue();
    }
    drawWidth_ = pixels;
}

void RasterSurface::BackColor(Color color) {
    backColor_ = color;
}

void RasterSurface::Cls() {
    raster_.Fill(ToPixel(backColor_));
}

void RasterSurface::ScaleLeft(float value) {
    RequireFinite(value);
    scaleLeft_ = value;
}

void RasterSurface::ScaleTop(float value) {
    RequireFinite(value);
    scaleTop_ = value;
}

void RasterSurface::ScaleWidth(float value) {
    RequireExtent(value);
    scaleWidth_ = value;
}

void RasterSurface::ScaleHeight(float value) {
    RequireExtent(value);
    scaleHeight_ = value;
}

void RasterSurface::Line(float x1, float y1, float x2, float y2, Color color) {
    const Vertex ends[] = {{x1, y1, 0}, {x2, y2, color}};
    Polyline(ends);
}

void RasterSurface::Polyline(std::span<const Vertex> vertices) {
    Stroke(raster_, Placement(), vertices);
}

void RasterSurface::Refresh() {
    if (present_) {
        present_();
    }
}

PenPlacement RasterSurface::Placement() const {
    PenPlacement pen;
    pen.side = std::max(1, static_cast<int>(std::lround(drawWidth_ * raster_.DevicePixelRatio())));
    const double centring = 0.5 - pen.side / 2.0;
    const double xScale = raster_.Width() / static_cast<double>(scaleWidth_);
    const double yScale = raster_.Height() / static_cast<double>(scaleHeight_);
    pen.xScale = static_cast<float>(xScale);
    pen.yScale = static_cast<float>(yScale);
    pen.xOffset = static_cast<float>(-scaleLeft_ * xScale + centring);
    pen.yOffset = static_cast<float>(-scaleTop_ * yScale + centring);
    return pen;
}

} // namespace vorrelin
