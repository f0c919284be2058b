#pragma once

#include "fop/FopPoints.h"
#include "shared/TypedNumber.h"
#include "work/SiteWork.h"

#include <QObject>
#include <QRect>
#include <QString>

#include <functional>
#include <vector>

class QLabel;

namespace Ui {
class frmMain;
}

namespace stakewell::mainwindow {

class InputHint;

// The fall-of-potential page: the reading to add, the list's browser and the
// E2 distance, in the work's unit of length. Add, Remove and Clear are
// commands on the work; the page shows the survey's read-outs at every
// refresh, before the graph plots it.
class FopPage : public QObject {
    Q_OBJECT

public:
    FopPage(Ui::frmMain& ui, work::SiteWork& work, InputHint& hints, QWidget& window);

    void cmdFOPAdd_Click();
    // Fits the unit captions to their frames again once a zoom has laid the
    // page out afresh.
    void FitUnitCaptions();

private:
    void Show(work::Aspects aspects);
    void ShowReadOuts();
    void ShowUnitCaptions();
    bool Metric() const;
    void cmdFOPRemove_Click();
    void cmdFOPClear_Click();
    void HScroll1_Change(int value);
    QString AddRefusalText(fop::AddRefusal refusal) const;
    QString AddedNotice(const shared::TypedNumber& distance, bool repeated) const;
    void ShowAddNotice(const QString& notice);

    Ui::frmMain& ui;
    work::SiteWork& work;
    InputHint& hints;
    work::WorkObservers::Subscription showing;
    fop::FopRefresh::Subscription readOuts;
    // Where the page had a widget, and where it was put to fit while the
    // page reads metres.
    struct Placed {
        QWidget* widget = nullptr;
        QRect laidOut;
        QRect fitted;
        // Puts it at `place` in metres and back where the page had it in feet,
        // unless a zoom has placed it since.
        void Fit(bool metric, const std::function<QRect(QRect)>& place);
    };
    // A unit caption with its text in feet, and the box it names when that
    // box takes a typed distance: in metres, whose figures are longer, the box
    // grows into the room the shorter caption leaves.
    struct Caption {
        QString feet;
        Placed label;
        Placed box;
    };
    std::vector<Caption> unitCaptions;
    // Whether the refresh under way writes the current point into the P2
    // boxes: a change of E2 alone leaves a reading typed there to be added.
    bool showCurrentPoint = true;
    bool writingE2 = false;
};

} // namespace stakewell::mainwindow
