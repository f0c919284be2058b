#pragma once

#include <QTranslator>

class QLocale;

namespace stakewell::app {

// The windows' texts, and the standard buttons of Qt's own dialogs, in the
// user's language while this lives. The texts are written in English, so an
// English user, or one whose language has no translation, gets them as they
// are. Only the windows use it: reports, files and the command line stay in
// English, for whoever reads them next.
class InterfaceLanguage {
public:
    explicit InterfaceLanguage(const QLocale& locale);

    // Whether the windows' texts are translated.
    bool Translated() const { return !program.isEmpty(); }

private:
    QTranslator program;
    QTranslator qtDialogs;
};

} // namespace stakewell::app
