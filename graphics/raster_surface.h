#pragma once

#include "graphics/drawing_surface.h"
#include "graphics/raster.h"
#include "graphics/stroke.h"

#include <cstdint>
#include <functional>
#include <span>

namespace vorrelin {

// The drawing area the program draws on, as a raster: the area's properties, with its user
// coordinates stretched over all the raster's pixels, and lines stroked straight into them. A
// line DrawWidth logical pixels wide covers round(DrawWidth·r) device pixels at a device pixel
// ratio r. It refuses no line, so a pen hands it whole runs of them.
class RasterSurface final : public DrawingSurface {
public:
    // The color the area shows until its first Cls: the usual face color of a dialog.
    static constexpr Color kInitialBackColor = 0xF0F0F0;

    // `present` puts the raster on screen when the program refreshes it; a surface without a
    // screen has nothing to do then.
    RasterSurface(int logicalWidth, int logicalHeight, double devicePixelRatio = 1.0,
                  std::function<void()> present = {});

    // The pixels drawn, for showing and saving.
    Raster& Pixels() { return raster_; }

    void DrawWidth(std::int16_t pixels) override;
    void BackColor(Color color) override;
    void Cls() override;
    void ScaleLeft(float value) override;
    void ScaleTop(float value) override;
    void ScaleWidth(float value) override;
    void ScaleHeight(float value) override;
    void Line(float x1, float y1, float x2, float y2, Color color) override;
    void Refresh() override;
    bool TakesRuns() const override { return true; }
    bool KeepsOnlyThePicture() const override { return true; }
    void Polyline(std::span<const Vertex> vertices) override;

    // Where the lines drawn now put the pen, from the properties and the raster's density;
    // worked out afresh for every stroke, as the density changes when the window moves to
    // another screen.
    PenPlacement Placement() const;

private:
    Raster raster_;
    std::function<void()> present_;
    Color backColor_ = kInitialBackColor;
    std::int16_t drawWidth_ = 1;
    float scaleLeft_ = 0;
    float scaleTop_ = 0;
    float scaleWidth_;
    float scaleHeight_;
};

} // namespace vorrelin
