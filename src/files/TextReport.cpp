#include "files/TextReport.h"

#include "shared/TextForm.h"

namespace stakewellFiles {
namespace {

constexpr std::array<const char*, 7> InputLines{
    "   Earth Restivity      = ", "   Electrode Length     = ", "   Electrode Diameter   = ",
    "   Number of Electrodes = ", "   Wire Length          = ", "   Wire Diameter        = ",
    "   Wire Depth           = "};
constexpr std::array<const char*, 7> InputUnits{" meter-Ohms", " feet",   " inches", "",
                                                " feet",       " inches", " feet"};
constexpr std::array<const char*, 5> CaseLines{
    "Electrode spacing    = ", "Electrode resistance = ", "Wire resistance      = ",
    "Mutual resistance    = ", "Total resistance     = "};
constexpr std::array<const char*, 5> CaseUnits{" feet", " Ohms", " Ohms", " Ohms", " Ohms"};

constexpr std::size_t WireLengthInput = 4;

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
    return QString::fromStdString(modStakewell::DoubleText(value));
}

void AddCase(ReportLines& lines, const char* header, const std::array<QString, 5>& captions) {
    lines.Add(QLatin1String(header));
    for (std::size_t i = 0; i < captions.size(); ++i) {
        lines.Add(QLatin1String(CaseLines[i]) + captions[i] + QLatin1String(CaseUnits[i]));
    }
}

void AddFallOfPotential(ReportLines& lines, const modStakewell::FallOfPotential& fop) {
    lines.Add(QStringLiteral("----------- Fall of Potential Case ----------------------"));
    lines.Add(QStringLiteral("E1(P1)= ") + DoubleText(fop.FOPE1Position) + QStringLiteral(" feet"));
    for (int i = 1; i <= fop.PointCount(); ++i) {
        const modStakewell::FOPPoint& point = fop.FOPPoints()[static_cast<std::size_t>(i)];
        lines.Add(QStringLiteral("P2 = ") + DoubleText(point.Feet) + QStringLiteral(" Feet  ") +
                  DoubleText(point.Ohms) + QStringLiteral(" Ohms"));
    }
    lines.Add(QStringLiteral("E2    = ") + DoubleText(fop.FOPE2Distance) + QStringLiteral(" feet"));
    // Readings taken against a farther E2 would otherwise stand here as if
    // they belonged to this test.
    if (const int beyond = fop.ReadingsAtOrBeyond(fop.FOPE2Distance); beyond > 0) {
        lines.Add(QStringLiteral("Left out of the analysis: %1 of the %2 readings, at or "
                                 "beyond E2")
                      .arg(beyond)
                      .arg(fop.PointCount()));
    }
    lines.Add(QLatin1String(Separator));
}

void AddWireBetween(ReportLines& lines, const WireBetweenReport& wire) {
    const auto line = [&lines](const char* label, const QString& span, float total) {
        lines.Add(QLatin1String(label) + span + QStringLiteral(" feet between electrodes, ") +
                  QString::fromStdString(modStakewell::SingleText(total)) +
                  QStringLiteral(" feet in all"));
    };
    line("   Wire Length, line    = ", wire.Line, wire.LineTotal);
    line("   Wire Length, polygon = ", wire.Polygon, wire.PolygonTotal);
}

} // namespace

QByteArray TextReport(const ReportContent& content) {
    ReportLines lines;
    lines.Add({});
    lines.Add(QStringLiteral("Ground System Conductivity Design"));
    lines.Add({});
    lines.Add(QStringLiteral("Input Data:"));
    for (std::size_t i = 0; i < content.Inputs.size(); ++i) {
        if (i == WireLengthInput && content.WireBetween) {
            AddWireBetween(lines, *content.WireBetween);
        } else {
            lines.Add(QLatin1String(InputLines[i]) + content.Inputs[i] +
                      QLatin1String(InputUnits[i]));
        }
    }
    lines.Add({});
    lines.Add(QLatin1String(Separator));
    lines.Add(QStringLiteral("Results:"));
    lines.Add({});
    lines.Add(QStringLiteral("Single Electrode Resistance = ") + content.lbOneElectRes +
              QStringLiteral(" Ohms"));
    lines.Add({});
    AddCase(lines, "------------- Linear Case -------------------------------", content.Linear);
    lines.Add({});
    AddCase(lines, "------------- Rectangular Case --------------------------",
            content.Rectangular);
    lines.Add(QLatin1String(Separator));
    if (content.FallOfPotential != nullptr && content.FallOfPotential->PointCount() >= 2) {
        AddFallOfPotential(lines, *content.FallOfPotential);
    }
    return lines.Bytes();
}

} // namespace stakewellFiles
