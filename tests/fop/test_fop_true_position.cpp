#include "fop/AnalysisText.h"
#include "fop/FopAnalysis.h"
#include "fop/TwoLayerProbe.h"
#include "shared/TextForm.h"
#include "soil/LayeredEarth.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

using stakewell::fop::AnalyseInSoil;
using stakewell::fop::FallOfPotential;
using stakewell::fop::FOPPoint;
using stakewell::fop::Reason;
using stakewell::fop::TrueResistanceFraction;
using stakewell::shared::UnitSystem;
using stakewell::soil::TwoLayerSoil;

TwoLayerSoil Soil(double k, double depthMetres) {
    return {100.0, 100.0 * (1.0 + k) / (1.0 - k), depthMetres};
}

// Readings at 30, 40, ... 80% of a 100 ft (or m) E2, reading p * 100 Ohms.
FallOfPotential Readings(UnitSystem units, double from = 0.3, double to = 0.8) {
    std::vector<FOPPoint> points{FOPPoint{}};
    for (double p = from; p < to + 1e-9; p += 0.1) {
        points.push_back({p * 100.0, p * 100.0});
    }
    FallOfPotential fop;
    fop.Units = units;
    fop.Replace(std::move(points), 0);
    return fop;
}

struct PositionCase {
    double k;
    double depthPerE2;
    double percent; // summed apart from this code, image by image
};

class TrueResistancePosition : public testing::TestWithParam<PositionCase> {};

// The same condition reached without images: a surface potential's fall from
// a to b is the integral of rho_a(s) / (2 pi s^2), rho_a the point-dipole
// Schlumberger sounding at AB/2 = s from the J0 filter. The probe at x reads
// the true resistance where the fall from C - x to x equals that from C on.
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

double Excess(const TwoLayerSoil& soil, double e2, double p) {
    return PotentialFall(soil, e2 - p * e2, p * e2) - PotentialFall(soil, e2, 1e12 * e2);
}

TEST_P(TrueResistancePosition, LiesWhereTheImagesAndTheSoundingPutIt) {
    const PositionCase& c = GetParam();
    const TwoLayerSoil soil = Soil(c.k, c.depthPerE2 * 50.0);
    const double fraction = TrueResistanceFraction(soil, 50.0).value();
    EXPECT_NEAR(fraction * 100.0, c.percent, 2e-6);
    if (c.depthPerE2 >= 0.1 && c.depthPerE2 <= 0.5) {
        // Within a millionth of E2 either side.
        EXPECT_LT(Excess(soil, 50.0, fraction - 1e-6), 0.0);
        EXPECT_GT(Excess(soil, 50.0, fraction + 1e-6), 0.0);
    }
}

// A conductive lower layer draws the position in towards E1, a resistive one
// pushes it out; very thin or very deep top layers leave uniform ground.
INSTANTIATE_TEST_SUITE_P(
    FopTruePosition, TrueResistancePosition,
    testing::Values(PositionCase{-0.9, 0.1, 58.053973}, PositionCase{-0.9, 0.2, 52.184746},
                    PositionCase{-0.9, 0.3, 51.608045}, PositionCase{-0.9, 0.5, 52.560369},
                    PositionCase{-0.5, 0.1, 60.222297}, PositionCase{-0.5, 0.3, 56.033836},
                    PositionCase{0.5, 0.1, 65.552405}, PositionCase{0.5, 0.3, 70.108972},
                    PositionCase{0.9, 0.1, 79.737917}, PositionCase{0.9, 0.2, 84.131349},
                    PositionCase{0.9, 0.3, 84.291471}, PositionCase{0.9, 0.5, 82.419782},
                    PositionCase{0.5, 1e-4, 61.803410}, PositionCase{-0.9, 1e-4, 61.803398},
                    PositionCase{0.5, 1e3, 61.810716}),
    [](const testing::TestParamInfo<PositionCase>& info) {
        using stakewell::shared::DoubleText;
        return CaseName(info.index, {"K", DoubleText(info.param.k), "h_per_E2",
                                     DoubleText(info.param.depthPerE2)});
    });

// Uniform ground reads at the golden section whatever the scale.
TEST(FopTruePosition, RisesWithTheReflectionFactorThroughTheGoldenSection) {
    for (const double depthPerE2 : {0.02, 0.2, 1.0, 5.0}) {
        EXPECT_NEAR(TrueResistanceFraction({2.5e4, 2.5e4, depthPerE2 * 30.48}, 30.48).value(),
                    (std::sqrt(5.0) - 1.0) / 2.0, 1e-12);
        double previous = 0.0;
        for (double k = -0.98; k < 0.985; k += 0.02) {
            const double fraction = TrueResistanceFraction(Soil(k, depthPerE2), 1.0).value();
            EXPECT_GT(fraction, previous) << "K " << k << ", h/E2 " << depthPerE2;
            EXPECT_LT(fraction, 1.0);
            previous = fraction;
        }
    }
}

