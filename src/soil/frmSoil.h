#pragma once

#include "analysis/SoilSurvey.h"
#include "graph/SharedState.h"
#include "soil/DesignLink.h"
#include "soil/SurveyChange.h"

#include <QUndoStack>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QTableWidgetItem;

namespace Ui {
class frmSoil;
}

namespace stakewell::soil {

// The site's resistivity survey: its readings as typed, their plot with the
// two-layer fit, the fit's figures and what the design can take from them.
// Every change of the survey is fitted at once and can be undone.
class frmSoil : public QWidget {
    Q_OBJECT

public:
    frmSoil(graph::SharedState& state, DesignLink design, QWidget* parent = nullptr);
    ~frmSoil() override;
    frmSoil(const frmSoil&) = delete;
    frmSoil& operator=(const frmSoil&) = delete;
    frmSoil(frmSoil&&) = delete;
    frmSoil& operator=(frmSoil&&) = delete;

    // Shows the shared survey afresh. Its history is forgotten: the survey was
    // replaced from outside, and undoing back into another one would mix them.
    void ShowSurvey();
    // Shows again the figures that depend on the design's electrode length.
    void ShowEquivalents();

    // Each asks for the file name when fileName is empty and leaves the name
    // used in it. A file that cannot be read changes nothing, one that cannot
    // be written is left as it was; either is reported naming the file.
    void ImportCsv(QString& fileName);
    void ExportCsv(QString& fileName);
    // The clipboard's CSV text as new readings after the current one.
    void PasteReadings();

signals:
    // The shared survey now holds what the window shows.
    void SurveyChanged();

private:
    void ConnectHandlers();
    void ConnectKeys();
    void Change(analysis::SoilSurvey after, TableShows shows = TableShows::Afresh);
    void Apply(const analysis::SoilSurvey& survey, TableShows shows);
    void FillTable();
    void MarkCells();
    QString CellProblem() const;
    void ShowFigures();
    std::optional<double> RodFeet() const;
    int InsertionRow() const;
    void InsertReadings(std::vector<analysis::SoilReading> readings, int at);
    void TakeCsv(const std::string& text, const QString& source, std::optional<int> at);
    // Whether the user takes a figure from a fit graded poor or not assessed.
    bool FitTrusted();
    void UseInDesign(const QString& figure);
    void UndoUse();

    void grdReadings_Change(QTableWidgetItem* item);
    void cmdAddRow_Click();
    void cmdRemoveRow_Click();
    void ChooseArray(analysis::SoilArray array);
    void ChooseUnit(analysis::LengthUnit unit);

    std::unique_ptr<Ui::frmSoil> ui;
    graph::SharedState& state;
    DesignLink design;
    QUndoStack history;
    analysis::SoilAnalysis analysis;
    QString meanFigure;
    QString midRangeFigure;
    QString rodFigure;
    // The design's earth resistivity before the last Use in Design, and what
    // that wrote, while it can still be put back.
    struct DesignUse {
        QString replaced;
        QString written;
    };
    std::optional<DesignUse> lastUse;
};

} // namespace stakewell::soil
