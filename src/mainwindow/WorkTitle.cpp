#include "mainwindow/WorkTitle.h"

#include "ProgramIdentity.h"

#include <QFileInfo>

namespace stakewell::mainwindow {

QString WorkTitle(const QString& dataFileName, bool unsaved) {
    QString title = QString::fromLatin1(stakewell::ApplicationTitle);
    if (!dataFileName.isEmpty()) {
        title = QStringLiteral("%1 - %2").arg(QFileInfo(dataFileName).fileName(), title);
    }
    return unsaved ? u'*' + title : title;
}

} // namespace stakewell::mainwindow
