#pragma once

#include "soil/SoilSurvey.h"
#include "soil/SurveyLayers.h"
#include "soilwindow/LayerFitter.h"
#include "work/SiteWork.h"

#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QTableWidgetItem;

namespace Ui {
class frmSoil;
}

namespace stakewell::soilwindow {

// Whether the table is to be filled afresh from a survey, or already shows
// it because the user has just typed the change into a cell.
enum class TableShows { Afresh, Already };

// The site's resistivity survey: its readings as typed, their plot with the
// two-layer fit and the layered model, the fits' figures and what the design
// can take from them. Every change of the survey is fitted at once, the
// layered model off the window's thread, and can be undone.
class frmSoil : public QWidget {
    Q_OBJECT

public:
    explicit frmSoil(work::SiteWork& work, QWidget* parent = nullptr);
    ~frmSoil() override;
    frmSoil(const frmSoil&) = delete;
    frmSoil& operator=(const frmSoil&) = delete;
    frmSoil(frmSoil&&) = delete;
    frmSoil& operator=(frmSoil&&) = delete;

    // Shows the work's survey afresh.
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

    // Whether the layered model of the survey shown is still being fitted.
    bool Fitting() const { return !layers; }

signals:
    // The layered model of the survey now shown has arrived and is shown.
    void LayersShown();

private:
    void ConnectHandlers();
    void ConnectKeys();
    void Show(work::Aspects aspects);
    void Change(const soil::SoilSurvey& after, TableShows shows = TableShows::Afresh);
    void Apply(const soil::SoilSurvey& survey, TableShows shows);
    void FillTable();
    void MarkCells();
    QString CellProblem() const;
    void ShowFigures();
    void ShowLayers(const soil::SurveyLayers& fitted);
    void ShowModels();
    void MarkOutliers();
    std::optional<soil::DesignRod> Rod() const;
    int InsertionRow() const;
    void InsertReadings(std::vector<soil::SoilReading> readings, int at);
    void TakeCsv(const std::string& text, const QString& source, std::optional<int> at);
    // Whether the user takes a figure from a fit graded poor or not assessed.
    bool FitTrusted(const QString& figure, const QString& whatFigure);
    void UseInDesign(const QString& figure);
    void UndoUse();

    void grdReadings_Change(QTableWidgetItem* item);
    void cmdAddRow_Click();
    void cmdRemoveRow_Click();
    void ChooseArray(soil::SoilArray array);
    void ChooseUnit(soil::LengthUnit unit);
    void ChooseLayers(int count); // 0 leaves it to the data

    std::unique_ptr<Ui::frmSoil> ui;
    work::SiteWork& work;
    work::WorkObservers::Subscription showing;
    // How the table shows the change under way.
    TableShows changeShows = TableShows::Afresh;
    soil::SoilAnalysis analysis;
    LayerFitter fitter;
    // None while the survey shown is being fitted.
    std::optional<soil::SurveyLayers> layers;
    QString meanFigure;
    QString midRangeFigure;
    QString rodFigure;
    // The uniform resistivities that give the design's totals in the fit.
    QString linearFigure;
    QString polygonFigure;
    // The design's earth resistivity before the last Use in Design, and what
    // that wrote, while it can still be put back.
    struct DesignUse {
        QString replaced;
        QString written;
    };
    std::optional<DesignUse> lastUse;
};

} // namespace stakewell::soilwindow
