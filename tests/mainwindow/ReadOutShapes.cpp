#include "ReadOutShapes.h"

#include <QLabel>
#include <QRegularExpression>
#include <QWidget>

#include <algorithm>
#include <cstring>
#include <stdexcept>

namespace {

QRegularExpression Whole(const QString& pattern) {
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern));
}

// The decimals a pattern requires after its point.
QRegularExpression Decimals(int count) {
    return Whole(QStringLiteral(R"(-?[0-9]+\.[0-9]{%1})").arg(count));
}

} // namespace

const std::vector<ReadOutShape>& MainWindowReadOuts() {
    static const std::vector<ReadOutShape> readOuts = [] {
        const QRegularExpression threeDecimals = Decimals(3); // "##0.000"
        const QRegularExpression twoDecimals = Decimals(2);   // "#0.00"
        return std::vector<ReadOutShape>{
            {"lbOneElectRes", threeDecimals},
            {"lbLinearSpace", twoDecimals},
            {"lbLinearElect", threeDecimals},
            {"lbLinearWire", threeDecimals},
            {"LbLinearMutual", threeDecimals},
            {"lbLinearTotal", threeDecimals},
            {"lbRectSpace", twoDecimals},
            {"lbRectElect", threeDecimals},
            {"lbRectWire", threeDecimals},
            {"lbRectMutual", threeDecimals},
            {"lbRectTotal", threeDecimals},
            {"lbResult", Whole(R"(\?|-?[0-9]+\.[0-9]{1,3})")},
            {"lb62Pct", Decimals(1)},
            {"lbFOPE1P1", Whole("0")},
            {"lbPoint", Whole("Point [0-9]+ of [0-9]+")},
            // "k%" is the form's placeholder until the first refresh.
            {"lbDistPct", Whole(R"(k%|[0-9]+\.[0-9]%)")},
            {"lbE1", Whole("E1 = 0")},
            {"lbP1", Whole(R"(P1 = -?[0-9]*\.[0-9])")},
            {"lbP2", Whole(R"(P2 = -?[0-9]*\.[0-9])")},
            {"lbEarthRes", Whole(R"(-?[0-9]{1,3}(,[0-9]{3})*\.[0-9]{2})")},
        };
    }();
    return readOuts;
}

const ReadOutShape& ReadOutOf(const char* label) {
    const auto& readOuts = MainWindowReadOuts();
    const auto found = std::find_if(readOuts.begin(), readOuts.end(), [label](const auto& readOut) {
        return std::strcmp(readOut.label, label) == 0;
    });
    if (found == readOuts.end()) {
        throw std::invalid_argument(label);
    }
    return *found;
}

QString ReadOutMismatch(const QWidget& window, const ReadOutShape& readOut, bool emptyAllowed) {
    const auto* label = window.findChild<QLabel*>(QLatin1String(readOut.label));
    if (label == nullptr) {
        return QStringLiteral("%1 is missing").arg(QLatin1String(readOut.label));
    }
    const QString shown = label->text();
    if (shown.isEmpty() && emptyAllowed) {
        return {};
    }
    if (readOut.shape.match(shown).hasMatch()) {
        return {};
    }
    return QStringLiteral("%1 shows \"%2\"").arg(QLatin1String(readOut.label), shown.left(80));
}

bool ShowsNonNumber(const QString& shown) {
    // A quoted text is what the user typed, quoted back by a refusal; only
    // the program's own numbers count.
    static const QRegularExpression quoted(QStringLiteral("\"[^\"]*\""));
    const QString lower = QString(shown).remove(quoted).toLower();
    return lower.contains(QStringLiteral("nan")) || lower.contains(QStringLiteral("inf"));
}
