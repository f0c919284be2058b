#include "cli/FieldCommand.h"
#include "files/LastRun.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QStandardPaths>

#include <iostream>

int main(int argc, char* argv[]) {
    // --report and --analyse print and end before any window or display.
    if (const auto status = stakewellCli::RunFieldCommand(argc, argv, std::cout, std::cerr)) {
        return *status;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stakewell"));
    frmMain window(stakewellFiles::LastConfigFileName(
        QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)));
    window.show();
    return QApplication::exec();
}
