#include "mainwindow/CompactTabStyle.h"

namespace stakewell::mainwindow {

int CompactTabStyle::pixelMetric(PixelMetric metric, const QStyleOption* option,
                                 const QWidget* widget) const {
    const int value = QProxyStyle::pixelMetric(metric, option, widget);
    if (metric == PM_TabBarTabHSpace) {
        return value / 4;
    }
    return value;
}

} // namespace stakewell::mainwindow
