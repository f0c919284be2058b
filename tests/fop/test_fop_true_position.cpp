#include "fop/AnalysisText.h"
#include "fop/FopAnalysis.h"
#include "fop/TwoLayerProbe.h"
#include "shared/TextForm.h"
#include "soil/LayeredEarth.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

namespace {

using stakewell::fop::FallOfPotential;
using stakewell::fop::FOPPoint;
using stakewell::fop::Reason;
using stakewell::fop::TrueResistanceFraction;
using stakewell::shared::DoubleText;
using stakewell::shared::UnitSystem;
using stakewell::soil::TwoLayerSoil;

const double Golden = (std::sqrt(5.0) - 1.0) / 2.0;

// rho2 / rho1 of a reflection factor K.
double Contrast(double k) {
    return (1.0 + k) / (1.0 - k);
}

TwoLayerSoil Soil(double k, double depthMetres) {
    return {100.0, 100.0 * Contrast(k), depthMetres};
}

FallOfPotential Readings(const std::vector<FOPPoint>& measured, UnitSystem units) {
    std::vector<FOPPoint> points{FOPPoint{}};
    points.insert(points.end(), measured.begin(), measured.end());
    FallOfPotential fop;
    fop.Units = units;
    fop.Replace(std::move(points), 0);
    return fop;
}

struct PositionCase {
    double k;
    double depthPerE2;
    double percent; // summed apart from this code, image by image, to 1e-6
};

std::ostream& operator<<(std::ostream& out, const PositionCase& c) {
    return out << "K " << c.k << ", h/E2 " << c.depthPerE2;
}

class TrueResistancePosition : public testing::TestWithParam<PositionCase> {};

TEST_P(TrueResistancePosition, LiesWhereTheImagesPutIt) {
    const PositionCase& c = GetParam();
    const double e2Metres = 50.0;
    const std::optional<double> fraction =
        TrueResistanceFraction(Soil(c.k, c.depthPerE2 * e2Metres), e2Metres);
    ASSERT_TRUE(fraction);
    EXPECT_NEAR(*fraction * 100.0, c.percent, 2e-6);
}

// A conductive lower layer draws the position in towards E1, a resistive one
// pushes it out; very thin or very deep top layers leave uniform ground.
INSTANTIATE_TEST_SUITE_P(
    FopTruePosition, TrueResistancePosition,
    testing::Values(PositionCase{-0.9, 0.1, 58.053973}, PositionCase{-0.9, 0.2, 52.184746},
                    PositionCase{-0.9, 0.3, 51.608045}, PositionCase{-0.9, 0.5, 52.560369},
                    PositionCase{-0.5, 0.1, 60.222297}, PositionCase{-0.5, 0.2, 57.174674},
                    PositionCase{-0.5, 0.3, 56.033836}, PositionCase{-0.5, 0.5, 56.154718},
                    PositionCase{0.5, 0.1, 65.552405}, PositionCase{0.5, 0.2, 68.753604},
                    PositionCase{0.5, 0.3, 70.108972}, PositionCase{0.5, 0.5, 70.032698},
                    PositionCase{0.9, 0.1, 79.737917}, PositionCase{0.9, 0.2, 84.131349},
                    PositionCase{0.9, 0.3, 84.291471}, PositionCase{0.9, 0.5, 82.419782},
                    PositionCase{0.5, 1e-4, 61.803410}, PositionCase{-0.9, 1e-4, 61.803398},
                    PositionCase{0.5, 1e3, 61.810716}),
    [](const testing::TestParamInfo<PositionCase>& info) {
        return CaseName(info.index, {"K", DoubleText(info.param.k), "h_per_E2",
                                     DoubleText(info.param.depthPerE2)});
    });

// The same condition reached another way: a surface potential's fall from a
// to b is the integral of rho_a(s) / (2 pi s^2), rho_a the apparent
// resistivity a Schlumberger sounding of point-dipole probes reads at AB/2 = s,
// here from the soil core's J0 filter, with no images at all. The probe reads
// the true resistance at x where the fall from C - x to x equals the fall
// from C to infinity.
double PotentialFall(const TwoLayerSoil& soil, double from, double to) {
    const stakewell::soil::LayeredEarth earth{{soil.upperOhmMetres, soil.lowerOhmMetres},
                                              {soil.upperDepthMetres}};
    // Simpson's rule in u = ln s, where the integrand is rho_a(e^u) e^-u.
    const auto integrand = [&](double u) {
        const double s = std::exp(u);
        return stakewell::soil::SchlumbergerApparent(earth, s, s * 1e-7) / s;
    };
    const int intervals = 2000;
    const double step = (std::log(to) - std::log(from)) / intervals;
    double sum = integrand(std::log(from)) + integrand(std::log(to));
    for (int i = 1; i < intervals; ++i) {
        sum += (i % 2 == 1 ? 4.0 : 2.0) * integrand(std::log(from) + i * step);
    }
    return sum * step / 3.0;
}

double Excess(const TwoLayerSoil& soil, double e2, double fraction) {
    // Beyond 1e12 E2 the fall left is below 1e-12 of the whole.
    return PotentialFall(soil, e2 - fraction * e2, fraction * e2) -
           PotentialFall(soil, e2, 1e12 * e2);
}

TEST(FopTruePosition, AgreesWithTheSoundingsCurveIntegrated) {
    const double e2 = 50.0;
    for (const double k : {-0.9, 0.9}) {
        for (const double depthPerE2 : {0.1, 0.3}) {
            const TwoLayerSoil soil = Soil(k, depthPerE2 * e2);
            const double fraction = *TrueResistanceFraction(soil, e2);
            // Within a millionth of E2 either side.
            EXPECT_LT(Excess(soil, e2, fraction - 1e-6), 0.0) << "K " << k << " " << depthPerE2;
            EXPECT_GT(Excess(soil, e2, fraction + 1e-6), 0.0) << "K " << k << " " << depthPerE2;
        }
    }
}

TEST(FopTruePosition, InUniformGroundIsTheGoldenSection) {
    for (const double rho : {1.0, 100.0, 2.5e4}) {
        for (const double depth : {0.01, 3.0, 1e4}) {
            for (const double e2 : {0.5, 30.48, 1e5}) {
                const std::optional<double> fraction =
                    TrueResistanceFraction({rho, rho, depth}, e2);
                ASSERT_TRUE(fraction);
                EXPECT_NEAR(*fraction, Golden, 1e-12) << rho << " " << depth << " " << e2;
            }
        }
    }
}

TEST(FopTruePosition, RisesWithTheReflectionFactor) {
    for (const double depthPerE2 : {0.02, 0.2, 1.0, 5.0}) {
        double previous = 0.0;
        for (double k = -0.98; k < 0.985; k += 0.02) {
            const std::optional<double> fraction =
                TrueResistanceFraction(Soil(k, depthPerE2 * 40.0), 40.0);
            ASSERT_TRUE(fraction);
            EXPECT_GT(*fraction, previous) << "K " << k << ", h/E2 " << depthPerE2;
            EXPECT_LT(*fraction, 1.0);
            previous = *fraction;
        }
    }
}

TEST(FopTruePosition, DependsOnlyOnTheDepthOverE2InEitherUnit) {
    const TwoLayerSoil soil = Soil(0.7, 6.096);
    const FallOfPotential feet = Readings({{50.0, 10.0}}, UnitSystem::Imperial);
    const FallOfPotential metres = Readings({{15.24, 10.0}}, UnitSystem::Metric);
    const auto inFeet = stakewell::fop::AnalyseInSoil(feet, 100.0, soil).InSoil;
    const auto inMetres = stakewell::fop::AnalyseInSoil(metres, 30.48, soil).InSoil;
    ASSERT_TRUE(inFeet && inFeet->Fraction && inMetres && inMetres->Fraction);
    EXPECT_NEAR(*inFeet->Fraction, *inMetres->Fraction, 1e-12);
    // A twice deeper layer at the same E2 is another soil.
    EXPECT_GT(std::abs(*inFeet->Fraction - *TrueResistanceFraction(Soil(0.7, 12.192), 30.48)),
              0.01);
}

struct RefusedCase {
    std::string name;
    TwoLayerSoil soil;
    double e2Metres;
};

std::ostream& operator<<(std::ostream& out, const RefusedCase& c) {
    return out << c.name;
}

class RefusedPosition : public testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedPosition, GivesNoFraction) {
    const RefusedCase& c = GetParam();
    EXPECT_FALSE(TrueResistanceFraction(c.soil, c.e2Metres));
}

