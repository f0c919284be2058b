#include "DesignTexts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using stakewell::calc::SheetInput;
using stakewell::calc::SheetInputs;
using stakewell::calc::SheetResult;
using stakewell::calc::SheetResults;

struct DesignCase {
    const char* name;
    SheetInputs inputs;
    std::array<std::string, 11> expected;
};

void PrintTo(const DesignCase& c, std::ostream* os) {
    *os << c.name;
}

SheetInputs Inputs(const char* rho, const char* L, const char* d, const char* N, const char* Lw,
                   const char* dw, const char* h) {
    return SheetInputs{{rho, L, d, N, Lw, dw, h, "", "50"}};
}

SheetInputs FirstSet() {
    return Inputs("100", "10", "0.625", "4", "60", "0.1019", "2.5");
}

SheetInputs FirstSetWith(SheetInput field, const char* text) {
    SheetInputs in = FirstSet();
    in[field] = text;
    return in;
}

class GroundModelTest : public ::testing::TestWithParam<DesignCase> {};

TEST_P(GroundModelTest, ShowsTheWorkedResults) {
    SheetResults labels;
    stakewell::calc::ComputeSheet(GetParam().inputs, labels);
    EXPECT_EQ(DesignLabelTexts(labels), GetParam().expected);
}

const DesignCase designCases[] = {
    {"FirstSet",
     FirstSet(),
     {"33.091", "20.00", "9.687", "9.945", "4.325", "7.069", "15.00", "9.900", "10.899", "5.279",
      "7.815"}},
    {"SecondSet",
     Inputs("100", "8", "0.5", "2", "20", "0.2576", "1.5"),
     {"41.364", "20.00", "21.987", "23.010", "8.403", "15.442", "10.00", "21.943", "25.873",
      "11.267", "17.435"}},
    {"ThirdSet",
     Inputs("250", "10", "0.75", "6", "100", "0.3249", "2.5"),
     {"80.347", "20.00", "16.546", "14.737", "7.821", "11.679", "16.67", "16.890", "16.169",
      "9.253", "12.882"}},
    // One electrode has no neighbours: both arrangements show the single rod.
    {"OneElectrode",
     FirstSetWith(SheetInput::ElectrodeCount, "1"),
     {"33.091", "", "33.091", "9.945", "4.325", "9.026", "60.00", "33.091", "10.899", "5.279",
      "9.954"}},
    {"NegativeCountMeansOne",
     FirstSetWith(SheetInput::ElectrodeCount, "-3"),
     {"33.091", "", "33.091", "9.945", "4.325", "9.026", "60.00", "33.091", "10.899", "5.279",
      "9.954"}},
    // Every figure that depends on the count is empty without one.
    {"NoElectrodes",
     FirstSetWith(SheetInput::ElectrodeCount, "0"),
     {"33.091", "", "", "9.945", "4.325", "", "", "", "10.899", "5.279", ""}},
    {"EmptyCount",
     FirstSetWith(SheetInput::ElectrodeCount, ""),
     {"33.091", "", "", "9.945", "4.325", "", "", "", "10.899", "5.279", ""}},
    // A total is never built on a failed step's 0.
    {"ZeroElectrodeDiameter",
     FirstSetWith(SheetInput::ElectrodeDiameter, "0"),
     {"", "20.00", "", "9.945", "4.325", "", "15.00", "", "10.899", "5.279", ""}},
    {"EmptyWireDepth",
     FirstSetWith(SheetInput::WireDepth, ""),
     {"33.091", "20.00", "9.687", "", "4.325", "", "15.00", "9.900", "", "5.279", ""}},
    {"ZeroWireDiameter",
     FirstSetWith(SheetInput::WireDiameter, "0"),
     {"33.091", "20.00", "9.687", "", "4.325", "", "15.00", "9.900", "", "5.279", ""}},
    {"WireThickerThanItLiesDeep",
     FirstSetWith(SheetInput::WireDiameter, "1413"),
     {"33.091", "20.00", "9.687", "", "4.325", "", "15.00", "9.900", "", "5.279", ""}},
    {"NegativeResistivity",
     FirstSetWith(SheetInput::EarthResistivity, "-100"),
     {"", "20.00", "", "", "", "", "15.00", "", "", "", ""}},
    // The rod's logarithm goes below zero: no rod, so no arrangement of rods.
    {"RodFarShorterThanItsDiameter",
     FirstSetWith(SheetInput::ElectrodeLength, "0.01"),
     {"", "20.00", "", "9.945", "16.348", "", "15.00", "", "10.899", "17.302", ""}},
    // A stub shorter than it is thick is no rod either, though the formula
    // still gives it a figure.
    {"StubShorterThanItsDiameter",
     FirstSetWith(SheetInput::ElectrodeLength, "0.0177"),
     {"", "20.00", "", "9.945", "15.354", "", "15.00", "", "10.899", "16.308", ""}},
    {"CountReadAsTheNearestWhole",
     FirstSetWith(SheetInput::ElectrodeCount, "6.7"),
     {"33.091", "10.00", "7.104", "9.945", "4.325", "6.184", "8.57", "7.328", "10.899", "5.279",
      "6.781"}},
    {"LargestCount",
     FirstSetWith(SheetInput::ElectrodeCount, "32767"),
     {"33.091", "0.00", "17.361", "9.945", "4.325", "8.252", "0.00", "17.313", "10.899", "5.279",
      "9.110"}},
    {"CountBeyondSixteenBitsIsHeldAtTheLimit",
     FirstSetWith(SheetInput::ElectrodeCount, "1E9"),
     {"33.091", "0.00", "17.361", "9.945", "4.325", "8.252", "0.00", "17.313", "10.899", "5.279",
      "9.110"}},
    {"CountHalvesRoundToEven",
     FirstSetWith(SheetInput::ElectrodeCount, "3.5"),
     {"33.091", "20.00", "9.687", "9.945", "4.325", "7.069", "15.00", "9.900", "10.899", "5.279",
      "7.815"}},
};

