// The window's texts in the user's language: Qt's own (standard buttons) and
// Cambist's, compiled from translations/*.ts into the program's resources.
// Numbers are not translated: they keep the decimal point everywhere.
#pragma once

#include <QLocale>

class QCoreApplication;

namespace cambist {

// Installs the translators for locale; a language with no translation
// leaves the English texts. Answers whether Cambist's own was found.
bool installTranslations(QCoreApplication& application, const QLocale& locale = QLocale());

}  // namespace cambist
