#pragma once

#include <QWidget>

namespace stakewell::mainwindow {

// The slanted bar between a numerator (upper left) and a denominator (lower
// right). It lies beneath the two boxes and lets every mouse event through.
class FractionBar : public QWidget {
    Q_OBJECT

public:
    explicit FractionBar(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace stakewell::mainwindow
