#include "CaseName.h"

#include "calc/GroundModel.h"
#include "shared/DisplayPattern.h"
#include "work/LayeredDesign.h"
#include "work/SiteWork.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace {

using stakewell::calc::ComputeDesign;
using stakewell::calc::SheetInput;
using stakewell::shared::UnitSystem;
using stakewell::soil::GroundingDesign;
using stakewell::work::ComputeLayeredDesign;
using stakewell::work::LayeredDesign;
using stakewell::work::LayeredInputs;
using stakewell::work::SiteWork;
using stakewell::work::SoilModelText;

using Texts = std::vector<std::pair<SheetInput, const char*>>;

// Four 10 ft rods of 5/8 in on 60 ft of wire 0.1019 in thick, 2.5 ft down,
// and the same design as a metric work types it.
const Texts Imperial{{SheetInput::EarthResistivity, "100"},
                     {SheetInput::ElectrodeLength, "10"},
                     {SheetInput::ElectrodeDiameter, "0.625"},
                     {SheetInput::ElectrodeCount, "4"},
                     {SheetInput::WireLength, "60"},
                     {SheetInput::WireDiameter, "0.1019"},
                     {SheetInput::WireDepth, "2.5"}};
const Texts Metric{
    {SheetInput::EarthResistivity, "100"},     {SheetInput::ElectrodeLength, "3.048"},
    {SheetInput::ElectrodeDiameter, "15.875"}, {SheetInput::ElectrodeCount, "4"},
    {SheetInput::WireLength, "18.288"},        {SheetInput::WireDiameter, "2.58826"},
    {SheetInput::WireDepth, "0.762"}};

void TypeDesign(SiteWork& work, const Texts& texts, UnitSystem units) {
    work.ChangeUnits(units);
    for (const auto& [input, text] : texts) {
        work.TypeInput(input, QString::fromLatin1(text));
    }
}

void TypeSoil(SiteWork& work, const char* upper, const char* lower, const char* depth) {
    work.TypeSoilModel(SoilModelText::UpperResistivity, QString::fromLatin1(upper));
    work.TypeSoilModel(SoilModelText::LowerResistivity, QString::fromLatin1(lower));
    work.TypeSoilModel(SoilModelText::UpperDepth, QString::fromLatin1(depth));
}

double Relative(double a, double b) {
    return std::abs(a - b) / std::abs(b);
}

// The electrodes in metres, whichever units the design is typed in.
class TypedIn : public testing::TestWithParam<std::pair<const Texts*, UnitSystem>> {};

TEST_P(TypedIn, GivesTheElectrodesInMetres) {
    SiteWork work;
    TypeDesign(work, *GetParam().first, GetParam().second);
    TypeSoil(work, "300", "100", GetParam().second == UnitSystem::Metric ? "2.5" : "8.2021");
    const auto inputs = LayeredInputs(work);
    ASSERT_TRUE(inputs);
    EXPECT_NEAR(inputs->soil.upperDepthMetres, 2.5, 1e-5);
    for (const GroundingDesign* design : {&inputs->line, &inputs->ring}) {
        EXPECT_NEAR(design->rodLength, 3.048, 1e-6);
        EXPECT_NEAR(design->rodDiameter, 0.015875, 1e-8);
        EXPECT_EQ(design->rodCount, 4);
        EXPECT_NEAR(design->wireLength, 18.288, 1e-5);
        EXPECT_NEAR(design->wireDiameter, 0.00258826, 1e-8);
        EXPECT_NEAR(design->wireDepth, 0.762, 1e-6);
    }
    EXPECT_FLOAT_EQ(inputs->uniformLine.L, 10.0F);
    EXPECT_FLOAT_EQ(inputs->uniformPolygon.Lw, 60.0F);
}

