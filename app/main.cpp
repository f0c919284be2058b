#include "InterfaceLanguage.h"
#include "PdfCommand.h"
#include "ProgramStart.h"

#include "ProgramIdentity.h"
#include "cli/FieldCommand.h"
#include "files/LastRun.h"
#include "shared/ProcessMemory.h"

#include <QApplication>
#include <QLocale>
#include <QStandardPaths>

#include <iostream>

int main(int argc, char* argv[]) {
    stakewell::shared::KeepFreedMemoryForReuse();
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        arguments.append(QString::fromLocal8Bit(argv[i]));
    }
    // --pdf, --report and --analyse write and end before any window or display.
    if (const auto status = stakewell::app::RunPdfCommand(arguments, std::cerr)) {
        return *status;
    }
    if (const auto status = stakewell::cli::RunFieldCommand(arguments, std::cout, std::cerr)) {
        return *status;
    }
    QCoreApplication::setApplicationName(QString::fromLatin1(stakewell::ApplicationTitle));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(stakewell::Version));
    stakewell::app::StartRequest request;
    {
        // --help, --version and a mistaken command line are answered on the
        // console, where there may be no display to connect to.
        QCoreApplication console(argc, argv);
        request = stakewell::app::ReadCommandLine(console);
    }
    QApplication app(argc, argv);
    const stakewell::app::InterfaceLanguage language(QLocale::system());
    // Lets the desktop match the windows to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(stakewell::DesktopId));
    stakewell::app::ProgramStart start(
        stakewell::files::LastConfigFileName(
            QCoreApplication::applicationDirPath(),
            QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)),
        request);
    if (!start.Run()) {
        return 0;
    }
    return QApplication::exec();
}
