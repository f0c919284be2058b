#include "files/SoilCsv.h"

#include "files/CsvText.h"
#include "shared/TextForm.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <optional>

namespace stakewell::files {
namespace {

using soil::LengthUnit;
using soil::SoilArray;
using soil::SoilReading;

std::optional<SoilReading> Reading(std::string_view line, char separator, SoilArray array) {
    const std::vector<std::string_view> fields = CsvFields(line, separator);
    const bool wenner = array == SoilArray::Wenner;
    if (fields.size() != 3 && !(wenner && fields.size() == 2)) {
        return std::nullopt;
    }
    std::vector<double> numbers;
    for (const std::string_view field : fields) {
        const std::optional<double> number = CsvNumber(field, separator);
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

std::string NotAReading(std::string_view line, SoilArray array) {
    return "\"" + std::string(line) + "\" is not " +
           (array == SoilArray::Wenner ? "a spacing, a resistance and perhaps a probe depth."
                                       : "AB/2, MN and a resistance.");
}

} // namespace

SoilCsvReadings ReadSoilCsv(std::string_view text, SoilArray array, LengthUnit unit) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    const char separator = CsvSeparatorOf(text);
    SoilCsvReadings result;
    for (std::size_t lineNumber = 1; !text.empty(); ++lineNumber) {
        const std::string_view line = TrimmedField(NextCsvLine(text));
        if (line.empty() || (result.readings.empty() && !BeginsWithCsvNumber(line, separator))) {
            continue;
        }
        const std::optional<SoilReading> reading = Reading(line, separator, array);
        if (!reading) {
            return {{}, CsvLineProblem(lineNumber, NotAReading(line, array))};
        }
        if (const std::string refusal = soil::ReadingRefusal(array, unit, *reading);
            !refusal.empty()) {
            return {{}, CsvLineProblem(lineNumber, refusal)};
        }
        if (result.readings.size() >= soil::MaxSoilReadings) {
            return {{},
                    CsvLineProblem(lineNumber, "there are more than " +
                                                   std::to_string(soil::MaxSoilReadings) +
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
