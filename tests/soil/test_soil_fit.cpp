#include "soil/LayeredEarth.h"
#include "soil/SoilFit.h"
#include "soil/SoilMinimiser.h"
#include "soil/SoilSurvey.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

using stakewell::soil::FitGrade;
using stakewell::soil::FitTwoLayers;
using stakewell::soil::ModelResistivity;
using stakewell::soil::SoilArray;
using stakewell::soil::SoilPoint;
using stakewell::soil::TwoLayerSoil;

// Spacings spread evenly in their logarithm over `from` to `to` metres, each
// reading `off` (a fraction) away from the soil's curve.
std::vector<SoilPoint> Curve(SoilArray array, const TwoLayerSoil& soil, double from, double to,
                             int count, const std::vector<double>& off = {}) {
    std::vector<SoilPoint> points;
    for (int i = 0; i < count; ++i) {
        const double metres = from * std::pow(to / from, i / (count - 1.0));
        const double error = off.empty() ? 0.0 : off[static_cast<std::size_t>(i) % off.size()];
        points.push_back({metres, ModelResistivity(array, soil, metres) * (1.0 + error)});
    }
    return points;
}

std::string ArrayName(SoilArray array) {
    return array == SoilArray::Wenner ? "wenner" : "schlumberger";
}

struct RecoveryCase {
    SoilArray array;
    TwoLayerSoil soil;
};

std::ostream& operator<<(std::ostream& out, const RecoveryCase& c) {
    return out << ArrayName(c.array) << " " << c.soil.upperOhmMetres << "/" << c.soil.lowerOhmMetres
               << " at " << c.soil.upperDepthMetres;
}

class SoilRecovery : public testing::TestWithParam<RecoveryCase> {};

TEST_P(SoilRecovery, FindsTheSoilOfANoiseFreeCurve) {
    const RecoveryCase& c = GetParam();
    const auto result = FitTwoLayers(c.array, Curve(c.array, c.soil, 0.3, 60.0, 16));
    ASSERT_TRUE(result.fit) << result.problem;
    const TwoLayerSoil& found = result.fit->soil;
    EXPECT_NEAR(found.upperOhmMetres, c.soil.upperOhmMetres, 1e-3 * c.soil.upperOhmMetres);
    EXPECT_NEAR(found.lowerOhmMetres, c.soil.lowerOhmMetres, 1e-3 * c.soil.lowerOhmMetres);
    EXPECT_NEAR(found.upperDepthMetres, c.soil.upperDepthMetres, 1e-3 * c.soil.upperDepthMetres);
    EXPECT_LT(result.fit->rmsPercent, 1e-6);
    EXPECT_EQ(result.fit->grade, FitGrade::Good);
}

// rho2 = rho1 (1 + K) / (1 - K).
TwoLayerSoil WithFactor(double rho1, double k, double h) {
    return {rho1, rho1 * (1.0 + k) / (1.0 - k), h};
}

