#include "files/ReadingsCsv.h"

#include "shared/TextForm.h"

#include <charconv>
#include <cmath>
#include <optional>

namespace stakewell::files {
namespace {

using survey::AddRefusal;
using survey::FOPPoint;

constexpr std::string_view Blanks = " \t";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(Blanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(Blanks) - first + 1);
}

char SeparatorOf(std::string_view text) {
    for (const char candidate : {'\t', ';'}) {
        if (text.find(candidate) != std::string_view::npos) {
            return candidate;
        }
    }
    return ',';
}

// A whole field as one finite number, nothing before or after it.
std::optional<double> Number(std::string_view field, bool decimalComma) {
    field = Trimmed(field);
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') {
        field = Trimmed(field.substr(1, field.size() - 2));
    }
    if (!field.empty() && field.front() == '+') {
        field.remove_prefix(1);
    }
    std::string digits(field);
    if (decimalComma) {
        for (char& ch : digits) {
            ch = ch == ',' ? '.' : ch;
        }
    }
    double value = 0.0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::optional<FOPPoint> Reading(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    for (std::size_t start = 0;;) {
        const auto stop = line.find(separator, start);
        fields.push_back(line.substr(start, stop - start));
        if (stop == std::string_view::npos) {
            break;
        }
        start = stop + 1;
    }
    // A spreadsheet may end every row with separators.
    while (!fields.empty() && Trimmed(fields.back()).empty()) {
        fields.pop_back();
    }
    if (fields.size() != 2) {
        return std::nullopt;
    }
    const bool decimalComma = separator != ',';
    const auto feet = Number(fields[0], decimalComma);
    const auto ohms = Number(fields[1], decimalComma);
    if (!feet || !ohms) {
        return std::nullopt;
    }
    return FOPPoint{*feet, *ohms};
}

bool BeginsWithNumber(std::string_view line, char separator) {
    return Number(line.substr(0, line.find(separator)), separator != ',').has_value();
}

std::string LineProblem(std::size_t number, const std::string& what) {
    return "Line " + std::to_string(number) + ": " + what;
}

std::string RefusalText(AddRefusal refusal, const survey::FallOfPotential& fop) {
    if (refusal == AddRefusal::ResistanceNotAboveZero) {
        return "the resistance must be above 0 Ohms.";
    }
    return "the distance must be above " + shared::DoubleText(fop.FOPE1Position) +
           " Feet and below the E2 distance, " + shared::DoubleText(fop.FOPE2Distance) + " Feet.";
}

} // namespace

CsvReadings ReadReadingsCsv(std::string_view text, const survey::FallOfPotential& fop) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const char separator = SeparatorOf(text);
    // Checked against an empty list: the readings replace the present ones.
    survey::FallOfPotential check;
    check.FOPE1Position = fop.FOPE1Position;
    check.FOPE2Distance = fop.FOPE2Distance;

    CsvReadings result;
    std::size_t lineNumber = 0;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        const std::string_view line = Trimmed(text.substr(0, end));
        text.remove_prefix(end == std::string_view::npos ? text.size() : end);
        if (text.starts_with("\r\n")) {
            text.remove_prefix(2);
        } else if (!text.empty()) {
            text.remove_prefix(1);
        }
        ++lineNumber;
        if (line.empty() || (result.Readings.empty() && !BeginsWithNumber(line, separator))) {
            continue;
        }
        const std::optional<FOPPoint> reading = Reading(line, separator);
        if (!reading) {
            return {{},
                    LineProblem(lineNumber, "\"" + std::string(line) +
                                                "\" is not a distance and a resistance.")};
        }
        if (const AddRefusal refusal = check.CheckPoint(reading->Feet, reading->Ohms);
            refusal != AddRefusal::None) {
            return {{}, LineProblem(lineNumber, RefusalText(refusal, check))};
        }
        if (result.Readings.size() >= static_cast<std::size_t>(survey::MaxFOPPoints)) {
            return {{},
                    "There are more than " + std::to_string(survey::MaxFOPPoints) +
                        " readings; the point list holds no more."};
        }
        result.Readings.push_back(*reading);
    }
    if (result.Readings.empty()) {
        result.Problem = "No readings were found.";
    }
    return result;
}

std::string WriteReadingsCsv(const survey::FallOfPotential& fop) {
    std::string text = "Feet,Ohms\r\n";
    const auto& points = fop.FOPPoints();
    for (std::size_t i = 1; i < points.size(); ++i) {
        text +=
            shared::ExactText(points[i].Feet) + "," + shared::ExactText(points[i].Ohms) + "\r\n";
    }
    return text;
}

} // namespace stakewell::files
