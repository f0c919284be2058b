#pragma once

#include "files/RecoveryKeeper.h"
#include "work/SiteWork.h"

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

namespace stakewell::mainwindow {

// What the window does about work not yet saved: the "*" in its title, and
// the recovery file that keeps the work against a crash. Both follow every
// change of the work at a cost that does not grow with it.
class UnsavedWork : public QObject {
    Q_OBJECT

public:
    // Without a lastConfigFile nothing is kept against a crash.
    UnsavedWork(QWidget& window, work::SiteWork& work, const QString& lastConfigFile,
                std::function<files::RecoverySnapshot()> snapshot);
    ~UnsavedWork() override;
    UnsavedWork(const UnsavedWork&) = delete;
    UnsavedWork& operator=(const UnsavedWork&) = delete;
    UnsavedWork(UnsavedWork&&) = delete;
    UnsavedWork& operator=(UnsavedWork&&) = delete;

    // The title names this file from now on.
    void ShowFile(const QString& dataFileName);
    // The work is kept elsewhere at a normal close: the recovery file goes.
    void KeptElsewhere();

private:
    void Show(bool always);

    QWidget& window;
    work::SiteWork& work;
    QString fileName;
    bool titleUnsaved = false;
    std::unique_ptr<files::RecoveryKeeper> recovery;
    work::WorkObservers::Subscription observing;
};

} // namespace stakewell::mainwindow
