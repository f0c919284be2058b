#include "fop/AnalysisText.h"
#include "fop/FopAnalysis.h"
#include "fop/SlopeModel.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

using stakewell::fop::Reason;
using stakewell::fop::Verdict;
using stakewell::fop::FallOfPotential;
using stakewell::fop::FOPPoint;

FallOfPotential Readings(const std::vector<FOPPoint>& measured) {
    std::vector<FOPPoint> points{FOPPoint{}};
    points.insert(points.end(), measured.begin(), measured.end());
    FallOfPotential fop;
    fop.Replace(std::move(points), 0);
    return fop;
}

// The hemisphere's curve, written out here from its definition rather than
// taken from the code under test.
double ModelG(double p, double xi) {
    return 1.0 / (1.0 + xi) + 1.0 / (p + xi) - 1.0 / (1.0 - p);
}

// The root of g in (max(0, -xi), 1) by plain bisection: g falls across it.
double ModelRoot(double xi) {
    double low = std::max(0.0, -xi) + 1e-12;
    double high = 1.0 - 1e-12;
    for (int i = 0; i < 200; ++i) {
        const double middle = (low + high) / 2.0;
        (ModelG(middle, xi) > 0.0 ? low : high) = middle;
    }
    return low;
}

struct ModelCase {
    std::string name;
    double xi;
    double k;
    double trueOhms;
    double e2;
    double firstFraction = 0.15; // of E2: the nearest reading to E1
};

// The measured curve at `feet`, read as a straight line between the two
// readings around it.
double Interpolated(const std::vector<FOPPoint>& readings, double feet) {
    for (std::size_t i = 1; i < readings.size(); ++i) {
        const FOPPoint& before = readings[i - 1];
        const FOPPoint& after = readings[i];
        if (before.Distance <= feet && feet <= after.Distance) {
            return before.Ohms +
                   (after.Ohms - before.Ohms) * (feet - before.Distance) / (after.Distance - before.Distance);
        }
    }
    return std::nan("");
}

std::ostream& operator<<(std::ostream& out, const ModelCase& c) {
    return out << c.name;
}

class ModelCurve : public testing::TestWithParam<ModelCase> {};

TEST_P(ModelCurve, SlopeMethodGivesBackTheTrueResistanceAndDistance) {
    const ModelCase& c = GetParam();
    std::vector<FOPPoint> measured;
    for (const double p : {c.firstFraction, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9}) {
        measured.push_back({p * c.e2, c.trueOhms - c.k * ModelG(p, c.xi)});
    }
    const stakewell::fop::Result result =
        stakewell::fop::Analyse(Readings(measured), c.e2);
    const stakewell::fop::SlopeMethod& slope = result.Slope;
    ASSERT_EQ(slope.Why, Reason::None) << stakewell::fop::ReasonText(slope.Why, slope.WhyAt);
    ASSERT_TRUE(slope.AtTrueDistance.Ohms && slope.ModelOhms && slope.TrueDistanceRatio &&
                slope.Xi && slope.K);
    EXPECT_NEAR(*slope.ModelOhms, c.trueOhms, 1e-9);
    // R true itself is the measured curve's, read at P_T between its neighbours.
    EXPECT_NEAR(*slope.AtTrueDistance.Ohms, Interpolated(measured, *slope.TrueDistance), 1e-9);
    EXPECT_EQ(slope.AtTrueDistance.Used.size(), 2U);
    EXPECT_NEAR(*slope.TrueDistanceRatio, ModelRoot(c.xi), 1e-9);
    EXPECT_NEAR(*slope.TrueDistance, ModelRoot(c.xi) * c.e2, 1e-9 * c.e2);
    EXPECT_NEAR(*slope.Xi, c.xi, 1e-9);
    EXPECT_NEAR(*slope.K, c.k, 1e-9 * c.k);
    // The method reads the curve where readings stand: one reading each.
    EXPECT_EQ(slope.R1.Used.size(), 1U);
    EXPECT_EQ(slope.R3.Used.size(), 1U);
}

