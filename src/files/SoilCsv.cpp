#include "files/SoilCsv.h"

#include "files/CsvText.h"
#include "shared/TextForm.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>
#include <utility>

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

enum class Column { Spacing, MN, Ohms, Depth, Traverse, LeftOut };

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lowered;
}

// A field's text without the double quotes it may stand in, a doubled quote
// inside read as one.
std::string Unquoted(std::string_view field) {
    field = TrimmedField(field);
    if (field.size() < 2 || field.front() != '"' || field.back() != '"') {
        return std::string(field);
    }
    std::string text;
    for (std::size_t i = 1; i + 1 < field.size(); ++i) {
        text += field[i];
        if (field[i] == '"' && field[i + 1] == '"') {
            ++i;
        }
    }
    return text;
}

// Fields as CsvFields splits them, except that a separator inside double
// quotes belongs to its field: a traverse's name may hold one.
std::vector<std::string_view> QuotedFields(std::string_view line, char separator) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    bool quoted = false;
    for (std::size_t i = 0; i <= line.size(); ++i) {
        if (i < line.size() && line[i] == '"') {
            quoted = !quoted;
        } else if (i == line.size() || (line[i] == separator && !quoted)) {
            fields.push_back(line.substr(start, i - start));
            start = i + 1;
        }
    }
    while (!fields.empty() && TrimmedField(fields.back()).empty()) {
        fields.pop_back();
    }
    return fields;
}

// CsvSeparatorOf's, less what stands in double quotes on its line: a
// traverse's name may hold a semicolon or a tab.
char SeparatorOf(std::string_view text) {
    bool tab = false;
    bool semicolon = false;
    bool quoted = false;
    for (const char c : text) {
        if (c == '"') {
            quoted = !quoted;
        } else if (c == '\r' || c == '\n') {
            quoted = false;
        } else if (!quoted) {
            tab = tab || c == '\t';
            semicolon = semicolon || c == ';';
        }
    }
    return tab ? '\t' : semicolon ? ';' : ',';
}

// The column a heading's field names, its unit in brackets aside:
// "Spacing (ft)", "AB/2", "R", "Left out".
std::optional<Column> ColumnNamed(std::string_view field) {
    std::string name = Unquoted(field);
    if (const auto bracket = name.find('('); bracket != std::string::npos && name.ends_with(')')) {
        name = std::string(TrimmedField(std::string_view(name).substr(0, bracket)));
    }
    name = Lowered(name);
    constexpr std::array<std::pair<std::string_view, Column>, 14> names{{
        {"a", Column::Spacing},
        {"spacing", Column::Spacing},
        {"ab/2", Column::Spacing},
        {"mn", Column::MN},
        {"r", Column::Ohms},
        {"resistance", Column::Ohms},
        {"ohms", Column::Ohms},
        {"depth", Column::Depth},
        {"probe depth", Column::Depth},
        {"traverse", Column::Traverse},
        {"left out", Column::LeftOut},
        {"left-out", Column::LeftOut},
        {"omit", Column::LeftOut},
        {"omitted", Column::LeftOut},
    }};
    const auto* const found = std::find_if(names.begin(), names.end(),
                                           [&name](const auto& one) { return one.first == name; });
    return found != names.end() ? std::optional(found->second) : std::nullopt;
}

// The columns of a heading every field of which names one; nothing for a
// line that is not such a heading.
std::optional<std::vector<Column>> NamedColumns(std::string_view line, char separator) {
    std::vector<Column> columns;
    for (const std::string_view field : QuotedFields(line, separator)) {
        const std::optional<Column> column = ColumnNamed(field);
        if (!column) {
            return std::nullopt;
        }
        columns.push_back(*column);
    }
    return columns.empty() ? std::nullopt : std::optional(std::move(columns));
}

// Whether columns are read as a line without a heading reads them, so that a
// heading naming those, as every heading written before did, changes nothing.
bool AsWithoutHeading(const std::vector<Column>& columns, SoilArray array) {
    if (array == SoilArray::Schlumberger) {
        return columns == std::vector{Column::Spacing, Column::MN, Column::Ohms};
    }
    return columns == std::vector{Column::Spacing, Column::Ohms} ||
           columns == std::vector{Column::Spacing, Column::Ohms, Column::Depth};
}

