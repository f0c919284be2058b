#include "graph/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <limits>

namespace stakewell::graph {

namespace {

// Enough of the caption to grab with the mouse.
constexpr int GrabWidth = 32;
constexpr int GrabHeight = 8;

constexpr int SmallestSideLimit = 2048;
constexpr int LargestSideLimit = 16384;

bool Grabbable(const QRect& outer, const QRect& screen) {
    const QRect caption(outer.topLeft(), QSize(outer.width(), GrabHeight));
    const QRect shown = caption.intersected(screen);
    return shown.width() >= std::min(GrabWidth, outer.width()) && shown.height() >= GrabHeight;
}

qint64 DistanceSquared(const QRect& outer, const QRect& screen) {
    const QPoint centre = outer.center();
    const qint64 dx = std::max(
        {qint64{screen.left()} - centre.x(), qint64{0}, qint64{centre.x()} - screen.right()});
    const qint64 dy = std::max(
        {qint64{screen.top()} - centre.y(), qint64{0}, qint64{centre.y()} - screen.bottom()});
    return dx * dx + dy * dy;
}

int Within(int position, int length, int first, int extent) {
    return std::max(first, std::min(position, first + extent - length));
}

} // namespace

QPoint OnNearestScreen(const QRect& outer) {
    const QList<QScreen*> screens = QGuiApplication::screens();
    QRect nearest;
    qint64 nearestDistance = std::numeric_limits<qint64>::max();
    for (const QScreen* screen : screens) {
        const QRect area = screen->availableGeometry();
        if (Grabbable(outer, area)) {
            return outer.topLeft();
        }
        const qint64 distance = DistanceSquared(outer, area);
        if (distance < nearestDistance) {
            nearestDistance = distance;
            nearest = area;
        }
    }
    if (nearest.isNull()) {
        return outer.topLeft();
    }
    return {Within(outer.left(), outer.width(), nearest.left(), nearest.width()),
            Within(outer.top(), outer.height(), nearest.top(), nearest.height())};
}

QSize LargestWindowSize(const QScreen* screen) {
    const QSize desktop = screen != nullptr ? screen->virtualSize() : QSize();
    const auto limit = [](int side) {
        return std::clamp(side, SmallestSideLimit, LargestSideLimit);
    };
    return {limit(desktop.width()), limit(desktop.height())};
}

} // namespace stakewell::graph
