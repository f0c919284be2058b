#include "about/DialogFont.h"

#include <QFont>
#include <QString>
#include <QStringList>

namespace stakewell::about {

void SubstituteDialogFont() {
    static const bool installed = [] {
        QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                                   {QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                                    QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")});
        return true;
    }();
    Q_UNUSED(installed);
}

} // namespace stakewell::about