INSTANTIATE_TEST_SUITE_P(Table, GroundModelTest, ::testing::ValuesIn(designCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GroundModel, ZeroLengthFailsTheRodAndMutualSteps) {
    SheetResults labels;
    stakewell::calc::ComputeSheet(FirstSetWith(SheetInput::ElectrodeLength, "0"), labels);
    EXPECT_EQ(labels[SheetResult::OneElectrode], "");
    EXPECT_EQ(labels[SheetResult::PolygonElectrodes], "");
    EXPECT_EQ(labels[SheetResult::LinearMutual], "");
    EXPECT_EQ(labels[SheetResult::PolygonMutual], "");
    EXPECT_EQ(labels[SheetResult::LinearWire], "9.945");
}

TEST(GroundModel, NoWireLengthEmptiesEveryFigureBuiltOnTheWire) {
    SheetResults labels;
    stakewell::calc::ComputeSheet(FirstSetWith(SheetInput::WireLength, "0"), labels);
    EXPECT_EQ(labels[SheetResult::OneElectrode], "33.091");
    for (std::size_t k = 1; k < DesignLabelNames.size(); ++k) {
        EXPECT_EQ(labels.Texts.at(k), "") << DesignLabelNames.at(k);
    }
}

TEST(GroundModel, OneElectrodeNeedsNoWireForItsOwnFigure) {
    SheetInputs in = FirstSetWith(SheetInput::ElectrodeCount, "1");
    in[SheetInput::WireLength] = "0";
    SheetResults labels;
    stakewell::calc::ComputeSheet(in, labels);
    EXPECT_EQ(labels[SheetResult::LinearSpacing], "");
    EXPECT_EQ(labels[SheetResult::LinearElectrodes], "33.091");
    EXPECT_EQ(labels[SheetResult::PolygonElectrodes], "33.091");
    EXPECT_EQ(labels[SheetResult::LinearTotal], "");
}

TEST(GroundModel, EmptyFieldsAtFirstStartShowNoGarbage) {
    SheetResults labels;
    stakewell::calc::ComputeSheet(SheetInputs{}, labels);
    for (const std::string& text : DesignLabelTexts(labels)) {
        EXPECT_TRUE(text.empty() || text == "0.00" || text == "0.000") << text;
    }
}

TEST(GroundModel, ResistivityBeyondSingleRangeShowsEmptyResults) {
    SheetResults labels;
    stakewell::calc::ComputeSheet(FirstSetWith(SheetInput::EarthResistivity, "1E39"), labels);
    EXPECT_EQ(labels[SheetResult::OneElectrode], "");
    EXPECT_EQ(labels[SheetResult::LinearSpacing], "20.00");
}

TEST(GroundModel, ResultTooLargeForSinglePrecisionFaults) {
    SheetInputs in = FirstSetWith(SheetInput::EarthResistivity, "3E38");
    in[SheetInput::ElectrodeLength] = "1";
    SheetResults labels;
    stakewell::calc::ComputeSheet(in, labels);
    EXPECT_EQ(labels[SheetResult::OneElectrode], "");
    // The infinite R1 flows into the electrode group, which shows nothing.
    EXPECT_EQ(labels[SheetResult::LinearElectrodes], "");
}

} // namespace
