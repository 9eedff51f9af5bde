// The window on Qt's offscreen platform, driven through real widgets and events. The screen is
// read from the window system's copy of the window, so a window that forgets to repaint shows
// stale pixels here as it would on a screen.

#include "graphics/raster_surface.h"
#include "platform/qt/japanese.h"
#include "platform/qt/png_files.h"
#include "ui/headless_form.h"
#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QBackingStore>
#include <QClipboard>
#include <QDir>
#include <QImage>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
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

    // A raster's pixels as a screen shows them, without a copy.
    static QImage Shown(const ImageView& image) {
        return QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                      image.height, image.BytesPerLine(), QImage::Format_RGB32);
    }

    // The picture a window without a screen draws for an order, at the window's density.
    QImage Expected(const char* order) {
        RasterSurface surface(433, 433, window.devicePixelRatioF());
        DrawOrder(surface, order);
        return Shown(surface.Pixels().CompleteImage()).copy();
    }

    // The drawing area's picture, as the screen should show it.
    QImage Held() { return Shown(window.Picture("Picture1").Surface().Pixels().CompleteImage()); }

    void Click(const char* button) {
        QTest::mouseClick(&window.Button(button), Qt::LeftButton);
        QApplication::processEvents();
    }

    Form1Window window;
};

// The window opens with the focus on the drawing area, which shows no curve yet, and Tab
// visits the controls in the description's order; Enter and Escape in a field press nothing.
TEST_F(WindowTest, TabVisitsTheControlsInOrderAndEnterAndEscapePressNothing) {
    QImage faceColor = Expected("");
    faceColor.fill(QColor(0xF0, 0xF0, 0xF0));
    EXPECT_EQ(OnScreen(), faceColor);
    EXPECT_EQ(window.childAt(460, 74), &window.TextBox("Text1")); // the field over its label
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

// "描画" puts Text1's curve on screen, painted at once at its first refresh, then whole: on a
// stopped clock every later refresh falls within the first one's frame. A copy of it stays the
// one copied while the next drawing goes on.
TEST_F(WindowTest, TheDrawButtonPutsTheCurveOfText1OnScreen) {
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint ? 1 : 0;
            return false;
        }
    } counter;
    window.Picture("Picture1").installEventFilter(&counter);
    window.Picture("Picture1").PaceBy([] { return std::chrono::milliseconds(0); });
    window.Button("Command1").setFocus(); // the focus's move off the area repaints its frame
    QApplication::processEvents();
    counter.paints = 0;
    window.TextBox("Text1").setText("９"); // full-width, as typed in Japanese
    Click("Command1");
    EXPECT_EQ(counter.paints, 2);
    EXPECT_EQ(OnScreen(), Expected("9"));
    window.Picture("Picture1").CopyPicture();
    window.TextBox("Text1").setText("3");
    Click("Command1");
    EXPECT_EQ(QGuiApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32),
              Expected("9"));
}

// A refresh a frame after the last paint shows what changed at once; a sooner one asks for all.
TEST_F(WindowTest, ARefreshShowsWhatWasDrawnSinceTheLast) {
    RasterSurface& surface = window.Picture("Picture1").Surface();
    surface.Pixels().TakeChanged(); // the window's first paint showed it all
    QTest::qSleep(20);
    surface.Line(0, 0, 6000, 900, 0x0000FF); // in twips
    surface.Refresh();
    EXPECT_EQ(OnScreen(), Held());
    surface.Line(0, 1500, 6000, 2400, 0x0000FF);
    surface.Refresh();
    surface.Line(0, 3000, 6000, 3900, 0x0000FF); // drawn before the paint asked for
    EXPECT_EQ(OnScreen(), Held());
}

// On a screen of twice the density the window keeps its picture and draws the next one anew.
TEST_F(WindowTest, FollowsTheWindowToAScreenOfAnotherDensity) {
    const qreal before = window.devicePixelRatioF();
    Click("Command1");
    window.move(QGuiApplication::screens().at(1)->geometry().topLeft());
    ASSERT_EQ(window.devicePixelRatioF(), 2 * before);
    QApplication::processEvents();
    window.resize(559, 482); // Qt keeps the size in device pixels on the new screen
    EXPECT_EQ(OnScreen(), Held());
    window.TextBox("Text1").setText("9");
    Click("Command1");
    EXPECT_EQ(OnScreen(), Expected("9"));
}

// Saving keeps the old file's mode, follows a link, refuses a read-only file and leaves it whole;
// a new file takes the mode the mask leaves; the PNG records its resolution; nothing else is left.
TEST(PngFiles, SavingOverAFileKeepsWhatTheUserHad) {
    const struct {
        const char* name;
        mode_t mode; // of the file there before, 0 for none
        bool throughALink;
        bool refused;
        mode_t after;
    } cases[] = {{"private.png", 0600, false, false, 0600},
                 {"shared.png", 0664, true, false, 0664},
                 {"read-only.png", 0444, false, true, 0444},
                 {"new.png", 0, false, false, 0644}};
    const std::vector<Pixel> pixels(4, 0xFFFF0000);
    const mode_t mask = umask(022);
    for (const auto& c : cases) {
        QTemporaryDir temporary;
        const std::filesystem::path folder = temporary.path().toStdString();
        const std::filesystem::path file = folder / (c.throughALink ? "real.png" : c.name);
        if (c.mode != 0) {
            std::ofstream(file) << "old";
            chmod(file.c_str(), c.mode);
        }
        if (c.throughALink) {
            std::filesystem::create_symlink("real.png", folder / c.name);
        }
        QtPngFiles files;
        const std::optional<std::string> failure =
            SavePicture(files, folder / c.name, ImageView{2, 2, pixels, 192});
        EXPECT_EQ(failure, c.refused ? std::optional<std::string>(kReadOnlyReason) : std::nullopt)
            << c.name;
        struct stat status {};
        stat(file.c_str(), &status);
        EXPECT_EQ(status.st_mode & 07777, c.after) << c.name;
        EXPECT_EQ(std::filesystem::is_symlink(folder / c.name), c.throughALink) << c.name;
        const QImage saved(QString::fromStdString(file.string()));
        EXPECT_EQ(saved.isNull() ? 0 : saved.dotsPerMeterX(), c.refused ? 0 : 7559) << c.name;
        EXPECT_EQ(QDir(temporary.path()).count(), 2u + 1 + (c.throughALink ? 1 : 0)) << c.name;
    }
    umask(mask);
}

// A failed save's reason is the system's, in Japanese: Qt's translation sets the C library's.
TEST(PngFiles, GiveTheSystemsReasonInJapanese) {
    RasterSurface surface(1, 1);
    const std::optional<std::string> reason =
        QtPngFiles().WritePng("/no such folder/x.png", surface.Pixels().CompleteImage());
    ASSERT_TRUE(reason);
    EXPECT_TRUE(std::ranges::any_of(
        *reason, [](char c) { return static_cast<unsigned char>(c) > 0x7F; }))
        << *reason;
}

} // namespace
} // namespace vorrelin

// Two screens side by side, the second at twice the density; the window opens on the first.
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
