#pragma once

#include "runtime/runtime_error.h"

#include <functional>
#include <string>
#include <string_view>

namespace vorrelin {

// What the user is told of a run-time error that no handler trapped.
struct ErrorReport {
    std::string title;
    std::string text;
};

// The report of an error: the program's name for a title, and "実行時エラー 'N':", a blank
// line and the error's message for the text.
ErrorReport ReportOf(const RuntimeError& error);

// The report of a failure before the window exists, in Japanese and English, with its reason.
ErrorReport StartFailureReport(std::string_view reason);

// Tells the user why the program could not start: on stderr, after the command's name, and by
// `show`, if given, which must need nothing of the program's own window. Returns the program's
// exit status.
int ReportStartFailure(std::string_view command, std::string_view reason,
                       const std::function<void(const ErrorReport&)>& show = {});

// Runs the window's handlers as the events they handle, the way a forms runtime does: one at a
// time, each to its end. An event that comes while a handler runs, or while the report of an
// error is open (its message loop delivers events too), is dropped. After each handler the
// drawing areas are repainted, so that what it drew since its last refresh reaches the
// screen; then the error it ended with, if any, is reported, and the program goes on with what
// the handler left. Every exception is such an error: a run-time error as it is, running out
// of memory as run-time error 7, and anything else as an internal error (51).
class Dispatcher {
public:
    Dispatcher(std::function<void()> repaint, std::function<void(const ErrorReport&)> report);

    void Dispatch(const std::function<void()>& handler);

private:
    std::function<void()> repaint_;
    std::function<void(const ErrorReport&)> report_;
    bool busy_ = false;
};

} // namespace vorrelin
