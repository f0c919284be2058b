#pragma once

#include "soil/SoilSurvey.h"
#include "soilwindow/LogScale.h"

#include <QRectF>
#include <QWidget>

#include <optional>
#include <vector>

namespace stakewell::soilwindow {

// Apparent resistivity against spacing on log-log axes: the readings, the
// fitted curve with its 68 % band, and each reading's misfit in a strip
// below. The mouse pointer's place is told as text.
class SoilPlot : public QWidget {
    Q_OBJECT

public:
    explicit SoilPlot(QWidget* parent = nullptr);

    void Show(const soil::SoilSurvey& survey, const soil::SoilAnalysis& analysis);

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
    void PaintAxes(QPainter& painter, const Frames& frames) const;
    void PaintCurve(QPainter& painter, const QRectF& frame) const;
    void PaintReadings(QPainter& painter, const QRectF& frame) const;
    void PaintLegend(QPainter& painter, const QRectF& frame) const;
    void PaintMisfits(QPainter& painter, const QRectF& frame) const;
    QPointF At(const QRectF& frame, double spacing, double ohmMetres) const;
    double InUnit(double metres) const;

    soil::SoilArray array = soil::SoilArray::Wenner;
    soil::LengthUnit unit = soil::LengthUnit::Feet;
    std::vector<soil::SoilPoint> points;
    std::optional<soil::SoilFit> fit;
    LogScale spacings{{}};
    LogScale resistivities{{}};
    std::optional<double> pointerX;
};

} // namespace stakewell::soilwindow