const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Infinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    FopTruePosition, RefusedPosition,
    testing::Values(RefusedCase{"upper_zero", {0.0, 100.0, 2.0}, 30.0},
                    RefusedCase{"lower_negative", {100.0, -5.0, 2.0}, 30.0},
                    RefusedCase{"lower_nan", {100.0, NaN, 2.0}, 30.0},
                    RefusedCase{"upper_infinite", {Infinity, 100.0, 2.0}, 30.0},
                    RefusedCase{"depth_zero", {100.0, 300.0, 0.0}, 30.0},
                    RefusedCase{"depth_nan", {100.0, 300.0, NaN}, 30.0},
                    RefusedCase{"contrast_too_great_to_sum", {1.0, 1e6, 2.0}, 30.0},
                    RefusedCase{"e2_zero", {100.0, 300.0, 2.0}, 0.0},
                    RefusedCase{"e2_infinite", {100.0, 300.0, 2.0}, Infinity}),
    [](const testing::TestParamInfo<RefusedCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// Readings at 30, 40, 50, 60, 70 and 80% of a 100 ft E2, each 10 Ohms more
// than the one before.
std::vector<FOPPoint> EvenCurve(double from = 0.3, double to = 0.8) {
    std::vector<FOPPoint> readings;
    for (double p = from; p < to + 1e-9; p += 0.1) {
        readings.push_back({p * 100.0, 100.0 * p});
    }
    return readings;
}

TEST(FopTruePosition, ReadsTheCurveThereAsThe62PercentValueIsRead) {
    const FallOfPotential fop = Readings(EvenCurve(), UnitSystem::Imperial);
    // K 0.5 at h/E2 0.2 puts it at 68.75%, between the 60 and 70 ft readings.
    const auto inSoil = stakewell::fop::AnalyseInSoil(fop, 100.0, Soil(0.5, 6.096)).InSoil;
    ASSERT_TRUE(inSoil && inSoil->Fraction);
    const double feet = *inSoil->Fraction * 100.0;
    ASSERT_GT(feet, 60.0);
    ASSERT_LT(feet, 70.0);
    ASSERT_TRUE(inSoil->At.Ohms);
    EXPECT_NEAR(*inSoil->At.Ohms, 60.0 + (70.0 - 60.0) * (feet - 60.0) / 10.0, 1e-12);
    ASSERT_EQ(inSoil->At.Used.size(), 2U);
    EXPECT_EQ(inSoil->At.Used[0].Distance, 60.0);
    EXPECT_EQ(inSoil->At.Used[1].Distance, 70.0);
    EXPECT_EQ(inSoil->At.Why, Reason::None);
}

TEST(FopTruePosition, BeyondTheReadingsGivesNoFigure) {
    // Readings up to 70% of E2 against a position at 84%, and from 60%
    // against one at 52%.
    struct Case {
        std::vector<FOPPoint> readings;
        double k;
    };
    for (const Case& c : {Case{EvenCurve(0.3, 0.7), 0.9}, Case{EvenCurve(0.6, 0.9), -0.9}}) {
        const FallOfPotential fop = Readings(c.readings, UnitSystem::Imperial);
        const auto result = stakewell::fop::AnalyseInSoil(fop, 100.0, Soil(c.k, 6.096));
        ASSERT_TRUE(result.InSoil && result.InSoil->Fraction);
        EXPECT_FALSE(result.InSoil->At.Ohms);
        EXPECT_TRUE(result.InSoil->At.Used.empty());
        EXPECT_EQ(result.InSoil->At.Why, Reason::OutsideReadings);
        const auto lines = stakewell::fop::TruePositionLines(*result.InSoil, fop.Units);
        EXPECT_EQ(lines[1].Value, "none (the true-resistance position lies outside the readings)");
    }
}

TEST(FopTruePosition, AReadingExactlyThereIsReadAlone) {
    const double fraction = *TrueResistanceFraction(Soil(0.5, 6.096), 30.48);
    const FallOfPotential fop =
        Readings({{40.0, 8.0}, {fraction * 100.0, 9.25}, {90.0, 11.0}}, UnitSystem::Imperial);
    const auto inSoil = stakewell::fop::AnalyseInSoil(fop, 100.0, Soil(0.5, 6.096)).InSoil;
    ASSERT_TRUE(inSoil && inSoil->At.Ohms);
    EXPECT_EQ(*inSoil->At.Ohms, 9.25);
    EXPECT_EQ(inSoil->At.Used.size(), 1U);
}

TEST(FopTruePosition, ACurveTheAnalysisRefusesGivesNoFigureThereEither) {
    std::vector<FOPPoint> readings = EvenCurve();
    readings[2].Ohms = -1.0;
    const FallOfPotential fop = Readings(readings, UnitSystem::Imperial);
    const auto result = stakewell::fop::AnalyseInSoil(fop, 100.0, Soil(0.5, 6.096));
    ASSERT_TRUE(result.InSoil && result.InSoil->Fraction);
    EXPECT_FALSE(result.InSoil->At.Ohms);
    EXPECT_EQ(result.InSoil->At.Why, Reason::NegativeReading);
}

TEST(FopTruePosition, WithoutASoundSoilOrE2SaysWhy) {
    const FallOfPotential fop = Readings(EvenCurve(), UnitSystem::Metric);
    const auto noE2 = stakewell::fop::AnalyseInSoil(fop, 0.0, Soil(0.5, 6.0)).InSoil;
    ASSERT_TRUE(noE2);
    EXPECT_FALSE(noE2->Fraction);
    EXPECT_EQ(noE2->Why, Reason::NoE2Distance);
    EXPECT_EQ(stakewell::fop::TruePositionLines(*noE2, fop.Units)[0].Value,
              "none (no E2 distance above 0)");

    const auto noSoil = stakewell::fop::AnalyseInSoil(fop, 100.0, {0.0, 50.0, 2.0}).InSoil;
    ASSERT_TRUE(noSoil);
    EXPECT_FALSE(noSoil->Fraction);
    EXPECT_FALSE(noSoil->At.Ohms);
    EXPECT_EQ(noSoil->Why, Reason::NoSoilPosition);
    EXPECT_EQ(noSoil->At.Why, Reason::NoSoilPosition);
}

TEST(FopTruePosition, ItsLinesStandAfterThe62PercentValueAndChangeNoOther) {
    const FallOfPotential fop = Readings(EvenCurve(), UnitSystem::Imperial);
    const auto plain = stakewell::fop::AnalysisLines(stakewell::fop::Analyse(fop, 100.0));
    const auto inSoil = stakewell::fop::AnalysisLines(
        stakewell::fop::AnalyseInSoil(fop, 100.0, {100.0, 100.0, 3.0}));
    ASSERT_EQ(inSoil.size(), plain.size() + 2);
    EXPECT_EQ(plain[3].Label, "R at 62%");
    EXPECT_EQ(inSoil[4].Label, "True-resistance position");
    EXPECT_EQ(inSoil[4].Value, "61.8% of E2");
    EXPECT_EQ(inSoil[5].Label, "R at the true-resistance position");
    EXPECT_EQ(inSoil[5].Value,
              "61.803 Ohms (between 60.0 feet 60.000 Ohms and 70.0 feet 70.000 Ohms)");
    for (std::size_t i = 0; i < plain.size(); ++i) {
        const auto& same = inSoil[i < 4 ? i : i + 2];
        EXPECT_EQ(same.Label, plain[i].Label);
        EXPECT_EQ(same.Value, plain[i].Value);
    }
}

TEST(FopTruePosition, TheCacheFollowsTheSoilE2AndUnits) {
    const FallOfPotential feet = Readings(EvenCurve(), UnitSystem::Imperial);
    const FallOfPotential metres = Readings(EvenCurve(), UnitSystem::Metric);
    stakewell::fop::AnalysisCache cache;
    EXPECT_FALSE(cache.Analyse(feet, 100.0, 5.0).InSoil);
    struct Step {
        const FallOfPotential& fop;
        double e2;
        TwoLayerSoil soil;
    };
    const std::vector<Step> steps{{feet, 100.0, Soil(-0.6, 9.0)}, {feet, 100.0, Soil(-0.6, 9.0)},
                                  {feet, 100.0, Soil(0.6, 9.0)},  {feet, 100.0, Soil(0.6, 3.0)},
                                  {feet, 90.0, Soil(0.6, 3.0)},   {metres, 90.0, Soil(0.6, 3.0)},
                                  {metres, 90.0, {0.0, 1.0, 3.0}}};
    for (const Step& step : steps) {
        const auto cached = cache.Analyse(step.fop, step.e2, 5.0, step.soil);
        const auto direct = stakewell::fop::AnalyseInSoil(step.fop, step.e2, step.soil, 5.0);
        EXPECT_EQ(stakewell::fop::AnalysisListing(cached), stakewell::fop::AnalysisListing(direct));
    }
}

} // namespace
