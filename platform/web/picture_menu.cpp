#include "platform/web/picture_menu.h"

#include <algorithm>
#include <emscripten/eventloop.h>
#include <string>

namespace vorrelin::web {

namespace {

// How long a finger rests on the area before its menu opens, as phones wait for their own.
constexpr double kLongPressMilliseconds = 500;

std::string Shortcut(char key) {
    return std::string("Ctrl+") + key;
}

} // namespace

PictureMenu::PictureMenu(val owner, val container, const std::vector<MenuCommand>& commands,
                         std::function<void(std::size_t command)> run)
    : owner_(std::move(owner)), menu_(NewElement("div")), run_(std::move(run)) {
    menu_.set("id", owner_["id"].as<std::string>() + "Menu");
    menu_.call<void>("setAttribute", val("role"), val("menu"));
    menu_.call<void>("setAttribute", val("aria-labelledby"), owner_["id"]);
    menu_.set("hidden", true);
    menu_.call<void>("setAttribute", val("tabindex"), val("-1"));
    for (std::size_t i = 0; i < commands.size(); ++i) {
        val item = NewElement("div");
        const std::string_view text = commands[i].SpokenText();
        item.call<void>("setAttribute", val("role"), val("menuitem"));
        item.call<void>("setAttribute", val("tabindex"), val("-1"));
        item.call<void>("setAttribute", val("aria-label"), Text(text));
        item.call<void>("setAttribute", val("aria-keyshortcuts"),
                        val("Control+" + std::string(1, commands[i].key)));
        item.call<void>("setAttribute", val("data-shortcut"), val(Shortcut(commands[i].key)));
        item.set("textContent", Text(text));
        Listen(item, "click", [this, i](val) { Run(i); });
        Listen(item, "pointermove", [item](val) { item.call<void>("focus"); });
        menu_.call<void>("append", item);
        items_.push_back(item);
    }
    container.call<void>("append", menu_);

    Listen(owner_, "contextmenu", [this](val event) {
        event.call<void>("preventDefault");
        if (!IsOpen()) {
            Open(event["clientX"].as<double>(), event["clientY"].as<double>(), false);
        }
    });
    Listen(owner_, "keydown", [this](val event) {
        const std::string key = event["key"].as<std::string>();
        if (key == "ContextMenu" || (key == "F10" && event["shiftKey"].as<bool>())) {
            event.call<void>("preventDefault");
            const val box = owner_.call<val>("getBoundingClientRect");
            Open(box["left"].as<double>() + box["width"].as<double>() / 2,
                 box["top"].as<double>() + box["height"].as<double>() / 2, true);
        }
    });
    Listen(menu_, "keydown", [this](val event) { OnKey(event); });
    Listen(menu_, "focusout", [this](val event) {
        const val next = event["relatedTarget"];
        if (next.isNull() || !menu_.call<bool>("contains", next)) {
            Close();
        }
    });
    Listen(Document(), "pointerdown", [this](val event) {
        if (IsOpen() && !menu_.call<bool>("contains", event["target"])) {
            Close();
        }
    });
    WatchLongPress();
}

bool PictureMenu::IsOpen() const {
    return !menu_["hidden"].as<bool>();
}

// The menu opens where it was asked for, moved back onto the screen where it would go past
// its right or bottom edge.
void PictureMenu::Open(double x, double y, bool fromKeyboard) {
    menu_.set("hidden", false);
    const val screen = Document()["documentElement"];
    val style = menu_["style"];
    style.set("left", Pixels(std::max(0.0, std::min(x, screen["clientWidth"].as<double>() -
                                                           menu_["offsetWidth"].as<double>()))));
    style.set("top", Pixels(std::max(0.0, std::min(y, screen["clientHeight"].as<double>() -
                                                          menu_["offsetHeight"].as<double>()))));
    (fromKeyboard ? items_.front() : menu_).call<void>("focus");
}

void PictureMenu::Close() {
    if (!IsOpen()) {
        return;
    }
    menu_.set("hidden", true);
    owner_.call<void>("focus");
}

// With no item focused, down goes to the first and up to the last.
void PictureMenu::Move(int by) {
    const std::size_t count = items_.size();
    std::size_t at = by > 0 ? count - 1 : 0;
    for (std::size_t i = 0; i < count; ++i) {
        if (items_[i].strictlyEquals(Document()["activeElement"])) {
            at = i;
        }
    }
    items_[(at + count + static_cast<std::size_t>(count + by)) % count].call<void>("focus");
}

void PictureMenu::Run(std::size_t item) {
    Close();
    run_(item);
}

void PictureMenu::OnKey(const val& event) {
    const std::string key = event["key"].as<std::string>();
    if (key == "ArrowDown") {
        Move(1);
    } else if (key == "ArrowUp") {
        Move(-1);
    } else if (key == "Home") {
        items_.front().call<void>("focus");
    } else if (key == "End") {
        items_.back().call<void>("focus");
    } else if (key == "Escape" || key == "Tab") {
        Close();
    } else if (key == "Enter" || key == " ") {
        for (std::size_t i = 0; i < items_.size(); ++i) {
            if (items_[i].strictlyEquals(Document()["activeElement"])) {
                Run(i);
            }
        }
    } else {
        return;
    }
    event.call<void>("preventDefault");
    event.call<void>("stopPropagation");
}

// A finger held still on the area opens the menu where it rests; lifting or moving it off
// first is no long press.
void PictureMenu::WatchLongPress() {
    Listen(owner_, "pointerdown", [this](val event) {
        if (event["pointerType"].as<std::string>() != "touch") {
            return;
        }
        emscripten_clear_timeout(longPress_);
        pressX_ = event["clientX"].as<double>();
        pressY_ = event["clientY"].as<double>();
        longPress_ = emscripten_set_timeout(
            [](void* menu) {
                auto& self = *static_cast<PictureMenu*>(menu);
                self.longPress_ = 0;
                self.Open(self.pressX_, self.pressY_, false);
            },
            kLongPressMilliseconds, this);
    });
    for (const char* end : {"pointerup", "pointercancel", "pointerleave"}) {
        Listen(owner_, end, [this](val) {
            emscripten_clear_timeout(longPress_);
            longPress_ = 0;
        });
    }
}

} // namespace vorrelin::web
