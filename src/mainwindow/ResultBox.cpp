#include "mainwindow/ResultBox.h"

#include <QPalette>

namespace stakewell::mainwindow {

ResultBox::ResultBox(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    QPalette white;
    white.setBrush(QPalette::Window, QBrush(Qt::white));
    setPalette(white);
}

} // namespace stakewell::mainwindow
