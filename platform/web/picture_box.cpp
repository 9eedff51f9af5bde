#include "platform/web/picture_box.h"

#include "platform/web/rgba.h"

#include <chrono>
#include <emscripten/val.h>
#include <fmt/format.h>

namespace vorrelin::web {

namespace {

// How long a download's address is kept, for a browser that reads the file after the click.
constexpr int kDownloadMilliseconds = 60'000;

double DevicePixelRatio() {
    return val::global("devicePixelRatio").as<double>();
}

// The canvas's PNG, once the browser has encoded it.
void WithPng(const val& canvas, std::function<void(val blob)> use) {
    canvas.call<void>("toBlob", Function(std::move(use), Calls::Once), val("image/png"));
}

} // namespace

PictureBox::PictureBox(val canvas, int width, int height)
    : canvas_(std::move(canvas)), densityQuery_(val::null()),
      raster_(width, height, DevicePixelRatio(), [this] { Present(); }) {
    canvas_.set("width", raster_.Pixels().Width());
    canvas_.set("height", raster_.Pixels().Height());
    canvas_["style"].set("width", Pixels(width));
    canvas_["style"].set("height", Pixels(height));
    Repaint();
    WatchDensity();
    Listen(val::global("window"), "resize", [this](val) { FollowDensity(); });
}

// A refresh shown at once puts only what the drawing changed since the last one; the page
// shows it when the running handler returns, whatever is drawn by then.
void PictureBox::Present() {
    const RefreshPacer::Action action =
        pacer_.Refresh(std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now().time_since_epoch()));
    if (action == RefreshPacer::Action::PaintNow) {
        Paint(raster_.Pixels().TakeChanged());
    }
}

void PictureBox::Repaint() {
    pacer_.Painted();
    Paint(raster_.Pixels().TakeChanged());
}

// The buffer is the whole canvas, so that ImageData can be a view of it without a copy; only
// the changed rectangle is converted and put.
void PictureBox::Paint(const Rect& area) {
    if (area.Empty()) {
        return;
    }
    const ImageView image = raster_.Pixels().CompleteImage();
    rgba_.resize(image.pixels.size());
    CopyAsRgba(image, area, rgba_);
    const val bytes = val(emscripten::typed_memory_view(
        rgba_.size() * sizeof(std::uint32_t), reinterpret_cast<const std::uint8_t*>(rgba_.data())));
    const val clamped = val::global("Uint8ClampedArray")
                            .new_(bytes["buffer"], bytes["byteOffset"], bytes["length"]);
    const val data = val::global("ImageData").new_(clamped, image.width, image.height);
    canvas_.call<val>("getContext", val("2d"))
        .call<void>("putImageData", data, 0, 0, area.left, area.top, area.width, area.height);
}

// The browser says when the ratio of device to CSS pixels leaves the one watched for, as on
// another monitor; a zoom also resizes the page's viewport.
void PictureBox::WatchDensity() {
    densityQuery_ =
        val::global("matchMedia")(val(fmt::format("(resolution: {}dppx)", DevicePixelRatio())));
    densityQuery_.call<void>("addEventListener", val("change"),
                             Function(
                                 [this](val) {
                                     FollowDensity();
                                     WatchDensity();
                                 },
                                 Calls::Once));
}

void PictureBox::FollowDensity() {
    const double ratio = DevicePixelRatio();
    if (ratio == raster_.Pixels().DevicePixelRatio()) {
        return;
    }
    raster_.Pixels().ChangeDensity(ratio);
    canvas_.set("width", raster_.Pixels().Width());
    canvas_.set("height", raster_.Pixels().Height());
    Repaint();
}

void PictureBox::Copy(std::function<void(const std::string& reason)> failed) {
    const val clipboard = val::global("navigator")["clipboard"];
    if (clipboard.isUndefined()) {
        failed("このブラウザーはクリップボードに画像を書き込めません。");
        return;
    }
    WithPng(canvas_, [clipboard, failed](val blob) {
        val items = val::object();
        items.set("image/png", blob);
        const val write = clipboard.call<val>(
            "write", val::array(std::vector<val>{val::global("ClipboardItem").new_(items)}));
        write.call<void>(
            "catch", Function([failed](val error) { failed(error.call<std::string>("toString")); },
                              Calls::Once));
    });
}

// A link that downloads the file, clicked and let go.
void PictureBox::Save(const std::string& fileName) {
    WithPng(canvas_, [fileName](val blob) {
        const val url = val::global("URL").call<val>("createObjectURL", blob);
        val link = NewElement("a");
        link.set("href", url);
        link.set("download", Text(fileName));
        link.call<void>("click");
        val::global("setTimeout")(
            Function([url](val) { val::global("URL").call<void>("revokeObjectURL", url); },
                     Calls::Once),
            kDownloadMilliseconds);
    });
}

} // namespace vorrelin::web
