#include "files/ReadingsCsv.h"

#include "files/CsvText.h"
#include "shared/TextForm.h"
#include "shared/Units.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <optional>

namespace stakewell::files {
namespace {

using fop::AddRefusal;
using fop::FOPPoint;
using shared::UnitSystem;

// The unit a heading's first field names as a word of its own: "Feet",
// "Distance (m)", "\"Meters\"".
std::optional<UnitSystem> UnitNamedBy(std::string_view heading, char separator) {
    const std::vector<std::string_view> fields = CsvFields(heading, separator);
    if (fields.empty()) {
        return std::nullopt;
    }
    constexpr std::array<std::pair<std::string_view, UnitSystem>, 8> Names{{
        {"feet", UnitSystem::Imperial},
        {"foot", UnitSystem::Imperial},
        {"ft", UnitSystem::Imperial},
        {"metres", UnitSystem::Metric},
        {"meters", UnitSystem::Metric},
        {"metre", UnitSystem::Metric},
        {"meter", UnitSystem::Metric},
        {"m", UnitSystem::Metric},
    }};
    std::string word;
    for (const char c : std::string(fields.front()) + ' ') {
        if (std::isalpha(static_cast<unsigned char>(c)) != 0) {
            word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
            continue;
        }
        const auto* named = std::find_if(Names.begin(), Names.end(),
                                         [&](const auto& name) { return name.first == word; });
        if (named != Names.end()) {
            return named->second;
        }
        word.clear();
    }
    return std::nullopt;
}

std::string NoteOn(std::optional<UnitSystem> named, UnitSystem units) {
    if (!named) {
        return units == UnitSystem::Metric
                   ? "No heading names the distances' unit: they were read in metres."
                   : "";
    }
    if (*named != units) {
        return std::string("The distances were converted from ") + shared::LengthWord(*named) +
               " to " + shared::LengthWord(units) + ".";
    }
    return {};
}

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
    const std::string unit = shared::LengthWord(fop.Units, true);
    switch (refusal) {
    case AddRefusal::ResistanceNotAboveZero:
        return "the resistance must be above 0 Ohms.";
    case AddRefusal::ResistanceTooLarge:
        return "the resistance must be at most " + largest + " Ohms.";
    case AddRefusal::DistanceTooLarge:
        return "the distance must be at most " + largest + " " + unit + ".";
    case AddRefusal::DistanceOutsideE1E2:
    case AddRefusal::ListFull:
    case AddRefusal::None:
        break;
    }
    return "the distance must be above " + shared::DoubleText(fop.FOPE1Position) + " " + unit +
           " and below the E2 distance, " + shared::DoubleText(fop.FOPE2Distance) + " " + unit +
           ".";
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
    check.Units = fop.Units;

    std::optional<UnitSystem> named;
    const auto refused = [&](std::string problem) {
        return CsvReadings{{}, std::move(problem), NoteOn(named, fop.Units)};
    };
    CsvReadings result;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const std::string_view line = TrimmedField(NextCsvLine(text));
        ++lineNumber;
        if (line.empty()) {
            continue;
        }
        if (result.Readings.empty() && !BeginsWithCsvNumber(line, separator)) {
            if (!named) {
                named = UnitNamedBy(line, separator);
            }
            continue;
        }
        std::optional<FOPPoint> reading = Reading(line, separator);
        if (!reading) {
            return refused(CsvLineProblem(
                lineNumber, "\"" + std::string(line) + "\" is not a distance and a resistance."));
        }
        reading->Distance =
            shared::ConvertedLength(reading->Distance, named.value_or(fop.Units), fop.Units);
        if (const AddRefusal refusal = check.CheckPoint(reading->Distance, reading->Ohms);
            refusal != AddRefusal::None) {
            return refused(CsvLineProblem(lineNumber, RefusalText(refusal, check)));
        }
        if (result.Readings.size() >= static_cast<std::size_t>(fop::MaxFOPPoints)) {
            return refused("There are more than " + std::to_string(fop::MaxFOPPoints) +
                           " readings; the point list holds no more.");
        }
        result.Readings.push_back(*reading);
    }
    if (result.Readings.empty()) {
        result.Problem = "No readings were found.";
        return result;
    }
    result.Note = NoteOn(named, fop.Units);
    return result;
}

std::string WriteReadingsCsv(const fop::FallOfPotential& fop) {
    std::string text = std::string(shared::LengthWord(fop.Units, true)) + ",Ohms\r\n";
    const auto& points = fop.FOPPoints();
    for (std::size_t i = 1; i < points.size(); ++i) {
        text += shared::ExactText(points[i].Distance) + "," + shared::ExactText(points[i].Ohms) +
                "\r\n";
    }
    return text;
}

} // namespace stakewell::files
