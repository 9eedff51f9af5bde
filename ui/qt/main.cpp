// VorrelinCurve: creates the window and shows it. The program reads no arguments of its own.

#include "platform/qt/japanese.h"
#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <cstdio>
#include <exception>
#include <memory>

namespace {

constexpr const char* kStartFailure = "VorrelinCurve を起動できませんでした。";

// Tells the user why the program cannot start: on stderr, and in a message box, which needs
// nothing of the program's own window.
int StartFailed(const char* reason) {
    std::fprintf(stderr, "vorrelincurve: %s\n", reason);
    QMessageBox::critical(nullptr, QStringLiteral("VorrelinCurve"),
                          QString::fromUtf8(kStartFailure) + "\n\n" + QString::fromUtf8(reason));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VorrelinCurve"));
    QApplication::setApplicationVersion(QStringLiteral(VORRELIN_VERSION_TEXT));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vorrelincurve.xpm")));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QTranslator japanese;
    vorrelin::SpeakJapanese(japanese);

    std::unique_ptr<vorrelin::Form1Window> window;
    try {
        window = std::make_unique<vorrelin::Form1Window>();
    } catch (const std::exception& error) {
        return StartFailed(error.what());
    }
    window->show();
    return QApplication::exec();
}
