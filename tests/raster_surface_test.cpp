#include "curve/pen.h"
#include "platform/raster_surface.h"
#include "platform/recording_surface.h"
#include "platform/runtime_error.h"
#include "ui/headless_form.h"

#include <gtest/gtest.h>
#include <limits>
#include <set>
#include <utility>
#include <vector>

namespace vorrelin {
namespace {

constexpr Colour kRed = 0x0000FF;
constexpr Colour kGreen = 0x00FF00;
constexpr int kArea = 433;

// The window's drawing area with the draw command's view: x and y from -50 to 2100.
RasterSurface DrawingArea(double ratio = 1.0) {
    RasterSurface surface(kArea, kArea, ratio);
    surface.DrawWidth(2);
    surface.BackColor(kBlack);
    surface.Cls();
    surface.ScaleLeft(-50);
    surface.ScaleTop(-50);
    surface.ScaleWidth(2150);
    surface.ScaleHeight(2150);
    return surface;
}

std::set<std::pair<int, int>> PixelsOf(RasterSurface& surface, Colour colour) {
    std::set<std::pair<int, int>> pixels;
    for (int y = 0; y < surface.PixelHeight(); ++y) {
        for (int x = 0; x < surface.PixelWidth(); ++x) {
            if (surface.PixelAt(x, y) == colour) {
                pixels.emplace(x, y);
            }
        }
    }
    return pixels;
}

TEST(RasterSurface, ShowsTheFaceColourUntilTheFirstCls) {
    RasterSurface surface(kArea, kArea);
    EXPECT_EQ(surface.PixelAt(0, 0), RasterSurface::kInitialBackColor);
    EXPECT_EQ(surface.PixelAt(kArea - 1, kArea - 1), RasterSurface::kInitialBackColor);
    surface.BackColor(kGreen);
    EXPECT_EQ(surface.PixelAt(5, 5), RasterSurface::kInitialBackColor);
    surface.Cls();
    EXPECT_EQ(PixelsOf(surface, kGreen).size(), std::size_t{kArea * kArea});
}

// User point (0, 0) lies 50/2150 of the way in: at 10.07 pixels, so a two-pixel dot there
// covers pixels 9 and 10 on both axes; (2100, 2100) is the bottom-right corner.
TEST(RasterSurface, AZeroLengthLineIsAPenSquareAtItsPoint) {
    RasterSurface surface = DrawingArea();
    surface.Line(0, 0, 0, 0, kRed);
    EXPECT_EQ(PixelsOf(surface, kRed),
              (std::set<std::pair<int, int>>{{9, 9}, {10, 9}, {9, 10}, {10, 10}}));
    surface.Line(2100, 2100, 2100, 2100, kGreen);
    EXPECT_EQ(PixelsOf(surface, kGreen), (std::set<std::pair<int, int>>{{432, 432}}));
}

// A horizontal line two pixels thick from end to end, both ends included.
TEST(RasterSurface, LinesAreDrawWidthPixelsWideWithBothEnds) {
    RasterSurface surface = DrawingArea();
    surface.Line(0, 0, 1000, 0, kRed);
    const auto pixels = PixelsOf(surface, kRed);
    std::set<int> rows;
    std::set<int> columns;
    for (const auto& [x, y] : pixels) {
        rows.insert(y);
        columns.insert(x);
    }
    EXPECT_EQ(rows, (std::set<int>{9, 10}));
    EXPECT_EQ(*columns.begin(), 9);
    EXPECT_EQ(*columns.rbegin(), 211); // 1050 / 2150 · 433 = 211.5
    EXPECT_EQ(pixels.size(), 2 * columns.size());
}

// Two diagonals meeting at a corner form one unbroken band: every column they cross holds at
// least two pixels, one above the other, and the corner's pixels belong to both.
TEST(RasterSurface, ConsecutiveSegmentsJoinWithoutGaps) {
    RasterSurface surface = DrawingArea();
    surface.Line(0, 0, 700, 700, kRed);
    surface.Line(700, 700, 1400, 0, kGreen);
    const auto red = PixelsOf(surface, kRed);
    const auto green = PixelsOf(surface, kGreen);
    for (int x = 10; x <= 290; ++x) {
        int inColumn = 0;
        for (int y = 0; y < kArea; ++y) {
            inColumn += red.count({x, y}) + green.count({x, y});
        }
        EXPECT_GE(inColumn, 2) << "column " << x;
    }
    const int corner = 150; // 750 / 2150 · 433 = 151.0, less the pen's half width
    EXPECT_TRUE(green.count({corner, corner}));
    EXPECT_TRUE(red.count({corner - 1, corner - 1}));
}

// Lines far outside the view are cut to the image; nothing is written outside it (the sanitizer
// run checks that), and a line wholly outside leaves the image as it was.
TEST(RasterSurface, ClipsLinesThatReachPastTheImage) {
    RasterSurface surface = DrawingArea();
    surface.Line(-1e6f, 1000, 1e6f, 1000, kRed);
    const auto band = PixelsOf(surface, kRed);
    EXPECT_EQ(band.size(), 2u * kArea);
    surface.Line(-3000, -3000, -2000, 5000, kGreen);
    surface.Line(1e30f, 1e30f, 1e38f, -1e38f, kGreen);
    surface.Line(std::numeric_limits<float>::infinity(), 0, 0, 0, kGreen);
    surface.Line(std::numeric_limits<float>::quiet_NaN(), 0, 5, 5, kGreen);
    EXPECT_TRUE(PixelsOf(surface, kGreen).empty());
    surface.Line(-100, -100, 4662, 4662, kGreen);
    surface.ScaleLeft(0);       // 433,000 pixels to a unit: the far end overflows single precision,
    surface.ScaleWidth(0.001f); // and the line still crosses the image
    surface.Line(0, 1000, 3e38f, 1000, kRed);
    EXPECT_EQ(surface.PixelAt(kArea - 1, 211), kRed);
    EXPECT_EQ(surface.PixelAt(0, 0), kGreen);
    EXPECT_EQ(surface.PixelAt(kArea - 1, kArea - 1), kGreen);
}

// At twice the density the image has twice the pixels each way and the pen is four device
// pixels, so the picture has the same shape.
TEST(RasterSurface, HighDensityKeepsLinesTwoLogicalPixelsWide) {
    RasterSurface surface = DrawingArea(2.0);
    ASSERT_EQ(surface.PixelWidth(), 2 * kArea);
    surface.Line(0, 0, 0, 0, kRed);
    EXPECT_EQ(PixelsOf(surface, kRed).size(), 16u);
    EXPECT_EQ(surface.PixelAt(18, 18), kRed);
    EXPECT_EQ(surface.PixelAt(21, 21), kRed);
}

TEST(RasterSurface, RefusesAnEmptyScaleOrWidth) {
    RasterSurface surface(kArea, kArea);
    for (auto set :
         {+[](RasterSurface& s) { s.ScaleWidth(0); }, +[](RasterSurface& s) { s.ScaleHeight(0); },
          +[](RasterSurface& s) { s.DrawWidth(0); },
          +[](RasterSurface& s) { s.ScaleLeft(std::numeric_limits<float>::infinity()); }}) {
        try {
            set(surface);
            ADD_FAILURE() << "accepted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), RuntimeError::kInvalidPropertyValue);
        }
    }
}

// From order 10 on every segment is a dot at (0, 0): the picture is one square in the colour
// of the last of the 4^11 segments, on black.
TEST(RasterSurface, OrderTenIsOneDotInTheLastColour) {
    RasterSurface surface(kArea, kArea);
    HeadlessForm window(surface, "10");
    window.form.Form_Load();
    window.form.Command1_Click();
    const Colour last = PenColor(static_cast<double>(((std::int64_t{4} << 20) - 1) % kRampLength));
    const std::set<std::pair<int, int>> dot = {{9, 9}, {10, 9}, {9, 10}, {10, 10}};
    EXPECT_EQ(PixelsOf(surface, last), dot);
    EXPECT_EQ(PixelsOf(surface, kBlack).size(), std::size_t{kArea * kArea} - dot.size());
}

// The shortcuts for the short lines of high orders must draw what the general path draws:
// the same curve is drawn once straight and once with every line taken through the general
// path (a recording surface replays each one onto a surface whose memory of the last line's
// end is wiped by re-setting its scale), and the pictures must match pixel for pixel.
TEST(RasterSurface, ShortLineShortcutsDrawWhatTheGeneralPathDraws) {
    for (const char* order : {"3", "7", "9", "10", "4.6", "1.5"}) {
        RasterSurface direct(kArea, kArea);
        HeadlessForm straight(direct, order);
        straight.form.Form_Load();
        straight.form.Command1_Click();

        RasterSurface general(kArea, kArea);
        float scaleLeft = 0;
        RecordingSurface replay([&](const SurfaceOp& op) {
            if (op.kind == SurfaceOp::Kind::Line) {
                general.ScaleLeft(scaleLeft);
            }
            if (op.kind == SurfaceOp::Kind::ScaleLeft) {
                scaleLeft = op.x1;
            }
            Replay(op, general);
        });
        HeadlessForm viaGeneral(replay, order);
        viaGeneral.form.Form_Load();
        viaGeneral.form.Command1_Click();

        const std::vector<std::uint32_t> a(direct.Bits(), direct.Bits() + kArea * kArea);
        const std::vector<std::uint32_t> b(general.Bits(), general.Bits() + kArea * kArea);
        EXPECT_TRUE(a == b) << "order " << order;
    }
}

} // namespace
} // namespace vorrelin
