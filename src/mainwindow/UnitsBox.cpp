#include "mainwindow/UnitsBox.h"

#include <QAbstractItemView>
#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace stakewell::mainwindow {

UnitsBox::UnitsBox(QWidget* parent) : QComboBox(parent) {}

void UnitsBox::showPopup() {
    view()->setMinimumWidth(view()->sizeHintForColumn(0) +
                            style()->pixelMetric(QStyle::PM_ScrollBarExtent));
    QComboBox::showPopup();
}

void UnitsBox::paintEvent(QPaintEvent* /*event*/) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    option.currentText = option.currentText.section(QStringLiteral(" ("), 0, 0);
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

} // namespace stakewell::mainwindow
