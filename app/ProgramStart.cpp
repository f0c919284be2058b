#include "ProgramStart.h"

#include "ProgramIdentity.h"
#include "about/frmAbout.h"
#include "mainwindow/frmMain.h"

#include <QApplication>
#include <QCommandLineParser>

#include <cstdio>
#include <cstdlib>
#include <utility>

StartRequest ReadCommandLine(QApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(stakewellProgram::Description));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A data file to open instead of the state of the last run."),
        QStringLiteral("[file]"));
    parser.process(app);
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        std::fputs(qPrintable(QStringLiteral("Stakewell opens one data file at a time.\n\n") +
                              parser.helpText()),
                   stderr);
        std::exit(1);
    }
    return StartRequest{files.value(0)};
}

ProgramStart::ProgramStart(QString lastConfigFile, StartRequest request)
    : lastConfigFile(std::move(lastConfigFile)), request(std::move(request)) {}

ProgramStart::~ProgramStart() = default;

bool ProgramStart::Run() {
    frmAbout about([this] {
        if (!mainWindow) {
            mainWindow = std::make_unique<frmMain>(lastConfigFile, request.DataFile);
        }
        mainWindow->show();
    });
    about.exec();
    return mainWindow != nullptr;
}
