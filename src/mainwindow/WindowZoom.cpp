#include "mainwindow/WindowZoom.h"

#include <QLayout>

#include <algorithm>
#include <cmath>

namespace stakewell::mainwindow {
namespace {

int Scale(int length, double factor) {
    return static_cast<int>(std::lround(length * factor));
}

QFont Scaled(QFont font, double factor) {
    if (font.pointSizeF() > 0.0) {
        font.setPointSizeF(font.pointSizeF() * factor);
    } else if (font.pixelSize() > 0) {
        font.setPixelSize(Scale(font.pixelSize(), factor));
    }
    return font;
}

// The parts of a composite control (a tab widget's bar and pages, a table's
// headers) that the control places itself as it is resized.
bool LaidOutByParent(const QWidget& widget) {
    const QWidget* parent = widget.parentWidget();
    return widget.objectName().startsWith(QLatin1String("qt_")) ||
           (parent != nullptr &&
            (parent->layout() != nullptr || parent->inherits("QStackedWidget") ||
             parent->inherits("QAbstractScrollArea")));
}

} // namespace

WindowZoom::WindowZoom(QWidget& window) : window(window), baseSize(window.size()) {
    for (QWidget* widget : window.findChildren<QWidget*>()) {
        // Menus and child windows keep their own size.
        if (widget->window() == &window) {
            bases.push_back(
                {widget, widget->geometry(), widget->font(), !LaidOutByParent(*widget)});
        }
    }
}

bool WindowZoom::Set(int newPercent) {
    newPercent = std::clamp(newPercent, Steps.front(), Steps.back());
    if (newPercent == percent) {
        return false;
    }
    percent = newPercent;
    Apply();
    return true;
}

bool WindowZoom::In() {
    const auto* const next = std::upper_bound(Steps.begin(), Steps.end(), percent);
    return next != Steps.end() && Set(*next);
}

bool WindowZoom::Out() {
    const auto* const below = std::lower_bound(Steps.begin(), Steps.end(), percent);
    return below != Steps.begin() && Set(*(below - 1));
}

QPoint WindowZoom::Scaled(const QPoint& point) const {
    return {Scale(point.x(), Factor()), Scale(point.y(), Factor())};
}

void WindowZoom::Apply() {
    const double factor = Factor();
    // Fonts first: a label sized to its caption is then placed at its size.
    for (const Base& base : bases) {
        if (base.widget != nullptr) {
            base.widget->setFont(mainwindow::Scaled(base.font, factor));
        }
    }
    for (const Base& base : bases) {
        if (base.widget != nullptr && base.placed) {
            base.widget->setGeometry(
                Scale(base.geometry.x(), factor), Scale(base.geometry.y(), factor),
                Scale(base.geometry.width(), factor), Scale(base.geometry.height(), factor));
        }
    }
    window.setFixedSize(Scale(baseSize.width(), factor), Scale(baseSize.height(), factor));
}

} // namespace stakewell::mainwindow