std::string ColumnWords(Column column, SoilArray array) {
    switch (column) {
    case Column::Spacing:
        return array == SoilArray::Wenner ? "a spacing" : "AB/2";
    case Column::MN:
        return "MN";
    case Column::Ohms:
        return "a resistance";
    case Column::Depth:
        return "a probe depth";
    case Column::Traverse:
        return "a traverse";
    case Column::LeftOut:
        return "a left-out mark";
    }
    return {};
}

// Why readings cannot be taken in these columns, or empty when they can.
std::string HeadingProblem(const std::vector<Column>& columns, SoilArray array) {
    const bool wenner = array == SoilArray::Wenner;
    for (const Column column : {Column::Spacing, Column::MN, Column::Ohms, Column::Depth,
                                Column::Traverse, Column::LeftOut}) {
        const auto count = std::count(columns.begin(), columns.end(), column);
        const std::string words = ColumnWords(column, array);
        if (count > 1) {
            return "the heading names " + words + " more than once.";
        }
        const bool needed = column == Column::Spacing || column == Column::Ohms ||
                            (column == Column::MN && !wenner);
        if (count == 0 && needed) {
            return "the heading names no column for " + words + ".";
        }
        const bool foreign =
            (column == Column::MN && wenner) || (column == Column::Depth && !wenner);
        if (count == 1 && foreign) {
            return "the heading names " + words + ", which a " +
                   (wenner ? "Wenner traverse" : "Schlumberger sounding") + " does not have.";
        }
    }
    return {};
}

std::string NotAReadingOf(std::string_view line, const std::vector<Column>& columns,
                          SoilArray array) {
    std::string text = "\"" + std::string(line) + "\" is not ";
    for (std::size_t i = 0; i < columns.size(); ++i) {
        if (i > 0) {
            text += i + 1 == columns.size() ? " and " : ", ";
        }
        const Column column = columns[i];
        const bool optional =
            column == Column::Depth || column == Column::Traverse || column == Column::LeftOut;
        text += (optional ? "perhaps " : "") + ColumnWords(column, array);
    }
    return text + (std::find(columns.begin(), columns.end(), Column::LeftOut) != columns.end()
                       ? " (yes or no)."
                       : ".");
}

// Spreadsheets mark a row with any of these; an empty cell keeps it.
std::optional<bool> LeftOutMark(std::string_view field) {
    const std::string mark = Lowered(TrimmedField(Unquoted(field)));
    if (mark.empty() || mark == "0" || mark == "no" || mark == "false") {
        return false;
    }
    if (mark == "1" || mark == "yes" || mark == "x" || mark == "true") {
        return true;
    }
    return std::nullopt;
}

std::optional<SoilReading> NamedReading(std::string_view line, char separator,
                                        const std::vector<Column>& columns) {
    const std::vector<std::string_view> fields = QuotedFields(line, separator);
    if (fields.size() > columns.size()) {
        return std::nullopt;
    }
    SoilReading reading;
    for (std::size_t i = 0; i < columns.size(); ++i) {
        const std::string_view field = i < fields.size() ? fields[i] : std::string_view();
        const Column column = columns[i];
        if (column == Column::Traverse) {
            reading.traverse = Unquoted(field);
            continue;
        }
        if (column == Column::LeftOut) {
            const std::optional<bool> mark = LeftOutMark(field);
            if (!mark) {
                return std::nullopt;
            }
            reading.leftOut = *mark;
            continue;
        }
        if (column == Column::Depth && TrimmedField(Unquoted(field)).empty()) {
            continue;
        }
        const std::optional<double> number = CsvNumber(field, separator);
        if (!number) {
            return std::nullopt;
        }
        switch (column) {
        case Column::Spacing:
            reading.spacing = *number;
            break;
        case Column::MN:
            reading.potentialSpacing = *number;
            break;
        case Column::Ohms:
            reading.ohms = *number;
            break;
        default:
            reading.probeDepth = *number;
            break;
        }
    }
    return reading;
}

// How the lines' fields are read: in the order a line without a heading
// has, or in the order a heading named.
class SoilLayout {
public:
    SoilLayout(char separator, SoilArray array) : separator(separator), array(array) {}

