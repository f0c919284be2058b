#include "DesignTexts.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using modStakewell::RecalcInputs;
using modStakewell::RecalcLabels;

struct DesignCase {
    const char* name;
    RecalcInputs inputs;
    std::array<std::string, 11> expected;
};

void PrintTo(const DesignCase& c, std::ostream* os) {
    *os << c.name;
}

RecalcInputs Inputs(const char* rho, const char* L, const char* d, const char* N, const char* Lw,
                    const char* dw, const char* h) {
    return RecalcInputs{rho, L, d, N, Lw, dw, h, "50", ""};
}

RecalcInputs FirstSet() {
    return Inputs("100", "10", "0.625", "4", "60", "0.1019", "2.5");
}

RecalcInputs FirstSetWith(std::string RecalcInputs::*field, const char* text) {
    RecalcInputs in = FirstSet();
    in.*field = text;
    return in;
}

class GroundModelTest : public ::testing::TestWithParam<DesignCase> {};

TEST_P(GroundModelTest, ShowsTheWorkedResults) {
    RecalcLabels labels;
    modStakewell::Recalculate(GetParam().inputs, labels);
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
    {"OneElectrode",
     FirstSetWith(&RecalcInputs::tbxNumElect, "1"),
     {"33.091", "", "33.091", "9.945", "4.325", "9.026", "60.00", "32.305", "10.899", "5.279",
      "9.932"}},
    {"NegativeCountMeansOne",
     FirstSetWith(&RecalcInputs::tbxNumElect, "-3"),
     {"33.091", "", "33.091", "9.945", "4.325", "9.026", "60.00", "32.305", "10.899", "5.279",
      "9.932"}},
    {"NoElectrodes",
     FirstSetWith(&RecalcInputs::tbxNumElect, "0"),
     {"33.091", "-60.00", "", "9.945", "4.325", "", "", "", "10.899", "5.279", "-81.893"}},
    {"EmptyCountIsZero",
     FirstSetWith(&RecalcInputs::tbxNumElect, ""),
     {"33.091", "-60.00", "", "9.945", "4.325", "", "", "", "10.899", "5.279", "-81.893"}},
    {"ZeroElectrodeDiameter",
     FirstSetWith(&RecalcInputs::tbxElectDia, "0"),
     {"", "20.00", "1.414", "9.945", "4.325", "-1.713", "15.00", "", "10.899", "5.279", "-81.893"}},
    {"ZeroWireDepth",
     FirstSetWith(&RecalcInputs::tbxWireDepth, "0"),
     {"33.091", "20.00", "9.687", "", "4.325", "-18.036", "15.00", "9.900", "", "5.279", "42.294"}},
    {"ZeroWireDiameter",
     FirstSetWith(&RecalcInputs::tbxWireDia, "0"),
     {"33.091", "20.00", "9.687", "", "4.325", "-18.036", "15.00", "9.900", "", "5.279", "42.294"}},
    {"LargestCount",
     FirstSetWith(&RecalcInputs::tbxNumElect, "32767"),
     {"33.091", "0.00", "17.361", "9.945", "4.325", "8.252", "0.00", "17.313", "10.899", "5.279",
      "9.110"}},
    {"CountBeyondSixteenBitsIsHeldAtTheLimit",
     FirstSetWith(&RecalcInputs::tbxNumElect, "1E9"),
     {"33.091", "0.00", "17.361", "9.945", "4.325", "8.252", "0.00", "17.313", "10.899", "5.279",
      "9.110"}},
    {"CountHalvesRoundToEven",
     FirstSetWith(&RecalcInputs::tbxNumElect, "3.5"),
     {"33.091", "20.00", "9.687", "9.945", "4.325", "7.069", "15.00", "9.900", "10.899", "5.279",
      "7.815"}},
};

INSTANTIATE_TEST_SUITE_P(Table, GroundModelTest, ::testing::ValuesIn(designCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GroundModel, ZeroLengthFailsTheRodAndMutualSteps) {
    RecalcLabels labels;
    modStakewell::Recalculate(FirstSetWith(&RecalcInputs::tbxElectLen, "0"), labels);
    EXPECT_EQ(labels.lbOneElectRes, "");
    EXPECT_EQ(labels.lbRectElect, "");
    EXPECT_EQ(labels.LbLinearMutual, "");
    EXPECT_EQ(labels.lbRectMutual, "");
    EXPECT_EQ(labels.lbLinearWire, "9.945");
}

TEST(GroundModel, ZeroWireLengthShowsZeroSpacingAndFailsTheWireSteps) {
    RecalcLabels labels;
    modStakewell::Recalculate(FirstSetWith(&RecalcInputs::tbxWireLen, "0"), labels);
    EXPECT_EQ(labels.lbLinearSpace, "0.00");
    EXPECT_EQ(labels.lbRectSpace, "0.00");
    EXPECT_EQ(labels.lbOneElectRes, "33.091");
    for (const std::string* faulted :
         {&labels.lbLinearElect, &labels.lbLinearWire, &labels.LbLinearMutual,
          &labels.lbLinearTotal, &labels.lbRectElect, &labels.lbRectWire, &labels.lbRectMutual,
          &labels.lbRectTotal}) {
        EXPECT_EQ(*faulted, "");
    }
}

TEST(GroundModel, NegativeResistivityGivesNegativeResistances) {
    RecalcLabels labels;
    modStakewell::Recalculate(FirstSetWith(&RecalcInputs::tbxEarthRes, "-100"), labels);
    EXPECT_EQ(labels.lbOneElectRes, "-33.091");
    EXPECT_EQ(labels.lbLinearWire, "-9.945");
}

TEST(GroundModel, NaNWithoutAFaultOfItsOwnShowsEmpty) {
    // One electrode on no wire: the spacing is 0/0, and the electrode group
    // and total inherit NaN without a fault of their own.
    RecalcInputs in = FirstSetWith(&RecalcInputs::tbxNumElect, "1");
    in.tbxWireLen = "0";
    RecalcLabels labels;
    modStakewell::Recalculate(in, labels);
    EXPECT_EQ(labels.lbLinearSpace, "");
    EXPECT_EQ(labels.lbLinearElect, "");
    EXPECT_EQ(labels.lbLinearTotal, "");
}

TEST(GroundModel, EmptyFieldsAtFirstStartShowNoGarbage) {
    RecalcLabels labels;
    modStakewell::Recalculate(RecalcInputs{}, labels);
    for (const std::string& text : DesignLabelTexts(labels)) {
        EXPECT_TRUE(text.empty() || text == "0.00" || text == "0.000") << text;
    }
}

TEST(GroundModel, ResistivityBeyondSingleRangeShowsEmptyResults) {
    RecalcLabels labels;
    modStakewell::Recalculate(FirstSetWith(&RecalcInputs::tbxEarthRes, "1E39"), labels);
    EXPECT_EQ(labels.lbOneElectRes, "");
    EXPECT_EQ(labels.lbLinearSpace, "20.00");
}

TEST(GroundModel, ResultTooLargeForSinglePrecisionFaults) {
    RecalcInputs in = FirstSetWith(&RecalcInputs::tbxEarthRes, "3E38");
    in.tbxElectLen = "1";
    RecalcLabels labels;
    modStakewell::Recalculate(in, labels);
    EXPECT_EQ(labels.lbOneElectRes, "");
    // The infinite R1 flows into the electrode group, which shows nothing.
    EXPECT_EQ(labels.lbLinearElect, "");
}

} // namespace
