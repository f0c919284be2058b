#include "mainwindow/WorkTitle.h"

#include "ProgramIdentity.h"
#include "files/DataFile.h"

#include <QFileInfo>

namespace stakewell::mainwindow {

QString WorkTitle(const QString& dataFileName, bool unsaved) {
    QString title = QString::fromLatin1(stakewell::ApplicationTitle);
    if (!dataFileName.isEmpty()) {
        title = QStringLiteral("%1 - %2").arg(QFileInfo(dataFileName).fileName(), title);
    }
    return unsaved ? u'*' + title : title;
}

bool SameWork(const files::DataFileContent& one, const files::DataFileContent& other) {
    return one.FieldTexts == other.FieldTexts && one.FOPPoints == other.FOPPoints &&
           one.Choices == other.Choices && one.Soil == other.Soil && one.Site == other.Site;
}

} // namespace stakewell::mainwindow
