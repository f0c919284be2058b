#include "files/TextReport.h"

#include "files/DataFileCheck.h"
#include "fop/AnalysisText.h"
#include "shared/DisplayPattern.h"
#include "shared/TextForm.h"
#include "shared/TypedNumber.h"
#include "soil/SurveyLayers.h"

namespace stakewell::files {
namespace {

const char* const Separator = "-------------------------------------------------------";

class ReportLines {
public:
    void Add(const QString& line) {
        bytes.append(line.toUtf8());
        bytes.append("\r\n");
    }
    QByteArray Bytes() const { return bytes; }

private:
    QByteArray bytes;
};

QString DoubleText(double value) {
    return QString::fromStdString(shared::DoubleText(value));
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

void AddResults(ReportLines& lines, const ReportContent& content, calc::ReportBlock block) {
    for (const calc::ResultRow& row : calc::ResultRows) {
        if (row.Block == block) {
            lines.Add(QLatin1String(row.ReportLabel) + Text(content.Results[row.Result]) +
                      QLatin1String(calc::ReportUnitIn(row, content.Units)));
        }
    }
}

// A report label without its alignment and "=".
QString LineName(const char* reportLabel) {
    QString name = QLatin1String(reportLabel).trimmed();
    name.chop(1);
    return name.trimmed();
}

QString BlockName(calc::ReportBlock block) {
    switch (block) {
    case calc::ReportBlock::Linear:
        return QStringLiteral("Linear Case, ");
    case calc::ReportBlock::Polygon:
        return QStringLiteral("Rectangular Case, ");
    case calc::ReportBlock::Single:
    case calc::ReportBlock::None:
        break;
    }
    return {};
}

void AddNote(QStringList& lines, const QString& name, const std::string& note) {
    for (const QString& line : Text(note).split(u'\n', Qt::SkipEmptyParts)) {
        lines.append(name + QStringLiteral(": ") + line);
    }
}

// The figures the window marks are marked here too, so that a printed report
// never shows a figure without the caution the screen gave it.
void AddNotes(ReportLines& lines, const calc::SheetNotes& notes) {
    QStringList noted;
    for (const calc::InputRow& row : calc::InputRows) {
        if (*row.ReportLabel != '\0') {
            AddNote(noted, LineName(row.ReportLabel), notes.Inputs[row.Input]);
        }
    }
    for (const calc::ResultRow& row : calc::ResultRows) {
        if (row.Block != calc::ReportBlock::None) {
            AddNote(noted, BlockName(row.Block) + LineName(row.ReportLabel),
                    notes.Results[row.Result]);
        }
    }
    if (noted.isEmpty()) {
        return;
    }
    lines.Add(QStringLiteral("----------- Cautions ------------------------------------"));
    for (const QString& line : noted) {
        lines.Add(line);
    }
    lines.Add(QLatin1String(Separator));
}

// The readings' lines name their unit with a capital, the lines around them
// in lower case, in either system as the imperial lines always have.
QString UnitAfterFigure(shared::UnitSystem units, bool capital = false) {
    return u' ' + QLatin1String(shared::LengthWord(units, capital));
}

void AddFallOfPotential(ReportLines& lines, const fop::FallOfPotential& fop) {
    lines.Add(QStringLiteral("----------- Fall of Potential Case ----------------------"));
    lines.Add(QStringLiteral("E1(P1)= ") + DoubleText(fop.FOPE1Position) +
              UnitAfterFigure(fop.Units));
    for (int i = 1; i <= fop.PointCount(); ++i) {
        const fop::FOPPoint& point = fop.FOPPoints()[static_cast<std::size_t>(i)];
        lines.Add(QStringLiteral("P2 = ") + DoubleText(point.Distance) +
                  UnitAfterFigure(fop.Units, true) + QStringLiteral("  ") + DoubleText(point.Ohms) +
                  QStringLiteral(" Ohms"));
    }
    lines.Add(QStringLiteral("E2    = ") + DoubleText(fop.FOPE2Distance) +
              UnitAfterFigure(fop.Units));
    lines.Add(QLatin1String(Separator));
}

// The analysis as the graph window lists it, readings left out included,
// against the E2 distance the readings above were printed with; in a
// two-layer soil with the true-resistance position beside the 62% value.
void AddAnalysis(ReportLines& lines, const fop::FallOfPotential& fop, double tolerancePercent,
                 const std::optional<soil::TwoLayerSoil>& layers) {
    lines.Add(QStringLiteral("----------- Fall of Potential Analysis ------------------"));
    const fop::Result result =
        layers ? fop::AnalyseInSoil(fop, fop.FOPE2Distance, *layers, tolerancePercent)
               : fop::Analyse(fop, fop.FOPE2Distance, tolerancePercent);
    for (const fop::Line& line : fop::AnalysisLines(result)) {
        lines.Add(Text(line.Label + ": " + line.Value));
    }
    lines.Add(QLatin1String(Separator));
}

QString OhmsText(double ohms) {
    return Text(calc::OhmsText(ohms));
}

// Laid out as the uniform blocks are, the arrangement's equivalent
// resistivity last.
void AddLayeredArrangement(ReportLines& lines, const QString& heading,
                           const soil::ArrangementResistances& ohms,
                           const std::string& equivalent) {
    lines.Add({});
    lines.Add(heading);
    const auto line = [&lines](const char* label, double value) {
        lines.Add(QLatin1String(label) + OhmsText(value) + QStringLiteral(" Ohms"));
    };
    line("Electrode resistance = ", ohms.electrodes);
    line("Wire resistance      = ", ohms.wire);
    line("Mutual resistance    = ", ohms.mutual);
    line("Total resistance     = ", ohms.total);
    lines.Add(QStringLiteral("Equivalent resistivity = ") + Text(equivalent) +
              QStringLiteral(" meter-Ohms"));
}

void AddLayeredDesign(ReportLines& lines, const LayeredReport& layered) {
    lines.Add(QStringLiteral("----------- Two-Layer Soil ------------------------------"));
    lines.Add(Text(layered.SoilLine));
    if (layered.Soil) {
        lines.Add(QStringLiteral("Single Electrode Resistance = ") + OhmsText(layered.Ohms.oneRod) +
                  QStringLiteral(" Ohms"));
        AddLayeredArrangement(
            lines, QStringLiteral("------------- Linear Case, Two-Layer Soil ---------------"),
            layered.Ohms.linear, layered.LinearEquivalent);
        AddLayeredArrangement(
            lines, QStringLiteral("------------- Rectangular Case, Two-Layer Soil ----------"),
            layered.Ohms.ring, layered.PolygonEquivalent);
    }
    lines.Add(QLatin1String(Separator));
}

void AddWireBetween(ReportLines& lines, const WireBetweenReport& wire, shared::UnitSystem units) {
    const QString unit = UnitAfterFigure(units);
    const auto line = [&lines, &unit](const char* label, const QString& span, float total) {
        lines.Add(QLatin1String(label) + span + unit + QStringLiteral(" between electrodes, ") +
                  QString::fromStdString(shared::SingleText(total)) + unit +
                  QStringLiteral(" in all"));
    };
    line("   Wire Length, line    = ", wire.Line, wire.LineTotal);
    line("   Wire Length, polygon = ", wire.Polygon, wire.PolygonTotal);
}

// A length box's text as the work reads it, in the box's own unit: a decimal
// comma, and a length typed with another unit.
std::string LengthText(const std::string& typed, shared::UnitSystem units) {
    return shared::ReadTyped(typed,
                             {files::ReadsDecimalComma(units), shared::Measure::Length, units})
        .text;
}

} // namespace

QStringList SoilReportLines(const soil::SoilSurvey& soil, const soil::DesignRod& rod) {
    const bool wenner = soil.array == soil::SoilArray::Wenner;
    const QString unit = QLatin1String(soil::UnitWord(soil.unit));
    QStringList lines{
        QStringLiteral("----------- Soil Survey ---------------------------------"),
        (wenner ? QStringLiteral("Wenner traverse") : QStringLiteral("Schlumberger sounding")) +
            QStringLiteral(", lengths in ") + unit};
    const bool namesTraverse = soil::SeveralTraverses(soil);
    for (std::size_t i = 0; i < soil.readings.size(); ++i) {
        const soil::SoilReading& reading = soil.readings[i];
        QString line = QStringLiteral("Reading %1: ").arg(i + 1);
        if (wenner) {
            line += QStringLiteral("a = ") + DoubleText(reading.spacing);
            if (reading.probeDepth) {
                line += QStringLiteral(", b = ") + DoubleText(*reading.probeDepth);
            }
        } else {
            line += QStringLiteral("AB/2 = ") + DoubleText(reading.spacing) +
                    QStringLiteral(", MN = ") + DoubleText(reading.potentialSpacing);
        }
        lines.append(line + QStringLiteral(" ") + unit + QStringLiteral(", R = ") +
                     DoubleText(reading.ohms) + QStringLiteral(" Ohms") +
                     Text(soil::ReadingMarks(reading, namesTraverse)));
    }
    for (const std::string& line : soil::SoilLines(soil, soil::AnalyseSoil(soil), rod)) {
        lines.append(Text(line));
    }
    for (const std::string& line : soil::LayerLines(soil, soil::LayerSurvey(soil))) {
        lines.append(Text(line));
    }
    return lines;
}

WireBetweenReport BetweenReport(const std::string& electrodeCount,
                                const calc::WireBetweenInputs& between, shared::UnitSystem units) {
    const calc::WireTotals totals = calc::BetweenWireTotals(
        electrodeCount, {LengthText(between.Line, units), LengthText(between.Polygon, units)});
    return {Text(between.Line), Text(between.Polygon), totals.Line, totals.Polygon};
}

QByteArray TextReport(const ReportContent& content) {
    ReportLines lines;
    lines.Add({});
    lines.Add(QStringLiteral("Ground System Conductivity Design"));
    lines.Add({});
    lines.Add(QStringLiteral("Input Data:"));
    for (const calc::InputRow& row : calc::InputRows) {
        if (*row.ReportLabel == '\0') {
            continue;
        }
        if (row.Input == calc::SheetInput::WireLength && content.WireBetween) {
            AddWireBetween(lines, *content.WireBetween, content.Units);
        } else {
            lines.Add(QLatin1String(row.ReportLabel) + Text(content.Inputs[row.Input]) +
                      QLatin1String(calc::ReportUnitIn(row, content.Units)));
        }
    }
    lines.Add({});
    lines.Add(QLatin1String(Separator));
    lines.Add(QStringLiteral("Results:"));
    lines.Add({});
    AddResults(lines, content, calc::ReportBlock::Single);
    lines.Add({});
    lines.Add(QStringLiteral("------------- Linear Case -------------------------------"));
    AddResults(lines, content, calc::ReportBlock::Linear);
    lines.Add({});
    lines.Add(QStringLiteral("------------- Rectangular Case --------------------------"));
    AddResults(lines, content, calc::ReportBlock::Polygon);
    lines.Add(QLatin1String(Separator));
    if (content.Layered) {
        AddLayeredDesign(lines, *content.Layered);
    }
    if (content.FallOfPotential != nullptr && content.FallOfPotential->PointCount() >= 2) {
        AddFallOfPotential(lines, *content.FallOfPotential);
        AddAnalysis(lines, *content.FallOfPotential, content.TolerancePercent,
                    content.Layered ? content.Layered->Soil : std::nullopt);
    }
    AddNotes(lines, content.Notes);
    if (content.Site.Filled()) {
        lines.Add(QStringLiteral("----------- Site Record ---------------------------------"));
        for (const QString& line : SiteRecordLines(content.Site)) {
            lines.Add(line);
        }
        lines.Add(QLatin1String(Separator));
    }
    if (content.Soil != nullptr && content.Soil->Exists()) {
        for (const QString& line : SoilReportLines(*content.Soil, content.Rod)) {
            lines.Add(line);
        }
        lines.Add(QLatin1String(Separator));
    }
    return lines.Bytes();
}

} // namespace stakewell::files
