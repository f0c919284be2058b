#pragma once

#include <QLabel>

namespace stakewell::graph {

// A one-line label that shortens its text with an ellipsis to the width it is
// given, instead of asking for the width of the whole text.
class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace stakewell::graph
