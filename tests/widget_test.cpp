// The window on Qt's offscreen platform: its start-up state, its layout, the keyboard, a click
// on the draw button and a run-time error, all through real widgets and events.

#include "platform/raster_surface.h"
#include "ui/form1_description.h"
#include "ui/form1_window.h"
#include "ui/headless_form.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <vector>

namespace vorrelin {
namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<Form1Window>();
        window->reportError = [this](const RuntimeError& error) {
            reported.push_back(error.Number());
        };
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->activateWindow();
        QApplication::processEvents();
    }

    // The drawing area as it is on screen, inside its frame.
    QImage OnScreen() {
        PictureBox& picture = window->Picture("Picture1");
        return picture.grab(picture.contentsRect()).toImage().convertToFormat(QImage::Format_RGB32);
    }

    // The picture a window without a screen draws for an order.
    static QImage Expected(const char* order) {
        RasterSurface surface(433, 433);
        HeadlessForm headless(surface, order);
        headless.form.Form_Load();
        headless.form.Command1_Click();
        // A copy: the surface and its pixels end with this function.
        return QImage(reinterpret_cast<const uchar*>(surface.Bits()), 433, 433,
                      surface.BytesPerLine(), QImage::Format_RGB32)
            .copy();
    }

    void ClickDraw() {
        QTest::mouseClick(&window->Button("Command1"), Qt::LeftButton);
        QApplication::processEvents();
    }

    std::unique_ptr<Form1Window> window;
    std::vector<int> reported;
};

TEST_F(WindowTest, StartsWithItsTextsNoCurveAndTheFocusOnTheDrawingArea) {
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Vorrelin曲線"));
    EXPECT_EQ(window->TextBox("Text1").text(), "5");
    EXPECT_EQ(window->TextBox("Text2").text(), "500");
    EXPECT_FALSE(window->Timer1().Ticking());
    EXPECT_EQ(QApplication::focusWidget(), &window->Picture("Picture1"));
    const QImage picture = OnScreen();
    EXPECT_EQ(picture.pixel(0, 0), picture.pixel(432, 432));
    EXPECT_EQ(picture.pixelColor(200, 200), QColor(0xF0, 0xF0, 0xF0));
    EXPECT_FALSE(window->windowIcon().isNull());
}

TEST_F(WindowTest, PlacesEveryControlWhereItsTwipsSay) {
    EXPECT_EQ(window->size(), QSize(559, 482));
    for (const ControlDescription& control : kForm1.controls) {
        QWidget* widget = window->findChild<QWidget*>(
            QString::fromUtf8(control.name.data(), control.name.size()));
        ASSERT_NE(widget, nullptr) << control.name;
        EXPECT_EQ(widget->geometry(), QRect(control.left / 15, control.top / 15, control.width / 15,
                                            control.height / 15))
            << control.name;
    }
    EXPECT_EQ(window->Picture("Picture1").contentsRect().size(), QSize(433, 433));
    // The field lies over the label whose box reaches down onto it.
    EXPECT_EQ(window->childAt(460, 74), &window->TextBox("Text1"));
    window->resize(900, 700);
    EXPECT_EQ(window->Button("Command3").geometry(), QRect(456, 208, 65, 25));
}

TEST_F(WindowTest, TabVisitsTheControlsInOrderAndPassesOverTheLabels) {
    const std::vector<QWidget*> order = {&window->Button("Command1"), &window->TextBox("Text1"),
                                         &window->Button("Command2"), &window->Button("Command3"),
                                         &window->TextBox("Text2"),   &window->Picture("Picture1")};
    for (QWidget* expected : order) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), expected) << expected->objectName().toStdString();
    }
}

TEST_F(WindowTest, EnterAndEscapePressNothing) {
    QSignalSpy clicks(&window->Button("Command1"), &QPushButton::clicked);
    for (const char* field : {"Text1", "Text2"}) {
        window->TextBox(field).setFocus();
        QTest::keyClick(&window->TextBox(field), Qt::Key_Return);
        QTest::keyClick(&window->TextBox(field), Qt::Key_Enter);
        QTest::keyClick(&window->TextBox(field), Qt::Key_Escape);
    }
    QApplication::processEvents();
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->Form().state.Step, 0);
}

// What the screen shows after a click is, pixel for pixel, what the headless surface draws.
TEST_F(WindowTest, TheDrawButtonPutsTheCurveOfTheOrderOnScreen) {
    window->TextBox("Text1").setText("3");
    ClickDraw();
    EXPECT_EQ(OnScreen(), Expected("3"));
    window->TextBox("Text1").setText("\xef\xbc\x95"); // a full-width 5
    ClickDraw();
    EXPECT_EQ(OnScreen(), Expected("5"));
    EXPECT_TRUE(reported.empty());
}

// Order 14 overflows before anything is drawn: the error is reported, the picture and the
// window stay, and the state is what the handler left.
TEST_F(WindowTest, ARunTimeErrorIsReportedAndTheProgramGoesOn) {
    ClickDraw();
    const QImage before = OnScreen();
    window->TextBox("Text1").setText("14");
    ClickDraw();
    EXPECT_EQ(reported, std::vector<int>{RuntimeError::kOverflow});
    EXPECT_EQ(window->Form().state.Step, 32766);
    EXPECT_EQ(OnScreen(), before);
    EXPECT_TRUE(window->isVisible());
    window->TextBox("Text1").setText("4");
    ClickDraw();
    EXPECT_EQ(OnScreen(), Expected("4"));
}

