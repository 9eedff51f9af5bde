#include "ui/qt/form1_window.h"

#include "ui/form1_description.h"
#include "ui/form1_events.h"

#include <QIcon>

namespace vorrelin {

Form1Window::Form1Window(QWidget* parent)
    : FormWindow(
          kForm1, [this](std::string_view control, Event event) { Handle(form_, control, event); },
          parent),
      text1_(TextBox("Text1")), text2_(TextBox("Text2")),
      form_(Picture("Picture1").Surface(), text1_, text2_, Timer("Timer1")) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/vorrelincurve.xpm")));
    Raise(kForm1.name, Event::Load);
}

} // namespace vorrelin