TEST(FopTruePosition, AnUnsoundSoilOrE2GivesNone) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double infinity = std::numeric_limits<double>::infinity();
    for (const TwoLayerSoil& soil :
         {TwoLayerSoil{100.0, -5.0, 2.0}, TwoLayerSoil{infinity, 100.0, 2.0},
          TwoLayerSoil{100.0, 300.0, nan},
          // A contrast whose series is too long to sum.
          TwoLayerSoil{1.0, 1e6, 2.0}}) {
        EXPECT_FALSE(TrueResistanceFraction(soil, 30.0)) << soil.lowerOhmMetres;
    }
    EXPECT_FALSE(TrueResistanceFraction({100.0, 300.0, 2.0}, infinity));

    const auto noSoil =
        AnalyseInSoil(Readings(UnitSystem::Metric), 100.0, {0.0, 50.0, 2.0}).InSoil.value();
    EXPECT_FALSE(noSoil.Fraction);
    EXPECT_FALSE(noSoil.At.Ohms);
    EXPECT_EQ(noSoil.At.Why, Reason::NoSoilPosition);
    EXPECT_EQ(AnalyseInSoil(Readings(UnitSystem::Metric), 0.0, Soil(0.5, 6.0)).InSoil->Why,
              Reason::NoE2Distance);
}

TEST(FopTruePosition, ReadsTheCurveThereAsThe62PercentValueIsRead) {
    // K 0.5 at h/E2 0.2 puts it at 68.75%, between the 60 and 70 ft readings.
    const auto inSoil =
        AnalyseInSoil(Readings(UnitSystem::Imperial), 100.0, Soil(0.5, 6.096)).InSoil.value();
    const double feet = inSoil.Fraction.value() * 100.0;
    EXPECT_NEAR(inSoil.At.Ohms.value(), 60.0 + (70.0 - 60.0) * (feet - 60.0) / 10.0, 1e-12);
    ASSERT_EQ(inSoil.At.Used.size(), 2U);
    EXPECT_EQ(inSoil.At.Used[0].Distance, 60.0);
    EXPECT_EQ(inSoil.At.Used[1].Distance, 70.0);
}

TEST(FopTruePosition, BeyondTheReadingsGivesNoFigure) {
    // Readings up to 70% of E2 against a position at 84%, and from 60%
    // against one at 52%.
    const auto beyond =
        AnalyseInSoil(Readings(UnitSystem::Imperial, 0.3, 0.7), 100.0, Soil(0.9, 6.096));
    const auto before =
        AnalyseInSoil(Readings(UnitSystem::Imperial, 0.6, 0.9), 100.0, Soil(-0.9, 6.096));
    for (const auto& result : {beyond, before}) {
        const auto& inSoil = result.InSoil.value();
        EXPECT_FALSE(inSoil.At.Ohms);
        EXPECT_TRUE(inSoil.At.Used.empty());
        EXPECT_EQ(stakewell::fop::TruePositionLines(inSoil, result.Units)[1].Value,
                  "none (the true-resistance position lies outside the readings)");
    }
}

TEST(FopTruePosition, ItsLinesFollowThe62PercentValueAndChangeNoOther) {
    const FallOfPotential fop = Readings(UnitSystem::Imperial);
    const auto plain = stakewell::fop::AnalysisLines(stakewell::fop::Analyse(fop, 100.0));
    const auto inSoil = stakewell::fop::AnalysisLines(AnalyseInSoil(fop, 100.0, {80.0, 80.0, 3.0}));
    ASSERT_EQ(inSoil.size(), plain.size() + 2);
    EXPECT_EQ(plain[3].Label, "R at 62%");
    EXPECT_EQ(inSoil[4].Label + ": " + inSoil[4].Value, "True-resistance position: 61.8 % of E2");
    EXPECT_EQ(inSoil[5].Label + ": " + inSoil[5].Value,
              "R at the true-resistance position: 61.803 Ohms (between 60.0 feet 60.000 Ohms "
              "and 70.0 feet 70.000 Ohms)");
    for (std::size_t i = 0; i < plain.size(); ++i) {
        EXPECT_EQ(inSoil[i < 4 ? i : i + 2].Value, plain[i].Value) << plain[i].Label;
    }
}

TEST(FopTruePosition, TheCacheFollowsTheSoilE2AndUnits) {
    const FallOfPotential feet = Readings(UnitSystem::Imperial);
    const FallOfPotential metres = Readings(UnitSystem::Metric);
    stakewell::fop::AnalysisCache cache;
    EXPECT_FALSE(cache.Analyse(feet, 100.0, 5.0).InSoil);
    struct Step {
        const FallOfPotential& fop;
        double e2;
        TwoLayerSoil soil;
    };
    for (const Step& step :
         {Step{feet, 100.0, Soil(-0.6, 9.0)}, Step{feet, 100.0, Soil(0.6, 9.0)},
          Step{feet, 100.0, Soil(0.6, 3.0)}, Step{feet, 90.0, Soil(0.6, 3.0)},
          Step{metres, 90.0, Soil(0.6, 3.0)}, Step{metres, 90.0, {0.0, 1.0, 3.0}}}) {
        EXPECT_EQ(stakewell::fop::AnalysisListing(cache.Analyse(step.fop, step.e2, 5.0, step.soil)),
                  stakewell::fop::AnalysisListing(AnalyseInSoil(step.fop, step.e2, step.soil)));
    }
}

} // namespace
