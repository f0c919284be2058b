#include "graph/ElidedLabel.h"

#include <QPainter>
#include <QStyle>

namespace stakewell::graph {

QSize ElidedLabel::minimumSizeHint() const {
    return {fontMetrics().averageCharWidth() * 4, QLabel::minimumSizeHint().height()};
}

QSize ElidedLabel::sizeHint() const {
    return minimumSizeHint();
}

void ElidedLabel::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    drawFrame(&painter);
    const QRect area = contentsRect().adjusted(indent(), 0, 0, 0);
    const QString shown = fontMetrics().elidedText(text(), Qt::ElideRight, area.width());
    style()->drawItemText(&painter, area, Qt::AlignLeft | Qt::AlignVCenter, palette(), isEnabled(),
                          shown, foregroundRole());
}

} // namespace stakewell::graph
