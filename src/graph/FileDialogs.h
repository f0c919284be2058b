#pragma once

#include <QFileDialog>
#include <QString>

class QWidget;

namespace stakewell::graph {

// How a command asks for a file name. Both windows ask through here, so
// every dialog starts in the working folder, offers its own filter and
// extension, asks for an existing file to open and before replacing one.
struct FileDialogSettings {
    QString title;
    QString filter; // entries separated by ";;"
    QString defaultSuffix;
    QFileDialog::AcceptMode mode;
};

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogSettings& settings);

// The name chosen in a dialog set up so, empty when it was cancelled.
QString AskFileName(QWidget* parent, const FileDialogSettings& settings);

} // namespace stakewell::graph
