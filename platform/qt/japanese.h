#pragma once

#include <QTranslator>

namespace vorrelin {

// Makes Qt's own dialogs, menus and message boxes speak the program's language whatever the
// system's locale, through Qt's Japanese translation, which `translator` loads and must outlive
// them; and asks the C library for its messages, a failure's reason among them, in Japanese,
// where the system has them. Without the translation, a warning on stderr and false: Qt's own
// texts stay English, and the program goes on.
bool SpeakJapanese(QTranslator& translator);

} // namespace vorrelin
