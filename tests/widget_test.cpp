// The window on Qt's offscreen platform, driven through real widgets and events. What the
// screen shows is read from the window system's copy of the window once the pending events
// are handled, not by asking a widget to paint itself, so a window that forgets to repaint
// shows stale pixels here as it would on a screen.

#include "graphics/raster_surface.h"
#include "platform/qt/japanese.h"
#include "platform/qt/picture_files.h"
#include "ui/headless_form.h"
#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QBackingStore>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QImageReader>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <filesystem>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <vector>

namespace vorrelin {
namespace {

class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
        window.activateWindow();
        QApplication::processEvents();
    }

    // The inner drawing area as the window system holds it: the window's backing store, where
    // the offscreen platform keeps what was painted and flushed, in device pixels.
    QImage OnScreen() {
        QApplication::processEvents();
        const auto* store = dynamic_cast<const QImage*>(window.backingStore()->paintDevice());
        const PictureBox& picture = window.Picture("Picture1");
        const QRectF area = picture.contentsRect().translated(picture.pos());
        const qreal ratio = window.devicePixelRatioF();
        return store->copy(QRectF(area.topLeft() * ratio, area.size() * ratio).toAlignedRect())
            .convertToFormat(QImage::Format_RGB32);
    }

    // The picture a window without a screen draws for an order, at the window's density.
    QImage Expected(const char* order) {
        RasterSurface surface(433, 433, window.devicePixelRatioF());
        DrawOrder(surface, order);
        const ImageView image = surface.Pixels().CompleteImage();
        return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                      image.height, image.BytesPerLine(), QImage::Format_RGB32)
            .copy();
    }

    void Click(const char* button) {
        QTest::mouseClick(&window.Button(button), Qt::LeftButton);
        QApplication::processEvents();
    }

    // Clicks a button and answers the error report it brings up: the report's title and text.
    QString ClickAndAnswerTheReport(const char* button) {
        QString report;
        QTimer::singleShot(0, [&] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                report = box->windowTitle() + "|" + box->text();
                box->accept();
            }
        });
        Click(button);
        return report;
    }

    // The save dialog, as a test answers it: the path proposed is kept, and `saveAs` chosen.
    std::filesystem::path proposed;
    std::optional<std::filesystem::path> saveAs;
    Form1Window window{nullptr, [this](const std::filesystem::path& asked) {
                           proposed = asked;
                           return saveAs;
                       }};
};

TEST_F(WindowTest, StartsAsItsDescriptionSays) {
    EXPECT_EQ(window.windowTitle(), "Vorrelin曲線");
    EXPECT_EQ(window.size(), QSize(559, 482));
    const std::vector<std::pair<const char*, QRect>> places = {{"Picture1", {8, 8, 437, 437}},
                                                               {"Text1", {456, 72, 41, 18}},
                                                               {"Label1", {456, 56, 65, 25}}};
    for (const auto& [name, place] : places) {
        const QWidget* control = window.findChild<QWidget*>(name);
        ASSERT_NE(control, nullptr) << name;
        EXPECT_EQ(control->geometry(), place) << name;
    }
    EXPECT_EQ(window.childAt(460, 74), &window.TextBox("Text1")); // the field over its label
    EXPECT_EQ(window.TextBox("Text1").text(), "5");
    EXPECT_EQ(window.TextBox("Text2").text(), "500");
    EXPECT_EQ(QApplication::focusWidget(), &window.Picture("Picture1"));
    EXPECT_FALSE(window.Timer("Timer1").Clock().isActive());
    QImage faceColour = Expected("");
    faceColour.fill(QColor(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(OnScreen(), faceColour);
}

TEST_F(WindowTest, TabVisitsTheControlsInOrderAndEnterAndEscapePressNothing) {
    for (const char* expected :
         {"Command1", "Text1", "Command2", "Command3", "Text2", "Picture1"}) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget()->objectName(), expected);
    }
    QSignalSpy clicks(&window.Button("Command1"), &QPushButton::clicked);
    for (const char* field : {"Text1", "Text2"}) {
        window.TextBox(field).setFocus();
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
            QTest::keyClick(&window.TextBox(field), key);
        }
    }
    QApplication::processEvents();
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.Form().state.Step, 0);
}

