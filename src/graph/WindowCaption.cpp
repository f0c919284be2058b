#include "graph/WindowCaption.h"

#include <QStyle>
#include <QWidget>

namespace stakewell::graph {

std::optional<QMargins> FrameMarginsOf(const QWidget& window) {
    const QRect outer = window.frameGeometry();
    const QRect inner = window.geometry();
    if (outer == inner) {
        return std::nullopt;
    }
    return QMargins(inner.left() - outer.left(), inner.top() - outer.top(),
                    outer.right() - inner.right(), outer.bottom() - inner.bottom());
}

int CaptionHeight(const QWidget& window, const std::optional<QMargins>& frame) {
    if (frame) {
        const int caption = frame->top() - frame->bottom();
        if (caption > 0) {
            return caption;
        }
    }
    return window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
}

} // namespace stakewell::graph
