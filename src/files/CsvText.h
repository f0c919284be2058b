#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace stakewell::files {

// What the readings files and the soil survey's files read alike: one
// reading a line, its fields separated by the first of tab, semicolon and
// comma the text holds, with a decimal comma where that is not the comma.

std::string_view TrimmedField(std::string_view text);
char CsvSeparatorOf(std::string_view text);
// A whole field as one finite number, nothing before or after it; a field
// may stand in double quotes and begin with "+".
std::optional<double> CsvNumber(std::string_view field, char separator);
// The fields of a line, less the empty ones a spreadsheet ends rows with.
std::vector<std::string_view> CsvFields(std::string_view line, char separator);
// Whether a line begins with a number, as a reading does and a heading not.
bool BeginsWithCsvNumber(std::string_view line, char separator);
std::string CsvLineProblem(std::size_t number, const std::string& what);
// The next line of `text`, ended by CR LF, LF or CR, taken off its front.
std::string_view NextCsvLine(std::string_view& text);

} // namespace stakewell::files
