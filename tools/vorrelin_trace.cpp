// vorrelin-trace: runs the draw command once on a window without a screen and prints what it
// did to the drawing area, one operation a line, then the window's variables.
//
//   vorrelin-trace [--summary] [--png FILE] ORDER_TEXT
//
// --summary counts the Line and Refresh operations instead of printing them; --png FILE also
// draws the operations on an image the size of the window's drawing area and saves it.
// Exit status: 0 when the command ran, whether or not it ended with a run-time error; 1 when
// the image could not be written; 2 for wrong usage.

#include "graphics/raster_surface.h"
#include "graphics/recording_surface.h"
#include "runtime/runtime_error.h"
#include "tools/png.h"
#include "ui/headless_form.h"

#include <charconv>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace {

using vorrelin::SurfaceOp;

// The inner drawing area of the window at 96 dots per inch.
constexpr int kAreaPixels = 433;

// The shortest text that reads back to the same value.
template <typename Number>
std::string Text(Number value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return {buffer, result.ptr};
}

std::string Describe(const SurfaceOp& op) {
    using Kind = SurfaceOp::Kind;
    switch (op.kind) {
    case Kind::DrawWidth:
        return "DrawWidth " + Text(op.width);
    case Kind::BackColor:
        return "BackColor " + Text(op.color);
    case Kind::Cls:
        return "Cls";
    case Kind::ScaleLeft:
        return "ScaleLeft " + Text(op.x1);
    case Kind::ScaleTop:
        return "ScaleTop " + Text(op.x1);
    case Kind::ScaleWidth:
        return "ScaleWidth " + Text(op.x1);
    case Kind::ScaleHeight:
        return "ScaleHeight " + Text(op.x1);
    case Kind::Line:
        return "Line " + Text(op.x1) + ' ' + Text(op.y1) + ' ' + Text(op.x2) + ' ' + Text(op.y2) +
               ' ' + Text(op.color);
    case Kind::Refresh:
        return "Refresh";
    }
    return {};
}

void PrintLine(const std::string& line) {
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
}

int Usage() {
    std::fputs("usage: vorrelin-trace [--summary] [--png FILE] ORDER_TEXT\n", stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    bool summary = false;
    const char* pngPath = nullptr;
    std::optional<std::string> orderText;
    bool options = true;
    for (int i = 1; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (options && argument == "--summary") {
            summary = true;
        } else if (options && argument == "--png") {
            if (++i == argc) {
                return Usage();
            }
            pngPath = argv[i];
        } else if (options && argument == "--") {
            options = false;
        } else if (orderText) {
            return Usage();
        } else {
            orderText = argument;
        }
    }
    if (!orderText) {
        return Usage();
    }

    std::optional<vorrelin::RasterSurface> image;
    if (pngPath) {
        image.emplace(kAreaPixels, kAreaPixels);
    }
    std::uint64_t lines = 0;
    std::uint64_t refreshes = 0;
    vorrelin::RecordingSurface picture([&](const SurfaceOp& op) {
        if (image) {
            Replay(op, *image);
        }
        if (summary && op.kind == SurfaceOp::Kind::Line) {
            ++lines;
        } else if (summary && op.kind == SurfaceOp::Kind::Refresh) {
            ++refreshes;
        } else {
            PrintLine(Describe(op));
        }
    });
    vorrelin::HeadlessForm window(picture, *orderText);
    vorrelin::Form1& form = window.form;

    std::optional<int> error;
    try {
        form.Form_Load();
        form.Command1_Click();
    } catch (const vorrelin::RuntimeError& e) {
        error = e.Number();
    }

    if (summary) {
        PrintLine("Line count " + Text(lines));
        PrintLine("Refresh count " + Text(refreshes));
    }
    const vorrelin::CurveState& s = form.state;
    PrintLine("state CurX=" + Text(s.CurX) + " CurY=" + Text(s.CurY) + " Level=" + Text(s.Level) +
              " Step=" + Text(s.Step) + " SegmentCount=" + Text(s.SegmentCount));
    if (error) {
        PrintLine("error " + Text(*error));
    }
    std::fflush(stdout);

    if (image) {
        if (!vorrelin::WritePng(pngPath, kAreaPixels, kAreaPixels, image->Pixels().CompleteImage().pixels,
                                false)) {
            std::fprintf(stderr, "vorrelin-trace: cannot write %s\n", pngPath);
            return 1;
        }
    }
    return 0;
}
