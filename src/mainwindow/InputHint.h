#pragma once

#include <QHash>
#include <QObject>
#include <QPalette>
#include <QString>

#include <functional>
#include <optional>

class QLineEdit;

namespace stakewell::mainwindow {

// Says why a field reads as it does. While part of a field's text is not read
// (the number ends at "100,5"'s comma, "abc" reads as 0, "2 5" reads as 25)
// the field is tinted and its tool tip tells the value used; so it is while
// the field holds a note of what the calculation lacks from it. A read-only
// field shows no hint: the program writes it, the user does not type there.
class InputHint : public QObject {
    Q_OBJECT

public:
    // The hint for a text, or nothing when the whole text is read.
    using Reader = std::function<std::optional<QString>(const QString&)>;

    explicit InputHint(QObject* parent = nullptr);

    void Watch(QLineEdit* field, const Reader& reader);
    // What the results lack from a watched field; empty when nothing.
    void Note(QLineEdit* field, const QString& note);
    // Reads a watched field again when its reader would answer otherwise for
    // the same text, as a box read in the work's units does once they change.
    void Recheck(QLineEdit* field);

    static std::optional<QString> NumberHint(const QString& text);
    static std::optional<QString> GaugeHint(const QString& text);
    static QColor Tint();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct Plain {
        QPalette palette;
        QString toolTip;
    };
    void Refresh(QLineEdit* field);

    QHash<QLineEdit*, Reader> readers;
    QHash<QLineEdit*, Plain> plain;
    QHash<QLineEdit*, QString> notes;
};

} // namespace stakewell::mainwindow
