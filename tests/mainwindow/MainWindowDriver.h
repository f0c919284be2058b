#pragma once

#include "PutWork.h"
#include "mainwindow/frmMain.h"

#include <QLabel>
#include <QLineEdit>
#include <QString>

#include <memory>
#include <ostream>

// Works the real main window the way a user does: key by key into named
// fields, mouse clicks on named controls, and reads back what is shown.
class MainWindowDriver {
public:
    MainWindowDriver();
    // Works a window the program itself made and owns.
    explicit MainWindowDriver(stakewell::mainwindow::frmMain& shown);

    stakewell::mainwindow::frmMain& Window() { return *window; }

    QWidget* Control(const QString& name) const;
    QLineEdit* Field(const QString& name) const;
    QLabel* Label(const QString& name) const;

    // Empties the field with the keyboard, then types `text` one key at a time.
    void Type(const QString& name, const QString& text);
    // Types further keys after what the field already holds.
    void Append(const QString& name, const QString& text);
    void Backspace(const QString& name);
    void Click(const QString& name);
    // Clicks the tab of page Frame_<page>.
    void SelectTab(int page);
    // Clicks the tab of the page of that name.
    void SelectPage(const QString& page);

    QString Text(const QString& name) const;

private:
    std::unique_ptr<stakewell::mainwindow::frmMain> owned;
    stakewell::mainwindow::frmMain* window;
};

// The graph window in sight, or nothing.
QWidget* ShownGraphWindow();

// Shows a QString in a failure message as its text, not as its bytes.
void PrintTo(const QString& text, std::ostream* os);
