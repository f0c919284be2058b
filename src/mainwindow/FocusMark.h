#pragma once

#include <QObject>

namespace stakewell::mainwindow {

// Draws a focus rectangle inside a control whose style shows no focus of
// its own (a scroll bar), so a user working by keyboard sees where the keys go.
class FocusMark : public QObject {
    Q_OBJECT

public:
    explicit FocusMark(QObject* parent = nullptr);

    void Watch(QWidget* control);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace stakewell::mainwindow
