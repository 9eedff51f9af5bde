#pragma once

#include "platform/web/page.h"
#include "runtime/dispatcher.h"

namespace vorrelin::web {

// The page's message box: a modal alert dialog with the report's title and text and an OK
// button that has the focus; Return or Escape closes it. The page stays as it is behind it, and
// the program goes on when it closes. The browser's own alert would stop the page's timers and
// painting until it closed.
class ReportDialog {
public:
    explicit ReportDialog(val container);

    void Show(const ErrorReport& report);
    bool IsOpen() const { return dialog_["open"].as<bool>(); }

private:
    val dialog_;
    val title_;
    val text_;
    val ok_;
};

} // namespace vorrelin::web
