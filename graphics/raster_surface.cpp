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

// A pen square `pen` pixels wide that lies wholly on an image `width` pixels wide; the common
// width of two pixels is four stores.
void StampClear(Pixel* image, std::ptrdiff_t width, int pen, int column, int row, Pixel pixel) {
    Pixel* line = image + row * width + column;
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
        StampClear(pixels_.data(), width_, mapping_.pen, lastColumn_, lastRow_, owed_);
        Touch(lastColumn_, lastRow_, lastColumn_ + mapping_.pen, lastRow_ + mapping_.pen);
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
    mapping_.pen = std::max(1, static_cast<int>(std::lround(drawWidth_ * ratio_)));
    const double centring = 0.5 - mapping_.pen / 2.0;
    const double xScale = width_ / static_cast<double>(scaleWidth_);
    const double yScale = height_ / static_cast<double>(scaleHeight_);
    mapping_.xScale = static_cast<float>(xScale);
    mapping_.yScale = static_cast<float>(yScale);
    mapping_.xOffset = static_cast<float>(-scaleLeft_ * xScale + centring);
    mapping_.yOffset = static_cast<float>(-scaleTop_ * yScale + centring);
    mapping_.clearWidth = static_cast<float>(width_ - mapping_.pen + 1);
    mapping_.clearHeight = static_cast<float>(height_ - mapping_.pen + 1);
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

void RasterSurface::Line(float x1, float y1, float x2, float y2, Colour colour) {
    const Vertex ends[] = {{x1, y1, 0}, {x2, y2, colour}};
    Polyline(ends);
}

namespace {

// The pen square where the last line ended, while it lies wholly on the image, and what is
// owed to the image there.
struct PenSquare {
    int column;
    int row;
    Pixel owed;
    bool moved; // by the short lines' path
};

// Draws the lines from vertices[first] on, each starting where the last one ended, for as long
// as each ends on the pen square it starts on or the next one, and returns the index of the
// first line that does not. Such a line is one or two squares: the one it starts on, and the
// one it ends on, which is owed. No call here, so all of it stays in registers.
std::size_t DrawShortLines(std::span<const Vertex> vertices, std::size_t first,
                           const RasterSurface::PenMapping& mapping, Pixel* image,
                           std::ptrdiff_t width, PenSquare& square) {
    // Whether a square is the same or the next one in each direction: -1, 0 or 1 apart.
    const auto near = [](int a, int b) { return static_cast<unsigned>(a - b + 1) <= 2; };
    PenSquare at = square;
    std::size_t i = first;
    for (; i < vertices.size(); ++i) {
        const Vertex& to = vertices[i];
        if (to.x == vertices[i - 1].x && to.y == vertices[i - 1].y) {
            at.owed = ToPixel(to.colour);
            continue;
        }
        int column = 0;
        int row = 0;
        if (!mapping.SquareClear(to.x, to.y, column, row) || !near(column, at.column) ||
            !near(row, at.row)) {
            break;
        }
        const Pixel pixel = ToPixel(to.colour);
        StampClear(image, width, mapping.pen, at.column, at.row, pixel);
        at = {column, row, pixel, true};
    }
    square = at;
    return i;
}

} // namespace

// Every line of a run starts where the last one ended, and from order 9 on nearly every one
// ends on the pen square it starts on or the next one; from order 10 on every one has length
// zero. While the square where the last line ended lies wholly on the image, such lines are
// drawn by DrawShortLines; every other line takes the general path.
void RasterSurface::Polyline(std::span<const Vertex> vertices) {
    if (vertices.size() < 2) {
        return;
    }
    PenSquare square{lastColumn_, lastRow_, owed_, false};
    bool onSquare = vertices[0].x == lastX_ && vertices[0].y == lastY_;
    for (std::size_t next = 1; next < vertices.size(); ++next) {
        if (onSquare) {
            next = DrawShortLines(vertices, next, mapping_, pixels_.data(), width_, square);
            if (next == vertices.size()) {
                lastX_ = vertices.back().x;
                lastY_ = vertices.back().y;
                break;
            }
        }
        lastColumn_ = square.column;
        lastRow_ = square.row;
        owed_ = square.owed;
        const Vertex& to = vertices[next];
        DrawPath(vertices[next - 1].x, vertices[next - 1].y, to.x, to.y, ToPixel(to.colour));
        onSquare = !std::isnan(lastX_);
        square = {lastColumn_, lastRow_, owed_, square.moved};
    }
    lastColumn_ = square.column;
    lastRow_ = square.row;
    owed_ = square.owed;
    penMoved_ = penMoved_ || square.moved;
}

// The general line: the path of a square pen, mapping_.pen pixels on a side, along the Bresenham
// line between the pixels of the two pen positions (brush coordinates, see UpdateMapping). Both
// ends are stamped, so consecutive segments join without a gap.
void RasterSurface::DrawPath(float fromX, float fromY, float toX, float toY, std::uint32_t pixel) {
    Flush();
    if (mapping_.SquareClear(toX, toY, lastColumn_, lastRow_)) {
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
    double x1 = map(fromX, mapping_.xScale, mapping_.xOffset);
    double y1 = map(fromY, mapping_.yScale, mapping_.yOffset);
    double x2 = map(toX, mapping_.xScale, mapping_.xOffset);
    double y2 = map(toY, mapping_.yScale, mapping_.yOffset);

    // Pen positions a whole pen width outside the image leave no mark; a line that reaches
    // that far is cut to the part that can. The bounds keep the integer conversions exact.
    const auto near = [this](double x, double y) {
        return x >= -mapping_.pen && x <= width_ && y >= -mapping_.pen && y <= height_;
    };
    if (!(near(x1, y1) && near(x2, y2)) && !ClipToImage(x1, y1, x2, y2)) {
        return;
    }

    int x = FloorToInt(x1);
    int y = FloorToInt(y1);
    const int xEnd = FloorToInt(x2);
    const int yEnd = FloorToInt(y2);
    Touch(std::min(x, xEnd), std::min(y, yEnd), std::max(x, xEnd) + mapping_.pen,
          std::max(y, yEnd) + mapping_.pen);
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
    const double bound = -mapping_.pen;
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
    const int x1 = std::min(x + mapping_.pen, width_);
    const int y1 = std::min(y + mapping_.pen, height_);
    for (int row = y0; row < y1; ++row) {
        std::uint32_t* line = pixels_.data() + static_cast<std::ptrdiff_t>(row) * width_;
        std::fill(line + x0, line + std::max(x0, x1), pixel);
    }
}

} // namespace vorrelin
