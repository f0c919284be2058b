#pragma once

#include "calc/DesignSheet.h"
#include "work/SiteWork.h"

#include <QObject>

#include <array>

class QLabel;
class QLineEdit;

namespace Ui {
class frmMain;
}

namespace stakewell::mainwindow {

class InputHint;
class ResultMarks;

// The design pages of the main window: the fields the user types the design
// into, the wire choices, the results with their marks, and the fraction
// converter beside the diameter. Typing changes the work; every change of
// the work's design is shown here.
class DesignPage : public QObject {
    Q_OBJECT

public:
    // Starts the work from what the form shows.
    DesignPage(Ui::frmMain& ui, work::SiteWork& work, InputHint& hints, QWidget& window);

    // The fraction boxes are a converter beside the diameter: after a load
    // they show the loaded diameter, never a size the file knows nothing of.
    void ShowDiameterFraction();
    const std::array<QLabel*, calc::SheetResultCount>& ResultLabels() const { return labels; }

signals:
    // Each time the results are shown afresh.
    void Recalculated();

private:
    void StartWork();
    void ConnectFields();
    void Show(work::Aspects aspects);
    void ShowWireChoices();
    void ShowResults();
    void Fraction_Change();
    void lbResult_Click();

    Ui::frmMain& ui;
    work::SiteWork& work;
    InputHint& hints;
    ResultMarks* marks;
    // The window's part of the design sheet, in the order of its table.
    std::array<QLineEdit*, calc::SheetInputCount> fields{};
    std::array<QLabel*, calc::SheetResultCount> labels{};
    work::WorkObservers::Subscription showing;
    // The choices the option buttons and the boxes show.
    int sizeShown = 0;
    int lengthShown = 0;
    // While the page writes its fields from the work, their change is no typing.
    bool writing = false;
};

} // namespace stakewell::mainwindow
