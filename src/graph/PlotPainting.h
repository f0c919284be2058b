#pragma once

#include "fop/FopAnalysis.h"
#include "graph/PlotScale.h"
#include "graph/PlotState.h"

#include <QPointF>
#include <QString>

#include <vector>

class QPainter;
class QRectF;

// The fall-of-potential plot painted onto any surface: the window's picture,
// an image, an SVG drawing or a printed page.
namespace stakewell::graph {

// A marker of the curve analysis where the pointer can ask for its value.
struct Marker {
    QPointF At; // on the painted area
    QString Tip;
};

// The window's own plot, or the one that leaves the program as a picture or
// on paper: a frame with round ticks, axis titles and a legend, every reading
// inside the frame and no current point, as a reader of it has no pointer.
enum class PlotLook { Window, Output };

// Paints the grid, the 62% line and the readings with the limits of the
// last refresh into `area`, then the analysis markers over them; returns the
// markers. `pixelWidth` is how many device units one pixel of a plain screen
// covers, so that lines keep their look on dense screens and on paper.
std::vector<Marker> PaintPlot(QPainter& painter, const QRectF& area, qreal pixelWidth,
                              const PlotState& state, const PlotSpans& spans,
                              const fop::Result& analysis, PlotLook look = PlotLook::Window);

// The green cross-hair of the mouse read-out through the user point (x, y).
void PaintCrossHair(QPainter& painter, const QRectF& area, qreal pixelWidth,
                    const PlotExtents& plot, float x, float y);

} // namespace stakewell::graph
