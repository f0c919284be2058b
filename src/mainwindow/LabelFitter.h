#pragma once

#include <QFont>
#include <QObject>
#include <QString>

class QLabel;

namespace stakewell::mainwindow {

// Keeps a shown number whole. A label whose text does not fit is drawn in a
// smaller font, down to MinimumPointSize, and beyond that cut short with "…"
// and the whole text in its tool tip. The label's text itself never changes:
// other parts of the program read it back as computed.
class LabelFitter : public QObject {
    Q_OBJECT

public:
    static constexpr double MinimumPointSize = 7.0;

    struct Fit {
        QFont font;
        QString shown;
        bool shrunk = false;
        bool elided = false;
    };

    explicit LabelFitter(QObject* parent = nullptr);

    void Watch(QLabel* label);

    // How the label's current text is drawn in its current size.
    static Fit FitOf(const QLabel& label);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    static void Paint(QLabel& label, const Fit& fit);
};

} // namespace stakewell::mainwindow
