#include "ui/qt/form1_window.h"

#include "ui/form1_description.h"
#include "ui/form1_events.h"

#include <QIcon>

namespace vorrelin {

Form1Window::Form1Window(QWidget* parent)
    : FormWindow(kForm1, parent), text1_(TextBox("Text1")), text2_(TextBox("Text2")),
      form_(Picture("Picture1"), text1_, text2_, timer1_) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/vorrelincurve.xpm")));
    handle = [this](std::string_view control, Event event) { Handle(form_, control, event); };
    connect(&timer1_.Clock(), &QTimer::timeout, this, [this] { Raise("Timer1", Event::Timer); });
    Raise("Form1", Event::Load);
}

} // namespace vorrelin
