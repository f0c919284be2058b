// Any bytes as a fall-of-potential readings CSV text against E2 = 1000 ft.
// The reader throws nothing; it refuses the text naming a line of it that
// holds something, or finds no readings, or gives readings the point list
// takes. What it gives, put in the list, written and read again, comes back:
// exactly, and the text the readings give is then the same on every later
// export.
#include "CsvLines.h"
#include "FuzzCheck.h"

#include "files/ReadingsCsv.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

using stakewell::files::CsvReadings;
using stakewell::fop::FallOfPotential;
using stakewell::fop::FOPPoint;

constexpr double E2 = 1000.0;
constexpr std::string_view TooMany = "There are more than ";

FallOfPotential Survey(const std::vector<FOPPoint>& readings) {
    FallOfPotential fop;
    fop.FOPE2Distance = E2;
    std::vector<FOPPoint> points{FOPPoint{}};
    points.insert(points.end(), readings.begin(), readings.end());
    fop.Replace(std::move(points), 0);
    return fop;
}

void CheckRefusal(std::string_view text, const CsvReadings& read) {
    Require(read.Readings.empty(), "a refused text gives no readings", read.Problem);
    const std::vector<std::string_view> lines = CsvLines(text);
    if (read.Problem == "No readings were found.") {
        return;
    }
    if (read.Problem.starts_with(TooMany)) {
        Require(lines.size() > static_cast<std::size_t>(stakewell::fop::MaxFOPPoints),
                "only a text of more lines than the list holds has too many readings");
        return;
    }
    const std::optional<std::size_t> line = NamedLine(read.Problem);
    Require(line && *line >= 1 && *line <= lines.size(), "a refusal names a line of the text",
            read.Problem);
    Require(HoldsText(lines[*line - 1]), "the line refused holds something", read.Problem);
}

void RequireKept(double before, double after, const std::string& written) {
    Require(after == before, "every value comes back exactly", written);
}

CsvReadings Exported(const std::vector<FOPPoint>& readings, std::string& written) {
    const FallOfPotential fop = Survey(readings);
    written = stakewell::files::WriteReadingsCsv(fop);
    return stakewell::files::ReadReadingsCsv(written, fop);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    FallOfPotential fop;
    fop.FOPE2Distance = E2;
    CsvReadings read;
    try {
        read = stakewell::files::ReadReadingsCsv(text, fop);
    } catch (...) {
        Require(false, "reading a readings CSV throws nothing");
    }
    if (!read.Problem.empty()) {
        CheckRefusal(text, read);
        return 0;
    }
    Require(!read.Readings.empty() &&
                read.Readings.size() <= static_cast<std::size_t>(stakewell::fop::MaxFOPPoints),
            "an accepted text gives between one and the largest count of readings");
    for (const FOPPoint& reading : read.Readings) {
        Require(fop.CheckPoint(reading.Distance, reading.Ohms) == stakewell::fop::AddRefusal::None,
                "the point list takes every reading", Exact(reading.Ohms));
    }
    std::string written;
    const CsvReadings back = Exported(read.Readings, written);
    Require(back.Problem.empty(), "exported readings are imported again",
            back.Problem + " in\n" + written);
    Require(back.Readings.size() == read.Readings.size(), "every reading comes back", written);
    for (std::size_t i = 0; i < read.Readings.size(); ++i) {
        RequireKept(read.Readings[i].Distance, back.Readings[i].Distance, written);
        RequireKept(read.Readings[i].Ohms, back.Readings[i].Ohms, written);
    }
    std::string again;
    const CsvReadings twice = Exported(back.Readings, again);
    Require(twice.Readings == back.Readings && again == written,
            "readings once exported stay as they are", again);
    return 0;
}
