// VorrelinCurve: creates the window and shows it. The program reads no arguments of its own.

#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VorrelinCurve"));
    QApplication::setApplicationVersion(QStringLiteral(VORRELIN_VERSION_TEXT));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vorrelincurve.xpm")));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));

    vorrelin::Form1Window window;
    window.show();
    return QApplication::exec();
}
