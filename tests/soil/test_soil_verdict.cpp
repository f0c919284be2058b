#include "soil/SoilDesign.h"
#include "soil/SoilVerdict.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <ostream>
#include <string>
#include <vector>

namespace {

using stakewell::soil::FitGrade;
using stakewell::soil::SoilPoint;
using stakewell::soil::TwoLayerSoil;

struct GradeRow {
    std::string name;
    double rms;
    std::vector<double> residuals;
    FitGrade grade;
};

std::ostream& operator<<(std::ostream& out, const GradeRow& c) {
    return out << c.name;
}

class GradeOf : public testing::TestWithParam<GradeRow> {};

TEST_P(GradeOf, SetsTheBoundsWhereTheyAreDrawn) {
    EXPECT_EQ(stakewell::soil::GradeOf(GetParam().rms, GetParam().residuals), GetParam().grade);
}

INSTANTIATE_TEST_SUITE_P(
    Soil, GradeOf,
    testing::Values(GradeRow{"rms_5_all_within_10", 5.0, {10.0, -10.0, 1.0}, FitGrade::Good},
                    GradeRow{"rms_5_one_beyond_10", 5.0, {10.5, 0.0}, FitGrade::Usable},
                    GradeRow{"rms_5_one_below_minus_10", 5.0, {-10.5, 0.0}, FitGrade::Usable},
                    GradeRow{"rms_just_above_5", 5.000001, {1.0}, FitGrade::Usable},
                    GradeRow{"rms_10", 10.0, {30.0}, FitGrade::Usable},
                    GradeRow{"rms_just_above_10", 10.000001, {1.0}, FitGrade::Poor},
                    GradeRow{"rms_nan", std::nan(""), {1.0}, FitGrade::Poor}),
    [](const testing::TestParamInfo<GradeRow>& info) {
        return CaseName(info.index, {info.param.name});
    });

struct EvidenceRow {
    std::string name;
    stakewell::soil::FitEvidence evidence;
    FitGrade grade;
};

std::ostream& operator<<(std::ostream& out, const EvidenceRow& c) {
    return out << c.name;
}

class GradeOfEvidence : public testing::TestWithParam<EvidenceRow> {};

TEST_P(GradeOfEvidence, PutsTheSearchEdgeFirstAndThreeSpacingsNext) {
    EXPECT_EQ(stakewell::soil::GradeOf(GetParam().evidence), GetParam().grade);
}

INSTANTIATE_TEST_SUITE_P(
    Soil, GradeOfEvidence,
    testing::Values(EvidenceRow{"four_spacings_close", {1.0, {1.0}, 4, false}, FitGrade::Good},
                    EvidenceRow{"four_spacings_far", {12.0, {1.0}, 4, false}, FitGrade::Poor},
                    EvidenceRow{
                        "three_spacings_exact", {0.0, {0.0}, 3, false}, FitGrade::NotAssessed},
                    EvidenceRow{"three_spacings_far", {12.0, {1.0}, 3, false}, FitGrade::Poor},
                    EvidenceRow{"three_spacings_one_off", {4.0, {11.0}, 3, false}, FitGrade::Poor},
                    EvidenceRow{"edge_exact", {0.0, {0.0}, 9, true}, FitGrade::Poor},
                    EvidenceRow{"edge_and_three_spacings", {0.0, {0.0}, 3, true}, FitGrade::Poor}),
    [](const testing::TestParamInfo<EvidenceRow>& info) {
        return CaseName(info.index, {info.param.name});
    });

struct NoteRow {
    std::string name;
    std::vector<double> rho; // at spacings 1, 2, 3, ...
    bool likely;
};

std::ostream& operator<<(std::ostream& out, const NoteRow& c) {
    return out << c.name;
}

class ThreeLayers : public testing::TestWithParam<NoteRow> {};

TEST_P(ThreeLayers, AreLikelyWhereAnInnerReadingLeavesTheEndsRange) {
    std::vector<SoilPoint> points;
    for (std::size_t i = 0; i < GetParam().rho.size(); ++i) {
        points.push_back({static_cast<double>(i + 1), GetParam().rho[i]});
    }
    EXPECT_EQ(stakewell::soil::ThreeLayersLikely(points), GetParam().likely);
}

INSTANTIATE_TEST_SUITE_P(
    Soil, ThreeLayers,
    testing::Values(NoteRow{"rising", {100, 150, 200}, false},
                    NoteRow{"at_1_1_times_the_larger", {100, 220, 200}, false},
                    NoteRow{"above_1_1_times_the_larger", {100, 221, 200}, true},
                    NoteRow{"at_0_9_times_the_smaller", {100, 90, 200}, false},
                    NoteRow{"below_0_9_times_the_smaller", {100, 89, 200}, true},
                    NoteRow{"falling_with_a_dip", {300, 250, 120, 200}, true},
                    NoteRow{"two_readings", {100, 900}, false}),
    [](const testing::TestParamInfo<NoteRow>& info) {
        return CaseName(info.index, {info.param.name});
    });

TEST(Soil, MeanAndMidRangeOfTheApparentResistivities) {
    const std::vector<SoilPoint> points{{1, 120}, {2, 80}, {4, 100}, {8, 300}};
    EXPECT_DOUBLE_EQ(stakewell::soil::MeanResistivity(points), 150.0);
    EXPECT_DOUBLE_EQ(stakewell::soil::MidRangeResistivity(points), 190.0);
    const double huge = std::numeric_limits<double>::max();
    const std::vector<SoilPoint> largest{{1, huge}, {2, huge}};
    EXPECT_EQ(stakewell::soil::MeanResistivity(largest), huge);
    EXPECT_EQ(stakewell::soil::MidRangeResistivity(largest), huge);
    EXPECT_TRUE(std::isnan(stakewell::soil::MeanResistivity({})));
    EXPECT_TRUE(std::isnan(stakewell::soil::MidRangeResistivity({})));
}

struct RodRow {
    std::string name;
    TwoLayerSoil soil;
    double feet;
    double expected; // NaN: no figure
};

std::ostream& operator<<(std::ostream& out, const RodRow& c) {
    return out << c.name;
}

class RodResistivity : public testing::TestWithParam<RodRow> {};

TEST_P(RodResistivity, WeighsTheLayersTheRodPassesThrough) {
    const RodRow& c = GetParam();
    const auto rho = stakewell::soil::RodResistivity(c.soil, c.feet);
    if (std::isnan(c.expected)) {
        EXPECT_FALSE(rho);
        return;
    }
    ASSERT_TRUE(rho);
    EXPECT_NEAR(*rho, c.expected, 1e-13 * c.expected);
}

// 10 ft = 3.048 m through 1.524 m (5 ft) of each layer.
const double HalfAndHalf = 3.048 / (1.524 / 100.0 + 1.524 / 400.0);

INSTANTIATE_TEST_SUITE_P(
    Soil, RodResistivity,
    testing::Values(
        RodRow{"within_the_upper_layer", {100, 400, 3.5}, 10.0, 100.0},
        RodRow{"to_the_layer_boundary", {100, 400, 3.048}, 10.0, 100.0},
        RodRow{"half_in_each", {100, 400, 1.524}, 10.0, HalfAndHalf},
        RodRow{"mostly_below", {50, 10, 0.3048}, 10.0, 3.048 / (0.3048 / 50.0 + 2.7432 / 10.0)},
        RodRow{"zero_length", {100, 400, 1.0}, 0.0, std::nan("")},
        RodRow{"infinite_length", {100, 400, 1.0}, HUGE_VAL, std::nan("")},
        RodRow{"no_soil", {0, 400, 1.0}, 10.0, std::nan("")}),
    [](const testing::TestParamInfo<RodRow>& info) {
        return CaseName(info.index, {info.param.name});
    });

} // namespace
