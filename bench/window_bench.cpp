// The draw button in the real window, from the click to the finished picture on screen (Qt's
// offscreen platform), beside the same drawing on a headless surface: the cost of the window,
// above all of the refreshes of the drawing, most of them merged. "13.5" is the deepest
// drawing the program accepts.

#include "graphics/raster_surface.h"
#include "ui/headless_form.h"
#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

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

#define ORDERS(kind)                                                                               \
    BENCHMARK_CAPTURE(kind, 5, "5")->Apply(Repeated);                                              \
    BENCHMARK_CAPTURE(kind, 9, "9")->Apply(Repeated);                                              \
    BENCHMARK_CAPTURE(kind, 13, "13")->Apply(Repeated);                                            \
    BENCHMARK_CAPTURE(kind, 13.5, "13.5")->Apply(Repeated)

ORDERS(Headless);
ORDERS(ClickToPicture);

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
