#include "mainwindow/ClickableLabel.h"

#include <QMouseEvent>

namespace stakewell::mainwindow {

void ClickableLabel::mouseReleaseEvent(QMouseEvent* event) {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        emit Clicked();
    }
}

} // namespace stakewell::mainwindow
