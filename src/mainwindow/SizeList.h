#pragma once

#include "shared/Units.h"

#include <QObject>
#include <QString>

#include <vector>

class QCompleter;
class QLineEdit;
class QStandardItemModel;

namespace stakewell::mainwindow {

struct CommonSize {
    // What goes into the box.
    QString Value;
    // What the list shows: the value with its unit, and an inch's fraction.
    QString Shown;
};

std::vector<CommonSize> RodDiameters(shared::UnitSystem units);
std::vector<CommonSize> RodLengths(shared::UnitSystem units);
// Gauges in imperial, cross-sections in mm² in metric.
std::vector<CommonSize> WireSizes(shared::UnitSystem units);

// The sizes rods and wires are commonly sold in, offered under a box as the
// user types. The Down key opens the whole list, so that a keyboard user can
// see it; anything else may still be typed.
class SizeList : public QObject {
    Q_OBJECT

public:
    explicit SizeList(QLineEdit& box);

    void Offer(const std::vector<CommonSize>& sizes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit& box;
    QStandardItemModel* model;
    QCompleter* completer;
};

} // namespace stakewell::mainwindow
