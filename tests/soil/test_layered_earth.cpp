#include "soil/LayeredEarth.h"
#include "soil/TwoLayerSoil.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <iomanip>
#include <iostream>
#include <limits>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using stakewell::soil::IsValid;
using stakewell::soil::LayeredEarth;
using stakewell::soil::ResistivityTransform;
using stakewell::soil::SchlumbergerApparent;
using stakewell::soil::SlopedApparent;
using stakewell::soil::SlopedSchlumbergerApparent;
using stakewell::soil::SlopedWennerApparent;
using stakewell::soil::WennerApparent;

constexpr double Inf = std::numeric_limits<double>::infinity();
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

// Two layers of contrast K, the upper of 100 ohm-metres and 1 m deep.
LayeredEarth TwoLayers(double k) {
    return {{100.0, 100.0 * (1.0 + k) / (1.0 - k)}, {1.0}};
}

// The potential, in units of rho1 I / (2 pi), at r from a current electrode
// on two-layer ground: the electrode and its images at depths 2nh, summed in
// long double until a term is below 1e-22 of the first.
long double ImagePotential(long double k, long double depth, long double r) {
    long double sum = 1.0L / r;
    long double power = k;
    for (int n = 1; std::fabs(power) > 1e-22L; ++n) {
        const long double image = 2.0L * n * depth;
        sum += 2.0L * power / std::sqrt(r * r + image * image);
        power *= k;
    }
    return sum;
}

double ImageWenner(long double k, long double rho1, long double depth, long double a) {
    return static_cast<double>(rho1 * 2.0L * a *
                               (ImagePotential(k, depth, a) - ImagePotential(k, depth, 2.0L * a)));
}

double ImageSchlumberger(long double k, long double rho1, long double depth, long double halfAB,
                         long double halfMN) {
    const long double drop =
        ImagePotential(k, depth, halfAB - halfMN) - ImagePotential(k, depth, halfAB + halfMN);
    return static_cast<double>(rho1 * (halfAB * halfAB - halfMN * halfMN) / (2.0L * halfMN) * drop);
}

double RelativeDifference(double value, double reference) {
    return std::fabs(value - reference) / std::fabs(reference);
}

struct ImageCase {
    double k;
    double spacingPerDepth;
};

std::ostream& operator<<(std::ostream& out, const ImageCase& c) {
    return out << "K " << c.k << ", spacing/depth " << c.spacingPerDepth;
}

std::vector<ImageCase> EveryPair(const std::vector<double>& ks,
                                 const std::vector<double>& spacings) {
    std::vector<ImageCase> cases;
    for (const double k : ks) {
        for (const double spacing : spacings) {
            cases.push_back({k, spacing});
        }
    }
    return cases;
}

std::string ImageCaseName(const testing::TestParamInfo<ImageCase>& info) {
    std::ostringstream k;
    std::ostringstream spacing;
    k << "K " << info.param.k;
    spacing << "spacing " << info.param.spacingPerDepth;
    return CaseName(info.index, {k.str(), spacing.str()});
}

// Two layers against their image series, both arrays, over contrasts and
// spacings far beyond what a survey meets; the worst relative difference is
// kept in the test's record so that the figure can be quoted.
TEST(Soil, WorstDifferenceFromTheImageSeries) {
    double worst = 0.0;
    for (int percent = -99; percent <= 99; percent += 3) {
        const double k = percent / 100.0;
        for (int tenthDecade = -20; tenthDecade <= 30; ++tenthDecade) {
            const double spacing = std::pow(10.0, tenthDecade / 10.0);
            const LayeredEarth earth = TwoLayers(k);
            worst = std::max(worst, RelativeDifference(WennerApparent(earth, spacing),
                                                       ImageWenner(k, 100.0L, 1.0L, spacing)));
            for (const double mnPerAB : {0.5, 0.2, 0.02}) {
                const double halfMN = spacing * mnPerAB;
                worst = std::max(
                    worst, RelativeDifference(SchlumbergerApparent(earth, spacing, halfMN),
                                              ImageSchlumberger(k, 100.0L, 1.0L, spacing, halfMN)));
            }
        }
    }
    std::ostringstream figure;
    figure << std::scientific << std::setprecision(2) << worst;
    RecordProperty("worst_relative_difference", figure.str());
    std::cout << "worst relative difference from the image series: " << worst << '\n';
    EXPECT_LT(worst, 1e-6);
}

TEST(Soil, UniformGroundReadsItsOwnResistivityExactly) {
    const std::vector<LayeredEarth> earths{{{123.0}, {}},
                                           {{0.37, 0.37}, {2.0}},
                                           {{5000.0, 5000.0, 5000.0}, {0.1, 30.0}},
                                           {{77.0, 77.0, 77.0, 77.0}, {1.0, 2.0, 3.0}}};
    for (const LayeredEarth& earth : earths) {
        const double rho = earth.resistivities.front();
        for (const double spacing : {1e-310, 0.01, 1.0, 4.0, 1e4, 1e300}) {
            EXPECT_EQ(WennerApparent(earth, spacing), rho);
            EXPECT_EQ(SchlumbergerApparent(earth, spacing, spacing / 10.0), rho);
        }
        EXPECT_EQ(ResistivityTransform(earth, 0.3), rho);
    }
}

