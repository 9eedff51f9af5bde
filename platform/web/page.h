#pragma once

#include <emscripten/val.h>
#include <functional>
#include <string>
#include <string_view>

// The page the program's window is built in, as the browser offers it to C++: its elements,
// and C++ functions where the browser wants a JavaScript one.
namespace vorrelin::web {

using emscripten::val;

// A JavaScript function that hands its argument to `callback`: for the page's events and the
// browser's asynchronous answers. It calls the callback as long as the page lives; a callback
// that runs once is let go after it ran.
enum class Calls { Always, Once };
val Function(std::function<void(val)> callback, Calls calls = Calls::Always);

// Calls `listener` with every event of a kind at a target.
void Listen(const val& target, const char* type, std::function<void(val)> listener);

val Document();
val ElementById(std::string_view id);
// A new element of the page, not yet placed in it.
val NewElement(const char* tag);

val Text(std::string_view text);

// A length in CSS pixels, as a style wants it.
std::string Pixels(double pixels);

} // namespace vorrelin::web
