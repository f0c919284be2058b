#include "mainwindow/LabelFitter.h"

#include <QFontMetricsF>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QToolTip>

#include <algorithm>

namespace stakewell::mainwindow {

namespace {

// A sliver of background on each side keeps the first and last digit clear of
// the border, so a cut can never pass for an edge.
constexpr double SidePadding = 2.0;
constexpr double PointStep = 0.25;

double RoomFor(const QLabel& label) {
    return label.contentsRect().width() - 2.0 * (SidePadding + label.margin());
}

// Some glyphs' ink reaches past their advance.
bool Fits(const QFont& font, const QString& text, double room) {
    const QFontMetricsF metrics(font);
    return std::max(metrics.horizontalAdvance(text), metrics.boundingRect(text).width()) <= room;
}

} // namespace

LabelFitter::LabelFitter(QObject* parent) : QObject(parent) {}

void LabelFitter::Watch(QLabel* label) {
    label->installEventFilter(this);
}

LabelFitter::Fit LabelFitter::FitOf(const QLabel& label) {
    Fit fit{label.font(), label.text()};
    const double room = RoomFor(label);
    if (Fits(fit.font, fit.shown, room)) {
        return fit;
    }
    fit.shrunk = true;
    const double start = fit.font.pointSizeF();
    for (double size = start - PointStep; size >= MinimumPointSize; size -= PointStep) {
        fit.font.setPointSizeF(size);
        if (Fits(fit.font, fit.shown, room)) {
            return fit;
        }
    }
    fit.font.setPointSizeF(std::min(start, MinimumPointSize));
    fit.elided = true;
    fit.shown = QFontMetricsF(fit.font).elidedText(fit.shown, Qt::ElideRight, room);
    return fit;
}

bool LabelFitter::eventFilter(QObject* watched, QEvent* event) {
    auto* label = qobject_cast<QLabel*>(watched);
    if (label == nullptr) {
        return false;
    }
    if (event->type() == QEvent::Paint) {
        const Fit fit = FitOf(*label);
        if (!fit.shrunk) {
            return false;
        }
        Paint(*label, fit);
        return true;
    }
    if (event->type() == QEvent::ToolTip) {
        const Fit fit = FitOf(*label);
        if (!fit.elided) {
            return false;
        }
        QString tip = label->text();
        if (!label->toolTip().isEmpty()) {
            tip += QStringLiteral("\n") + label->toolTip();
        }
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), tip, label);
        return true;
    }
    return false;
}

// What QLabel paints, with the fitted font and text.
void LabelFitter::Paint(QLabel& label, const Fit& fit) {
    QPainter painter(&label);
    QStyleOptionFrame frame;
    frame.initFrom(&label);
    frame.rect = label.frameRect();
    frame.lineWidth = label.lineWidth();
    frame.midLineWidth = label.midLineWidth();
    frame.frameShape = label.frameShape();
    if (label.frameShadow() == QFrame::Sunken) {
        frame.state |= QStyle::State_Sunken;
    } else if (label.frameShadow() == QFrame::Raised) {
        frame.state |= QStyle::State_Raised;
    }
    label.style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, &label);

    painter.setFont(fit.font);
    const QRect contents = label.contentsRect().marginsRemoved(
        QMargins(label.margin(), label.margin(), label.margin(), label.margin()));
    label.style()->drawItemText(
        &painter, contents, QStyle::visualAlignment(label.layoutDirection(), label.alignment()),
        label.palette(), label.isEnabled(), fit.shown, label.foregroundRole());
}

} // namespace stakewell::mainwindow
