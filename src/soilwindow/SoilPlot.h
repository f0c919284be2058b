#pragma once

#include "soil/SoilSurvey.h"
#include "soil/SurveyLayers.h"
#include "soilwindow/LogScale.h"

#include <QRectF>
#include <QWidget>

#include <optional>
#include <vector>

namespace stakewell::soilwindow {

// Apparent resistivity against spacing on log-log axes: the readings, each
// traverse with its own marker, those left out hollow and the outliers
// ringed; the two-layer curve and the layered model's, each with its 68 %
// band, and on request each traverse's own model; each reading's misfit from
// the layered model shown (from the two-layer one until there is such a
// model) in a strip below, those left out grey. The mouse pointer's place is told as text.
class SoilPlot : public QWidget {
    Q_OBJECT

public:
    explicit SoilPlot(QWidget* parent = nullptr);

    // Shows the survey without a layered model until ShowLayers gives it one.
    void Show(const soil::SoilSurvey& survey, const soil::SoilAnalysis& analysis);
    void ShowLayers(const soil::SurveyLayers& layers);
    void ShowOwnModels(bool shown);

    // What the pointer at `position` points at: spacing, the value under it
    // and the curve's value there; empty outside the plot or without points.
    QString ReadOutAt(const QPointF& position) const;

signals:
    void ReadOutChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Frames {
        QRectF curve;
        QRectF misfit;
    };
    static Frames FramesOf(const QRectF& area);
    double MisfitSpan() const;
    const std::vector<double>& ShownMisfits() const;
    void PaintAxes(QPainter& painter, const Frames& frames) const;
    void PaintCurve(QPainter& painter, const QRectF& frame) const;
    void PaintReadings(QPainter& painter, const QRectF& frame) const;
    void PaintLayeredCurve(QPainter& painter, const QRectF& frame) const;
    void PaintOwnModels(QPainter& painter, const QRectF& frame) const;
    void PaintLegend(QPainter& painter, const QRectF& frame) const;
    QRectF LegendBox(const QRectF& frame, const QSizeF& size) const;
    void Rescale();
    void PaintMisfits(QPainter& painter, const QRectF& frame) const;
    // The layered model's apparent resistivity at a spacing within its curve.
    std::optional<double> LayeredAt(double metres) const;
    QPointF At(const QRectF& frame, double spacing, double ohmMetres) const;
    double InUnit(double metres) const;

    soil::SoilArray array = soil::SoilArray::Wenner;
    soil::LengthUnit unit = soil::LengthUnit::Feet;
    std::vector<soil::SoilPoint> points;
    std::optional<soil::SoilFit> fit;
    // The traverses by name in the order they first appear, and for each
    // point its traverse and whether it is left out or an outlier.
    std::vector<std::string> traverseNames;
    std::vector<std::size_t> traverseOf;
    std::vector<bool> leftOut;
    std::vector<bool> outliers;
    std::vector<double> layeredResiduals; // percent, one a point
    std::size_t layeredCount = 0;
    std::vector<soil::LayeredCurvePoint> layeredCurve;
    struct OwnModel {
        std::size_t traverse = 0;
        std::vector<soil::SoilPoint> curve;
    };
    std::vector<OwnModel> ownModels;
    bool ownModelsShown = false;
    LogScale spacings{{}};
    LogScale resistivities{{}};
    std::optional<double> pointerX;
};

} // namespace stakewell::soilwindow
