#include "InterfaceLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace stakewell::app {

InterfaceLanguage::InterfaceLanguage(const QLocale& locale) {
    // The user's languages in order of preference: the first one that is
    // English or translated wins, so that English before Spanish stays English.
    for (const QString& name : locale.uiLanguages()) {
        const QLocale language(name);
        if (language.language() == QLocale::English) {
            return;
        }
        if (program.load(language, QStringLiteral("stakewell"), QStringLiteral("_"),
                         QStringLiteral(":/translations"))) {
            QCoreApplication::installTranslator(&program);
            // Missing when the system's Qt translations are not installed:
            // the dialogs' standard buttons then stay in English.
            if (qtDialogs.load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                QCoreApplication::installTranslator(&qtDialogs);
            }
            return;
        }
    }
}

} // namespace stakewell::app
