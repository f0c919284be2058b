#pragma once

#include <QLocale>
#include <QMarginsF>
#include <QPageSize>
#include <QString>

#include <optional>

// The paper a test report saved as PDF is laid out for. A printed report
// takes its printer's instead.
namespace stakewell::graph {

enum class Paper { A4, Letter };

// Letter where the territory's offices use it, A4 everywhere else.
Paper LocalePaper(QLocale::Territory territory);

QPageSize PageSizeOf(Paper paper);

// The margins of every report page, saved or printed, so that a printout
// matches the PDF it was checked against.
QMarginsF ReportMarginsMillimetres();

// "a4" or "letter", in any case; nothing for any other name.
std::optional<Paper> PaperNamed(const QString& name);

// The user's last choice, kept between runs; the system locale's paper
// before any.
Paper ChosenPaper();
void ChoosePaper(Paper paper);

} // namespace stakewell::graph
