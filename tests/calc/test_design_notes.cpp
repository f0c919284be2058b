#include "DesignTexts.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

using stakewell::calc::SheetInput;
using stakewell::calc::SheetInputs;
using stakewell::calc::SheetNotes;
using stakewell::calc::SheetResult;
using stakewell::calc::SheetResults;

const std::string Closer =
    "The electrodes stand closer together than they are long: the approximation no longer holds "
    "here.";
const std::string Slender = "The electrode is less than ten times as long as its diameter: the "
                            "approximation no longer holds here.";
const std::string Deeper =
    "The wire lies deeper than the electrodes reach: the approximation no longer holds here.";

// One text changed in the first worked set: what the field that causes it is
// told, and which results carry which caution.
struct NoteCase {
    const char* name;
    SheetInput field;
    const char* text;
    std::string fieldNote;
    std::vector<std::pair<SheetResult, std::string>> resultNotes;
};

void PrintTo(const NoteCase& c, std::ostream* os) {
    *os << c.name;
}

SheetNotes NotesFor(SheetInput field, const char* text) {
    SheetInputs in{{"100", "10", "0.625", "4", "60", "0.1019", "2.5", "10", "50"}};
    in[field] = text;
    SheetResults labels;
    return stakewell::calc::ComputeSheet(in, labels);
}

class DesignNotes : public ::testing::TestWithParam<NoteCase> {};

TEST_P(DesignNotes, NameWhatIsMissingAndWhereTheApproximationFails) {
    const NoteCase& c = GetParam();
    const SheetNotes notes = NotesFor(c.field, c.text);
    EXPECT_EQ(notes.Inputs[c.field], c.fieldNote);
    SheetResults expected;
    for (const auto& [result, note] : c.resultNotes) {
        expected[result] = note;
    }
    EXPECT_EQ(DesignLabelTexts(notes.Results), DesignLabelTexts(expected));
}

using enum SheetResult;

const NoteCase noteCases[] = {
    {"SoundInputsSayNothing", SheetInput::WireDepth, "2.5", "", {}},
    {"EmptyDepth", SheetInput::WireDepth, "", "Enter the wire depth.", {}},
    {"EmptyCount", SheetInput::ElectrodeCount, "", "Enter the number of electrodes.", {}},
    {"NoElectrodes",
     SheetInput::ElectrodeCount,
     "0",
     "The number of electrodes must be at least 1.",
     {}},
    {"NegativeResistivity",
     SheetInput::EarthResistivity,
     "-100",
     "The earth resistivity must be above 0.",
     {}},
    {"WireThickerThanItLiesDeep",
     SheetInput::WireDiameter,
     "1413",
     "A wire this thick cannot lie buried this shallow: its radius is more than its depth.",
     {}},
    {"StubShorterThanItsDiameter",
     SheetInput::ElectrodeLength,
     "0.0177",
     "The electrode is shorter than its diameter: no rod formula holds for it.",
     {{LinearMutual, Deeper}, {PolygonMutual, Deeper}}},
    {"RodsCloserThanTheyAreLong",
     SheetInput::ElectrodeCount,
     "100",
     "",
     {{LinearElectrodes, Closer},
      {LinearTotal, Closer},
      {PolygonElectrodes, Closer},
      {PolygonTotal, Closer}}},
    {"WireBelowTheRods",
     SheetInput::WireDepth,
     "12",
     "",
     {{LinearMutual, Deeper},
      {LinearTotal, Deeper},
      {PolygonMutual, Deeper},
      {PolygonTotal, Deeper}}},
    {"CountNotWhole",
     SheetInput::ElectrodeCount,
     "6.7",
     "Read as 7 electrodes.",
     {{PolygonElectrodes, Closer}, {PolygonTotal, Closer}}},
    {"NegativeCountIsOne", SheetInput::ElectrodeCount, "-3", "Read as 1 electrode.", {}},
    // Ten diameters of 0.625 in are 6.25 in: a rod of 0.52 ft falls short,
    // one of 0.53 ft does not.
    {"JustShortOfTenDiameters",
     SheetInput::ElectrodeLength,
     "0.52",
     "",
     {{OneElectrode, Slender},
      {LinearElectrodes, Slender},
      {LinearMutual, Deeper},
      {LinearTotal, Slender + "\n" + Deeper},
      {PolygonElectrodes, Slender},
      {PolygonMutual, Deeper},
      {PolygonTotal, Slender + "\n" + Deeper}}},
    {"TenDiametersLong", SheetInput::ElectrodeLength, "5.2084", "", {}},
    {"NoWire", SheetInput::WireLength, "0", "The wire length must be above 0.", {}},
};

INSTANTIATE_TEST_SUITE_P(Table, DesignNotes, ::testing::ValuesIn(noteCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A figure emptied where no input is to blame says why itself: a wire shorter
// than half a rod gives a mutual resistance below zero.
TEST(DesignNotes, AnEmptyFigureNoInputExplainsSaysWhy) {
    SheetResults labels;
    const SheetNotes notes = stakewell::calc::ComputeSheet(
        SheetInputs{{"100", "10", "0.625", "4", "1", "0.1019", "2.5", "10", "50"}}, labels);
    EXPECT_EQ(labels[LinearMutual], "");
    EXPECT_EQ(notes.Results[LinearMutual],
              "No figure: these inputs give no value the approximation can stand for.");
}

} // namespace
