#include "ui/form1_window.h"

#include "ui/form1_description.h"

#include <QIcon>

namespace vorrelin {

Form1Window::Form1Window(QWidget* parent)
    : FormWindow(kForm1, parent), text1_(TextBox("Text1")), text2_(TextBox("Text2")),
      form_(Picture("Picture1"), text1_, text2_, timer1_) {
    setWindowIcon(QIcon(QStringLiteral(":/icons/vorrelincurve.xpm")));
    connect(&Button("Command1"), &QPushButton::clicked, this,
            [this] { Dispatch([this] { form_.Command1_Click(); }); });
    connect(&Button("Command2"), &QPushButton::clicked, this,
            [this] { Dispatch([this] { form_.Command2_Click(); }); });
    connect(&Button("Command3"), &QPushButton::clicked, this,
            [this] { Dispatch([this] { form_.Command3_Click(); }); });
    connect(&timer1_.Clock(), &QTimer::timeout, this,
            [this] { Dispatch([this] { form_.Timer1_Timer(); }); });
    Dispatch([this] { form_.Form_Load(); });
}

} // namespace vorrelin
