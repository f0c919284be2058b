#pragma once

#include "fop/FopAnalysis.h"
#include "graph/GraphCommands.h"
#include "graph/PlotPainting.h"
#include "graph/PlotScale.h"
#include "graph/PlotState.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <optional>

class QLabel;
class QMenu;
class QPainter;
class QPointF;

namespace Ui {
class frmGraph;
}

namespace stakewell::graph {

class ElidedLabel;

// The fall-of-potential plot window. It draws only when a refresh of the
// survey asks its host to, and asks for a refresh at every mouse move so the
// cross-hair is always painted over an up-to-date plot.
class frmGraph : public QWidget {
    Q_OBJECT

public:
    // Takes the stored placement. The refresh a new window's first resize
    // calls for is left to the owner: it reaches this window through the
    // owner, which cannot hand it out before construction ends.
    // `lastFrameMargins` is the owner's memory of the decoration around the
    // last framed graph window; this window reads and updates it.
    frmGraph(PlotState& state, QMargins& lastFrameMargins, QWidget* parent = nullptr);
    ~frmGraph() override;
    frmGraph(const frmGraph&) = delete;
    frmGraph& operator=(const frmGraph&) = delete;
    frmGraph(frmGraph&&) = delete;
    frmGraph& operator=(frmGraph&&) = delete;

    // Caption height in pixels: the real one once the window system has framed
    // the window, the style's before that.
    int TitleBarHeight() const;

    // The window's outer rectangle, frame included, in screen pixels.
    QRect OuterPlacement() const;
    // Moves the window's outer top-left corner there and keeps the placement.
    void MoveTo(const QPoint& outerTopLeft);

    // Grows the window to its least size in proportion to the main window's
    // zoom, so that the texts grown with it leave the plot its room.
    void SetSizeScale(double factor);
    // The least outer size the user may give the window.
    QSize MinimumOuterSize() const;
    // Gives the window that outer rectangle and keeps the placement.
    void PlaceAt(const QRect& outer);

    void ClearGraph();
    void ComputePlotExtents();
    void DrawGraph();

    // True once the user (or the program end) has closed this window; the host
    // then replaces it by a fresh hidden one.
    bool IsClosed() const { return bClosed; }

    // The owner's settings and hooks; without them the window keeps defaults
    // of its own and cannot change the point list.
    void UseCommands(GraphCommands& ownerCommands) { commands = &ownerCommands; }

    // The analysis of the last refresh.
    const fop::Result& Analysis() const { return analysis; }
    // The value of the analysis marker under a point of the picture, empty
    // when there is none within reach.
    QString MarkerTipAt(const QPointF& position) const;

    // The commands of the context menu and the window's keys.
    void CopyGraph();
    void SaveGraph(QString& fileName);
    void PasteReadings();
    void ImportReadings(QString& fileName);
    void ExportReadings(QString& fileName);
    void AskTolerance();
    // The whole analysis listing in a dialog of its own.
    void ShowDetails();
    void PrintReport();
    void SaveReportPdf(QString& fileName);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void ApplyStoredPlacement();
    void SettleStoredPlacement();
    void Form_Resize();
    void LayOutControls();
    void TakePlacement();
    void RememberFrameMargins();
    QMargins FrameMargins() const;
    QRect OuterGeometry() const;
    QSize OuterSizeAt(double scale) const;
    void FOPGraph_MouseMove(const QPointF& position);
    void DrawCrossHair(float x, float y);
    void ShowAnalysis();
    void RefreshSurvey() const;
    void SetUpCommands();
    std::function<void()> AskingFor(void (frmGraph::*routine)(QString&));
    void AddPaperMenu(QMenu& menu);
    void PaintSavedGraph(QPainter& painter, qreal pixelWidth) const;
    void TakeReadingsFrom(const std::string& text, const QString& source);
    void ShowContextMenu(const QPoint& globalPos);
    QPoint KeyboardMenuPlace() const;
    QString ListingText() const;

    std::unique_ptr<Ui::frmGraph> ui;
    QLabel* Panel_1 = nullptr;
    QLabel* Panel_2 = nullptr;
    ElidedLabel* Panel_3 = nullptr;
    PlotState& state;
    QMargins& lastFrameMargins;
    PlotSpans spans;
    fop::AnalysisCache analysisCache;
    fop::Result analysis;
    std::vector<Marker> markers;
    GraphCommands ownCommands;
    GraphCommands* commands = &ownCommands;
    struct UnframedPlacement {
        QRect outer;
        QMargins guessedMargins;
    };
    std::optional<UnframedPlacement> unframedPlacement;
    bool bInResize = false;
    bool bClosed = false;
};

} // namespace stakewell::graph
