#pragma once

#include <QObject>

namespace stakewell::mainwindow {

// A text box answers Ctrl+Z, Ctrl+Shift+Z and Ctrl+Y itself even when it has no
// typing to undo or redo. Watched boxes then hand those keys on to the
// window's own undo and redo of the work, so undoing the reading just added
// works from the box it was typed into.
class UndoKeyHandOver : public QObject {
    Q_OBJECT

public:
    explicit UndoKeyHandOver(QObject* parent = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace stakewell::mainwindow
