#pragma once

#include <QComboBox>

namespace stakewell::mainwindow {

// The choice of unit system, set in the one corner every page leaves free:
// too narrow for the systems' full names, so the closed box shows the name
// alone and the open list the units each one means.
class UnitsBox : public QComboBox {
    Q_OBJECT

public:
    explicit UnitsBox(QWidget* parent = nullptr);

    void showPopup() override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace stakewell::mainwindow
