// The draw command at several orders into three surfaces, in segments per second:
// the raster surface the program draws on, a surface that draws nothing (the floor that the
// curve generator alone sets), and a QPainter drawing every segment as its own drawLine with a
// two-pixel pen on a QImage, the plain way to port the program. "13.5" is the deepest drawing
// the program accepts: depth 14, a thousand million segments, all on one point.

#include "bench/orders.h"
#include "graphics/null_surface.h"
#include "graphics/raster_surface.h"
#include "ui/headless_form.h"

#include <QImage>
#include <QPainter>
#include <QPen>
#include <cstdint>

namespace {

using vorrelin::Color;

constexpr int kAreaPixels = 433;

using vorrelin::NullSurface;

class PainterSurface : public vorrelin::DrawingSurface {
public:
    PainterSurface() : image_(kAreaPixels, kAreaPixels, QImage::Format_RGB32), painter_(&image_) {}

    void DrawWidth(std::int16_t pixels) override { penWidth_ = pixels; }
    void BackColor(Color color) override { back_ = color; }
    void Cls() override { image_.fill(ToQColor(back_)); }
    void ScaleLeft(float value) override { Map(left_ = value); }
    void ScaleTop(float value) override { Map(top_ = value); }
    void ScaleWidth(float value) override { Map(width_ = value); }
    void ScaleHeight(float value) override { Map(height_ = value); }
    void Line(float x1, float y1, float x2, float y2, Color color) override {
        QPen pen(ToQColor(color), penWidth_);
        pen.setCosmetic(true);
        painter_.setPen(pen);
        painter_.drawLine(QLineF(x1, y1, x2, y2));
    }
    void Refresh() override {}

private:
    static QColor ToQColor(Color c) { return QColor(c & 0xFF, c >> 8 & 0xFF, c >> 16 & 0xFF); }
    void Map(float) {
        painter_.setTransform(QTransform::fromScale(kAreaPixels / width_, kAreaPixels / height_)
                                  .translate(-left_, -top_));
    }

    QImage image_;
    QPainter painter_;
    float left_ = 0;
    float top_ = 0;
    float width_ = kAreaPixels;
    float height_ = kAreaPixels;
    int penWidth_ = 1;
    Color back_ = 0;
};

void DrawCommand(benchmark::State& state, vorrelin::DrawingSurface& picture, const char* order) {
    vorrelin::HeadlessForm window(picture, order);
    vorrelin::Form1& form = window.form;
    form.Form_Load();
    for (auto _ : state) {
        form.Command1_Click();
    }
    state.SetItemsProcessed(state.iterations() * (std::int64_t{4} << (2 * form.state.Level)));
}

void Repeated(benchmark::internal::Benchmark* b) {
    b->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
}

void Raster(benchmark::State& state, const char* order) {
    vorrelin::RasterSurface surface(kAreaPixels, kAreaPixels);
    DrawCommand(state, surface, order);
}
void Nothing(benchmark::State& state, const char* order) {
    NullSurface surface;
    DrawCommand(state, surface, order);
}
void Painter(benchmark::State& state, const char* order) {
    PainterSurface surface;
    DrawCommand(state, surface, order);
}

BENCHMARK_ORDERS(Raster, Repeated);
BENCHMARK_ORDERS(Nothing, Repeated);
BENCHMARK_CAPTURE(Painter, 5, "5")->Apply(Repeated);
BENCHMARK_CAPTURE(Painter, 9, "9")->Apply(Repeated);

} // namespace

BENCHMARK_MAIN();
