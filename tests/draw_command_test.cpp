#include "curve/pen.h"
#include "platform/raster_surface.h"
#include "support.h"
#include "ui/headless_form.h"

#include <algorithm>
#include <cctype>
#include <clocale>
#include <cstdint>
#include <gtest/gtest.h>
#include <optional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace vorrelin {
namespace {

using testing::CountingSurface;
using testing::Recorder;
using Kind = SurfaceOp::Kind;

const std::vector<SurfaceOp> kPreamble = {
    {.kind = Kind::BackColor, .colour = 0}, {.kind = Kind::Cls},
    {.kind = Kind::ScaleLeft, .x1 = -50},   {.kind = Kind::ScaleTop, .x1 = -50},
    {.kind = Kind::ScaleWidth, .x1 = 2150}, {.kind = Kind::ScaleHeight, .x1 = 2150},
};

TEST(DrawCommand, OrderOneIsTheSixteenSegmentFigure) {
    Recorder recorder;
    HeadlessForm window(recorder.surface, "1");
    Form1& form = window.form;
    form.Command1_Click();

    ASSERT_GE(recorder.ops.size(), kPreamble.size());
    EXPECT_EQ(std::vector<SurfaceOp>(recorder.ops.begin(), recorder.ops.begin() + 6), kPreamble);
    const std::vector<std::pair<float, float>> ends = {
        {666, 333},   {1332, 333},  {1665, 0},    {1998, 333}, {1665, 666}, {1665, 1332},
        {1998, 1665}, {1665, 1998}, {1332, 1665}, {666, 1665}, {333, 1998}, {0, 1665},
        {333, 1332},  {333, 666},   {0, 333},     {333, 0}};
    std::vector<std::pair<float, float>> drawn;
    std::pair<float, float> at{333, 0};
    for (const SurfaceOp& line : recorder.Lines()) {
        EXPECT_EQ(std::make_pair(line.x1, line.y1), at);
        at = {line.x2, line.y2};
        drawn.push_back(at);
    }
    EXPECT_EQ(drawn, ends);
    EXPECT_EQ(recorder.Lines().front().colour, 16776960u);
    EXPECT_EQ(recorder.Count(Kind::Refresh), 0u);
    EXPECT_EQ(form.state.Level, 1);
    EXPECT_EQ(form.state.Step, 333);
    EXPECT_EQ(form.state.SegmentCount, 16);
}

struct OrderCase {
    int order;
    std::int16_t step;
    int side; // of the figure, in user units
};

void PrintTo(const OrderCase& c, std::ostream* out) {
    *out << "order " << c.order;
}

class StepByOrder : public ::testing::TestWithParam<OrderCase> {};

// Each whole order: the unit, the closed figure of 4^(n+1) segments back at (h, 0), its
// bounding box, and a refresh after every 1537th segment.
TEST_P(StepByOrder, DrawsTheClosedCurveOfThatOrder) {
    const OrderCase c = GetParam();
    CountingSurface surface;
    HeadlessForm window(surface, std::to_string(c.order));
    Form1& form = window.form;
    form.Command1_Click();

    const std::size_t segments = std::size_t{4} << (2 * std::max(c.order, 0));
    EXPECT_EQ(form.state.Step, c.step);
    EXPECT_EQ(form.state.Level, c.order);
    EXPECT_EQ(surface.lines, segments);
    EXPECT_EQ(surface.refreshes, segments / kRampLength);
    EXPECT_EQ(form.state.SegmentCount, static_cast<double>(segments % kRampLength));
    EXPECT_EQ(form.state.CurX, c.step);
    EXPECT_EQ(form.state.CurY, 0);
    EXPECT_EQ(surface.lastX, c.step);
    EXPECT_EQ(surface.lastY, 0);
    EXPECT_EQ(surface.minX, 0);
    EXPECT_EQ(surface.minY, 0);
    EXPECT_EQ(surface.maxX, c.side);
    EXPECT_EQ(surface.maxY, c.side);
}

INSTANTIATE_TEST_SUITE_P(Orders, StepByOrder,
                         ::testing::Values(OrderCase{-3, 333, 666}, OrderCase{0, 333, 666},
                                           OrderCase{1, 333, 1998}, OrderCase{2, 143, 2002},
                                           OrderCase{3, 67, 2010}, OrderCase{4, 32, 1984},
                                           OrderCase{5, 16, 2016}, OrderCase{6, 8, 2032},
                                           OrderCase{7, 4, 2040}, OrderCase{8, 2, 2044},
                                           OrderCase{9, 1, 2046}, OrderCase{10, 0, 0}));

struct TextCase {
    const char* text;
    std::int16_t level;
    std::int16_t step;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << '"' << c.text << '"';
}

class OrderText : public ::testing::TestWithParam<TextCase> {};

// How a text becomes the depth and the unit. The surface refuses BackColor, so the command
// stops right after working them out, however large the figure would be.
TEST_P(OrderText, SetsLevelAndStep) {
    const TextCase c = GetParam();
    Recorder recorder;
    recorder.refuseKind = Kind::BackColor;
    HeadlessForm window(recorder.surface, c.text);
    Form1& form = window.form;
    EXPECT_THROW(form.Command1_Click(), RuntimeError);
    EXPECT_EQ(form.state.Level, c.level) << '"' << c.text << '"';
    EXPECT_EQ(form.state.Step, c.step) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Texts, OrderText,
    ::testing::Values(TextCase{"", 0, 333}, TextCase{"   ", 0, 333}, TextCase{"abc", 0, 333},
                      TextCase{"-3", -3, 333}, TextCase{"5abc", 5, 16}, TextCase{" 5", 5, 16},
                      TextCase{"2.5", 2, 143}, TextCase{"4.5", 4, 32}, TextCase{"4.6", 5, 32},
                      TextCase{"1.5", 2, 333}, TextCase{"0.5", 0, 333}, TextCase{"0.6", 1, 333},
                      TextCase{"13", 13, 0}, TextCase{"13.5", 14, 0}, TextCase{"13.99", 14, 0},
                      TextCase{"\xef\xbc\x95", 5, 16}, TextCase{"5e0", 5, 16},
                      TextCase{"-32768.5", -32768, 333}));

// Under a German locale the order "2.5" is still two and a half.
TEST(DrawCommand, ReadsTheOrderWhateverTheLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    if (!std::setlocale(LC_ALL, "de_DE.UTF-8")) {
        GTEST_SKIP() << "the de_DE.UTF-8 locale is not installed";
    }
    CountingSurface surface;
    HeadlessForm window(surface, "2.5");
    Form1& form = window.form;
    form.Command1_Click();
    std::setlocale(LC_ALL, previous.c_str());
    EXPECT_EQ(form.state.Level, 2);
    EXPECT_EQ(form.state.Step, 143);
    EXPECT_EQ(surface.lines, 64u);
}

struct FailureCase {
    const char* name;
    const char* text;
    std::optional<Kind> refuse;
    std::size_t refuseAt;
    int error;
    std::int16_t level;
    std::int16_t step;
    std::size_t opsKept; // operations that took effect on the surface
};

void PrintTo(const FailureCase& c, std::ostream* out) {
    *out << c.name;
}

class DrawFailure : public ::testing::TestWithParam<FailureCase> {};

// What each failure leaves: the window's variables and what reached the surface. The form
// starts with Level 7 so that a Level left alone shows.
TEST_P(DrawFailure, LeavesWhatWasDoneBeforeIt) {
    const FailureCase c = GetParam();
    Recorder recorder;
    recorder.refuseKind = c.refuse;
    recorder.refuseAt = c.refuseAt;
    HeadlessForm window(recorder.surface, c.text);
    Form1& form = window.form;
    form.state.Level = 7;
    form.state.SegmentCount = 99;
    try {
        form.Command1_Click();
        FAIL() << c.name << ": no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), c.error) << c.name;
    }
    EXPECT_EQ(form.state.Level, c.level) << c.name;
    EXPECT_EQ(form.state.Step, c.step) << c.name;
    EXPECT_EQ(recorder.ops.size(), c.opsKept) << c.name;
    if (c.opsKept <= kPreamble.size()) {
        EXPECT_EQ(form.state.SegmentCount, 0) << c.name;
        EXPECT_EQ(recorder.ops,
                  std::vector<SurfaceOp>(kPreamble.begin(), kPreamble.begin() + c.opsKept))
            << c.name;
    }
}

constexpr int kOverflow = RuntimeError::kOverflow;
constexpr int kRefused = RuntimeError::kInvalidPropertyValue;

INSTANTIATE_TEST_SUITE_P(
    Table, DrawFailure,
    ::testing::Values(
        FailureCase{"order beyond 16 bits", "1e9", {}, 0, kOverflow, 7, 6, 0},
        FailureCase{"order 40000", "40000", {}, 0, kOverflow, 7, 6, 0},
        FailureCase{"negative order beyond 16 bits", "-40000", {}, 0, kOverflow, 7, 6, 0},
        FailureCase{"order 14", "14", {}, 0, kOverflow, 14, 32766, 0},
        FailureCase{"order 32767", "32767", {}, 0, kOverflow, 32767, 32766, 0},
        FailureCase{"BackColor refused", "5", Kind::BackColor, 1, kRefused, 5, 16, 0},
        FailureCase{"Cls refused", "5", Kind::Cls, 1, kRefused, 5, 16, 1},
        FailureCase{"ScaleLeft refused", "5", Kind::ScaleLeft, 1, kRefused, 5, 16, 2},
        FailureCase{"ScaleTop refused", "5", Kind::ScaleTop, 1, kRefused, 5, 16, 3},
        FailureCase{"ScaleWidth refused", "5", Kind::ScaleWidth, 1, kRefused, 5, 16, 4},
        FailureCase{"ScaleHeight refused", "5", Kind::ScaleHeight, 1, kRefused, 5, 16, 5},
        FailureCase{"first Line refused", "3", Kind::Line, 1, kRefused, 0, 67, 6},
        FailureCase{"joining Line refused", "3", Kind::Line, 64, kRefused, 3, 67, 6 + 63},
        FailureCase{"last Line refused", "5", Kind::Line, 4096, kRefused, 5, 16, 6 + 4095 + 2},
        FailureCase{"Refresh refused", "5", Kind::Refresh, 1, kRefused, 0, 16, 6 + 1537}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name) {
            ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
        }
        return name;
    });

// The same order twice gives the same picture: the counter restarts and Cls erases the last.
TEST(DrawCommand, RedrawsTheSamePicture) {
    RasterSurface surface(433, 433);
    HeadlessForm window(surface, "4");
    Form1& form = window.form;
    PlainTextField& text1 = window.Text1;
    form.Form_Load();
    form.Command1_Click();
    const std::vector<std::uint32_t> first(surface.Bits(), surface.Bits() + 433 * 433);
    text1.Text("6");
    form.Command1_Click();
    text1.Text("4");
    form.Command1_Click();
    EXPECT_TRUE(std::equal(first.begin(), first.end(), surface.Bits()));
}

} // namespace
} // namespace vorrelin
