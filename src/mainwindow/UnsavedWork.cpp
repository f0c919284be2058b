#include "mainwindow/UnsavedWork.h"

#include "files/RecoveryFile.h"
#include "mainwindow/WorkTitle.h"

#include <QUndoStack>
#include <QWidget>

#include <utility>

namespace stakewell::mainwindow {

UnsavedWork::UnsavedWork(QWidget& window, work::SiteWork& work, const QString& lastConfigFile,
                         std::function<files::RecoverySnapshot()> snapshot)
    : QObject(&window), window(window), work(work),
      observing(work.Observe([this](work::Aspects) { Show(false); })) {
    if (!lastConfigFile.isEmpty()) {
        recovery = std::make_unique<files::RecoveryKeeper>(files::RecoveryFileName(lastConfigFile),
                                                           std::move(snapshot));
    }
    // A command tells its change before the history has taken it.
    connect(&work.History(), &QUndoStack::cleanChanged, this, [this] { Show(false); });
}

UnsavedWork::~UnsavedWork() = default;

void UnsavedWork::ShowFile(const QString& dataFileName) {
    fileName = dataFileName;
    Show(true);
}

void UnsavedWork::KeptElsewhere() {
    if (recovery) {
        recovery->Remove();
    }
}

// Telling the keeper costs no more than starting its timer: the work is
// copied and written once its delay has passed, off the keystroke.
void UnsavedWork::Show(bool always) {
    const bool unsaved = work.Unsaved();
    if (always || unsaved != titleUnsaved) {
        titleUnsaved = unsaved;
        window.setWindowTitle(WorkTitle(fileName, unsaved));
    }
    if (!recovery) {
        return;
    }
    if (unsaved) {
        recovery->WorkChanged();
    } else {
        recovery->WorkSaved();
    }
}

} // namespace stakewell::mainwindow
