#include "calc/DesignSheet.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <ostream>
#include <tuple>

namespace {

using stakewell::calc::SheetInput;
using stakewell::calc::SheetInputs;
using stakewell::calc::SheetResult;
using stakewell::calc::SheetResults;

struct FourPointCase {
    std::string e2;
    std::string measured;
    std::string p1;
    std::string p2;
    std::string resistivity;
};

void PrintTo(const FourPointCase& c, std::ostream* os) {
    *os << ::testing::PrintToString(std::tuple(c.e2, c.measured));
}

class FourPointTest : public ::testing::TestWithParam<FourPointCase> {};

TEST_P(FourPointTest, ShowsProbePositionsAndResistivity) {
    const FourPointCase& c = GetParam();
    SheetInputs in;
    in[SheetInput::FourPointE2] = c.e2;
    in[SheetInput::FourPointOhms] = c.measured;
    SheetResults labels;
    stakewell::calc::ComputeSheet(in, labels);
    EXPECT_EQ(labels[SheetResult::ProbeP1], c.p1);
    EXPECT_EQ(labels[SheetResult::ProbeP2], c.p2);
    EXPECT_EQ(labels[SheetResult::FourPointResistivity], c.resistivity);
}

INSTANTIATE_TEST_SUITE_P(
    Table, FourPointTest,
    ::testing::Values(FourPointCase{"50", "", "P1 = 16.7", "P2 = 33.3", ""},
                      FourPointCase{"100", "10", "P1 = 33.3", "P2 = 66.7", "638.37"},
                      FourPointCase{"300", "100", "P1 = 100.0", "P2 = 200.0", "19,151.13"},
                      FourPointCase{"1", "10", "P1 = .3", "P2 = .7", "6.38"},
                      FourPointCase{"", "", "", "", ""}, FourPointCase{"-50", "10", "", "", ""},
                      FourPointCase{"100", "-2", "P1 = 33.3", "P2 = 66.7", ""},
                      FourPointCase{"100", "abc", "P1 = 33.3", "P2 = 66.7", ""}),
    [](const auto& info) {
        return CaseName(info.index, {info.param.e2, info.param.measured});
    });

// A reading at or below zero gives no soil a resistivity: the label that
// showed one is emptied rather than kept.
TEST(FourPoint, ReadingAtOrBelowZeroEmptiesTheShownResistivity) {
    SheetResults labels;
    labels[SheetResult::FourPointResistivity] = "638.37";
    SheetInputs in;
    in[SheetInput::FourPointE2] = "100";
    in[SheetInput::FourPointOhms] = "-2";
    const auto notes = stakewell::calc::ComputeSheet(in, labels);
    EXPECT_EQ(labels[SheetResult::FourPointResistivity], "");
    EXPECT_EQ(notes.Inputs[SheetInput::FourPointOhms], "The measured resistance must be above 0.");
}

TEST(FourPoint, OverflowKeepsThePreviousResistivity) {
    SheetResults labels;
    labels[SheetResult::FourPointResistivity] = "638.37";
    SheetInputs in;
    in[SheetInput::FourPointE2] = "1E300";
    in[SheetInput::FourPointOhms] = "1E300";
    stakewell::calc::ComputeSheet(in, labels);
    EXPECT_EQ(labels[SheetResult::FourPointResistivity], "638.37");
    EXPECT_EQ(labels[SheetResult::ProbeP1].substr(0, 7), "P1 = 33");
}

} // namespace
