#include "graph/ReportPaper.h"

#include <QSettings>

#include <algorithm>
#include <array>

namespace stakewell::graph {

namespace {

const QString PaperKey = QStringLiteral("report/paper");

QSettings Settings() {
    return QSettings(QStringLiteral("Stakewell"), QStringLiteral("Stakewell"));
}

QString NameOf(Paper paper) {
    return paper == Paper::Letter ? QStringLiteral("letter") : QStringLiteral("a4");
}

} // namespace

Paper LocalePaper(QLocale::Territory territory) {
    using T = QLocale::Territory;
    constexpr std::array LetterTerritories{T::UnitedStates,      T::Canada,    T::Mexico,
                                           T::Philippines,       T::Chile,     T::Colombia,
                                           T::Venezuela,         T::Guatemala, T::CostaRica,
                                           T::DominicanRepublic, T::Panama,    T::PuertoRico};
    return std::find(LetterTerritories.begin(), LetterTerritories.end(), territory) !=
                   LetterTerritories.end()
               ? Paper::Letter
               : Paper::A4;
}

QPageSize PageSizeOf(Paper paper) {
    return {paper == Paper::Letter ? QPageSize::Letter : QPageSize::A4};
}

QMarginsF ReportMarginsMillimetres() {
    return {15, 15, 15, 15};
}

std::optional<Paper> PaperNamed(const QString& name) {
    for (const Paper paper : {Paper::A4, Paper::Letter}) {
        if (name.compare(NameOf(paper), Qt::CaseInsensitive) == 0) {
            return paper;
        }
    }
    return std::nullopt;
}

Paper ChosenPaper() {
    const std::optional<Paper> stored = PaperNamed(Settings().value(PaperKey).toString());
    return stored.value_or(LocalePaper(QLocale::system().territory()));
}

void ChoosePaper(Paper paper) {
    Settings().setValue(PaperKey, NameOf(paper));
}

} // namespace stakewell::graph
