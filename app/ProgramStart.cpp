#include "ProgramStart.h"
#include "RecoveryOffer.h"

#include "ProgramIdentity.h"
#include "about/frmAbout.h"
#include "mainwindow/frmMain.h"

#include <QCommandLineParser>
#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>
#include <utility>

namespace stakewell::app {

StartRequest ReadCommandLine(QCoreApplication& app) {
    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromLatin1(stakewell::Description));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(
        QStringLiteral("file"),
        QStringLiteral("A data file to open instead of the state of the last run."),
        QStringLiteral("[file]"));
    // Handled before the application starts; listed here so that --help
    // tells of them.
    parser.addOptions({
        {QStringLiteral("report"),
         QStringLiteral("Print the text report of a data file and end, without a window."),
         QStringLiteral("file")},
        {QStringLiteral("analyse"),
         QStringLiteral("Print the fall-of-potential analysis of a data file and end."),
         QStringLiteral("file")},
        {QStringLiteral("pdf"),
         QStringLiteral("--pdf FILE OUT.pdf: write the test report of a data file as PDF and "
                        "end, without a window."),
         QStringLiteral("file")},
        {QStringLiteral("paper"),
         QStringLiteral("With --pdf: a4 or letter; the locale's paper unless given."),
         QStringLiteral("paper")},
        {QStringLiteral("e2"),
         QStringLiteral("With --report, --analyse or --pdf: the E2 distance in place of the "
                        "file's own, in feet or metres as the report gives its distances."),
         QStringLiteral("distance")},
        {QStringLiteral("units"),
         QStringLiteral("With --report, --analyse or --pdf: metric or imperial, to report the "
                        "work in those units in place of the file's own."),
         QStringLiteral("units")},
        {QStringLiteral("tolerance"),
         QStringLiteral("With --report or --analyse: the flatness tolerance in percent (5 "
                        "unless given)."),
         QStringLiteral("percent")},
        {QStringLiteral("soil"),
         QStringLiteral("Print the two-layer soil of a survey (a CSV file of readings, or a data "
                        "file that holds a survey), then the survey read as one to four layers, "
                        "and end."),
         QStringLiteral("file")},
        {QStringLiteral("array"),
         QStringLiteral("With --soil and a CSV file: wenner (spacing, resistance[, probe depth]) "
                        "or schlumberger (AB/2, MN, resistance); wenner unless given."),
         QStringLiteral("array")},
        {QStringLiteral("metres"),
         QStringLiteral("With --soil and a CSV file: the lengths are in metres, not feet.")},
        {QStringLiteral("rod"),
         QStringLiteral("With --soil: also the resistivity a rod of this length sees."),
         QStringLiteral("feet")},
        {QStringLiteral("layers"),
         QStringLiteral("With --soil: show the model of this many layers (1, 2, 3 or 4) in place "
                        "of the file's choice or the readings'."),
         QStringLiteral("n")},
    });
    parser.process(app);
    if (parser.isSet(QStringLiteral("e2")) || parser.isSet(QStringLiteral("tolerance")) ||
        parser.isSet(QStringLiteral("units"))) {
        std::fputs("--e2, --tolerance and --units go with --report or --analyse; --e2 and "
                   "--units also with --pdf.\n",
                   stderr);
        std::exit(2);
    }
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

// Work a run that did not close left behind is offered once the About box
// has gone and before the main window is made, so that the window is shown
// with whatever the user chose and never takes a keystroke before.
bool ProgramStart::Run() {
    bool opened = false;
    about::frmAbout about([&opened] { opened = true; });
    about.exec();
    if (!opened) {
        return false;
    }
    const std::optional<files::RecoveredWork> recovered =
        lastConfigFile.isEmpty() ? std::nullopt
                                 : OfferRecovery(files::RecoveryFileName(lastConfigFile));
    mainWindow = std::make_unique<mainwindow::frmMain>(lastConfigFile, request.DataFile);
    if (recovered) {
        mainWindow->Restore(*recovered);
    }
    mainWindow->show();
    return true;
}

} // namespace stakewell::app
