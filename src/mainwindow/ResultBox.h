#pragma once

#include <QHash>
#include <QLabel>
#include <QObject>
#include <QPalette>
#include <QString>

namespace stakewell::mainwindow {

// A boxed result read-out. Results stand out on white whatever the window
// colour; the look is given here once instead of on every result label.
class ResultBox : public QLabel {
    Q_OBJECT

public:
    explicit ResultBox(QWidget* parent = nullptr);
};

// Marks a result whose figure is to be taken with care, or that has none for
// a reason no input field shows: the amber of the input hints behind it, the
// reason in its tool tip.
class ResultMarks : public QObject {
    Q_OBJECT

public:
    explicit ResultMarks(QObject* parent = nullptr);

    // An empty note takes the mark away.
    void Mark(QLabel* label, const QString& note);

private:
    struct Plain {
        QPalette palette;
        QString toolTip;
        bool filled = false;
    };
    QHash<QLabel*, Plain> plain;
};

} // namespace stakewell::mainwindow
