// VorrelinCurve in the browser: the page's window is made when the module has started, in the
// page's client area, and lives as long as the page. The page works offline once visited.

#include "platform/web/page.h"
#include "ui/web/form1_page.h"

int main() {
    using namespace vorrelin::web;
    static Form1Page page(ElementById("Form1"));
    const val navigator = val::global("navigator");
    if (!navigator["serviceWorker"].isUndefined()) {
        navigator["serviceWorker"].call<val>("register", val("service-worker.js"));
    }
    return 0;
}