// A layer no different from the one above it is no layer: the recurrence
// must give the same ground as the thicker layer it merges into.
struct MergeCase {
    std::string name;
    LayeredEarth layered;
    LayeredEarth merged;
};

std::ostream& operator<<(std::ostream& out, const MergeCase& c) {
    return out << c.name;
}

class MergedLayers : public testing::TestWithParam<MergeCase> {};

TEST_P(MergedLayers, ReadTheSameAsTheMergedGround) {
    const MergeCase& c = GetParam();
    for (const double spacing : {0.05, 0.7, 3.0, 25.0, 400.0}) {
        const double wenner = WennerApparent(c.merged, spacing);
        EXPECT_NEAR(WennerApparent(c.layered, spacing), wenner, 1e-11 * wenner) << spacing;
        const double schlumberger = SchlumbergerApparent(c.merged, spacing, spacing / 5.0);
        EXPECT_NEAR(SchlumbergerApparent(c.layered, spacing, spacing / 5.0), schlumberger,
                    1e-11 * schlumberger)
            << spacing;
    }
}

INSTANTIATE_TEST_SUITE_P(Soil, MergedLayers,
                         testing::Values(MergeCase{"middle_as_top_conductive_below",
                                                   {{100.0, 100.0, 10.0}, {0.8, 1.7}},
                                                   {{100.0, 10.0}, {2.5}}},
                                         MergeCase{"middle_as_top_resistive_below",
                                                   {{30.0, 30.0, 3000.0}, {4.0, 0.5}},
                                                   {{30.0, 3000.0}, {4.5}}},
                                         MergeCase{"middle_as_bottom",
                                                   {{200.0, 15.0, 15.0}, {1.2, 6.0}},
                                                   {{200.0, 15.0}, {1.2}}},
                                         MergeCase{"four_with_two_alike",
                                                   {{43.0, 82.0, 82.0, 20.0}, {2.8, 6.0, 7.4}},
                                                   {{43.0, 82.0, 20.0}, {2.8, 13.4}}}),
                         [](const testing::TestParamInfo<MergeCase>& info) {
                             return CaseName(info.index, {info.param.name});
                         });

// An MN far narrower than AB reads as the point-dipole model does, instead of
// losing its digits in the difference of two nearly equal sums.
class SmallMN : public testing::TestWithParam<ImageCase> {};

TEST_P(SmallMN, FarNarrowerThanABReadsAsThePointDipole) {
    const ImageCase& c = GetParam();
    const LayeredEarth earth = TwoLayers(c.k);
    const stakewell::soil::TwoLayerSoil soil{earth.resistivities[0], earth.resistivities[1], 1.0};
    const double limit = stakewell::soil::ModelResistivity(stakewell::soil::SoilArray::Schlumberger,
                                                           soil, c.spacingPerDepth);
    for (const double mnPerAB : {1e-7, 1e-12, 1e-300}) {
        EXPECT_LT(
            RelativeDifference(
                SchlumbergerApparent(earth, c.spacingPerDepth, c.spacingPerDepth * mnPerAB), limit),
            1e-8)
            << mnPerAB;
    }
}

INSTANTIATE_TEST_SUITE_P(Soil, SmallMN,
                         testing::ValuesIn(EveryPair({-0.95, -0.6, 0.6, 0.95}, {0.1, 1.0, 10.0})),
                         ImageCaseName);

// Koefoed's recurrence as written, where tanh cannot overflow.
TEST(Soil, TransformFollowsTheRecurrence) {
    const LayeredEarth earth{{43.0, 82.0, 20.0, 500.0}, {2.8, 13.4, 30.0}};
    for (const double lambda : {0.001, 0.02, 0.1, 0.5}) {
        double t = earth.resistivities.back();
        for (std::size_t i = earth.thicknesses.size(); i-- > 0;) {
            const double rho = earth.resistivities[i];
            const double th = std::tanh(lambda * earth.thicknesses[i]);
            t = (t + rho * th) / (1.0 + t * th / rho);
        }
        EXPECT_NEAR(ResistivityTransform(earth, lambda), t, 1e-13 * t) << lambda;
    }
}

// The slopes a fit steers by, against central differences of the readings
// in the logarithms of every figure; the reading itself must be the one the
// plain model gives, to the bit.
struct SlopesCase {
    std::string name;
    bool wenner;
    LayeredEarth earth;
};

class ApparentSlopes : public testing::TestWithParam<SlopesCase> {};