std::vector<RecoveryCase> RecoveryCases() {
    std::vector<RecoveryCase> cases;
    for (const SoilArray array : {SoilArray::Wenner, SoilArray::Schlumberger}) {
        for (const double k : {-0.95, -0.7, -0.3, 0.2, 0.6, 0.95}) {
            cases.push_back({array, WithFactor(150.0, k, 2.5)});
        }
        cases.push_back({array, WithFactor(40.0, 0.8, 0.8)});
        cases.push_back({array, WithFactor(900.0, -0.5, 6.0)});
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Soil, SoilRecovery, testing::ValuesIn(RecoveryCases()),
                         [](const testing::TestParamInfo<RecoveryCase>& info) {
                             const TwoLayerSoil& s = info.param.soil;
                             return CaseName(info.index,
                                             {ArrayName(info.param.array),
                                              std::to_string(static_cast<int>(s.upperOhmMetres)),
                                              std::to_string(static_cast<int>(s.lowerOhmMetres)),
                                              std::to_string(s.upperDepthMetres)});
                         });

std::vector<double> Noise(unsigned seed, int count, double fraction) {
    std::mt19937 generator(seed);
    std::normal_distribution<double> normal(0.0, fraction);
    std::vector<double> noise;
    noise.reserve(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i) {
        noise.push_back(normal(generator));
    }
    return noise;
}

// Noisy readings of two layers, and of a resistive middle layer that no two
// layers fit well and that leaves the misfit more than one valley.
std::vector<std::vector<SoilPoint>> NoisyCurves(SoilArray array) {
    std::vector<SoilPoint> middle =
        Curve(array, {60.0, 20.0, 4.0}, 0.3, 50.0, 20, Noise(3, 20, 0.04));
    for (SoilPoint& p : middle) {
        const double x = std::log(p.metres / 2.0);
        p.ohmMetres *= 1.0 + 2.0 * std::exp(-x * x);
    }
    return {Curve(array, {60.0, 600.0, 1.5}, 0.3, 50.0, 20, Noise(7, 20, 0.06)), middle};
}

// Whatever the minimiser reaches from any start, the fit's own search has
// reached one at least as low.
TEST(Soil, NoRandomStartFindsALowerMisfit) {
    std::mt19937 generator(20240611);
    for (const SoilArray array : {SoilArray::Wenner, SoilArray::Schlumberger}) {
        for (const std::vector<SoilPoint>& points : NoisyCurves(array)) {
            const auto result = FitTwoLayers(array, points);
            ASSERT_TRUE(result.fit);
            const stakewell::soil::SoilObjective objective(array, result.fit->points);
            const double found = objective.Value(stakewell::soil::LogOf(result.fit->soil));
            std::uniform_real_distribution<double> rho(std::log(10.0), std::log(3000.0));
            std::uniform_real_distribution<double> depth(std::log(0.03), std::log(200.0));
            for (int start = 0; start < 15; ++start) {
                const auto other = stakewell::soil::MinimiseFrom(
                    objective, {rho(generator), rho(generator), depth(generator)});
                EXPECT_LE(found, other.value * (1.0 + 1e-9))
                    << ArrayName(array) << " start " << start;
            }
        }
    }
}

TEST(Soil, FewerThanThreeReadingsGiveNoModel) {
    const auto two = FitTwoLayers(SoilArray::Wenner, {{1.0, 50.0}, {2.0, 60.0}});
    EXPECT_FALSE(two.fit);
    EXPECT_EQ(two.problem, "A two-layer model needs at least three readings; there are 2.");
    EXPECT_EQ(FitTwoLayers(SoilArray::Wenner, {{1.0, 50.0}}).problem,
              "A two-layer model needs at least three readings; there is 1.");
    EXPECT_EQ(FitTwoLayers(SoilArray::Wenner, {{1.0, 50.0}, {2.0, 0.0}, {3.0, 7.0}}).problem,
              "Reading 2: the spacing and the apparent resistivity must be finite and above 0.");
}

TEST(Soil, ThreeReadingsGiveAFitButNoRange) {
    const auto result =
        FitTwoLayers(SoilArray::Wenner, Curve(SoilArray::Wenner, {100.0, 30.0, 2.0}, 0.5, 20.0, 3));
    ASSERT_TRUE(result.fit);
    EXPECT_FALSE(result.fit->plusMinus);
    EXPECT_FALSE(result.fit->covariance);
    EXPECT_EQ(result.fit->noRangeReason,
              "Three readings leave no misfit to judge a range by; a fourth gives one.");
    EXPECT_FALSE(stakewell::soil::ModelCurveAt(*result.fit, 1.0).plusMinus);
}

// d rho_a / d ln(parameter) by a central difference, apart from the code's own.
std::array<double, 3> Slopes(SoilArray array, const TwoLayerSoil& soil, double metres) {
    std::array<double, 3> slopes{};
    for (std::size_t k = 0; k < 3; ++k) {
        auto up = stakewell::soil::LogOf(soil);
        auto down = up;
        up[k] += 1e-6;
        down[k] -= 1e-6;
        slopes[k] = (ModelResistivity(array, stakewell::soil::SoilOf(up), metres) -
                     ModelResistivity(array, stakewell::soil::SoilOf(down), metres)) /
                    2e-6;
    }
    return slopes;
}

// The covariance times J^T J / s^2 must be the identity; the ranges and the
// band then follow from it.
TEST(Soil, TheRangesAndTheBandFollowTheMisfitsCovariance) {
    for (const SoilArray array : {SoilArray::Wenner, SoilArray::Schlumberger}) {
        const auto result = FitTwoLayers(
            array, Curve(array, {120.0, 40.0, 3.0}, 0.5, 60.0, 12, Noise(11, 12, 0.03)));
        ASSERT_TRUE(result.fit && result.fit->covariance);
        const auto& fit = *result.fit;
        const auto& c = *fit.covariance;
        std::array<std::array<double, 3>, 3> normal{};
        double s2 = 0.0;
        for (std::size_t i = 0; i < fit.points.size(); ++i) {
            const auto slopes = Slopes(array, fit.soil, fit.points[i].metres);
            for (std::size_t r = 0; r < 3; ++r) {
                for (std::size_t k = 0; k < 3; ++k) {
                    normal[r][k] += slopes[r] * slopes[k] / std::pow(fit.points[i].ohmMetres, 2);
                }
            }
            s2 += std::pow(fit.residualsPercent[i] / 100.0, 2) / (12.0 - 3.0);
        }
        for (std::size_t r = 0; r < 3; ++r) {
            for (std::size_t k = 0; k < 3; ++k) {
                const double product =
                    (c[r][0] * normal[0][k] + c[r][1] * normal[1][k] + c[r][2] * normal[2][k]) / s2;
                EXPECT_NEAR(product, r == k ? 1.0 : 0.0, 1e-4) << r << "," << k;
            }
        }
        EXPECT_DOUBLE_EQ(fit.plusMinus->upperOhmMetres,
                         fit.soil.upperOhmMetres * std::sqrt(c[0][0]));
        EXPECT_DOUBLE_EQ(fit.plusMinus->lowerOhmMetres,
                         fit.soil.lowerOhmMetres * std::sqrt(c[1][1]));
        EXPECT_DOUBLE_EQ(fit.plusMinus->upperDepthMetres,
                         fit.soil.upperDepthMetres * std::sqrt(c[2][2]));
        const auto g = Slopes(array, fit.soil, 5.0);
        double variance = 0.0;
        for (std::size_t r = 0; r < 3; ++r) {
            for (std::size_t k = 0; k < 3; ++k) {
                variance += g[r] * c[r][k] * g[k];
            }
        }
        const auto curve = stakewell::soil::ModelCurveAt(fit, 5.0);
        EXPECT_DOUBLE_EQ(curve.ohmMetres, ModelResistivity(array, fit.soil, 5.0));
        ASSERT_TRUE(curve.plusMinus);
        EXPECT_NEAR(*curve.plusMinus, std::sqrt(variance), 1e-5 * std::sqrt(variance));
    }
}

TEST(Soil, AContrastBeyondTheSearchIsMarkedAndGivesNoRange) {
    const auto result = FitTwoLayers(
        SoilArray::Schlumberger, Curve(SoilArray::Schlumberger, {10.0, 1e5, 1.0}, 0.3, 200.0, 8));
    ASSERT_TRUE(result.fit);
    EXPECT_TRUE(result.fit->onSearchEdge);
    EXPECT_NEAR(result.fit->soil.lowerOhmMetres / result.fit->soil.upperOhmMetres, 1000.0, 1e-6);
    EXPECT_FALSE(result.fit->plusMinus);
    EXPECT_EQ(result.fit->grade, FitGrade::Poor) << "RMS " << result.fit->rmsPercent;
}

// A sounding as one is taken: MN = 1 m out to AB/2 = 10 m, read there again
// with MN = 4 m, which it keeps out to 60 m. Each reading comes from the
// layered model, which sums the ground by its own road.
std::vector<SoilPoint> Sounding(const TwoLayerSoil& soil) {
    const stakewell::soil::LayeredEarth earth{{soil.upperOhmMetres, soil.lowerOhmMetres},
                                              {soil.upperDepthMetres}};
    std::vector<SoilPoint> points;
    const auto read = [&](double halfAB, double halfMN) {
        points.push_back(
            {halfAB, stakewell::soil::SchlumbergerApparent(earth, halfAB, halfMN), halfMN});
    };
    for (const double halfAB : {1.5, 2.5, 4.0, 6.0, 10.0}) {
        read(halfAB, 0.5);
    }
    for (const double halfAB : {10.0, 15.0, 25.0, 40.0, 60.0}) {
        read(halfAB, 2.0);
    }
    return points;
}

struct SoundingCase {
    std::string name;
    TwoLayerSoil soil;
};

std::ostream& operator<<(std::ostream& out, const SoundingCase& c) {
    return out << c.name;
}

class SoundingWithItsOwnMN : public testing::TestWithParam<SoundingCase> {};

TEST_P(SoundingWithItsOwnMN, FitsTheSoilItWasReadOver) {
    const TwoLayerSoil& soil = GetParam().soil;
    const auto result = FitTwoLayers(SoilArray::Schlumberger, Sounding(soil));
    ASSERT_TRUE(result.fit) << result.problem;
    const TwoLayerSoil& found = result.fit->soil;
    EXPECT_NEAR(found.upperOhmMetres, soil.upperOhmMetres, 1e-5 * soil.upperOhmMetres);
    EXPECT_NEAR(found.lowerOhmMetres, soil.lowerOhmMetres, 1e-5 * soil.lowerOhmMetres);
    EXPECT_NEAR(found.upperDepthMetres, soil.upperDepthMetres, 1e-5 * soil.upperDepthMetres);
    EXPECT_LT(result.fit->rmsPercent, 1e-4);
}

// The curve meets the model's figure at every reading, passes between the
// two readings taken at one AB, and keeps the end readings' MN/AB beyond them.
TEST_P(SoundingWithItsOwnMN, TheCurveFollowsTheReadingsMN) {
    const auto result = FitTwoLayers(SoilArray::Schlumberger, Sounding(GetParam().soil));
    ASSERT_TRUE(result.fit) << result.problem;
    const auto& fit = *result.fit;
    const auto model = [&fit](double halfAB, double halfMN) {
        return ModelResistivity(SoilArray::Schlumberger, fit.soil, halfAB, halfMN);
    };
    for (const SoilPoint& p : fit.points) {
        const double curve = stakewell::soil::ModelCurveAt(fit, p.metres).ohmMetres;
        if (p.metres == 10.0) {
            EXPECT_GT(curve, std::min(model(10.0, 0.5), model(10.0, 2.0)));
            EXPECT_LT(curve, std::max(model(10.0, 0.5), model(10.0, 2.0)));
        } else {
            EXPECT_NEAR(curve, model(p.metres, p.halfMNMetres), 1e-12 * curve) << p.metres;
        }
    }
    EXPECT_NEAR(stakewell::soil::ModelCurveAt(fit, 0.5).ohmMetres, model(0.5, 0.5 / 3.0),
                1e-12 * model(0.5, 0.5 / 3.0));
    EXPECT_NEAR(stakewell::soil::ModelCurveAt(fit, 300.0).ohmMetres, model(300.0, 10.0),
                1e-12 * model(300.0, 10.0));
}

INSTANTIATE_TEST_SUITE_P(Soil, SoundingWithItsOwnMN,
                         testing::Values(SoundingCase{"conductive_below", {150.0, 20.0, 4.0}},
                                         SoundingCase{"resistive_below", {40.0, 900.0, 2.5}},
                                         SoundingCase{"thin_top", {300.0, 60.0, 0.8}}),
                         [](const testing::TestParamInfo<SoundingCase>& info) {
                             return CaseName(info.index, {info.param.name});
                         });

TEST(Soil, ASchlumbergerPointsMNMustLieInsideItsAB) {
    const std::string problem = "Reading 2: MN/2 must be 0 or above and below AB/2.";
    for (const double halfMN : {2.0, 3.0, -0.5, std::nan("")}) {
        EXPECT_EQ(FitTwoLayers(SoilArray::Schlumberger,
                               {{1.0, 50.0, 0.2}, {2.0, 60.0, halfMN}, {3.0, 70.0}})
                      .problem,
                  problem)
            << halfMN;
    }
}

struct TooFewSpacingsCase {
    std::string name;
    std::vector<double> metres;
    std::string problem;
};

std::ostream& operator<<(std::ostream& out, const TooFewSpacingsCase& c) {
    return out << c.name;
}

class TooFewSpacings : public testing::TestWithParam<TooFewSpacingsCase> {};

// However many readings, a depth needs readings at three spacings to show.
TEST_P(TooFewSpacings, GiveNoModel) {
    std::vector<SoilPoint> points;
    for (std::size_t i = 0; i < GetParam().metres.size(); ++i) {
        points.push_back({GetParam().metres[i], 80.0 + static_cast<double>(i)});
    }
    const auto result = FitTwoLayers(SoilArray::Wenner, points);
    EXPECT_FALSE(result.fit);
    EXPECT_EQ(result.problem, GetParam().problem);
}

const std::string NeedsSpacings =
    "A two-layer model needs readings at three or more different spacings; these are at only ";

INSTANTIATE_TEST_SUITE_P(Soil, TooFewSpacings,
                         testing::Values(TooFewSpacingsCase{"three_at_one_spacing",
                                                            {3.048, 3.048, 3.048},
                                                            NeedsSpacings + "1."},
                                         TooFewSpacingsCase{"five_at_two_spacings",
                                                            {1.0, 2.0, 1.0, 2.0, 2.0},
                                                            NeedsSpacings + "2."}),
                         [](const testing::TestParamInfo<TooFewSpacingsCase>& info) {
                             return CaseName(info.index, {info.param.name});
                         });

struct SupportCase {
    std::string name;
    SoilArray array;
    std::vector<SoilPoint> points;
    FitGrade grade;
    std::string text; // GradeText's
};

std::ostream& operator<<(std::ostream& out, const SupportCase& c) {
    return out << c.name;
}

class FitSupport : public testing::TestWithParam<SupportCase> {};

// Each of these fits its readings within 10 %, which alone would grade it
// usable or good: the grade says whether they support the soil found.
TEST_P(FitSupport, GradesWhatTheReadingsCanTell) {
    const auto result = FitTwoLayers(GetParam().array, GetParam().points);
    ASSERT_TRUE(result.fit) << result.problem;
    EXPECT_LE(result.fit->rmsPercent, 10.0);
    EXPECT_EQ(result.fit->grade, GetParam().grade);
    EXPECT_EQ(stakewell::soil::GradeText(*result.fit), GetParam().text);
}

std::vector<SoilPoint> Repeated(std::vector<SoilPoint> points, std::size_t at, double factor) {
    points.insert(points.begin() + static_cast<std::ptrdiff_t>(at),
                  {points[at].metres, points[at].ohmMetres * factor});
    return points;
}

INSTANTIATE_TEST_SUITE_P(
    Soil, FitSupport,
    testing::Values(
        SupportCase{"three_readings", SoilArray::Wenner,
                    Curve(SoilArray::Wenner, {100.0, 30.0, 2.0}, 0.5, 20.0, 3),
                    FitGrade::NotAssessed,
                    "not assessed: three readings fit any two-layer model exactly"},
        SupportCase{"four_readings_at_three_spacings", SoilArray::Wenner,
                    Repeated(Curve(SoilArray::Wenner, {100.0, 30.0, 2.0}, 0.5, 20.0, 3), 1, 1.02),
                    FitGrade::NotAssessed,
                    "not assessed: readings at three spacings fit any two-layer model exactly"},
        SupportCase{"on_the_search_edge", SoilArray::Schlumberger,
                    Curve(SoilArray::Schlumberger, {10.0, 1e5, 1.0}, 0.3, 200.0, 8), FitGrade::Poor,
                    "poor: the best fit lies at the edge of its search, where the readings do not "
                    "fix the soil"},
        SupportCase{"four_spacings", SoilArray::Wenner,
                    Curve(SoilArray::Wenner, {100.0, 30.0, 2.0}, 0.5, 20.0, 4), FitGrade::Good,
                    "good"}),
    [](const testing::TestParamInfo<SupportCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

TEST(Soil, PointsComeInOrderOfSpacingWithTheirResiduals) {
    std::vector<SoilPoint> points =
        Curve(SoilArray::Wenner, {100.0, 30.0, 2.0}, 0.5, 20.0, 6, {0.02, -0.01, 0.0});
    std::swap(points[0], points[4]);
    const auto result = FitTwoLayers(SoilArray::Wenner, points);
    ASSERT_TRUE(result.fit);
    const auto& fit = *result.fit;
    double squares = 0.0;
    for (std::size_t i = 0; i < fit.points.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(fit.points[i - 1].metres, fit.points[i].metres);
        }
        const double model = ModelResistivity(SoilArray::Wenner, fit.soil, fit.points[i].metres);
        const double residual = (fit.points[i].ohmMetres - model) / fit.points[i].ohmMetres * 100;
        EXPECT_NEAR(fit.residualsPercent[i], residual, 1e-9);
        squares += residual * residual;
    }
    EXPECT_NEAR(fit.rmsPercent, std::sqrt(squares / 6.0), 1e-9);
}

struct GradeCase {
    std::string name;
    std::vector<double> off; // each reading's error, a fraction
    FitGrade grade;
    bool threeLayers;
};

std::ostream& operator<<(std::ostream& out, const GradeCase& c) {
    return out << c.name;
}

// The end readings as they are, every one between them `error` above and
// below the curve in turn.
std::vector<double> Alternating(double error) {
    std::vector<double> off(12, error);
    for (std::size_t i = 2; i < off.size(); i += 2) {
        off[i] = -error;
    }
    off.front() = 0.0;
    off.back() = 0.0;
    return off;
}

class SoilGrade : public testing::TestWithParam<GradeCase> {};

// Errors a two-layer soil cannot absorb: alternating signs along the traverse.
TEST_P(SoilGrade, FollowsTheMisfit) {
    const GradeCase& c = GetParam();
    const auto result = FitTwoLayers(
        SoilArray::Wenner, Curve(SoilArray::Wenner, {100.0, 300.0, 2.0}, 0.5, 40.0, 12, c.off));
    ASSERT_TRUE(result.fit);
    EXPECT_EQ(result.fit->grade, c.grade) << "RMS " << result.fit->rmsPercent;
    EXPECT_EQ(result.fit->threeLayersLikely, c.threeLayers);
}

INSTANTIATE_TEST_SUITE_P(
    Soil, SoilGrade,
    testing::Values(
        GradeCase{"small_errors", {0.02, -0.02}, FitGrade::Good, false},
        GradeCase{"errors_of_eight_percent", Alternating(0.08), FitGrade::Usable, false},
        GradeCase{"errors_of_fifteen_percent", Alternating(0.15), FitGrade::Poor, true},
        GradeCase{"a_hump", {0, 0, 0, 0, 0.9, 1.2, 1.0, 0.6, 0, 0, 0, 0}, FitGrade::Poor, true}),
    [](const testing::TestParamInfo<GradeCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

} // namespace
