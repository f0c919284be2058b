// Any bytes as a soil CSV text, read as either array in either unit. The
// reader throws nothing; it refuses the text naming a line of it that holds
// something, or finds no readings, or gives readings every one of which has
// an apparent resistivity; and what it gives, written and read again, comes
// back exactly.
#include "CsvLines.h"
#include "FuzzCheck.h"

#include "files/SoilCsv.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

using stakewell::soil::LengthUnit;
using stakewell::soil::SoilArray;
using stakewell::files::SoilCsvReadings;

void CheckRefusal(std::string_view text, const SoilCsvReadings& read) {
    Require(read.readings.empty(), "a refused text gives no readings", read.problem);
    if (read.problem == "No readings were found.") {
        return;
    }
    const std::optional<std::size_t> line = NamedLine(read.problem);
    const std::vector<std::string_view> lines = CsvLines(text);
    Require(line && *line >= 1 && *line <= lines.size(), "a refusal names a line of the text",
            read.problem);
    Require(HoldsText(lines[*line - 1]), "the line refused holds something", read.problem);
}

void Check(std::string_view text, SoilArray array, LengthUnit unit) {
    SoilCsvReadings read;
    try {
        read = stakewell::files::ReadSoilCsv(text, array, unit);
    } catch (...) {
        Require(false, "reading a soil CSV throws nothing");
    }
    if (!read.problem.empty()) {
        CheckRefusal(text, read);
        return;
    }
    Require(!read.readings.empty() && read.readings.size() <= stakewell::soil::MaxSoilReadings,
            "an accepted text gives between one and the largest count of readings");
    for (const auto& reading : read.readings) {
        Require(stakewell::soil::ApparentPoint(array, unit, reading).has_value(),
                "every reading taken has an apparent resistivity", Exact(reading.spacing));
    }
    const std::string written = stakewell::files::WriteSoilCsv(read.readings, array, unit);
    const SoilCsvReadings back = stakewell::files::ReadSoilCsv(written, array, unit);
    Require(back.problem.empty(), "written readings are read again", back.problem);
    Require(back.readings == read.readings, "written readings come back exactly", written);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    for (const SoilArray array : {SoilArray::Wenner, SoilArray::Schlumberger}) {
        for (const LengthUnit unit : {LengthUnit::Feet, LengthUnit::Metres}) {
            Check(text, array, unit);
        }
    }
    return 0;
}
