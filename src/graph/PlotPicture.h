#pragma once

#include <QImage>
#include <QWidget>

namespace stakewell::graph {

// The drawing surface of the plot. Everything is drawn into a retained image
// at the screen's pixel density, so a repaint never has to run the refresh
// again and the cross-hair stays until the next refresh erases it.
class PlotPicture : public QWidget {
    Q_OBJECT

public:
    explicit PlotPicture(QWidget* parent = nullptr);

    // Erases the image to the background, resized to the widget first.
    void Clear();
    // The image to paint on, matching the widget's current size.
    QImage& Canvas();
    // Marks the image as changed so the next paint shows it.
    void Publish();

    static QColor Background();

signals:
    void MouseMoved(const QPointF& position);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    bool CanvasMatchesWidget() const;
    QImage canvas;
};

} // namespace stakewell::graph