INSTANTIATE_TEST_SUITE_P(
    FopAnalysis, ModelCurve,
    testing::Values(ModelCase{"centre_at_origin", 0.0, 2.0, 25.0, 100.0},
                    ModelCase{"centre_slightly_behind", 0.05, 3.5, 20.25, 150.0},
                    ModelCase{"centre_well_behind", 0.3, 0.75, 4.8, 80.0},
                    ModelCase{"large_grid", 1.0, 40.0, 310.0, 1000.0},
                    ModelCase{"near_the_end_of_the_model", 1.5, 1.0, 7.5, 60.0, 0.02},
                    ModelCase{"centre_in_front", -0.1, 1.25, 30.0, 50.0}),
    [](const testing::TestParamInfo<ModelCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

TEST(SlopeModel, ForACentreAtTheOriginTheClassicRatiosHold) {
    EXPECT_NEAR(stakewell::fop::Mu(0.0), 4.0 / 7.0, 1e-15);
    EXPECT_NEAR(stakewell::fop::TrueDistanceRatio(0.0), (std::sqrt(5.0) - 1.0) / 2.0, 1e-15);
    EXPECT_NEAR(stakewell::fop::TrueDistanceRatio(0.0), 0.6180, 5e-5);
    EXPECT_NEAR(stakewell::fop::Mu(0.0), 0.5714, 5e-5);
}

TEST(SlopeModel, MuOutsideTheModelHasNoXi) {
    EXPECT_FALSE(stakewell::fop::XiOfMu(0.0));
    EXPECT_FALSE(stakewell::fop::XiOfMu(-0.5));
    EXPECT_FALSE(stakewell::fop::XiOfMu(stakewell::fop::LargestMu()));
    EXPECT_FALSE(stakewell::fop::XiOfMu(2.5));
    EXPECT_FALSE(stakewell::fop::XiOfMu(std::nan("")));
    ASSERT_TRUE(stakewell::fop::XiOfMu(1.8));
    EXPECT_NEAR(stakewell::fop::Mu(*stakewell::fop::XiOfMu(1.8)), 1.8, 1e-12);
}

struct ReasonCase {
    std::string name;
    std::vector<FOPPoint> readings;
    double e2;
    Reason at62;
    Verdict verdict;
    Reason slope;
    std::string slopeText;
};

std::ostream& operator<<(std::ostream& out, const ReasonCase& c) {
    return out << c.name;
}

class Reasons : public testing::TestWithParam<ReasonCase> {};

TEST_P(Reasons, EachMissingValueSaysWhy) {
    const ReasonCase& c = GetParam();
    const stakewell::fop::Result result =
        stakewell::fop::Analyse(Readings(c.readings), c.e2);
    EXPECT_EQ(result.At62.Why, c.at62);
    EXPECT_EQ(result.At62.Ohms.has_value(), c.at62 == Reason::None);
    EXPECT_EQ(result.Flat.Result, c.verdict);
    EXPECT_EQ(result.Slope.Why, c.slope);
    EXPECT_EQ(result.Slope.AtTrueDistance.Ohms.has_value(), c.slope == Reason::None);
    EXPECT_EQ(stakewell::fop::ReasonText(result.Slope.Why, result.Slope.WhyAt), c.slopeText);
}

const std::vector<FOPPoint> Flat{{10, 20},   {20, 22},   {40, 24}, {50, 24.5},
                                 {60, 24.8}, {70, 25.1}, {80, 26}};

INSTANTIATE_TEST_SUITE_P(
    FopAnalysis, Reasons,
    testing::Values(ReasonCase{"flat_curve_stands", Flat, 100.0, Reason::None, Verdict::Stands,
                               Reason::None, ""},
                    ReasonCase{"straight_rise_has_no_plateau",
                               {{10, 10}, {20, 20}, {40, 40}, {60, 60}, {80, 80}},
                               100.0,
                               Reason::None,
                               Verdict::NoPlateau,
                               Reason::None,
                               ""},
                    ReasonCase{"one_reading",
                               {{62, 10}},
                               100.0,
                               Reason::TooFewPoints,
                               Verdict::NotAssessed,
                               Reason::TooFewPoints,
                               "fewer than two readings"},
                    ReasonCase{"nothing_beyond_62_percent",
                               {{10, 5}, {20, 6}, {30, 7}, {55, 8}},
                               100.0,
                               Reason::NoReadingBeyond,
                               Verdict::NotAssessed,
                               Reason::NoReadingBeyond,
                               "no reading beyond 60% of E2"},
                    ReasonCase{"nothing_before_20_percent",
                               {{30, 6}, {50, 6.1}, {75, 6.2}},
                               100.0,
                               Reason::None,
                               Verdict::Stands,
                               Reason::NoReadingBefore,
                               "no reading at or before 20% of E2"},
                    ReasonCase{"curve_falling_after_40_percent",
                               {{20, 10}, {40, 20}, {60, 15}, {80, 16}},
                               100.0,
                               Reason::None,
                               Verdict::NoPlateau,
                               Reason::MuOutOfRange,
                               "\u03bc has no solution outside 0 to 1.8634"},
                    ReasonCase{"curve_steepening_beyond_the_model",
                               {{20, 10}, {40, 11}, {60, 14}, {80, 15}},
                               100.0,
                               Reason::None,
                               Verdict::NoPlateau,
                               Reason::MuOutOfRange,
                               "\u03bc has no solution outside 0 to 1.8634"},
                    ReasonCase{"equal_readings_at_20_and_40_percent",
                               {{20, 10}, {40, 10}, {60, 12}, {80, 13}},
                               100.0,
                               Reason::None,
                               Verdict::NoPlateau,
                               Reason::MuUndefined,
                               "R1 equals R2, so \u03bc is undefined"},
                    ReasonCase{"no_e2_distance", Flat, 0.0, Reason::NoE2Distance,
                               Verdict::NotAssessed, Reason::NoE2Distance,
                               "no E2 distance above 0"},
                    // A reading too large for the sums of the method is not
                    // an R2 equal to R1.
                    ReasonCase{"huge_reading_at_60_percent",
                               {{20, 2.4}, {40, 2.9}, {60, 1e308}, {80, 4}},
                               100.0,
                               Reason::None,
                               Verdict::NoPlateau,
                               Reason::NotFinite,
                               "the readings are too large to work with"},
                    ReasonCase{"curve_falling_from_40_to_10_ohms",
                               {{10, 40}, {20, 30}, {40, 20}, {60, 15}, {80, 10}},
                               100.0,
                               Reason::FallingCurve,
                               Verdict::NotAssessed,
                               Reason::FallingCurve,
                               "the curve falls: its reading nearest E2 is below its reading "
                               "nearest E1"},
                    ReasonCase{"falling_by_its_ends_though_rising_between",
                               {{10, 5}, {20, 8}, {40, 9}, {60, 9.5}, {80, 4.9}},
                               100.0,
                               Reason::FallingCurve,
                               Verdict::NotAssessed,
                               Reason::FallingCurve,
                               "the curve falls: its reading nearest E2 is below its reading "
                               "nearest E1"},
                    ReasonCase{"negative_reading",
                               {{10, 2}, {20, -1}, {40, 5}, {62, 6}, {80, 7}},
                               100.0,
                               Reason::NegativeReading,
                               Verdict::NotAssessed,
                               Reason::NegativeReading,
                               "a reading is below 0 Ohms, which no sound test gives"},
                    ReasonCase{"negative_reading_hidden_in_a_mean",
                               {{20, 10}, {40, 12}, {62, -5}, {62, 33}, {80, 15}},
                               100.0,
                               Reason::NegativeReading,
                               Verdict::NotAssessed,
                               Reason::NegativeReading,
                               "a reading is below 0 Ohms, which no sound test gives"},
                    ReasonCase{"negative_reading_beyond_e2_left_out",
                               {{20, 10}, {40, 12}, {62, 13}, {80, 14}, {120, -3}},
                               100.0,
                               Reason::None,
                               Verdict::Stands,
                               Reason::None,
                               ""}),
    [](const testing::TestParamInfo<ReasonCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

TEST(FopAnalysis, ValueIsInterpolatedBetweenTheReadingsAroundIt) {
    // Loaded lists need not be in order.
    const stakewell::fop::Result result =
        stakewell::fop::Analyse(Readings({{70, 30}, {60, 20}, {10, 2}, {80, 31}}), 100.0);
    ASSERT_TRUE(result.At62.Ohms);
    EXPECT_DOUBLE_EQ(*result.At62.Ohms, 22.0);
    EXPECT_DOUBLE_EQ(result.At62.Distance, 62.0);
    EXPECT_EQ(result.At62.Used,
              (std::vector<stakewell::fop::Station>{{60, 20, 1}, {70, 30, 1}}));
    EXPECT_EQ(result.ReadingCount, 4);
}

TEST(FopAnalysis, ToleranceDecidesTheVerdict) {
    // 52%: 24.58, 62%: 25.02, 72%: 25.6, that is -1.76% and +2.32%.
    const FallOfPotential fop = Readings({{50, 24.5}, {60, 24.9}, {70, 25.5}, {80, 26}});
    const auto verdict = [&](double tolerance) {
        return stakewell::fop::Analyse(fop, 100.0, tolerance).Flat.Result;
    };
    const stakewell::fop::Result result = stakewell::fop::Analyse(fop, 100.0);
    ASSERT_TRUE(result.Flat.Deviation52.Percent && result.Flat.Deviation72.Percent);
    EXPECT_NEAR(*result.Flat.Deviation52.Percent, (24.58 - 25.02) / 25.02 * 100.0, 1e-12);
    EXPECT_NEAR(*result.Flat.Deviation72.Percent, (25.6 - 25.02) / 25.02 * 100.0, 1e-12);
    EXPECT_EQ(verdict(5.0), Verdict::Stands);
    EXPECT_EQ(verdict(2.0), Verdict::NoPlateau);
}

TEST(AnalysisText, ListsEveryValueWithItsReadingsOrItsReason) {
    const stakewell::fop::Result result =
        stakewell::fop::Analyse(Readings({{10, 2}, {60, 20}, {61, 21}}), 100.0);
    const std::string listing = stakewell::fop::AnalysisListing(result);
    EXPECT_NE(listing.find("R1 at 20%: 5.600 Ohms (between 10.0 feet 2.000 Ohms and 60.0 feet "
                           "20.000 Ohms)\n"),
              std::string::npos)
        << listing;
    EXPECT_NE(listing.find("R at 62%: none (no reading beyond 62% of E2)\n"), std::string::npos)
        << listing;
    EXPECT_NE(listing.find("Verdict: not assessed (no reading beyond 62% of E2)\n"),
              std::string::npos)
        << listing;
    EXPECT_EQ(stakewell::fop::AnalysisLines(result).size(), 19U);
}

// Readings taken against a farther E2 take no part; each figure is given as
// soon as its own readings are there.
struct ScopeCase {
    std::string name;
    std::vector<FOPPoint> readings;
    int readingCount;
    int leftOut;
    std::string deviation52;
    std::string deviation72;
};

std::ostream& operator<<(std::ostream& out, const ScopeCase& c) {
    return out << c.name;
}

class Scope : public testing::TestWithParam<ScopeCase> {};

TEST_P(Scope, EachFigureUsesOnlyTheReadingsBelowE2) {
    const ScopeCase& c = GetParam();
    const stakewell::fop::Result result =
        stakewell::fop::Analyse(Readings(c.readings), 100.0);
    EXPECT_EQ(result.ReadingCount, c.readingCount);
    EXPECT_EQ(result.LeftOut, c.leftOut);
    std::string lines;
    for (const auto& line : stakewell::fop::AnalysisLines(result)) {
        if (line.Label.starts_with("Deviation")) {
            lines += line.Value + "|";
        }
    }
    EXPECT_EQ(lines, c.deviation52 + "|" + c.deviation72 + "|");
}

INSTANTIATE_TEST_SUITE_P(
    FopAnalysis, Scope,
    testing::Values(ScopeCase{"readings_to_70_percent",
                              {{50, 20}, {60, 24}, {70, 26}},
                              3,
                              0,
                              "-14.75%",
                              "none (no reading beyond 72% of E2)"},
                    ScopeCase{"readings_at_and_beyond_e2_left_out",
                              {{50, 20}, {60, 24}, {70, 26}, {100, 90}, {120, 95}},
                              3,
                              2,
                              "-14.75%",
                              "none (no reading beyond 72% of E2)"},
                    ScopeCase{"nothing_at_52_percent",
                              {{55, 20}, {60, 24}, {80, 26}},
                              3,
                              0,
                              "none (no reading at or before 52% of E2)",
                              "+4.13%"},
                    ScopeCase{"every_reading_beyond_e2",
                              {{100, 20}, {150, 24}},
                              0,
                              2,
                              "none (fewer than two readings)",
                              "none (fewer than two readings)"}),
    [](const testing::TestParamInfo<ScopeCase>& info) { return info.param.name; });

TEST(FopAnalysis, ADistanceReadSeveralTimesCountsByItsMean) {
    const stakewell::fop::Result result = stakewell::fop::Analyse(
        Readings({{62, 20}, {10, 2}, {62, 23}, {62, 21.5}, {80, 30}}), 100.0);
    ASSERT_TRUE(result.At62.Ohms);
    EXPECT_DOUBLE_EQ(*result.At62.Ohms, 21.5);
    EXPECT_EQ(result.At62.Used, (std::vector<stakewell::fop::Station>{{62, 21.5, 3}}));
    EXPECT_EQ(result.ReadingCount, 5);
    const std::string listing = stakewell::fop::AnalysisListing(result);
    EXPECT_NE(listing.find("R at 62%: 21.500 Ohms (read at 62.0 feet 21.500 Ohms [the mean of 3 "
                           "readings])\n"),
              std::string::npos)
        << listing;
    // Huge readings average without overflowing.
    const stakewell::fop::Stations huge =
        stakewell::fop::StationsOf(Readings({{5, 1e308}, {5, 1e308}}));
    ASSERT_EQ(huge.size(), 1U);
    EXPECT_EQ(huge[0].Ohms, 1e308);
}

TEST(FopAnalysis, TheCacheAnswersAsAFreshAnalysisAfterEveryChange) {
    stakewell::fop::AnalysisCache cache;
    FallOfPotential fop = Readings({{10, 2}, {60, 20}, {70, 30}});
    const auto same = [&](double e2) {
        const std::string fresh =
            stakewell::fop::AnalysisListing(stakewell::fop::Analyse(fop, e2));
        return stakewell::fop::AnalysisListing(cache.Analyse(fop, e2, 5.0)) == fresh;
    };
    EXPECT_TRUE(same(100.0));
    EXPECT_TRUE(same(65.0));
    fop.FOPE2Distance = 100.0;
    fop.AddPoint(62, 25);
    EXPECT_TRUE(same(100.0));
    fop.RemovePoint();
    EXPECT_TRUE(same(100.0));
}

// What the slope method says of R true: read off the curve at P_T with the
// model's value beside it, or the reading it needs, or why there is none.
struct TrueValueCase {
    std::string name;
    std::vector<FOPPoint> readings;
    std::string trueLine;
    std::string modelLine;
    std::string summary;
};

std::ostream& operator<<(std::ostream& out, const TrueValueCase& c) {
    return out << c.name;
}

class TrueValue : public testing::TestWithParam<TrueValueCase> {};

TEST_P(TrueValue, IsReadOffTheMeasuredCurveOrAsksForAReading) {
    const TrueValueCase& c = GetParam();
    const stakewell::fop::Result result =
        stakewell::fop::Analyse(Readings(c.readings), 100.0);
    std::string trueLine;
    std::string modelLine;
    for (const auto& line : stakewell::fop::AnalysisLines(result)) {
        if (line.Label == "R true") {
            trueLine = line.Value;
        } else if (line.Label == "R true by the model") {
            modelLine = line.Value;
        }
    }
    EXPECT_EQ(trueLine, c.trueLine);
    EXPECT_EQ(modelLine, c.modelLine);
    EXPECT_EQ(stakewell::fop::AnalysisSummary(result), c.summary);
}

const std::vector<FOPPoint> ToSixtyTwo{{10, 1.5}, {20, 2.0},  {30, 2.3},
                                       {40, 2.5}, {50, 2.65}, {62, 2.8}};

std::vector<FOPPoint> Extended(std::vector<FOPPoint> readings,
                               const std::vector<FOPPoint>& farther) {
    readings.insert(readings.end(), farther.begin(), farther.end());
    return readings;
}

INSTANTIATE_TEST_SUITE_P(
    FopAnalysis, TrueValue,
    testing::Values(
        TrueValueCase{"between_readings_with_the_model_beside",
                      {{20, 10}, {60, 24}, {70, 26}},
                      "21.957 Ohms (between 20.0 feet 10.000 Ohms and 60.0 feet 24.000 Ohms)",
                      "21.667 Ohms",
                      "R62 24.400 Ohms; slope 21.957 Ohms at 54.2%"},
        TrueValueCase{"p_t_beyond_the_last_reading", ToSixtyTwo,
                      "none (take a reading at P_T = 62.131 feet)",
                      "none (take a reading at P_T = 62.131 feet)",
                      "R62 2.800 Ohms; slope: take a reading at P_T = 62.131 feet"},
        TrueValueCase{"that_reading_taken", Extended(ToSixtyTwo, {{70, 3.2}, {80, 3.6}, {90, 4.5}}),
                      "2.807 Ohms (between 62.0 feet 2.800 Ohms and 70.0 feet 3.200 Ohms)",
                      "2.807 Ohms", "R62 2.800 Ohms, no plateau; slope 2.807 Ohms at 62.1%"}),
    [](const testing::TestParamInfo<TrueValueCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

TEST(FopAnalysis, PTBeforeTheFirstReadingAsksForAReadingThere) {
    // A centre well behind E1 puts P_T at 4.5% of E2, before any reading.
    std::vector<FOPPoint> measured;
    for (const double p : {0.2, 0.4, 0.6, 0.8}) {
        measured.push_back({p * 100.0, 7.5 - ModelG(p, 1.5)});
    }
    const stakewell::fop::SlopeMethod slope =
        stakewell::fop::Analyse(Readings(measured), 100.0).Slope;
    EXPECT_EQ(slope.Why, Reason::NoReadingAroundTrueDistance);
    ASSERT_TRUE(slope.TrueDistance);
    EXPECT_NEAR(*slope.TrueDistance, ModelRoot(1.5) * 100.0, 1e-9);
    EXPECT_FALSE(slope.AtTrueDistance.Ohms || slope.ModelOhms);
}

} // namespace