// A click on "描画" puts the curve of the order in Text1 on screen, written in full-width
// digits too. Order 9 refreshes 682 times in a few milliseconds: the screen gets a paint at
// most once a frame during the drawing, and the finished picture after it.
TEST_F(WindowTest, TheDrawButtonPutsTheCurveOfText1OnScreen) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    window.Picture("Picture1").installEventFilter(&counter);
    window.TextBox("Text1").setText("9");
    QElapsedTimer clock;
    clock.start();
    Click("Command1");
    EXPECT_GE(counter.paints, 2);
    EXPECT_LE(counter.paints, clock.elapsed() / 16 + 3);
    EXPECT_EQ(OnScreen(), Expected("9"));
    window.TextBox("Text1").setText("５");
    Click("Command1");
    EXPECT_EQ(OnScreen(), Expected("5"));
}

// Drawn outside any handler, so that nothing repaints it afterwards, a curve reaches the screen
// through its refreshes alone: each shows what was drawn since the last, at its place.
TEST_F(WindowTest, ARefreshShowsWhatWasDrawnSinceTheLast) {
    window.TextBox("Text1").setText("7");
    window.Form().Command1_Click();
    window.Picture("Picture1").Surface().Refresh();
    EXPECT_EQ(OnScreen(), Expected("7"));
}

// Moved to a screen of twice the density, the window keeps its picture, every pixel now four,
// and draws the next one at the new screen's resolution.
TEST_F(WindowTest, FollowsTheWindowToAScreenOfAnotherDensity) {
    const qreal before = window.devicePixelRatioF();
    Click("Command1");
    window.move(QGuiApplication::screens().at(1)->geometry().topLeft());
    ASSERT_EQ(window.devicePixelRatioF(), 2 * before);
    QApplication::processEvents();
    window.resize(559, 482); // Qt keeps the size in device pixels on the new screen
    const ImageView kept = window.Picture("Picture1").Surface().Pixels().CompleteImage();
    EXPECT_EQ(OnScreen(), QImage(reinterpret_cast<const uchar*>(kept.pixels.data()), kept.width,
                                 kept.height, kept.BytesPerLine(), QImage::Format_RGB32));
    window.TextBox("Text1").setText("9");
    Click("Command1");
    EXPECT_EQ(OnScreen(), Expected("9"));
}

// The drawing area's menu, opened from the keyboard by Shift+F10, holds the two commands with
// their access keys; its C copies the picture on screen.
TEST_F(WindowTest, TheDrawingAreasMenuCopiesThePicture) {
    Click("Command1");
    QStringList items;
    QTimer::singleShot(0, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr);
        for (const QAction* action : menu->actions()) {
            items << action->text();
        }
        QTest::keyClick(menu, Qt::Key_C);
    });
    window.Picture("Picture1").setFocus();
    QTest::keyClick(&window.Picture("Picture1"), Qt::Key_F10, Qt::ShiftModifier);
    QApplication::processEvents();
    EXPECT_EQ(items, QStringList({"画像をコピー(&C)", "画像を保存(&S)..."}));
    EXPECT_EQ(QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32), OnScreen());
}

// Ctrl+C copies the picture while the drawing area has the focus, a field's text in the field,
// and nothing elsewhere. Ctrl+S saves from anywhere, under the name the user gives, with ".png"
// added, the same pixels as the copy.
TEST_F(WindowTest, CtrlCCopiesThePictureAndCtrlSSavesIt) {
    Click("Command1");
    window.Picture("Picture1").setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    const QImage copied = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
    EXPECT_EQ(copied, OnScreen());

    window.TextBox("Text1").setFocus();
    window.TextBox("Text1").selectAll();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "5");
    window.Button("Command1").setFocus(); // nothing to copy there
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QApplication::clipboard()->text(), "5");

    QTemporaryDir folder;
    saveAs = std::filesystem::path(folder.path().toStdString()) / "curve";
    window.TextBox("Text2").setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
    QApplication::processEvents();
    EXPECT_EQ(proposed.filename(), std::filesystem::path(u8"Vorrelin曲線 次数5.png"));
    EXPECT_EQ(QImage(folder.filePath("curve.png")).convertToFormat(QImage::Format_RGB32), copied);
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"curve.png"});
}

// Waits up to five seconds for a condition, handling events meanwhile.
bool WaitFor(const std::function<bool()>& condition) {
    for (int i = 0; i < 500 && !condition(); ++i) {
        QTest::qWait(10);
    }
    return condition();
}

