#include "mainwindow/SizeList.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLineEdit>
#include <QStandardItemModel>

namespace stakewell::mainwindow {

namespace {

// The value the completer matches and inserts; the display role shows more.
constexpr int ValueRole = Qt::UserRole;

std::vector<CommonSize> WithUnit(std::initializer_list<const char*> values, const QString& unit) {
    std::vector<CommonSize> sizes;
    for (const char* value : values) {
        const QString text = QString::fromLatin1(value);
        sizes.push_back({text, text + u' ' + unit});
    }
    return sizes;
}

} // namespace

std::vector<CommonSize> RodDiameters(shared::UnitSystem units) {
    if (units == shared::UnitSystem::Metric) {
        return WithUnit({"12.7", "14.2", "16", "17.2", "20"}, QStringLiteral("mm"));
    }
    return {{QStringLiteral("0.5"), QStringLiteral("0.5 (1/2 in)")},
            {QStringLiteral("0.625"), QStringLiteral("0.625 (5/8 in)")},
            {QStringLiteral("0.75"), QStringLiteral("0.75 (3/4 in)")}};
}

std::vector<CommonSize> RodLengths(shared::UnitSystem units) {
    if (units == shared::UnitSystem::Metric) {
        return WithUnit({"1.5", "2.4", "3"}, QStringLiteral("m"));
    }
    return WithUnit({"8", "10"}, QStringLiteral("ft"));
}

std::vector<CommonSize> WireSizes(shared::UnitSystem units) {
    if (units == shared::UnitSystem::Metric) {
        return WithUnit({"16", "25", "35", "50", "70", "95", "120"}, QStringLiteral("mm²"));
    }
    return WithUnit({"6", "4", "2", "1/0", "2/0", "4/0"}, QStringLiteral("AWG"));
}

SizeList::SizeList(QLineEdit& box)
    : QObject(&box), box(box), model(new QStandardItemModel(this)),
      completer(new QCompleter(model, this)) {
    completer->setCompletionRole(ValueRole);
    completer->setCaseSensitivity(Qt::CaseInsensitive);
    box.setCompleter(completer);
    box.installEventFilter(this);
}

void SizeList::Offer(const std::vector<CommonSize>& sizes) {
    model->clear();
    for (const CommonSize& size : sizes) {
        auto* item = new QStandardItem(size.Shown);
        item->setData(size.Value, ValueRole);
        model->appendRow(item);
    }
}

bool SizeList::eventFilter(QObject* /*watched*/, QEvent* event) {
    if (event->type() != QEvent::KeyPress || box.isReadOnly() || completer->popup()->isVisible()) {
        return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Down || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        return false;
    }
    completer->setCompletionPrefix(QString());
    completer->complete();
    return true;
}

} // namespace stakewell::mainwindow
