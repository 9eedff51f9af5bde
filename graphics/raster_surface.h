#pragma once

#include "graphics/drawing_surface.h"
#include "graphics/image.h"
#include "graphics/rect.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <limits>
#include <span>
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
    void Line(float x1, float y1, float x2, float y2, Colour colour) override;
    // Completes the image, then has it put on screen.
    void Refresh() override;
    // A raster refuses no line, so a pen hands it whole runs of them.
    bool TakesEveryLine() const override { return true; }
    void Polyline(std::span<const Vertex> vertices) override;

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

public:
    // Where a user point puts the pen square, derived from the above by UpdateMapping: a point
    // (x, y) puts its top-left pixel at floor(x·xScale + xOffset), floor(y·yScale + yOffset),
    // and the square is `pen` pixels wide and centred on the point. Single precision: the
    // coordinates come in it, and it is two instructions a segment cheaper than widening them.
    // A drawing copies it into registers for a run of lines.
    struct PenMapping {
        int pen = 1;
        float xScale = 1;
        float yScale = 1;
        float xOffset = 0;
        float yOffset = 0;
        // Pen positions below these, and from 0, keep the whole square on the image.
        float clearWidth = 0;
        float clearHeight = 0;

        // The square's top-left pixel for a user point, if the whole square lies on the image.
        bool SquareClear(float x, float y, int& column, int& row) const {
            const float left = x * xScale + xOffset;
            const float top = y * yScale + yOffset;
            if (!(left >= 0 && top >= 0 && left < clearWidth && top < clearHeight)) {
                return false;
            }
            column = static_cast<int>(left);
            row = static_cast<int>(top);
            return true;
        }
    };

private:
    PenMapping mapping_;

    // Where the last line ended, and the top-left pixel of the pen square there, when that
    // square lies wholly on the image; NaN otherwise, which no point equals.
    //
    // That square is owed to the image in the pixel value owed_ (0 for none: every pixel is
    // opaque) rather than painted: a curve's next segment starts there and paints it over in
    // its own colour, so painting it now would be wasted, and where every segment is a dot on
    // the same square it would be all the work there is. Flush pays it before anything can see
    // the image or draw on it.
    std::uint32_t owed_ = 0;
    // The changed part since the last TakeChanged. A pen that moved by the short lines' path
    // makes it the whole image: keeping a rectangle round every such step would cost the
    // drawings of orders 5 to 9 two thirds more time, and they show it all anyway.
    Rect changed_;
    bool penMoved_ = false;
    float lastX_ = std::numeric_limits<float>::quiet_NaN();
    float lastY_ = std::numeric_limits<float>::quiet_NaN();
    int lastColumn_ = 0;
    int lastRow_ = 0;
};

} // namespace vorrelin
