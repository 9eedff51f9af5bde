#include "platform/web/page.h"

#include <emscripten/bind.h>
#include <emscripten/emscripten.h>
#include <fmt/format.h>
#include <map>
#include <utility>

// The one function of the page that must be written in JavaScript: the browser calls only
// JavaScript functions back.
// clang-format off
EM_JS(emscripten::EM_VAL, CallingBack, (int number), {
    return Emval.toHandle(argument => Module["runCallback"](number, argument));
});
// clang-format on

namespace vorrelin::web {

namespace {

struct Callback {
    std::function<void(val)> run;
    Calls calls;
};

std::map<int, Callback>& Callbacks() {
    static std::map<int, Callback> callbacks;
    return callbacks;
}

void RunCallback(int number, val argument) {
    const auto found = Callbacks().find(number);
    if (found == Callbacks().end()) {
        return;
    }
    if (found->second.calls == Calls::Once) {
        const Callback callback = std::move(found->second);
        Callbacks().erase(found);
        callback.run(std::move(argument));
        return;
    }
    found->second.run(std::move(argument));
}

EMSCRIPTEN_BINDINGS(page) {
    emscripten::function("runCallback", &RunCallback);
}

} // namespace

val Function(std::function<void(val)> callback, Calls calls) {
    static int last = 0;
    Callbacks().emplace(++last, Callback{std::move(callback), calls});
    return val::take_ownership(CallingBack(last));
}

void Listen(const val& target, const char* type, std::function<void(val)> listener) {
    target.call<void>("addEventListener", val(type), Function(std::move(listener)));
}

val Document() {
    return val::global("document");
}

val ElementById(std::string_view id) {
    return Document().call<val>("getElementById", Text(id));
}

val NewElement(const char* tag) {
    return Document().call<val>("createElement", val(tag));
}

val Text(std::string_view text) {
    return val(std::string(text));
}

std::string Pixels(double pixels) {
    return fmt::format("{}px", pixels);
}

} // namespace vorrelin::web
