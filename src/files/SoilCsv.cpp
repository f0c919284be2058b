#include "files/SoilCsv.h"

#include "shared/TextForm.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace stakewell::files {
namespace {

using analysis::LengthUnit;
using analysis::SoilArray;
using analysis::SoilReading;

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
        std::replace(digits.begin(), digits.end(), ',', '.');
    }
    double value = 0.0;
    const char* end = digits.data() + digits.size();
    const auto [stop, error] = std::from_chars(digits.data(), end, value);
    if (digits.empty() || error != std::errc() || stop != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::vector<std::string_view> Fields(std::string_view line, char separator) {
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
    return fields;
}

std::optional<SoilReading> Reading(std::string_view line, char separator, SoilArray array) {
    const std::vector<std::string_view> fields = Fields(line, separator);
    const bool wenner = array == SoilArray::Wenner;
    if (fields.size() != 3 && !(wenner && fields.size() == 2)) {
        return std::nullopt;
    }
    std::vector<double> numbers;
    for (const std::string_view field : fields) {
        const std::optional<double> number = Number(field, separator != ',');
        if (!number) {
            return std::nullopt;
        }
        numbers.push_back(*number);
    }
    if (wenner) {
        SoilReading reading{numbers[0], numbers[1], std::nullopt, 0.0};
        if (numbers.size() == 3) {
            reading.probeDepth = numbers[2];
        }
        return reading;
    }
    return SoilReading{numbers[0], numbers[2], std::nullopt, numbers[1]};
}

bool BeginsWithNumber(std::string_view line, char separator) {
    return Number(line.substr(0, line.find(separator)), separator != ',').has_value();
}

std::string LineProblem(std::size_t number, const std::string& what) {
    return "Line " + std::to_string(number) + ": " + what;
}

std::string NotAReading(std::string_view line, SoilArray array) {
    return "\"" + std::string(line) + "\" is not " +
           (array == SoilArray::Wenner ? "a spacing, a resistance and perhaps a probe depth."
                                       : "AB/2, MN and a resistance.");
}

// The next line of `text`, ended by CR LF, LF or CR, taken off its front.
std::string_view NextLine(std::string_view& text) {
    const auto end = text.find_first_of("\r\n");
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end);
    if (text.starts_with("\r\n")) {
        text.remove_prefix(2);
    } else if (!text.empty()) {
        text.remove_prefix(1);
    }
    return line;
}

} // namespace

SoilCsvReadings ReadSoilCsv(std::string_view text, SoilArray array, LengthUnit unit) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const char separator = SeparatorOf(text);
    SoilCsvReadings result;
    for (std::size_t lineNumber = 1; !text.empty(); ++lineNumber) {
        const std::string_view line = Trimmed(NextLine(text));
        if (line.empty() || (result.readings.empty() && !BeginsWithNumber(line, separator))) {
            continue;
        }
        const std::optional<SoilReading> reading = Reading(line, separator, array);
        if (!reading) {
            return {{}, LineProblem(lineNumber, NotAReading(line, array))};
        }
        if (const std::string refusal = analysis::ReadingRefusal(array, unit, *reading);
            !refusal.empty()) {
            return {{}, LineProblem(lineNumber, refusal)};
        }
        if (result.readings.size() >= analysis::MaxSoilReadings) {
            return {{},
                    LineProblem(lineNumber, "there are more than " +
                                                std::to_string(analysis::MaxSoilReadings) +
                                                " readings; a survey holds no more.")};
        }
        result.readings.push_back(*reading);
    }
    if (result.readings.empty()) {
        result.problem = "No readings were found.";
    }
    return result;
}

std::string WriteSoilCsv(const std::vector<SoilReading>& readings, SoilArray array,
                         LengthUnit unit) {
    const std::string length = unit == LengthUnit::Feet ? " (ft)" : " (m)";
    std::string text;
    if (array == SoilArray::Wenner) {
        const bool depths = std::any_of(readings.begin(), readings.end(),
                                        [](const SoilReading& r) { return r.probeDepth; });
        text = "Spacing" + length + ",Resistance (Ohm)" +
               (depths ? ",Probe depth" + length : std::string()) + "\r\n";
    } else {
        text = "AB/2" + length + ",MN" + length + ",Resistance (Ohm)\r\n";
    }
    for (const SoilReading& r : readings) {
        if (array == SoilArray::Wenner) {
            text += shared::ExactText(r.spacing) + "," + shared::ExactText(r.ohms) +
                    (r.probeDepth ? "," + shared::ExactText(*r.probeDepth) : std::string());
        } else {
            text += shared::ExactText(r.spacing) + "," + shared::ExactText(r.potentialSpacing) +
                    "," + shared::ExactText(r.ohms);
        }
        text += "\r\n";
    }
    return text;
}

} // namespace stakewell::files
