#pragma once

#include "platform/drawing_surface.h"

#include <cstdint>
#include <vector>

namespace vorrelin {

// The drawing area's persistent image, in memory. Lines are drawn straight into its pixels,
// so the picture survives anything that happens to the window; a widget shows it by wrapping
// the same buffer (32 bits a pixel, 0xffRRGGBB, the layout of QImage::Format_RGB32).
//
// The image has device resolution: an area of W × H logical pixels at a device pixel ratio r
// holds round(W·r) × round(H·r) pixels, the user coordinates are stretched over all of them,
// and a line DrawWidth logical pixels wide covers round(DrawWidth·r) device pixels.
class RasterSurface : public DrawingSurface {
public:
    // The colour the area shows until its first Cls: the usual face colour of a dialog.
    static constexpr Colour kInitialBackColor = 0xF0F0F0;
    // Before the program sets a coordinate system the units are twips, 15 to a logical pixel.
    static constexpr int kTwipsPerPixel = 15;

    RasterSurface(int logicalWidth, int logicalHeight, double devicePixelRatio = 1.0);

    void DrawWidth(std::int16_t pixels) override;
    void BackColor(Colour colour) override;
    void Cls() override;
    void ScaleLeft(float value) override;
    void ScaleTop(float value) override;
    void ScaleWidth(float value) override;
    void ScaleHeight(float value) override;
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    // The image in memory is all there is to show.
    void Refresh() override {}

    int PixelWidth() const { return width_; }
    int PixelHeight() const { return height_; }
    double DevicePixelRatio() const { return ratio_; }
    int BytesPerLine() const { return width_ * static_cast<int>(sizeof(std::uint32_t)); }
    const std::uint32_t* Bits() const { return pixels_.data(); }
    std::uint32_t* Bits() { return pixels_.data(); }

    // The colour of one device pixel, in the program's red + 256 × green + 65536 × blue form.
    Colour PixelAt(int x, int y) const;

private:
    void UpdateMapping();
    void Stamp(int x, int y, std::uint32_t pixel);
    bool ClipToImage(double& x1, double& y1, double& x2, double& y2) const;

    int width_;
    int height_;
    double ratio_;
    std::vector<std::uint32_t> pixels_;

    Colour backColor_ = kInitialBackColor;
    std::int16_t drawWidth_ = 1;
    float scaleLeft_ = 0;
    float scaleTop_ = 0;
    float scaleWidth_;
    float scaleHeight_;

    // Derived from the above by UpdateMapping. A user point (x, y) puts the top-left pixel of
    // its pen square at floor(x·xScale_ + xOffset_), floor(y·yScale_ + yOffset_); the square
    // is penPixels_ wide and centred on the point.
    int penPixels_ = 1;
    double xScale_ = 1;
    double yScale_ = 1;
    double xOffset_ = 0;
    double yOffset_ = 0;
};

} // namespace vorrelin
