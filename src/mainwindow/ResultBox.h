#pragma once

#include <QLabel>

namespace stakewell::mainwindow {

// A boxed result read-out. Results stand out on white whatever the window
// colour; the look is given here once instead of on every result label.
class ResultBox : public QLabel {
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);
};

} // namespace stakewell::mainwindow
