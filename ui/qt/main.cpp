// VorrelinCurve: creates the window and shows it. The program reads no arguments of its own.

#include "ui/qt/form1_window.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QLocale>
#include <QMessageBox>
#include <QTranslator>
#include <clocale>
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

// The C library's messages in Japanese, where the system has that locale; the others stay.
constexpr const char* kJapaneseMessages = "ja_JP.UTF-8";

// Qt's own dialogs, menus and message boxes speak the program's language whatever the system's
// locale, through Qt's Japanese translation; so does the system's reason for a failure, where
// the C library has it in Japanese. Without the translation the program still starts.
void SpeakJapanese(QTranslator& translator) {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (translator.load(QStringLiteral("qtbase_ja"), folder)) {
        QApplication::installTranslator(&translator);
    } else {
        std::fprintf(stderr,
                     "vorrelincurve: warning: Qt's Japanese translation, qtbase_ja, is not in %s;"
                     " Qt's own dialogs will speak English\n",
                     qUtf8Printable(folder));
    }
    std::setlocale(LC_MESSAGES, kJapaneseMessages);
}

} // namespace

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VorrelinCurve"));
    QApplication::setApplicationVersion(QStringLiteral(VORRELIN_VERSION_TEXT));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/vorrelincurve.xpm")));
    QLocale::setDefault(QLocale(QLocale::Japanese, QLocale::Japan));
    QTranslator japanese;
    SpeakJapanese(japanese);

    std::unique_ptr<vorrelin::Form1Window> window;
    try {
        window = std::make_unique<vorrelin::Form1Window>();
    } catch (const std::exception& error) {
        return StartFailed(error.what());
    }
    window->show();
    return QApplication::exec();
}
