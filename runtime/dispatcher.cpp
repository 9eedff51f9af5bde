#include "runtime/dispatcher.h"

#include "runtime/program.h"

#include <cstdio>
#include <exception>
#include <new>
#include <optional>
#include <utility>

namespace vorrelin {

namespace {

// The run-time error that the exception being handled stands for.
RuntimeError CurrentError() {
    try {
        throw;
    } catch (const RuntimeError& error) {
        return error;
    } catch (const std::bad_alloc&) {
        return RuntimeError::OutOfMemory();
    } catch (const std::exception& error) {
        return RuntimeError::Internal(error.what());
    } catch (...) {
        return RuntimeError::Internal({});
    }
}

} // namespace

ErrorReport ReportOf(const RuntimeError& error) {
    return {std::string(kProgramName),
            "実行時エラー '" + std::to_string(error.Number()) + "':\n\n" + error.what()};
}

ErrorReport StartFailureReport(std::string_view reason) {
    const std::string name(kProgramName);
    return {name, name + " を起動できませんでした。\n" + name + " could not start.\n\n" +
                      std::string(reason)};
}

int ReportStartFailure(std::string_view command, std::string_view reason,
                       const std::function<void(const ErrorReport&)>& show) {
    const ErrorReport report = StartFailureReport(reason);
    std::fprintf(stderr, "%.*s: %s\n", static_cast<int>(command.size()), command.data(),
                 report.text.c_str());
    if (show) {
        show(report);
    }
    return 1;
}

Dispatcher::Dispatcher(std::function<void()> repaint,
                       std::function<void(const ErrorReport&)> report)
    : repaint_(std::move(repaint)), report_(std::move(report)) {}

void Dispatcher::Dispatch(const std::function<void()>& handler) {
    if (busy_) {
        return;
    }
    struct Done {
        bool& busy;
        ~Done() { busy = false; }
    } done{busy_ = true};
    std::optional<RuntimeError> failure;
    try {
        handler();
    } catch (...) {
        failure = CurrentError();
    }
    repaint_();
    if (failure) {
        report_(ReportOf(*failure));
    }
}

} // namespace vorrelin
