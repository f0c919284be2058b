#pragma once

#include <QProxyStyle>

namespace stakewell::mainwindow {

// Tab captions in bold 9.75 pt must all fit across the tab strip's fixed
// width; the default padding around each caption would push the last tabs
// behind scroll arrows.
class CompactTabStyle : public QProxyStyle {
    Q_OBJECT

public:
    using QProxyStyle::QProxyStyle;

    int pixelMetric(PixelMetric metric, const QStyleOption* option = nullptr,
                    const QWidget* widget = nullptr) const override;
};

} // namespace stakewell::mainwindow
