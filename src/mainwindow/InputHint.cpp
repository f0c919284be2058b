#include "mainwindow/InputHint.h"

#include "calc/WireGauge.h"
#include "shared/NumberReading.h"
#include "shared/TextForm.h"

#include <QEvent>
#include <QLineEdit>
#include <QStringList>

namespace stakewell::mainwindow {

namespace {

QString OughtName(int gauge) {
    return QStringLiteral("%1/0").arg(1 - gauge);
}

} // namespace

InputHint::InputHint(QObject* parent) : QObject(parent) {}

QColor InputHint::Tint() {
    // Pale amber: plainly not the white of a field read in full, and the
    // black digits stay easy to read on it.
    return {0xFF, 0xE6, 0x9C};
}

std::optional<QString> InputHint::NumberHint(const QString& text) {
    const shared::NumberRead read = shared::ReadLeadingNumber(text.toStdString());
    if (read.readInFull) {
        // "2 5" is read as 25, which may not be what the user meant.
        if (read.blanksInside) {
            return tr("Read as %1: the blanks inside the number are skipped.")
                .arg(QString::fromStdString(shared::DoubleText(read.value)));
        }
        return std::nullopt;
    }
    if (!read.anyDigit) {
        return tr("Not a number: read as 0.");
    }
    return tr("Read as %1: the rest of the text is ignored.")
        .arg(QString::fromStdString(shared::DoubleText(read.value)));
}

std::optional<QString> InputHint::GaugeHint(const QString& text) {
    const calc::GaugeRead read = calc::ReadGauge(text.toStdString());
    if (read.readInFull) {
        return std::nullopt;
    }
    if (!read.anyDigit) {
        return tr("Not a gauge: read as gauge 1/0.");
    }
    const QString gauge = read.number <= 0 && read.number >= -3 ? OughtName(read.number)
                                                                : QString::number(read.number);
    return tr("Read as gauge %1: the rest of the text is ignored.").arg(gauge);
}

void InputHint::Note(QLineEdit* field, const QString& note) {
    if (notes.value(field) != note) {
        notes.insert(field, note);
        if (readers.contains(field)) {
            Refresh(field);
        }
    }
}

void InputHint::Recheck(QLineEdit* field) {
    if (readers.contains(field)) {
        Refresh(field);
    }
}

void InputHint::Watch(QLineEdit* field, const Reader& reader) {
    readers.insert(field, reader);
    plain.insert(field, Plain{field->palette(), field->toolTip()});
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, [this, field] { Refresh(field); });
    Refresh(field);
}

bool InputHint::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::ReadOnlyChange) {
        if (auto* field = qobject_cast<QLineEdit*>(watched)) {
            Refresh(field);
        }
    }
    return false;
}

void InputHint::Refresh(QLineEdit* field) {
    QStringList lines;
    if (!field->isReadOnly()) {
        if (const std::optional<QString> read = readers.value(field)(field->text())) {
            lines.append(*read);
        }
        if (const QString note = notes.value(field); !note.isEmpty()) {
            lines.append(note);
        }
    }
    const std::optional<QString> hint =
        lines.isEmpty() ? std::nullopt : std::optional(lines.join(u'\n'));
    const Plain& look = plain[field];
    if (!hint) {
        field->setPalette(look.palette);
        field->setToolTip(look.toolTip);
        return;
    }
    QPalette tinted = look.palette;
    tinted.setColor(QPalette::Base, Tint());
    field->setPalette(tinted);
    field->setToolTip(*hint);
}

} // namespace stakewell::mainwindow
