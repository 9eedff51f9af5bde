// VorrelinCurve: creates the window and shows it. The program reads no arguments of its own.

#include "platform/qt/japanese.h"
#include "runtime/dispatcher.h"
#include "runtime/program.h"
#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <memory>
#include <string>

namespace {

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

void PrintReport(const vorrelin::ErrorReport& report) {
    std::fprintf(stderr, "vorrelincurve: %s\n", report.text.c_str());
}

// Qt's fatal errors before the window exists, such as a display that cannot be reached, end
// the program with its own report and status 1, where Qt would abort.
QtMessageHandler qtHandler = nullptr;

void HandleQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    PrintReport(vorrelin::StartFailureReport(message.toStdString()));
    std::_Exit(1);
}

// Tells the user why the program cannot start: on stderr, and in a message box, which needs
// nothing of the program's own window.
int StartFailed(const char* reason) {
    const vorrelin::ErrorReport report = vorrelin::StartFailureReport(reason);
    PrintReport(report);
    QMessageBox::critical(nullptr, FromUtf8(report.title), FromUtf8(report.text));
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    qtHandler = qInstallMessageHandler(HandleQtMessage);
    QApplication application(argc, argv);
    QApplication::setApplicationName(QString::fromUtf8(vorrelin::kProgramName));
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