    // Takes the columns `line` names, if it names any; a problem when
    // readings cannot stand in them.
    std::optional<std::string> TakeHeading(std::string_view line) {
        std::optional<std::vector<Column>> columns = NamedColumns(line, separator);
        if (!columns) {
            return std::nullopt;
        }
        if (std::string problem = HeadingProblem(*columns, array); !problem.empty()) {
            return problem;
        }
        named = AsWithoutHeading(*columns, array) ? std::nullopt : std::move(columns);
        return std::nullopt;
    }

    // A line whose spacing is not a number is a heading, while no reading
    // has been read.
    bool SpacingIsNumber(std::string_view line) const {
        if (!named) {
            return BeginsWithCsvNumber(line, separator);
        }
        const std::vector<std::string_view> fields = QuotedFields(line, separator);
        const auto at = static_cast<std::size_t>(std::distance(
            named->begin(), std::find(named->begin(), named->end(), Column::Spacing)));
        return at < fields.size() && CsvNumber(fields[at], separator).has_value();
    }

    std::optional<SoilReading> Read(std::string_view line) const {
        return named ? NamedReading(line, separator, *named) : Reading(line, separator, array);
    }

    std::string WhyNotAReading(std::string_view line) const {
        return named ? NotAReadingOf(line, *named, array) : NotAReading(line, array);
    }

private:
    char separator;
    SoilArray array;
    std::optional<std::vector<Column>> named;
};

// Every traverse's name stands in quotes, so that one holding the separator
// or a quote reads back the same; a line break, which would end the reading,
// is written as a blank.
std::string QuotedName(const std::string& name) {
    std::string quoted = "\"";
    for (const char c : name) {
        if (c == '"') {
            quoted += "\"\"";
        } else {
            quoted += c == '\r' || c == '\n' ? ' ' : c;
        }
    }
    return quoted + "\"";
}

} // namespace

SoilCsvReadings ReadSoilCsv(std::string_view text, SoilArray array, LengthUnit unit) {
    if (text.starts_with("\xEF\xBB\xBF")) {
        text.remove_prefix(3);
    }
    SoilLayout layout(SeparatorOf(text), array);
    SoilCsvReadings result;
    for (std::size_t lineNumber = 1; !text.empty(); ++lineNumber) {
        const std::string_view line = TrimmedField(NextCsvLine(text));
        if (line.empty()) {
            continue;
        }
        if (result.readings.empty()) {
            if (std::optional<std::string> problem = layout.TakeHeading(line)) {
                return {{}, CsvLineProblem(lineNumber, *problem)};
            }
            if (!layout.SpacingIsNumber(line)) {
                continue;
            }
        }
        const std::optional<SoilReading> reading = layout.Read(line);
        if (!reading) {
            return {{}, CsvLineProblem(lineNumber, layout.WhyNotAReading(line))};
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
    const bool depths = array == SoilArray::Wenner &&
                        std::any_of(readings.begin(), readings.end(),
                                    [](const SoilReading& r) { return r.probeDepth; });
    const bool marked = std::any_of(readings.begin(), readings.end(), [](const SoilReading& r) {
        return !r.traverse.empty() || r.leftOut;
    });
    std::string text;
    if (array == SoilArray::Wenner) {
        text = "Spacing" + length + ",Resistance (Ohm)" +
               (depths ? ",Probe depth" + length : std::string());
    } else {
        text = "AB/2" + length + ",MN" + length + ",Resistance (Ohm)";
    }
    text += marked ? ",Traverse,Left out\r\n" : "\r\n";
    for (const SoilReading& r : readings) {
        if (array == SoilArray::Wenner) {
            text += shared::ExactText(r.spacing) + "," + shared::ExactText(r.ohms);
            if (r.probeDepth) {
                text += "," + shared::ExactText(*r.probeDepth);
            } else if (depths && marked) {
                text += ",";
            }
        } else {
            text += shared::ExactText(r.spacing) + "," + shared::ExactText(r.potentialSpacing) +
                    "," + shared::ExactText(r.ohms);
        }
        if (marked) {
            text += "," + QuotedName(r.traverse) + (r.leftOut ? ",yes" : ",no");
        }
        text += "\r\n";
    }
    return text;
}

} // namespace stakewell::files
