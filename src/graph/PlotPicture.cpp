#include "graph/PlotPicture.h"

#include <QMouseEvent>
#include <QPainter>

namespace stakewell::graph {

namespace {

// Beyond this many device pixels a side the image is not worth allocating;
// no screen shows it.
constexpr int LargestCanvasSide = 16384;

QSize DeviceSize(const QWidget& widget) {
    const qreal ratio = widget.devicePixelRatioF();
    const int width = qBound(0, qRound(widget.width() * ratio), LargestCanvasSide);
    const int height = qBound(0, qRound(widget.height() * ratio), LargestCanvasSide);
    return {width, height};
}

} // namespace

PlotPicture::PlotPicture(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor PlotPicture::Background() {
    // A pale blue-grey: light enough for black labels and dots, dark enough
    // for the white grid to stand out.
    return {0xB0, 0xBE, 0xCC};
}

bool PlotPicture::CanvasMatchesWidget() const {
    return canvas.size() == DeviceSize(*this) && canvas.devicePixelRatio() == devicePixelRatioF();
}

void PlotPicture::Clear() {
    if (!CanvasMatchesWidget()) {
        canvas = QImage(DeviceSize(*this), QImage::Format_ARGB32_Premultiplied);
        canvas.setDevicePixelRatio(devicePixelRatioF());
    }
    canvas.fill(Background());
    update();
}

QImage& PlotPicture::Canvas() {
    if (!CanvasMatchesWidget()) {
        Clear();
    }
    return canvas;
}

void PlotPicture::Publish() {
    update();
}

void PlotPicture::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    if (!CanvasMatchesWidget()) {
        // Between a resize and the refresh that follows it.
        painter.fillRect(rect(), Background());
    }
    painter.drawImage(QPointF(0.0, 0.0), canvas);
}

void PlotPicture::mouseMoveEvent(QMouseEvent* event) {
    emit MouseMoved(event->position());
    QWidget::mouseMoveEvent(event);
}

} // namespace stakewell::graph
