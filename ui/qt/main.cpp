// VorrelinCurve: creates the window and shows it. The program reads no arguments of its own.

#include "platform/qt/japanese.h"
#include "platform/qt/text.h"
#include "runtime/dispatcher.h"
#include "runtime/program.h"
#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QIcon>
#include <QLocale>
#include <QMessageBox>
#include <cstdlib>
#include <exception>
#include <memory>

namespace {

// The command's name, which its reports on stderr begin with.
constexpr std::string_view kCommand = "vorrelincurve";

// Qt's fatal errors before the window exists, such as a display that cannot be reached, end
// the program with its own report and status 1, where Qt would abort.
QtMessageHandler qtHandler = nullptr;

void HandleQtMessage(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (type != QtFatalMsg) {
        qtHandler(type, context, message);
        return;
    }
    std::_Exit(vorrelin::ReportStartFailure(kCommand, message.toStdString()));
}

// A start that fails once Qt runs is told in a message box too.
int StartFailed(const char* reason) {
    return vorrelin::ReportStartFailure(kCommand, reason, [](const vorrelin::ErrorReport& report) {
        QMessageBox::critical(nullptr, vorrelin::FromUtf8(report.title),
                              vorrelin::FromUtf8(report.text));
    });
}

} // namespace

int main(int argc, char** argv) {
    qtHandler = qInstallMessageHandler(HandleQtMessage);
    QApplication application(argc, argv);
    QApplication::setApplicationName(vorrelin::FromUtf8(vorrelin::kProgramName));
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
