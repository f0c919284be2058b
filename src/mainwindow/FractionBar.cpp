#include "mainwindow/FractionBar.h"

#include <QPainter>
#include <QPen>

namespace stakewell::mainwindow {

FractionBar::FractionBar(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void FractionBar::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 2.0));
    painter.drawLine(QPointF(1.0, height() - 1.0), QPointF(width() - 1.0, 1.0));
}

} // namespace stakewell::mainwindow