// Waits up to five seconds for a condition, handling events meanwhile.
bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 500 && !condition(); ++i) {
        QTest::qWait(10);
    }
    return condition();
}

// With a real QTimer: the orders go 1 to 6 and back in the order field, each drawn on screen,
// and a stop ends the animation after one more drawing.
TEST_F(WindowTest, AutoRunAnimatesOnTheTimerUntilStopped) {
    std::vector<QString> shown;
    QObject::connect(&window->TextBox("Text1"), &QLineEdit::textChanged,
                     [&](const QString& text) { shown.push_back(text); });
    window->TextBox("Text2").setText("5");
    QTest::mouseClick(&window->Button("Command2"), Qt::LeftButton);
    EXPECT_TRUE(window->Timer1().Ticking());
    ASSERT_TRUE(WaitFor([&] { return shown.size() >= 12; }));
    const std::vector<QString> cycle = {"1", "2", "3", "4", "5", "6", "5", "4", "3", "2", "1", "2"};
    EXPECT_EQ(std::vector<QString>(shown.begin(), shown.begin() + 12), cycle);

    // Counted as the Stop handler ends, so that a tick the click lets through is not missed.
    std::size_t atStop = 0;
    QObject::connect(&window->Button("Command3"), &QPushButton::clicked,
                     [&] { atStop = shown.size(); });
    QTest::mouseClick(&window->Button("Command3"), Qt::LeftButton);
    ASSERT_TRUE(WaitFor([&] { return !window->Timer1().Ticking(); }));
    QTest::qWait(50);
    EXPECT_EQ(shown.size(), atStop + 1);
    const QString last = window->TextBox("Text1").text();
    EXPECT_EQ(OnScreen(), Expected(last.toUtf8().constData()));
    EXPECT_TRUE(reported.empty());
}

// An interval of 0 raises no tick at all; a negative one is refused and reported, and the
// timer is left as it was.
TEST_F(WindowTest, AnIntervalOfZeroIsQuietAndANegativeOneIsRefused) {
    window->TextBox("Text2").setText("0");
    QTest::mouseClick(&window->Button("Command2"), Qt::LeftButton);
    EXPECT_FALSE(window->Timer1().Ticking());
    QTest::qWait(50);
    EXPECT_EQ(window->TextBox("Text1").text(), "5");
    window->TextBox("Text2").setText("-1");
    QTest::mouseClick(&window->Button("Command2"), Qt::LeftButton);
    EXPECT_EQ(reported, std::vector<int>{RuntimeError::kInvalidPropertyValue});
    EXPECT_FALSE(window->Timer1().Ticking());
    EXPECT_EQ(window->Form().state.AutoLevel, 1);
}

// Order 11 refreshes 10,915 times in a fraction of a second; the screen gets a paint at most
// once a frame during the drawing, and the finished picture after it.
TEST_F(WindowTest, RefreshesReachTheScreenAtMostOnceAFrame) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    PictureBox& picture = window->Picture("Picture1");
    picture.installEventFilter(&counter);
    window->TextBox("Text1").setText("11");
    QElapsedTimer clock;
    clock.start();
    ClickDraw();
    const qint64 elapsed = clock.elapsed();
    EXPECT_GE(counter.paints, 2);
    EXPECT_LE(counter.paints, elapsed / 16 + 3);
    EXPECT_EQ(OnScreen(), Expected("11"));
}

// A handler is never run inside another: an event dispatched while one runs is dropped.
TEST_F(WindowTest, DispatchesOneHandlerAtATime) {
    int inner = 0;
    window->Dispatch([&] { window->Dispatch([&] { ++inner; }); });
    EXPECT_EQ(inner, 0);
    window->Dispatch([&] { ++inner; });
    EXPECT_EQ(inner, 1);
}

// Without a test's own reporter, the user sees a message box in Japanese with the number.
TEST(Report, IsAMessageBoxWithTheNumberAndTheMessage) {
    Form1Window window;
    window.show();
    window.TextBox("Text1").setText("1e9");
    QString title;
    QString text;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        box->accept();
    });
    QTest::mouseClick(&window.Button("Command1"), Qt::LeftButton);
    EXPECT_EQ(title, "VorrelinCurve");
    EXPECT_EQ(text, QStringLiteral("実行時エラー '6':\n\nオーバーフローしました。"));
    EXPECT_TRUE(window.isVisible());
}

// The .ico made from the XPM holds the same picture, transparency included.
TEST(Icon, TheIcoShowsWhatTheXpmShows) {
    const QImage xpm = QImage(VORRELIN_ICON_XPM).convertToFormat(QImage::Format_ARGB32);
    const QImage ico = QImage(VORRELIN_ICON_ICO).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(xpm.size(), QSize(16, 16));
    EXPECT_EQ(ico, xpm);
}

} // namespace
} // namespace vorrelin

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