TEST_P(ApparentSlopes, MatchCentralDifferences) {
    const SlopesCase& c = GetParam();
    const auto apparent = [&c](const LayeredEarth& earth, double spacing) {
        return c.wenner ? WennerApparent(earth, spacing)
                        : SchlumbergerApparent(earth, spacing, spacing / 5.0);
    };
    const std::size_t layers = c.earth.resistivities.size();
    constexpr double Step = 1e-5;
    for (const double spacing : {0.3, 2.0, 9.0, 60.0, 400.0}) {
        const SlopedApparent sloped =
            c.wenner ? SlopedWennerApparent(c.earth, spacing)
                     : SlopedSchlumbergerApparent(c.earth, spacing, spacing / 5.0);
        ASSERT_EQ(sloped.ohmMetres, apparent(c.earth, spacing)) << spacing;
        for (std::size_t j = 0; j < sloped.slopes.size(); ++j) {
            if (j >= 2 * layers - 1) {
                EXPECT_EQ(sloped.slopes[j], 0.0) << j;
                continue;
            }
            const auto moved = [&](double by) {
                LayeredEarth earth = c.earth;
                double& figure =
                    j < layers ? earth.resistivities[j] : earth.thicknesses[j - layers];
                figure *= std::exp(by);
                return apparent(earth, spacing);
            };
            const double central = (moved(Step) - moved(-Step)) / (2.0 * Step);
            EXPECT_NEAR(sloped.slopes[j], central,
                        1e-6 * sloped.ohmMetres + 1e-5 * std::fabs(central))
                << "spacing " << spacing << ", unknown " << j;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Soil, ApparentSlopes,
    testing::Values(SlopesCase{"uniform", true, {{57.0}, {}}},
                    SlopesCase{"two", false, {{100.0, 20.0}, {3.0}}},
                    SlopesCase{"three H", true, {{100.0, 20.0, 300.0}, {2.0, 10.0}}},
                    SlopesCase{"three K", false, {{50.0, 400.0, 30.0}, {2.0, 10.0}}},
                    SlopesCase{"four", true, {{43.0, 82.0, 20.0, 500.0}, {2.8, 13.4, 30.0}}},
                    SlopesCase{"four", false, {{500.0, 10.0, 2000.0, 80.0}, {0.5, 4.0, 25.0}}}),
    [](const testing::TestParamInfo<SlopesCase>& info) {
        return CaseName(info.index,
                        {info.param.name, info.param.wenner ? "wenner" : "schlumberger"});
    });

TEST(Soil, InvalidEarthsAreRefused) {
    const std::vector<LayeredEarth> earths{
        {{}, {}},
        {{10.0, 20.0, 30.0, 40.0, 50.0}, {1.0, 1.0, 1.0, 1.0}},
        {{10.0, 20.0}, {}},
        {{10.0}, {1.0}},
        {{10.0, 0.0}, {1.0}},
        {{-10.0, 20.0}, {1.0}},
        {{10.0, 20.0}, {0.0}},
        {{10.0, 20.0}, {-1.0}},
        {{10.0, NaN}, {1.0}},
        {{Inf, 20.0}, {1.0}},
        {{10.0, 20.0}, {Inf}},
    };
    for (const LayeredEarth& earth : earths) {
        EXPECT_FALSE(IsValid(earth));
        EXPECT_TRUE(std::isnan(ResistivityTransform(earth, 1.0)));
        EXPECT_TRUE(std::isnan(WennerApparent(earth, 1.0)));
        EXPECT_TRUE(std::isnan(SchlumbergerApparent(earth, 1.0, 0.1)));
        EXPECT_TRUE(std::isnan(SlopedWennerApparent(earth, 1.0).ohmMetres));
        EXPECT_TRUE(std::isnan(SlopedSchlumbergerApparent(earth, 1.0, 0.1).ohmMetres));
    }
    EXPECT_TRUE(IsValid({{10.0, 20.0, 30.0, 40.0}, {1.0, 1.0, 1.0}}));
}

TEST(Soil, SpacingsOutOfRangeAndContrastsBeyondADoubleGiveNaN) {
    const LayeredEarth earth{{43.0, 82.0, 20.0}, {2.8, 13.4}};
    for (const double bad : {0.0, -1.0, NaN, Inf}) {
        EXPECT_TRUE(std::isnan(WennerApparent(earth, bad)));
        EXPECT_TRUE(std::isnan(SchlumbergerApparent(earth, bad, 0.1)));
        EXPECT_TRUE(std::isnan(SchlumbergerApparent(earth, 10.0, bad)));
        EXPECT_TRUE(std::isnan(ResistivityTransform(earth, bad == 0.0 ? -1.0 : bad)));
    }
    EXPECT_TRUE(std::isnan(SchlumbergerApparent(earth, 10.0, 10.0)));
    EXPECT_TRUE(std::isnan(SchlumbergerApparent(earth, 10.0, 12.0)));
    // A contrast beyond a double's range gives no figure rather than a wrong one.
    const LayeredEarth beyond{{1e-300, 1e300}, {1.0}};
    EXPECT_TRUE(std::isnan(WennerApparent(beyond, 1.0)));
    EXPECT_TRUE(std::isnan(SchlumbergerApparent(beyond, 1.0, 0.2)));
}

} // namespace
