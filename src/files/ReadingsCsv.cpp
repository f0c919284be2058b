#include "files/ReadingsCsv.h"

#include "files/CsvText.h"
#include "shared/TextForm.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace stakewell::files {
namespace {

using fop::AddRefusal;
using fop::FOPPoint;

std::optional<FOPPoint> Reading(std::string_view line, char separator) {
    const std::vector<std::string_view> fields = CsvFields(line, separator);
    if (fields.size() != 2) {
        return std::nullopt;
    }
    const auto feet = CsvNumber(fields[0], separator);
    const auto ohms = CsvNumber(fields[1], separator);
    if (!feet || !ohms) {
        return std::nullopt;
    }
    return FOPPoint{*feet, *ohms};
}

std::string RefusalText(AddRefusal refusal, const fop::FallOfPotential& fop) {
    const std::string largest = shared::DoubleText(fop::LargestReading);
    switch (refusal) {
    case AddRefusal::ResistanceNotAboveZero:
        return "the resistance must be above 0 Ohms.";
    case AddRefusal::ResistanceTooLarge:
        return "the resistance must be at most " + largest + " Ohms.";
    case AddRefusal::DistanceTooLarge:
        return "the distance must be at most " + largest + " Feet.";
    case AddRefusal::DistanceOutsideE1E2:
    case AddRefusal::ListFull:
    case AddRefusal::None:
        break;
    }
    return "the distance must be above " + shared::DoubleText(fop.FOPE1Position) +
           " Feet and below the E2 distance, " + shared::DoubleText(fop.FOPE2Distance) + " Feet.";
}

} // namespace

CsvReadings ReadReadingsCsv(std::string_view text, const fop::FallOfPotential& fop) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const char separator = CsvSeparatorOf(text);
    // Checked against an empty list: the readings replace the present ones.
    fop::FallOfPotential check;
    check.FOPE1Position = fop.FOPE1Position;
    check.FOPE2Distance = fop.FOPE2Distance;

    CsvReadings result;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::string_view line = TrimmedField(NextCsvLine(text));
        ++lineNumber;
        if (line.empty() || (result.Readings.empty() && !BeginsWithCsvNumber(line, separator))) {
            continue;
        }
        const std::optional<FOPPoint> reading = Reading(line, separator);
        if (!reading) {
            return {{},
                    CsvLineProblem(lineNumber, "\"" + std::string(line) +
                                                   "\" is not a distance and a resistance.")};
        }
        if (const AddRefusal refusal = check.CheckPoint(reading->Distance, reading->Ohms);
            refusal != AddRefusal::None) {
            return {{}, CsvLineProblem(lineNumber, RefusalText(refusal, check))};
        }
        if (result.Readings.size() >= static_cast<std::size_t>(fop::MaxFOPPoints)) {
            return {{},
                    "There are more than " + std::to_string(fop::MaxFOPPoints) +
                        " readings; the point list holds no more."};
        }
        result.Readings.push_back(*reading);
    }
    if (result.Readings.empty()) {
        result.Problem = "No readings were found.";
    }
    return result;
}

std::string WriteReadingsCsv(const fop::FallOfPotential& fop) {
    std::string text = "Feet,Ohms\r\n";
    const auto& points = fop.FOPPoints();
    for (std::size_t i = 1; i < points.size(); ++i) {
        text +=
            shared::ExactText(points[i].Distance) + "," + shared::ExactText(points[i].Ohms) + "\r\n";
    }
    return text;
}

} // namespace stakewell::files
