#pragma once

#include "platform/drawing_surface.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <limits>
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
    // Final, and inline below: the curve calls it once per segment, and a caller that knows it
    // has a RasterSurface gets it compiled into its own loop.
    void Line(float x1, float y1, float x2, float y2, Colour colour) final;
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
    bool SquareClearOfEdges(float x, float y, int& column, int& row) const;
    void StampClear(int column, int row, std::uint32_t pixel);
    void Stamp(int column, int row, std::uint32_t pixel);
    void DrawPath(float x1, float y1, float x2, float y2, std::uint32_t pixel);
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
    // Pen positions below these, and from 0, keep the whole square on the image.
    double clearWidth_ = 0;
    double clearHeight_ = 0;

    // Where the last line ended, and the top-left pixel of the pen square there, when that
    // square lies wholly on the image; NaN otherwise, which no point equals.
    float lastX_ = std::numeric_limits<float>::quiet_NaN();
    float lastY_ = std::numeric_limits<float>::quiet_NaN();
    int lastColumn_ = 0;
    int lastRow_ = 0;
};

namespace detail {

// The program's colour (red in the low byte) as a pixel (red in the third byte), opaque.
constexpr std::uint32_t ToPixel(Colour colour) {
    return 0xFF000000 | (colour & 0xFF) << 16 | (colour & 0xFF00) | (colour >> 16 & 0xFF);
}

} // namespace detail

// Every segment of a curve starts where the last one ended. From order 9 on nearly every one
// ends in the pixel it starts in or the next one, and from order 10 on every one has length
// zero: such a line is one or two pen squares, found from the remembered end of the last line
// and drawn without the general path's mapping, clipping and stepping.
[[gnu::always_inline]] inline void RasterSurface::Line(float x1, float y1, float x2, float y2,
                                                       Colour colour) {
    const std::uint32_t pixel = detail::ToPixel(colour);
    if (x1 == lastX_ && y1 == lastY_) {
        if (x2 == x1 && y2 == y1) {
            StampClear(lastColumn_, lastRow_, pixel);
            return;
        }
        int column = 0;
        int row = 0;
        if (SquareClearOfEdges(x2, y2, column, row) && std::abs(column - lastColumn_) <= 1 &&
            std::abs(row - lastRow_) <= 1) {
            StampClear(lastColumn_, lastRow_, pixel);
            StampClear(column, row, pixel);
            lastX_ = x2;
            lastY_ = y2;
            lastColumn_ = column;
            lastRow_ = row;
            return;
        }
    }
    DrawPath(x1, y1, x2, y2, pixel);
}

// The pen square's top-left pixel for a user point, if the whole square lies on the image.
[[gnu::always_inline]] inline bool RasterSurface::SquareClearOfEdges(float x, float y, int& column,
                                                                     int& row) const {
    const double left = x * xScale_ + xOffset_;
    const double top = y * yScale_ + yOffset_;
    if (!(left >= 0 && top >= 0 && left < clearWidth_ && top < clearHeight_)) {
        return false;
    }
    column = static_cast<int>(left);
    row = static_cast<int>(top);
    return true;
}

// A pen square that lies wholly on the image; the common width of two pixels is four stores.
[[gnu::always_inline]] inline void RasterSurface::StampClear(int column, int row,
                                                             std::uint32_t pixel) {
    const std::ptrdiff_t width = width_;
    const int pen = penPixels_;
    std::uint32_t* line = pixels_.data() + row * width + column;
    if (pen == 2) {
        line[0] = pixel;
        line[1] = pixel;
        line[width] = pixel;
        line[width + 1] = pixel;
        return;
    }
    for (int y = 0; y < pen; ++y, line += width) {
        for (int x = 0; x < pen; ++x) {
            line[x] = pixel;
        }
    }
}

} // namespace vorrelin
