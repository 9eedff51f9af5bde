#include "platform/qt/japanese.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <clocale>
#include <cstdio>

namespace vorrelin {

namespace {

// Qt's translation file, in its folder of translations, and the locale of the C library's
// messages.
constexpr const char* kQtJapanese = "qtbase_ja";
constexpr const char* kJapaneseMessages = "ja_JP.UTF-8";

} // namespace

bool SpeakJapanese(QTranslator& translator) {
    std::setlocale(LC_MESSAGES, kJapaneseMessages);
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!translator.load(QString::fromLatin1(kQtJapanese), folder)) {
        std::fprintf(stderr,
                     "vorrelincurve: warning: Qt's Japanese translation, %s, is not in %s;"
                     " Qt's own dialogs will speak English\n",
                     kQtJapanese, qUtf8Printable(folder));
        return false;
    }
    return QCoreApplication::installTranslator(&translator);
}

} // namespace vorrelin
