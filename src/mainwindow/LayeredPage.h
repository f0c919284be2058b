#pragma once

#include "mainwindow/LayeredFigures.h"
#include "work/SiteWork.h"

#include <QObject>

#include <array>

class QLineEdit;

namespace Ui {
class frmMain;
}

namespace stakewell::mainwindow {

class LayeredDesigner;

// The page that shows the design in two-layer soil beside the uniform one:
// the model typed or taken from the survey, the table of both designs'
// resistances and the equivalent resistivities the design can take. The
// two-layer figures follow the work off the window's thread; until the
// newest are in, the last ones shown stay greyed and cannot be used.
class LayeredPage : public QObject {
    Q_OBJECT

public:
    LayeredPage(Ui::frmMain& ui, work::SiteWork& work, QWidget& window);

private:
    void SetUpTable();
    void ConnectControls();
    void Show(work::Aspects aspects);
    void ShowModel();
    static QString SourceText(const work::SoilModel& model);
    void ShowUniform();
    void Recompute();
    void ShowFigures(const LayeredFigures& figures);
    void ShowPending(bool pending);
    void ShowEquivalents(const QString& linear, const QString& polygon);

    Ui::frmMain& ui;
    work::SiteWork& work;
    LayeredDesigner* designer;
    std::array<QLineEdit*, work::SoilModelTextCount> boxes{};
    QString linearEquivalent;
    QString polygonEquivalent;
    work::WorkObservers::Subscription showing;
    // While the page writes its boxes from the work, their change is no typing.
    bool writing = false;
};

} // namespace stakewell::mainwindow
