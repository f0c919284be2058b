#include "mainwindow/ResultBox.h"

#include <QPalette>

ResultBox::ResultBox(QWidget* parent) : QLabel(parent) {
    setAutoFillBackground(true);
    QPalette white;
    white.setBrush(QPalette::Window, QBrush(Qt::white));
    setPalette(white);
}
