#include "mainwindow/frmMain.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stakewell"));
    frmMain window;
    window.show();
    return QApplication::exec();
}
