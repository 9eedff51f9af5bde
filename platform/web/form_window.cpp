#include "platform/web/form_window.h"

#include "window/layout.h"

#include <algorithm>
#include <fmt/format.h>
#include <stdexcept>
#include <string>
#include <utility>

namespace vorrelin::web {

namespace {

// The page shows the window at the standard density in CSS pixels; the browser scales those.
void Place(const val& element, const Rect& place) {
    val style = element["style"];
    style.set("left", Pixels(place.left));
    style.set("top", Pixels(place.top));
    style.set("width", Pixels(place.width));
    style.set("height", Pixels(place.height));
}

const char* TagOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::PictureBox:
        return "canvas";
    case ControlKind::CommandButton:
        return "button";
    case ControlKind::TextBox:
        return "input";
    case ControlKind::Label:
        return "label";
    }
    return "div";
}

// The margin the page leaves round the window on a small screen, and the least it is scaled to.
constexpr double kScreenMargin = 8;
constexpr double kSmallestScale = 0.25;

} // namespace

FormWindow::FormWindow(const WindowDescription& description, val client, Handler handler)
    : description_(description), client_(std::move(client)), handler_(std::move(handler)),
      report_(client_["parentElement"]),
      dispatcher_(
          [this] {
              for (const auto& picture : pictures_) {
                  picture->Repaint();
              }
          },
          [this](const ErrorReport& report) { ShowReport(report); }) {
    client_.call<void>("setAttribute", val("aria-label"), Text(description.caption));
    client_["style"].set("width", Pixels(ToPixels(description.clientWidth, kStandardDpi)));
    client_["style"].set("height", Pixels(ToPixels(description.clientHeight, kStandardDpi)));
    for (const ControlDescription& control : description.controls) {
        val element = NewElement(TagOf(control.kind));
        element.set("id", Text(control.name));
        element.call<void>("setAttribute", val("class"),
                           val(LiesUnderneath(control.kind) ? "control underneath" : "control"));
        const Rect place = PlaceOf(control, kStandardDpi);
        Place(element, place);
        switch (control.kind) {
        case ControlKind::PictureBox:
            element.call<void>("setAttribute", val("tabindex"), val("0"));
            element.call<void>("setAttribute", val("role"), val("img"));
            break;
        case ControlKind::CommandButton:
            element.set("type", val("button"));
            element.set("textContent", Text(control.text));
            Listen(element, "click",
                   [this, name = control.name](val) { Raise(name, Event::Click); });
            break;
        case ControlKind::TextBox:
            element.set("type", val("text"));
            element.set("value", Text(control.text));
            break;
        case ControlKind::Label:
            element.set("htmlFor", Text(control.labels));
            element.set("textContent", Text(control.text));
            break;
        }
        client_.call<void>("append", element);
        controls_.push_back(element);
        if (control.kind == ControlKind::PictureBox) {
            pictures_.push_back(std::make_unique<PictureBox>(element, InnerSide(place.width),
                                                             InnerSide(place.height)));
        }
    }
    for (const std::string_view name : description.timers) {
        timers_.push_back(std::make_unique<WebTimer>([this, name] { Raise(name, Event::Timer); }));
    }
    Listen(val::global("window"), "resize", [this](val) { FitScreen(); });
    FitScreen();
    Control(FirstFocus(description).name).call<void>("focus");
}

val FormWindow::Control(std::string_view name) const {
    return controls_[IndexOf(description_, name)];
}

PictureBox& FormWindow::Picture(std::string_view name) const {
    const val canvas = Control(name);
    for (const auto& picture : pictures_) {
        if (picture->Canvas().strictlyEquals(canvas)) {
            return *picture;
        }
    }
    throw std::logic_error("no drawing area " + std::string(name));
}

WebTimer& FormWindow::Timer(std::string_view name) const {
    return *timers_[TimerIndexOf(description_, name)];
}

void FormWindow::Raise(std::string_view control, Event event) {
    Run([&] { handler_(control, event); });
}

// The open dialog stands for a desktop's modal message box, whose own loop the dispatch
// drops events in.
void FormWindow::Run(const std::function<void()>& command) {
    if (!report_.IsOpen()) {
        dispatcher_.Dispatch(command);
    }
}

// The commands make the drawing area's menu; a command's key, with Ctrl, works while the area
// has the focus, or anywhere in the page, in place of the browser's own use of it.
void FormWindow::AddMenu(std::string_view picture, std::vector<MenuCommand> commands) {
    const val area = Control(picture);
    menus_.push_back(std::make_unique<PictureMenu>(
        area, client_["parentElement"], commands,
        [this, commands](std::size_t command) { Run(commands[command].run); }));
    Listen(Document(), "keydown", [this, area, commands](val event) {
        if (!event["ctrlKey"].as<bool>() || event["shiftKey"].as<bool>() ||
            event["altKey"].as<bool>() || event["metaKey"].as<bool>()) {
            return;
        }
        const std::string key = event["key"].as<std::string>();
        for (const MenuCommand& command : commands) {
            const bool reaches = command.reach == MenuCommand::Reach::Window ||
                                 area.strictlyEquals(Document()["activeElement"]);
            if (reaches && key.size() == 1 &&
                (key[0] == command.key || key[0] == command.key - 'A' + 'a')) {
                event.call<void>("preventDefault");
                Run(command.run);
            }
        }
    });
}

// The description is the text of a hidden element of its own, which the area refers to.
void FormWindow::DescribePicture(std::string_view picture, std::string_view name,
                                 std::string_view description) {
    const val area = Control(picture);
    const std::string id = std::string(picture) + "Description";
    val text = ElementById(id);
    if (text.isNull()) {
        text = NewElement("p");
        text.set("id", val(id));
        text.set("hidden", true);
        client_.call<void>("append", text);
        area.call<void>("setAttribute", val("aria-describedby"), val(id));
    }
    area.call<void>("setAttribute", val("aria-label"), Text(name));
    text.set("textContent", Text(description));
}

void FormWindow::ShowReport(const ErrorReport& report) {
    report_.Show(report);
}

// The window keeps its size in CSS pixels, zoomed out as a whole where the screen is narrower
// or shorter; its drawing area still holds a pixel for each of the screen's. The screen is the
// layout viewport: a phone's browser widens the visual one, zooming out, for a page too wide.
void FormWindow::FitScreen() {
    const val screen = Document()["documentElement"];
    const double width = ToPixels(description_.clientWidth, kStandardDpi);
    const double height = ToPixels(description_.clientHeight, kStandardDpi);
    const double top = client_.call<val>("getBoundingClientRect")["top"].as<double>() +
                       val::global("scrollY").as<double>();
    const double scale =
        std::clamp(std::min((screen["clientWidth"].as<double>() - 2 * kScreenMargin) / width,
                            (screen["clientHeight"].as<double>() - top - kScreenMargin) / height),
                   kSmallestScale, 1.0);
    client_["style"].set("zoom", scale < 1.0 ? val(fmt::format("{}", scale)) : val(""));
}

} // namespace vorrelin::web
