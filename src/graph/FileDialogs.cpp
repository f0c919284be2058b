#include "graph/FileDialogs.h"

#include <QDir>

namespace stakewell::graph {

void ConfigureFileDialog(QFileDialog& dialog, const FileDialogSettings& settings) {
    dialog.setWindowTitle(settings.title);
    dialog.setNameFilter(settings.filter);
    dialog.setDefaultSuffix(settings.defaultSuffix);
    dialog.setDirectory(QDir::currentPath());
    dialog.setAcceptMode(settings.mode);
    dialog.setFileMode(settings.mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                                : QFileDialog::AnyFile);
}

QString AskFileName(QWidget* parent, const FileDialogSettings& settings) {
    QFileDialog dialog(parent);
    ConfigureFileDialog(dialog, settings);
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    return dialog.selectedFiles().value(0);
}

} // namespace stakewell::graph
