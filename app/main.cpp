#include "files/LastRun.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QStandardPaths>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stakewell"));
    frmMain window(stakewellFiles::LastConfigFileName(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
    window.show();
    return QApplication::exec();
}
