#pragma once

#include "soil/SoilSurvey.h"

#include <QtGlobal>

#include <optional>

class QPainter;
class QRectF;

namespace stakewell::soilwindow {

// The survey's page of the test report: its readings, the plot with the
// fitted curve and its band, and the figures a design takes from it, with
// `rodFeet` the rod of the design's electrode length. `pixelWidth` is the
// device units of one pixel of a plain screen.
void PaintSoilReportPage(QPainter& painter, const QRectF& page, qreal pixelWidth,
                         const soil::SoilSurvey& survey, std::optional<double> rodFeet,
                         soil::LengthUnit rodUnit = soil::LengthUnit::Feet);

} // namespace stakewell::soilwindow
