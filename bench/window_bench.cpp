// The draw button in the real window at order 13, from the click to the finished picture on
// screen (Qt's offscreen platform), beside the same drawing on a headless surface: the cost
// of the window, above all of the 174,658 refreshes of the drawing, most of them merged.

#include "graphics/raster_surface.h"
#include "ui/headless_form.h"
#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

namespace {

constexpr int kOrder = 13;

void Headless(benchmark::State& state) {
    vorrelin::RasterSurface surface(433, 433);
    vorrelin::HeadlessForm window(surface, std::to_string(kOrder));
    window.form.Form_Load();
    for (auto _ : state) {
        window.form.Command1_Click();
    }
}

void ClickToPicture(benchmark::State& state) {
    vorrelin::Form1Window window;
    window.show();
    window.TextBox("Text1").setText(QString::number(kOrder));
    QApplication::processEvents();
    for (auto _ : state) {
        window.Button("Command1").click();
        QApplication::processEvents(); // the last paint, once the handler has returned
    }
}

BENCHMARK(Headless)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);
BENCHMARK(ClickToPicture)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(5);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
