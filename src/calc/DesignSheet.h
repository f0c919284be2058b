#pragma once

#include "calc/GroundModel.h"
#include "shared/Units.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>

namespace stakewell::calc {

// The design sheet: the texts the user types and the texts the calculation
// shows. Each input and result is a row of one table below, which every part
// of the program reads instead of naming widgets or file items itself.

// In the order the data file keeps them.
enum class SheetInput : std::size_t {
    EarthResistivity,
    ElectrodeLength,
    ElectrodeDiameter,
    ElectrodeCount,
    WireLength,
    WireDiameter,
    WireDepth,
    FourPointOhms,
    FourPointE2,
};
inline constexpr std::size_t SheetInputCount = 9;

// In the order the design report lists them, the four-point results last.
enum class SheetResult : std::size_t {
    OneElectrode,
    LinearSpacing,
    LinearElectrodes,
    LinearWire,
    LinearMutual,
    LinearTotal,
    PolygonSpacing,
    PolygonElectrodes,
    PolygonWire,
    PolygonMutual,
    PolygonTotal,
    ProbeP1,
    ProbeP2,
    FourPointResistivity,
};
inline constexpr std::size_t SheetResultCount = 14;

// Where the data file keeps an input: the design before the fall-of-potential
// readings, the four-point test after them.
enum class FilePlace { BeforeReadings, AfterReadings };

// Which block of the design report shows a result; the four-point results
// are shown by the test report only.
enum class ReportBlock { Single, Linear, Polygon, None };

struct InputRow {
    SheetInput Input;
    const char* Widget;   // the field's objectName
    const char* DataItem; // its path under Data/Stakewell
    FilePlace Place;
    const char* ReportLabel; // its line of the design report, with the "= "; none when empty
    const char* ReportUnit;
    const char* MetricReportUnit;
};

struct ResultRow {
    SheetResult Result;
    const char* Widget; // the label's objectName
    ReportBlock Block;
    const char* ReportLabel;
    const char* ReportUnit;
    const char* MetricReportUnit;
};

inline constexpr std::array<InputRow, SheetInputCount> InputRows{{
    {SheetInput::EarthResistivity, "tbxEarthRes", "/Earth_Restivity", FilePlace::BeforeReadings,
     "   Earth Restivity      = ", " meter-Ohms", " meter-Ohms"},
    {SheetInput::ElectrodeLength, "tbxElectLen", "/Electrode/Length", FilePlace::BeforeReadings,
     "   Electrode Length     = ", " feet", " metres"},
    {SheetInput::ElectrodeDiameter, "tbxElectDia", "/Electrode/Diameter", FilePlace::BeforeReadings,
     "   Electrode Diameter   = ", " inches", " millimetres"},
    {SheetInput::ElectrodeCount, "tbxNumElect", "/Electrode/Number", FilePlace::BeforeReadings,
     "   Number of Electrodes = ", "", ""},
    {SheetInput::WireLength, "tbxWireLen", "/Wire/Length", FilePlace::BeforeReadings,
     "   Wire Length          = ", " feet", " metres"},
    {SheetInput::WireDiameter, "tbxWireDia", "/Wire/Diameter", FilePlace::BeforeReadings,
     "   Wire Diameter        = ", " inches", " millimetres"},
    {SheetInput::WireDepth, "tbxWireDepth", "/Wire/Depth", FilePlace::BeforeReadings,
     "   Wire Depth           = ", " feet", " metres"},
    {SheetInput::FourPointOhms, "tbxMVal", "/4Pt/MVal", FilePlace::AfterReadings, "", "", ""},
    {SheetInput::FourPointE2, "tbx4ptE2", "/4Pt/E2", FilePlace::AfterReadings, "", "", ""},
}};

inline constexpr std::array<ResultRow, SheetResultCount> ResultRows{{
    {SheetResult::OneElectrode, "lbOneElectRes", ReportBlock::Single,
     "Single Electrode Resistance = ", " Ohms", " Ohms"},
    {SheetResult::LinearSpacing, "lbLinearSpace", ReportBlock::Linear,
     "Electrode spacing    = ", " feet", " metres"},
    {SheetResult::LinearElectrodes, "lbLinearElect", ReportBlock::Linear,
     "Electrode resistance = ", " Ohms", " Ohms"},
    {SheetResult::LinearWire, "lbLinearWire", ReportBlock::Linear,
     "Wire resistance      = ", " Ohms", " Ohms"},
    {SheetResult::LinearMutual, "LbLinearMutual", ReportBlock::Linear,
     "Mutual resistance    = ", " Ohms", " Ohms"},
    {SheetResult::LinearTotal, "lbLinearTotal", ReportBlock::Linear,
     "Total resistance     = ", " Ohms", " Ohms"},
    {SheetResult::PolygonSpacing, "lbRectSpace", ReportBlock::Polygon,
     "Electrode spacing    = ", " feet", " metres"},
    {SheetResult::PolygonElectrodes, "lbRectElect", ReportBlock::Polygon,
     "Electrode resistance = ", " Ohms", " Ohms"},
    {SheetResult::PolygonWire, "lbRectWire", ReportBlock::Polygon,
     "Wire resistance      = ", " Ohms", " Ohms"},
    {SheetResult::PolygonMutual, "lbRectMutual", ReportBlock::Polygon,
     "Mutual resistance    = ", " Ohms", " Ohms"},
    {SheetResult::PolygonTotal, "lbRectTotal", ReportBlock::Polygon,
     "Total resistance     = ", " Ohms", " Ohms"},
    {SheetResult::ProbeP1, "lbP1", ReportBlock::None, "", "", ""},
    {SheetResult::ProbeP2, "lbP2", ReportBlock::None, "", "", ""},
    {SheetResult::FourPointResistivity, "lbEarthRes", ReportBlock::None, "", "", ""},
}};

// A row's unit in the design report of a work kept in `units`.
template <typename Row> const char* ReportUnitIn(const Row& row, shared::UnitSystem units) {
    return units == shared::UnitSystem::Metric ? row.MetricReportUnit : row.ReportUnit;
}

// One text for each input or each result, reached by its key.
template <typename Key, std::size_t Count> struct SheetTexts {
    std::array<std::string, Count> Texts;

    std::string& operator[](Key key) { return Texts[static_cast<std::size_t>(key)]; }
    const std::string& operator[](Key key) const { return Texts[static_cast<std::size_t>(key)]; }
    friend bool operator==(const SheetTexts&, const SheetTexts&) = default;
};
using SheetInputs = SheetTexts<SheetInput, SheetInputCount>;
using SheetResults = SheetTexts<SheetResult, SheetResultCount>;

// The wire given as its length between electrodes: the line arrangement's
// wire is then (N - 1) spans of the first length, the polygon's N spans of
// the second, in place of the total length.
struct WireBetweenInputs {
    std::string Line;
    std::string Polygon;
};

// The wire lengths the results are computed from when the wire is given
// between electrodes, in feet: the line's (N - 1) spans and the polygon's N.
struct WireTotals {
    float Line = 0.0F;
    float Polygon = 0.0F;
};
WireTotals BetweenWireTotals(const std::string& electrodeCount, const WireBetweenInputs& between);

// The design as the computation reads the sheet's texts (feet and inches),
// once for each arrangement: the two differ in the wire's length only, when
// it is given between electrodes.
struct ArrangementInputs {
    DesignInputs Line;
    DesignInputs Polygon;
};
ArrangementInputs ReadArrangements(const SheetInputs& inputs,
                                   const std::optional<WireBetweenInputs>& between);

// A resistance as the sheet shows its results; empty where there is none.
std::string OhmsText(double ohms);

// What the sheet has to say beside its figures; an empty text says nothing.
// For an input: how its text was read, or what it lacks for the results it
// leaves empty. For a result: why it has no figure when no input says so, or
// why its figure is to be taken with care.
struct SheetNotes {
    SheetTexts<SheetInput, SheetInputCount> Inputs;
    SheetTexts<SheetResult, SheetResultCount> Results;
};

// Recomputes every result from the input texts, which are in feet and
// inches. The eleven design results are always rewritten, empty where the
// inputs cannot support a figure; the probe positions keep their previous
// text when their step faults and so does the resistivity, unless it comes
// out at or below zero, so `results` is read as well as written. The
// spacings and probe positions are shown in `shownIn`'s length unit.
SheetNotes ComputeSheet(const SheetInputs& inputs, SheetResults& results,
                        const std::optional<WireBetweenInputs>& between = std::nullopt,
                        shared::UnitSystem shownIn = shared::UnitSystem::Imperial);

} // namespace stakewell::calc
