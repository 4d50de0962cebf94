#include "Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace cambist {

bool installTranslations(QCoreApplication& application, const QLocale& locale) {
    auto* qt = new QTranslator(&application);
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
    } else {
        delete qt;
    }
    auto* own = new QTranslator(&application);
    if (own->load(locale, QStringLiteral("cambist"), QStringLiteral("_"), QStringLiteral(":/i18n"))) {
        QCoreApplication::installTranslator(own);
        return true;
    }
    delete own;
    return false;
}

}  // namespace cambist
