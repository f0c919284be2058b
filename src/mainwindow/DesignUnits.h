#pragma once

#include "work/SiteWork.h"

#include <QObject>
#include <QString>

#include <vector>

class QWidget;

namespace Ui {
class frmMain;
}

namespace stakewell::mainwindow {

class InputHint;
class SizeList;

// The design in the work's unit system: the choice of units, the unit named
// beside each length box and result, the wire's size option (a gauge in
// imperial, a cross-section in metric) and the common sizes offered.
class DesignUnits : public QObject {
    Q_OBJECT

public:
    DesignUnits(Ui::frmMain& ui, work::SiteWork& work, InputHint& hints, QWidget& window);

    // After a zoom, which sizes every box as the form has it.
    void FitE2Box();

private:
    struct Caption {
        QWidget* widget;
        // The form's own text, in the window's language.
        QString imperial;
        QString metric;
    };
    void AddCaption(QWidget* widget, const QString& metric);
    void Show();

    Ui::frmMain& ui;
    work::SiteWork& work;
    InputHint& hints;
    std::vector<Caption> captions;
    SizeList* rodDiameters;
    SizeList* rodLengths;
    SizeList* wireSizes;
    // The four-point E2 box as the form has it, before any zoom.
    int e2Width;
    double e2PointSize;
    work::WorkObservers::Subscription showing;
};

} // namespace stakewell::mainwindow
