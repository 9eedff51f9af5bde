#include "ui/form1.h"

#include "curve/closed_curve.h"
#include "curve/pen.h"
#include "runtime/conversions.h"

namespace vorrelin {

namespace {

constexpr std::int16_t kLineWidth = 2;

// The side of the order-1 curve in segment units; each further order doubles it and adds 2.
constexpr std::int16_t kOrderOneUnits = 6;
// The side in user units of the square the curve is scaled to fill.
constexpr std::int16_t kTargetExtent = 2000;
// The view shows the target square with 50 units to spare at the top and left.
constexpr std::int16_t kViewCorner = -50;
constexpr std::int16_t kViewBeyondTarget = 100;

// Auto-run goes up from order 1 to 6 and back down.
constexpr std::int16_t kFirstAutoLevel = 1;
constexpr std::int16_t kLastAutoLevel = 6;
constexpr std::int16_t kUpward = 1;
constexpr std::int16_t kDownward = -1;

// The window's 16-bit booleans.
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;

} // namespace

Form1::Form1(DrawingSurface& picture1, TextField& text1, TextField& text2, Timer& timer1)
    : Picture1(picture1), Text1(text1), Text2(text2), Timer1(timer1) {}

void Form1::Form_Load() {
    Picture1.DrawWidth(kLineWidth);
}

// The order n is kept unrounded: the number of doublings is the number of whole numbers from
// 2 up to n, while the depth is n rounded. For a fractional order the two can disagree, and the
// curve then overshoots or undershoots the view; that is what such an order means here.
void Form1::Command1_Click() {
    state.SegmentCount = 0;
    const double n = NumericPrefix(Text1.Text());
    state.Step = kOrderOneUnits;
    state.Level = RoundToInt16(n);
    for (int i = 2; i <= n; ++i) {
        state.Step = Add16(Multiply16(2, state.Step), 2);
    }
    state.Step = RoundToInt16(static_cast<double>(kTargetExtent) / state.Step);
    state.Level = RoundToInt16(n);

    Picture1.BackColor(kBlack);
    Picture1.Cls();
    orderOnPicture_ = n;
    const std::int16_t far = Add16(kTargetExtent, kViewBeyondTarget);
    SetView(Picture1, kViewCorner, kViewCorner, far, far);

    MoveTo(state, state.Step, 0);
    DrawClosedCurve(state, Picture1);
}

void Form1::Command2_Click() {
    StopRequested = kFalse;
    AutoLevel = kFirstAutoLevel;
    const double interval = NumericPrefix(Text2.Text());
    Timer1.Interval(RoundToInt32(interval));
    Timer1.Enabled(true);
}

void Form1::Command3_Click() {
    StopRequested = kTrue;
}

// The direction turns on the tick that draws 1 or 6, before that tick moves on; a stop takes
// effect after the drawing, so the order on screen is the one in Text1.
void Form1::Timer1_Timer() {
    const std::int16_t level = AutoLevel;
    if (level == kFirstAutoLevel) {
        AutoDir = kUpward;
    }
    if (level == kLastAutoLevel) {
        AutoDir = kDownward;
    }
    Text1.Text(DecimalText(level));
    Command1_Click();
    if (StopRequested != kFalse) {
        Timer1.Enabled(false);
        return;
    }
    AutoLevel = Add16(AutoLevel, AutoDir);
}

void Form1::SetView(DrawingSurface& surface, std::int16_t x1, std::int16_t y1, std::int16_t x2,
                    std::int16_t y2) {
    surface.ScaleLeft(x1);
    surface.ScaleTop(y1);
    surface.ScaleWidth(Subtract16(x2, x1));
    surface.ScaleHeight(Subtract16(y2, y1));
}

} // namespace vorrelin
