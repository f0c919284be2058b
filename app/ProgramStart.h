#pragma once

#include <QString>

#include <memory>

class QCoreApplication;

namespace stakewell::mainwindow {
class frmMain;
}

namespace stakewell::app {

// What the command line asks of this run.
struct StartRequest {
    // A data file to open in place of the last run's state; empty for none.
    QString DataFile;
};

// Reads the command line of app. --help and --version are answered on the
// console and end the program, as does an option it does not know.
StartRequest ReadCommandLine(QCoreApplication& app);

// The program's start: the About box first, then the offer of work a run
// that did not close left behind, and the main window once the user has
// said OK to the About box.
class ProgramStart {
public:
    ProgramStart(QString lastConfigFile, StartRequest request);
    ~ProgramStart();
    ProgramStart(const ProgramStart&) = delete;
    ProgramStart& operator=(const ProgramStart&) = delete;
    ProgramStart(ProgramStart&&) = delete;
    ProgramStart& operator=(ProgramStart&&) = delete;

    // Shows the About box and waits for the user. True when OK opened the
    // main window, with any work the user chose to restore; false when the
    // box was closed with its close box, which leaves no window and so ends
    // the program.
    bool Run();

    mainwindow::frmMain* MainWindow() const { return mainWindow.get(); }

private:
    QString lastConfigFile;
    StartRequest request;
    std::unique_ptr<mainwindow::frmMain> mainWindow;
};

} // namespace stakewell::app