INSTANTIATE_TEST_SUITE_P(Work, TypedIn,
                         testing::Values(std::pair{&Imperial, UnitSystem::Imperial},
                                         std::pair{&Metric, UnitSystem::Metric}),
                         [](const auto& info) {
                             return CaseName(
                                 info.index,
                                 {info.param.second == UnitSystem::Metric ? "metric" : "imperial"});
                         });

// The wire between electrodes: the line is laid out along its 3 spans, the
// ring around its 4.
TEST(LayeredInputs, LineAndRingTakeTheirOwnSpans) {
    SiteWork work;
    TypeDesign(work, Imperial, UnitSystem::Imperial);
    work.ChooseWireLength(1);
    work.TypeBetween(0, QStringLiteral("15"));
    work.TypeBetween(1, QStringLiteral("20"));
    TypeSoil(work, "300", "100", "8.2021");
    const auto inputs = LayeredInputs(work);
    ASSERT_TRUE(inputs);
    EXPECT_NEAR(inputs->line.wireLength, 45.0 * 0.3048, 1e-9);
    EXPECT_NEAR(inputs->ring.wireLength, 80.0 * 0.3048, 1e-9);
    EXPECT_FLOAT_EQ(inputs->uniformLine.Lw, 45.0F);
    EXPECT_FLOAT_EQ(inputs->uniformPolygon.Lw, 80.0F);
}

struct SoilCase {
    const char* name;
    const char* upper;
    const char* lower;
    const char* depthFeet;
    bool wireBetween;
};

class Equivalent : public testing::TestWithParam<SoilCase> {};

// The equivalent resistivity put in the uniform design gives the two-layer
// total, in either arrangement, to the design's single precision.
TEST_P(Equivalent, ReproducesTheTwoLayerTotalThroughTheUniformDesign) {
    const SoilCase& c = GetParam();
    SiteWork work;
    TypeDesign(work, Imperial, UnitSystem::Imperial);
    if (c.wireBetween) {
        work.ChooseWireLength(1);
        work.TypeBetween(0, QStringLiteral("12"));
        work.TypeBetween(1, QStringLiteral("25"));
    }
    TypeSoil(work, c.upper, c.lower, c.depthFeet);
    const auto inputs = LayeredInputs(work);
    ASSERT_TRUE(inputs);
    const LayeredDesign layered = ComputeLayeredDesign(*inputs);
    auto line = inputs->uniformLine;
    line.rho = static_cast<float>(layered.linearEquivalent);
    auto polygon = inputs->uniformPolygon;
    polygon.rho = static_cast<float>(layered.polygonEquivalent);
    EXPECT_LT(Relative(ComputeDesign(line).Rt.value, layered.ohms.linear.total), 3e-7);
    EXPECT_LT(Relative(ComputeDesign(polygon).Rt2.value, layered.ohms.ring.total), 3e-7);
    // As written into the design, with the fewest decimals that give back
    // the total as the page shows it.
    const auto shown = [](double ohms) {
        return stakewell::shared::FormatPattern(ohms, "##0.000");
    };
    line.rho = std::stof(layered.linearEquivalentText);
    polygon.rho = std::stof(layered.polygonEquivalentText);
    EXPECT_EQ(shown(ComputeDesign(line).Rt.value), shown(layered.ohms.linear.total));
    EXPECT_EQ(shown(ComputeDesign(polygon).Rt2.value), shown(layered.ohms.ring.total));
}

INSTANTIATE_TEST_SUITE_P(
    Work, Equivalent,
    testing::Values(SoilCase{"resistive_over_conductive", "300", "100", "8.2021", false},
                    SoilCase{"conductive_over_resistive", "50", "2000", "4", false},
                    SoilCase{"rod_tip_below_boundary_between", "300", "100", "6", true},
                    SoilCase{"thin_crust_between", "5000", "40", "0.3", true},
                    SoilCase{"uniform", "100", "100", "10", false}),
    [](const testing::TestParamInfo<SoilCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

} // namespace
