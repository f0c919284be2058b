#include "mainwindow/FocusMark.h"

#include <QEvent>
#include <QPainter>
#include <QWidget>

namespace stakewell::mainwindow {

namespace {

constexpr double Width = 2.0;

} // namespace

FocusMark::FocusMark(QObject* parent) : QObject(parent) {}

void FocusMark::Watch(QWidget* control) {
    control->installEventFilter(this);
}

bool FocusMark::eventFilter(QObject* watched, QEvent* event) {
    auto* control = qobject_cast<QWidget*>(watched);
    if (control == nullptr || event->type() != QEvent::Paint || !control->hasFocus()) {
        return false;
    }
    // The control paints itself first; the mark goes on top.
    watched->event(event);
    QPainter painter(control);
    painter.setPen(QPen(control->palette().color(QPalette::Highlight), Width));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(
        QRectF(control->rect()).adjusted(Width / 2.0, Width / 2.0, -Width / 2.0, -Width / 2.0));
    return true;
}

} // namespace stakewell::mainwindow
