#pragma once

#include "graphics/compiler.h"
#include "graphics/drawing_surface.h"
#include "graphics/image.h"
#include "graphics/rect.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <limits>
#include <vector>

namespace vorrelin {

// The drawing area's persistent image, in memory. Lines are drawn straight into its pixels,
// so the picture survives anything that happens to the window; a window shows it by handing
// the same buffer to the window system.
//
// The image has device resolution: an area of W × H logical pixels at a device pixel ratio r
// holds round(W·r) × round(H·r) pixels, the user coordinates are stretched over all of them,
// and a line DrawWidth logical pixels wide covers round(DrawWidth·r) device pixels.
class RasterSurface : public DrawingSurface {
public:
    // The colour the area shows until its first Cls: the usual face colour of a dialog.
    static constexpr Colour kInitialBackColor = 0xF0F0F0;

    // `present` puts the image on screen when the program refreshes it; a surface without a
    // screen has nothing to do then.
    RasterSurface(int logicalWidth, int logicalHeight, double devicePixelRatio = 1.0,
                  std::function<void()> present = {});

    // Moves the image to a screen of another density: the picture is kept, resampled to the new
    // number of pixels, and what is drawn from now on has the new resolution.
    void ChangeDensity(double devicePixelRatio);

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
    // Draws the line if it is one of the short ones that need no general path, and says so.
    bool QuickLine(float x1, float y1, float x2, float y2, Colour colour);
    // Completes the image, then shows it (Present).
    void Refresh() final;

    int PixelWidth() const { return width_; }
    int PixelHeight() const { return height_; }
    double DevicePixelRatio() const { return ratio_; }

    // Pays what the surface still owes the image (see owed_) and hands it over, for showing or
    // saving. The view lasts until the surface changes density.
    ImageView CompleteImage();

    // The part of the image drawn on since the last call, in device pixels, so that showing it
    // copies no more than that; everything, the first time.
    Rect TakeChanged();

private:
    void Flush();
    void Touch(int left, int top, int right, int bottom);
    void UpdateMapping();
    bool SquareClearOfEdges(float x, float y, int& column, int& row) const;
    void StampClear(int column, int row, std::uint32_t pixel);
    void Stamp(int column, int row, std::uint32_t pixel);
    void DrawPath(float x1, float y1, float x2, float y2, std::uint32_t pixel);
    bool ClipToImage(double& x1, double& y1, double& x2, double& y2) const;

    std::function<void()> present_;
    int logicalWidth_;
    int logicalHeight_;
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
    // is penPixels_ wide and centred on the point. Single precision: the coordinates come in
    // it, and it is two instructions a segment cheaper than widening them.
    int penPixels_ = 1;
    float xScale_ = 1;
    float yScale_ = 1;
    float xOffset_ = 0;
    float yOffset_ = 0;
    // Pen positions below these, and from 0, keep the whole square on the image.
    float clearWidth_ = 0;
    float clearHeight_ = 0;

    // Where the last line ended, and the top-left pixel of the pen square there, when that
    // square lies wholly on the image; NaN otherwise, which no point equals.
    //
    // That square is owed to the image in the pixel value owed_ (0 for none: every pixel is
    // opaque) rather than painted: a curve's next segment starts there and paints it over in
    // its own colour, so painting it now would be wasted, and at the high orders, where every
    // segment is a dot on the same square, it would be all the work there is. Flush pays it
    // before anything can see the image or draw on it.
    std::uint32_t owed_ = 0;
    // The changed part since the last TakeChanged. A pen that moved by the short lines' path
    // makes it the whole image: keeping a rectangle round every such step would cost the
    // drawings of orders 5 to 9 two thirds more time, while those of orders 10 to 13, the long
    // ones, only ever change the pen's square.
    Rect changed_;
    bool penMoved_ = false;
    float lastX_ = std::numeric_limits<float>::quiet_NaN();
    float lastY_ = std::numeric_limits<float>::quiet_NaN();
    int lastColumn_ = 0;
    int lastRow_ = 0;
};

// Every segment of a curve starts where the last one ended. From order 9 on nearly every one
// ends in the pixel it starts in or the next one, and from order 10 on every one has length
// zero: such a line is one or two pen squares, found from the remembered end of the last line
// and drawn without the general path's mapping, clipping and stepping. Calls nothing.
VORRELIN_ALWAYS_INLINE bool RasterSurface::QuickLine(float x1, float y1, float x2, float y2,
                                                     Colour colour) {
    // Everything is read before the first pixel is written: the compiler cannot tell that
    // writing a pixel leaves the surface's own integers alone.
    const int lastColumn = lastColumn_;
    const int lastRow = lastRow_;
    if (!(x1 == lastX_ && y1 == lastY_)) {
        return false;
    }
    const std::uint32_t pixel = ToPixel(colour);
    if (x2 != x1 || y2 != y1) {
        int column = 0;
        int row = 0;
        if (!SquareClearOfEdges(x2, y2, column, row) || std::abs(column - lastColumn) > 1 ||
            std::abs(row - lastRow) > 1) {
            return false;
        }
        StampClear(lastColumn, lastRow, pixel);
        penMoved_ = true;
        lastX_ = x2;
        lastY_ = y2;
        lastColumn_ = column;
        lastRow_ = row;
    }
    owed_ = pixel;
    return true;
}

inline void RasterSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    if (!QuickLine(x1, y1, x2, y2, colour)) {
        DrawPath(x1, y1, x2, y2, ToPixel(colour));
    }
}

// The pen square's top-left pixel for a user point, if the whole square lies on the image.
VORRELIN_ALWAYS_INLINE bool RasterSurface::SquareClearOfEdges(float x, float y, int& column,
                                                              int& row) const {
    const float left = x * xScale_ + xOffset_;
    const float top = y * yScale_ + yOffset_;
    if (!(left >= 0 && top >= 0 && left < clearWidth_ && top < clearHeight_)) {
        return false;
    }
    column = static_cast<int>(left);
    row = static_cast<int>(top);
    return true;
}

// A pen square that lies wholly on the image; the common width of two pixels is four stores.
VORRELIN_ALWAYS_INLINE void RasterSurface::StampClear(int column, int row, std::uint32_t pixel) {
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