// On the real timer the orders go 1, 2, 3, … in the order field, and a stop ends the animation
// after one more drawing, which is on screen. An interval of 0 is quiet; a negative
// one is refused.
TEST_F(WindowTest, AutoRunAnimatesOnTheTimerUntilStopped) {
    window.TextBox("Text2").setText("0");
    Click("Command2");
    QTest::qWait(50);
    EXPECT_EQ(window.TextBox("Text1").text(), "5");
    window.TextBox("Text2").setText("-1");
    EXPECT_EQ(ClickAndAnswerTheReport("Command2"),
              "VorrelinCurve|実行時エラー '380':\n\n無効なプロパティ値です。");

    std::vector<QString> shown;
    QObject::connect(&window.TextBox("Text1"), &QLineEdit::textChanged,
                     [&](const QString& text) { shown.push_back(text); });
    window.TextBox("Text2").setText("5");
    Click("Command2");
    ASSERT_TRUE(WaitFor([&] { return shown.size() >= 3; }));
    EXPECT_EQ(std::vector(shown.begin(), shown.begin() + 3), std::vector<QString>({"1", "2", "3"}));

    // Counted as the Stop handler ends, so that a tick the click lets through is not missed.
    std::size_t atStop = 0;
    QObject::connect(&window.Button("Command3"), &QPushButton::clicked,
                     [&] { atStop = shown.size(); });
    Click("Command3");
    ASSERT_TRUE(WaitFor([&] { return !window.Timer("Timer1").Clock().isActive(); }));
    QTest::qWait(50);
    EXPECT_EQ(shown.size(), atStop + 1);
    EXPECT_EQ(OnScreen(), Expected(window.TextBox("Text1").text().toUtf8().constData()));
}

// A failed save's reason is the system's, in Japanese: Qt's own for a folder that is not there,
// which its translation gives, and the C library's for a file in the way of a folder.
TEST(PictureFiles, GiveTheSystemsReasonInJapanese) {
    QTemporaryFile file;
    ASSERT_TRUE(file.open());
    RasterSurface surface(1, 1);
    for (const std::filesystem::path& place :
         {std::filesystem::path("/no such folder/x.png"),
          std::filesystem::path(file.fileName().toStdString()) / "x.png"}) {
        const std::optional<std::string> reason =
            QtPictureFiles().WritePng(place, surface.Pixels().CompleteImage());
        ASSERT_TRUE(reason);
        EXPECT_TRUE(std::ranges::any_of(*reason, [](char c) {
            return static_cast<unsigned char>(c) > 0x7F;
        })) << *reason;
    }
}

// The .ico and the .png files made from the XPM, decoded, hold its picture, enlarged by whole
// pixels: the .ico's images are 16, 32, 48 and 256 pixels on a side, in that order. The squares
// stand on a transparent ground.
TEST(Icon, TheIcoAndThePngsShowTheXpm) {
    const QImage xpm = QImage(VORRELIN_ICON_XPM).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(xpm.size(), QSize(16, 16));
    EXPECT_EQ(qAlpha(xpm.pixel(7, 0)), 0); // the ground between the squares shows through
    const auto enlarged = [&](int side) { return xpm.scaled(side, side); };
    QImageReader ico(VORRELIN_ICON_ICO);
    ASSERT_EQ(ico.imageCount(), 4);
    for (const int side : {16, 32, 48, 256}) {
        EXPECT_EQ(ico.read().convertToFormat(QImage::Format_ARGB32), enlarged(side)) << side;
        ico.jumpToNextImage();
    }
    EXPECT_EQ(QImage(VORRELIN_ICON_PNG).convertToFormat(QImage::Format_ARGB32), xpm);
    EXPECT_EQ(QImage(VORRELIN_ICON_PNG_128).convertToFormat(QImage::Format_ARGB32), enlarged(128));
}

} // namespace
} // namespace vorrelin

// Two screens side by side; Qt scales the second to twice the density of the first, where the
// window opens.
constexpr const char* kScreens = R"({"windowFrameMargins": false, "screens": [
    {"name": "A", "x": 0, "y": 0, "width": 1024, "height": 768},
    {"name": "B", "x": 1024, "y": 0, "width": 2048, "height": 1536}]})";

int main(int argc, char** argv) {
    QTemporaryFile screens;
    if (!screens.open() || screens.write(kScreens) < 0 || !screens.flush()) {
        return 1;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + screens.fileName().toLocal8Bit());
    qputenv("QT_SCREEN_SCALE_FACTORS", "A=1;B=2");
    QApplication application(argc, argv);
    QTranslator japanese;
    if (!vorrelin::SpeakJapanese(japanese)) {
        return 1;
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
