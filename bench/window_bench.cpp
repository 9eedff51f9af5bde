// The draw button in the real window, from the click to the finished picture on screen (Qt's
// offscreen platform), beside the same drawing on a headless surface: the cost of the window,
// above all of the refreshes of the drawing, most of them merged. "13.5" is the deepest
// drawing the program accepts. And the picture copied and saved, at 96 dpi and twice that.

#include "bench/orders.h"
#include "graphics/raster_surface.h"
#include "platform/qt/png_files.h"
#include "ui/headless_form.h"
#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QTemporaryDir>

namespace {

void Headless(benchmark::State& state, const char* order) {
    vorrelin::RasterSurface surface(433, 433);
    vorrelin::HeadlessForm window(surface, order);
    window.form.Form_Load();
    for (auto _ : state) {
        window.form.Command1_Click();
    }
}

void ClickToPicture(benchmark::State& state, const char* order) {
    vorrelin::Form1Window window;
    window.show();
    window.TextBox("Text1").setText(order);
    QApplication::processEvents();
    for (auto _ : state) {
        window.Button("Command1").click();
        QApplication::processEvents(); // the last paint, once the handler has returned
    }
}

void Repeated(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
}

// The picture of order 9, the densest, at a device pixel ratio, to copy or save.
struct Picture {
    explicit Picture(double ratio) : surface(433, 433, ratio) { vorrelin::DrawOrder(surface, "9"); }
    vorrelin::RasterSurface surface;
};

void Copy(benchmark::State& state, double ratio) {
    Picture picture(ratio);
    for (auto _ : state) {
        const vorrelin::ImageView image = picture.surface.Pixels().CompleteImage();
        QGuiApplication::clipboard()->setImage(
            QImage(reinterpret_cast<const uchar*>(image.pixels.data()), image.width,
                   image.height, image.BytesPerLine(), QImage::Format_RGB32)
                .copy());
    }
}

void Save(benchmark::State& state, double ratio) {
    Picture picture(ratio);
    QTemporaryDir folder;
    vorrelin::QtPngFiles files;
    const std::filesystem::path target = folder.filePath("curve.png").toStdString();
    for (auto _ : state) {
        vorrelin::SavePicture(files, target, picture.surface.Pixels().CompleteImage());
    }
}

BENCHMARK_CAPTURE(Copy, 1x, 1.0)->Apply(Repeated);
BENCHMARK_CAPTURE(Copy, 2x, 2.0)->Apply(Repeated);
BENCHMARK_CAPTURE(Save, 1x, 1.0)->Apply(Repeated);
BENCHMARK_CAPTURE(Save, 2x, 2.0)->Apply(Repeated);

BENCHMARK_ORDERS(Headless, Repeated);
BENCHMARK_ORDERS(ClickToPicture, Repeated);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
