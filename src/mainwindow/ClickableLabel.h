#pragma once

#include <QLabel>

namespace stakewell::mainwindow {

// A label that reports a click, the way the fraction result invites the user
// to copy it: the click fires on release, so each half of a double-click fires.
class ClickableLabel : public QLabel {
    Q_OBJECT

public:
    using QLabel::QLabel;

signals:
    void Clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

} // namespace stakewell::mainwindow
