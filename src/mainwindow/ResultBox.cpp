#include "mainwindow/ResultBox.h"

#include "mainwindow/InputHint.h"

#include <QPalette>

namespace stakewell::mainwindow {

ResultBox::ResultBox(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    QPalette white;
    white.setBrush(QPalette::Window, QBrush(Qt::white));
    setPalette(white);
}

ResultMarks::ResultMarks(QObject* parent) : QObject(parent) {}

void ResultMarks::Mark(QLabel* label, const QString& note) {
    if (!plain.contains(label)) {
        if (note.isEmpty()) {
            return;
        }
        plain.insert(label, Plain{label->palette(), label->toolTip(), label->autoFillBackground()});
    }
    const Plain& look = plain[label];
    if (note.isEmpty()) {
        label->setPalette(look.palette);
        label->setToolTip(look.toolTip);
        label->setAutoFillBackground(look.filled);
        plain.remove(label);
        return;
    }
    QPalette tinted = look.palette;
    tinted.setColor(QPalette::Window, InputHint::Tint());
    label->setPalette(tinted);
    label->setAutoFillBackground(true);
    label->setToolTip(note);
}

} // namespace stakewell::mainwindow
