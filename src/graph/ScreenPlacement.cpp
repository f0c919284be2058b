#include "graph/ScreenPlacement.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>
#include <array>
#include <functional>
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

QRect BesidePlacement(const QRect& neighbour, const QSize& size, const QSize& least,
                      const QRect& screen, const QRect& keepClear) {
    constexpr int Gap = 8;
    const auto acrossTop = [&](const QSize& want) {
        return Within(neighbour.top(), want.height(), screen.top(), screen.height());
    };
    const auto alongLeft = [&](const QSize& want) {
        return Within(neighbour.left(), want.width(), screen.left(), screen.width());
    };
    // Right, left, below, above: the window of `want` on that side.
    const std::array<std::function<QRect(const QSize&)>, 4> sides{{
        [&](const QSize& want) {
            return QRect(QPoint(neighbour.right() + 1 + Gap, acrossTop(want)), want);
        },
        [&](const QSize& want) {
            return QRect(QPoint(neighbour.left() - Gap - want.width(), acrossTop(want)), want);
        },
        [&](const QSize& want) {
            return QRect(QPoint(alongLeft(want), neighbour.bottom() + 1 + Gap), want);
        },
        [&](const QSize& want) {
            return QRect(QPoint(alongLeft(want), neighbour.top() - Gap - want.height()), want);
        },
    }};
    const std::array<QSize, 4> rooms{{
        {screen.right() - neighbour.right() - Gap, screen.height()},
        {neighbour.left() - Gap - screen.left(), screen.height()},
        {screen.width(), screen.bottom() - neighbour.bottom() - Gap},
        {screen.width(), neighbour.top() - Gap - screen.top()},
    }};
    for (const auto& side : sides) {
        if (const QRect placed = side(size); screen.contains(placed)) {
            return placed;
        }
    }
    for (std::size_t i = 0; i < sides.size(); ++i) {
        const QSize want = size.boundedTo(rooms[i]);
        if (want.width() >= least.width() && want.height() >= least.height()) {
            return sides[i](want);
        }
    }
    QRect best;
    qint64 leastHidden = std::numeric_limits<qint64>::max();
    for (const auto& side : sides) {
        const QRect placed = side(size);
        const QRect held(QPoint(Within(placed.left(), size.width(), screen.left(), screen.width()),
                                Within(placed.top(), size.height(), screen.top(), screen.height())),
                         size);
        const QRect hidden = held.intersected(keepClear);
        const qint64 area = hidden.isEmpty() ? 0 : qint64{hidden.width()} * hidden.height();
        if (area < leastHidden) {
            leastHidden = area;
            best = held;
        }
    }
    return best;
}

} // namespace stakewell::graph
