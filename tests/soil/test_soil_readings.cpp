#include "soil/SoilReadings.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <ostream>
#include <string>
#include <vector>

namespace {

using stakewell::soil::LengthUnit;
using stakewell::soil::SoilArray;
using stakewell::soil::SoilReading;

constexpr double Pi = std::numbers::pi;

struct ResistivityCase {
    std::string name;
    SoilArray array;
    LengthUnit unit;
    SoilReading reading;
    double ohmMetres; // written out from the definition
    double halfMNMetres;
};

std::ostream& operator<<(std::ostream& out, const ResistivityCase& c) {
    return out << c.name;
}

class ApparentResistivity : public testing::TestWithParam<ResistivityCase> {};

TEST_P(ApparentResistivity, FollowsTheArraysGeometry) {
    const ResistivityCase& c = GetParam();
    const auto point = stakewell::soil::ApparentPoint(c.array, c.unit, c.reading);
    ASSERT_TRUE(point.has_value());
    const double metres =
        c.unit == LengthUnit::Feet ? c.reading.spacing * 0.3048 : c.reading.spacing;
    EXPECT_DOUBLE_EQ(point->metres, metres);
    EXPECT_NEAR(point->ohmMetres, c.ohmMetres, 1e-13 * c.ohmMetres);
    EXPECT_DOUBLE_EQ(point->halfMNMetres, c.halfMNMetres);
}

// With b = 0.5 m, a = 2 m: 1 + 4/sqrt(5) - 2/sqrt(4.25).
const double ShallowGeometry = 1.0 + 4.0 / std::sqrt(5.0) - 2.0 / std::sqrt(4.25);

INSTANTIATE_TEST_SUITE_P(
    Soil, ApparentResistivity,
    testing::Values(ResistivityCase{"wenner_metres",
                                    SoilArray::Wenner,
                                    LengthUnit::Metres,
                                    {2.0, 10.0, {}},
                                    2.0 * Pi * 2.0 * 10.0,
                                    0.0},
                    ResistivityCase{"wenner_feet",
                                    SoilArray::Wenner,
                                    LengthUnit::Feet,
                                    {10.0, 3.0, {}},
                                    2.0 * Pi * 3.048 * 3.0,
                                    0.0},
                    ResistivityCase{"wenner_probe_depth",
                                    SoilArray::Wenner,
                                    LengthUnit::Metres,
                                    {2.0, 10.0, 0.5},
                                    4.0 * Pi * 2.0 * 10.0 / ShallowGeometry,
                                    0.0},
                    ResistivityCase{"wenner_probe_depth_feet",
                                    SoilArray::Wenner,
                                    LengthUnit::Feet,
                                    {2.0 / 0.3048, 10.0, 0.5 / 0.3048},
                                    4.0 * Pi * 2.0 * 10.0 / ShallowGeometry,
                                    0.0},
                    // Probes deep beside the spacing see the full space around them.
                    ResistivityCase{"wenner_probe_deep",
                                    SoilArray::Wenner,
                                    LengthUnit::Metres,
                                    {1.0, 1.0, 1e9},
                                    4.0 * Pi,
                                    0.0},
                    ResistivityCase{"schlumberger_metres",
                                    SoilArray::Schlumberger,
                                    LengthUnit::Metres,
                                    {10.0, 2.0, {}, 1.0},
                                    Pi * 2.0 * (100.0 - 0.25) / 1.0,
                                    0.5},
                    ResistivityCase{"schlumberger_feet",
                                    SoilArray::Schlumberger,
                                    LengthUnit::Feet,
                                    {50.0, 0.5, {}, 4.0},
                                    Pi * 0.5 * (15.24 * 15.24 - 0.6096 * 0.6096) / 1.2192,
                                    0.6096},
                    ResistivityCase{"wenner_long_spacing_with_depth",
                                    SoilArray::Wenner,
                                    LengthUnit::Metres,
                                    {1e200, 1e-190, 1.0},
                                    4.0 * Pi * 1e10 / 2.0,
                                    0.0}),
    [](const testing::TestParamInfo<ResistivityCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

struct RefusalCase {
    std::string name;
    SoilArray array;
    SoilReading reading;
    std::string refusal;
};

std::ostream& operator<<(std::ostream& out, const RefusalCase& c) {
    return out << c.name;
}

class ReadingRefusal : public testing::TestWithParam<RefusalCase> {};

TEST_P(ReadingRefusal, GivesTheReasonAndNoFigure) {
    const RefusalCase& c = GetParam();
    EXPECT_EQ(stakewell::soil::ReadingRefusal(c.array, LengthUnit::Metres, c.reading),
              c.refusal);
    EXPECT_FALSE(stakewell::soil::ApparentPoint(c.array, LengthUnit::Metres, c.reading));
}

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
const std::string InsideProbes =
    "MN/2 must be below AB/2: the potential probes must stand inside the current probes.";
const std::string TooLarge = "The reading's apparent resistivity is beyond what a double can hold.";

INSTANTIATE_TEST_SUITE_P(
    Soil, ReadingRefusal,
    testing::Values(
        RefusalCase{
            "zero_spacing", SoilArray::Wenner, {0.0, 1.0, {}}, "The spacing must be above 0."},
        RefusalCase{"negative_resistance",
                    SoilArray::Wenner,
                    {1.0, -2.0, {}},
                    "The resistance must be above 0 Ohms."},
        RefusalCase{"nan_probe_depth",
                    SoilArray::Wenner,
                    {1.0, 1.0, NaN},
                    "The probe depth, when given, must be above 0."},
        RefusalCase{"zero_probe_depth",
                    SoilArray::Wenner,
                    {1.0, 1.0, 0.0},
                    "The probe depth, when given, must be above 0."},
        RefusalCase{
            "zero_ab", SoilArray::Schlumberger, {0.0, 1.0, {}, 1.0}, "AB/2 must be above 0."},
        RefusalCase{"zero_mn", SoilArray::Schlumberger, {5.0, 1.0, {}, 0.0}, "MN must be above 0."},
        RefusalCase{
            "mn_half_at_ab_half", SoilArray::Schlumberger, {5.0, 1.0, {}, 10.0}, InsideProbes},
        RefusalCase{
            "mn_half_beyond_ab_half", SoilArray::Schlumberger, {5.0, 1.0, {}, 12.0}, InsideProbes},
        RefusalCase{"overflowing", SoilArray::Wenner, {1e300, 1e10, {}}, TooLarge},
        RefusalCase{
            "underflowing", SoilArray::Schlumberger, {1e-200, 1e-200, {}, 1e-200}, TooLarge},
        RefusalCase{"resistance_above_the_fits_reach",
                    SoilArray::Wenner,
                    {10.0, 1.0000000001e9, {}},
                    "The resistance must be at most 1000000000 Ohms (10^9), the most the fit "
                    "takes."}),
    [](const testing::TestParamInfo<RefusalCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

using stakewell::soil::ReadingPart;

struct PartCase {
    std::string name;
    SoilArray array;
    SoilReading reading;
    ReadingPart part;
};

std::ostream& operator<<(std::ostream& out, const PartCase& c) {
    return out << c.name;
}

class RefusedPart : public testing::TestWithParam<PartCase> {};

// The window marks the cell of the part named, so it must be the figure at fault.
TEST_P(RefusedPart, IsTheFigureAtFault) {
    const PartCase& c = GetParam();
    const auto fault = stakewell::soil::FaultOf(c.array, LengthUnit::Feet, c.reading);
    ASSERT_TRUE(fault);
    EXPECT_EQ(fault->part, c.part);
}

INSTANTIATE_TEST_SUITE_P(Soil, RefusedPart,
                         testing::Values(PartCase{"resistance_above_the_limit",
                                                  SoilArray::Wenner,
                                                  {1.0, 2e9, 0.5},
                                                  ReadingPart::Ohms},
                                         PartCase{"negative_probe_depth",
                                                  SoilArray::Wenner,
                                                  {1.0, 1.0, -1.0},
                                                  ReadingPart::ProbeDepth},
                                         PartCase{"mn_outside_ab",
                                                  SoilArray::Schlumberger,
                                                  {5.0, 1.0, {}, 10.0},
                                                  ReadingPart::PotentialSpacing},
                                         PartCase{"resistivity_beyond_a_double",
                                                  SoilArray::Wenner,
                                                  {1e300, 1e9, {}},
                                                  ReadingPart::Spacing}),
                         [](const testing::TestParamInfo<PartCase>& info) {
                             return CaseName(info.index, {info.param.name});
                         });

TEST(Soil, TheLargestResistanceTakenIsTheLimitItself) {
    EXPECT_EQ(stakewell::soil::ReadingRefusal(SoilArray::Wenner, LengthUnit::Feet,
                                                  {10.0, stakewell::soil::MaxSoilOhms, {}}),
              "");
}

TEST(Soil, ASurveysPointsNameTheFirstRefusedReading) {
    const std::vector<SoilReading> readings{
        {1.0, 5.0, {}}, {2.0, 3.0, {}}, {3.0, 0.0, {}}, {0.0, 1.0, {}}};
    const auto all = stakewell::soil::ApparentPoints(SoilArray::Wenner, LengthUnit::Feet,
                                                         {readings.begin(), readings.end() - 2});
    EXPECT_EQ(all.problem, "");
    ASSERT_EQ(all.points.size(), 2U);
    EXPECT_DOUBLE_EQ(all.points[1].ohmMetres, 2.0 * Pi * 0.6096 * 3.0);
    const auto refused =
        stakewell::soil::ApparentPoints(SoilArray::Wenner, LengthUnit::Feet, readings);
    EXPECT_EQ(refused.problem, "Reading 3: The resistance must be above 0 Ohms.");
    EXPECT_TRUE(refused.points.empty());
}

} // namespace
