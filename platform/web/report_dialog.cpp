#include "platform/web/report_dialog.h"

namespace vorrelin::web {

ReportDialog::ReportDialog(val container)
    : dialog_(NewElement("dialog")), title_(NewElement("h2")), text_(NewElement("p")),
      ok_(NewElement("button")) {
    dialog_.set("id", val("Report"));
    dialog_.call<void>("setAttribute", val("role"), val("alertdialog"));
    dialog_.call<void>("setAttribute", val("aria-labelledby"), val("ReportTitle"));
    dialog_.call<void>("setAttribute", val("aria-describedby"), val("ReportText"));
    title_.set("id", val("ReportTitle"));
    text_.set("id", val("ReportText"));
    ok_.set("type", val("button"));
    ok_.set("textContent", val("OK"));
    ok_.set("autofocus", true);
    Listen(ok_, "click", [this](val) { dialog_.call<void>("close"); });
    dialog_.call<void>("append", title_, text_, ok_);
    container.call<void>("append", dialog_);
}

void ReportDialog::Show(const ErrorReport& report) {
    title_.set("textContent", Text(report.title));
    text_.set("textContent", Text(report.text));
    dialog_.call<void>("showModal");
}

} // namespace vorrelin::web
