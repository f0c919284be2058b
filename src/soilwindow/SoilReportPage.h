#pragma once

#include "soil/SoilSurvey.h"

#include <QtGlobal>

#include <optional>

class QPainter;
class QRectF;

namespace stakewell::soilwindow {

// The survey's page of the test report: its readings by traverse, the plot
// with the fitted curves and their bands, the figures a design takes from it
// and the layered model's lines, with
// `rodFeet` the rod of the design's electrode length. `pixelWidth` is the
// device units of one pixel of a plain screen.
void PaintSoilReportPage(QPainter& painter, const QRectF& page, qreal pixelWidth,
                         const soil::SoilSurvey& survey, std::optional<soil::DesignRod> rod);

} // namespace stakewell::soilwindow
