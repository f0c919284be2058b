// Any bytes as a data file. The reader either refuses the file with a reason
// or gives a point list within the limit, every reading finite and not
// negative; it throws nothing. What it gives
// (up to a few hundred points) can be written and read again: the texts come
// back exactly, and the numbers, once written, stay as they are.
#include "FuzzCheck.h"
#include "ScratchFile.h"

#include "files/DataFile.h"
#include "files/XmlValueStore.h"

#include <QFile>

#include <cmath>
#include <cstdint>
#include <optional>
#include <utility>

namespace {

using stakewell::files::DataFileContent;

constexpr int RoundTripPoints = 256;

std::optional<DataFileContent> ReadFile(const QString& fileName) {
    stakewell::files::CheckedDataFile file = stakewell::files::ReadCheckedDataFile(fileName);
    Require(file.Content.has_value() || !file.Problem.isEmpty(), "a file refused names its reason");
    return std::move(file.Content);
}

DataFileContent WrittenAndRead(const DataFileContent& content) {
    stakewell::files::XmlValueStore store;
    store.FileName(ScratchFile(QStringLiteral("written.xml")));
    stakewell::files::WriteDataFile(store, content);
    const std::optional<QString> problem = store.Write();
    Require(!problem, "a data file is written", problem ? problem->toStdString() : "");
    const std::optional<DataFileContent> back = ReadFile(store.FileName());
    Require(back.has_value(), "a data file written is read");
    return *back;
}

void RequireSane(const DataFileContent& content) {
    Require(!content.FOPPoints.empty() && content.PointCount() <= stakewell::fop::MaxFOPPoints,
            "the point list holds the origin and at most the largest count");
    Require(content.FOPPoints.front() == stakewell::fop::FOPPoint{}, "point 0 is the origin");
    for (const stakewell::fop::FOPPoint& point : content.FOPPoints) {
        Require(std::isfinite(point.Distance) && std::isfinite(point.Ohms) && point.Distance >= 0.0 &&
                    point.Ohms >= 0.0,
                "every point is finite and not negative");
    }
}

bool SameContent(const DataFileContent& a, const DataFileContent& b) {
    return a.MainTop == b.MainTop && a.MainLeft == b.MainLeft &&
           a.Graph.GraphTop == b.Graph.GraphTop && a.Graph.GraphLeft == b.Graph.GraphLeft &&
           a.Graph.GraphWidth == b.Graph.GraphWidth && a.Graph.GraphHeight == b.Graph.GraphHeight &&
           a.FieldTexts == b.FieldTexts && a.FOPPoints == b.FOPPoints && a.Choices == b.Choices;
}

void Check(const QString& fileName) {
    std::optional<DataFileContent> content;
    try {
        content = ReadFile(fileName);
    } catch (...) {
        Require(false, "reading a data file throws nothing");
    }
    if (!content) {
        return;
    }
    RequireSane(*content);
    // Every point is written the same way: a few tell as much as a full
    // survey, whose megabytes of saving would slow the fuzzing a hundredfold.
    if (content->PointCount() > RoundTripPoints) {
        return;
    }
    const DataFileContent once = WrittenAndRead(*content);
    RequireSane(once);
    Require(once.FieldTexts == content->FieldTexts && once.PointCount() == content->PointCount() &&
                once.Choices == content->Choices,
            "the texts, the choices and the point count come back as they were");
    Require(SameContent(WrittenAndRead(once), once), "a data file read and written stays as it is");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString fileName = ScratchFile(QStringLiteral("input.xml"));
    {
        QFile file(fileName);
        Require(file.open(QIODevice::WriteOnly | QIODevice::Truncate), "the input is written");
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    Check(fileName);
    return 0;
}
