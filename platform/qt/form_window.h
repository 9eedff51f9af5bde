#pragma once

#include "platform/qt/picture_box.h"
#include "platform/runtime_error.h"
#include "platform/window_description.h"

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <vector>

namespace vorrelin {

// A top-level window built from its description, as a forms runtime builds one: each control
// at its place in twips, 15 to a logical pixel, which Qt scales on dense screens; the tab order
// of the description; no default or cancel button. It delivers the events the program
// handles, one at a time: a handler runs to its end before the next event is taken, and a
// run-time error it ends with is reported to the user, after which the program goes on.
class FormWindow : public QWidget {
    Q_OBJECT

public:
    explicit FormWindow(const WindowDescription& description, QWidget* parent = nullptr);

    PictureBox& Picture(std::string_view name) const;
    QPushButton& Button(std::string_view name) const;
    QLineEdit& TextBox(std::string_view name) const;

    // Runs a handler as the event it handles; events that arrive meanwhile (while an error
    // report is open, say) are dropped.
    void Dispatch(const std::function<void()>& handler);
    // What the user is shown of a run-time error; by default a message box.
    std::function<void(const RuntimeError&)> reportError;

    static QRect Geometry(const ControlDescription& control);
    static QString ReportText(const RuntimeError& error);
    static constexpr std::string_view kReportTitle = "VorrelinCurve";

private:
    QWidget& Control(std::string_view name) const;
    void ShowReport(const RuntimeError& error);

    std::map<std::string, QWidget*, std::less<>> controls_;
    std::vector<PictureBox*> pictures_;
    bool dispatching_ = false;
};

} // namespace vorrelin
