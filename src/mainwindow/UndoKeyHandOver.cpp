#include "mainwindow/UndoKeyHandOver.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace stakewell::mainwindow {

UndoKeyHandOver::UndoKeyHandOver(QObject* parent) : QObject(parent) {}

bool UndoKeyHandOver::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::ShortcutOverride) {
        return false;
    }
    auto* field = qobject_cast<QLineEdit*>(watched);
    auto* key = static_cast<QKeyEvent*>(event);
    if (field == nullptr) {
        return false;
    }
    const QKeyCombination combination = key->keyCombination();
    const bool undo = combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Z);
    const bool redo =
        combination == QKeyCombination(Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z) ||
        combination == QKeyCombination(Qt::ControlModifier, Qt::Key_Y);
    const bool handOver =
        (undo && !field->isUndoAvailable()) || (redo && !field->isRedoAvailable());
    if (handOver) {
        event->ignore();
    }
    return handOver;
}

} // namespace stakewell::mainwindow
