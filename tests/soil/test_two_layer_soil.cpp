#include "soil/TwoLayerSoil.h"

#include "soil/LayeredEarth.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <limits>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

namespace {

using stakewell::soil::LayeredEarth;
using stakewell::soil::ModelResistivity;
using stakewell::soil::ModelWithSlopes;
using stakewell::soil::SoilArray;
using stakewell::soil::TwoLayerSoil;

// The potential (per unit current) at r from a current electrode on the
// surface of two-layer soil, by its images at depths 2nh, summed far past
// where they matter in long double.
long double Potential(const TwoLayerSoil& soil, long double r) {
    const long double rho1 = soil.upperOhmMetres;
    const long double k = (soil.lowerOhmMetres - rho1) / (soil.lowerOhmMetres + rho1);
    long double images = 0.0L;
    long double power = k;
    for (int n = 1; n <= 3000000 && std::fabs(power) > 1e-22L; ++n) {
        const long double depth = 2.0L * n * soil.upperDepthMetres;
        images += power / std::sqrt(r * r + depth * depth);
        power *= k;
    }
    return rho1 / (2.0L * 3.14159265358979323846264338327950288L) * (1.0L / r + 2.0L * images);
}

// Wenner: the potential probes a and 2a from each current electrode.
double WennerFromPotentials(const TwoLayerSoil& soil, double a) {
    const long double drop = 2.0L * (Potential(soil, a) - Potential(soil, 2.0L * a));
    return static_cast<double>(2.0L * 3.14159265358979323846264338327950288L * a * drop);
}

// Schlumberger with MN = 2m small beside AB/2: its error in m^2 taken out
// by reading at m and m/2 (Richardson), which leaves parts in 1e12.
long double SchlumbergerAt(const TwoLayerSoil& soil, long double s, long double m) {
    const long double drop = 2.0L * (Potential(soil, s - m) - Potential(soil, s + m));
    return 3.14159265358979323846264338327950288L * (s * s - m * m) / (2.0L * m) * drop;
}

double SchlumbergerFromPotentials(const TwoLayerSoil& soil, double s) {
    const long double m = s * 1e-3L;
    return static_cast<double>(
        (4.0L * SchlumbergerAt(soil, s, m / 2.0L) - SchlumbergerAt(soil, s, m)) / 3.0L);
}

struct ModelCase {
    std::string name;
    TwoLayerSoil soil;
    double spacing;
};

std::ostream& operator<<(std::ostream& out, const ModelCase& c) {
    return out << c.name;
}

class TwoLayerModel : public testing::TestWithParam<ModelCase> {};

TEST_P(TwoLayerModel, WennerAgreesWithTheImagePotentials) {
    const ModelCase& c = GetParam();
    const double expected = WennerFromPotentials(c.soil, c.spacing);
    EXPECT_NEAR(ModelResistivity(SoilArray::Wenner, c.soil, c.spacing), expected, 1e-11 * expected);
}

TEST_P(TwoLayerModel, SchlumbergerAgreesWithTheImagePotentials) {
    const ModelCase& c = GetParam();
    const double expected = SchlumbergerFromPotentials(c.soil, c.spacing);
    EXPECT_NEAR(ModelResistivity(SoilArray::Schlumberger, c.soil, c.spacing), expected,
                1e-10 * expected);
}

TwoLayerSoil Scaled(TwoLayerSoil soil, int parameter, double factor) {
    if (parameter == 0) {
        soil.upperOhmMetres *= factor;
    } else if (parameter == 1) {
        soil.lowerOhmMetres *= factor;
    } else {
        soil.upperDepthMetres *= factor;
    }
    return soil;
}

// Each slope against a central difference of the model in the logarithm.
TEST_P(TwoLayerModel, SlopesAreTheLogarithmicDerivatives) {
    const ModelCase& c = GetParam();
    for (const SoilArray array : {SoilArray::Wenner, SoilArray::Schlumberger}) {
        const auto model = ModelWithSlopes(array, c.soil, c.spacing);
        for (int i = 0; i < 3; ++i) {
            const double step = 1e-5;
            const double difference =
                (ModelResistivity(array, Scaled(c.soil, i, std::exp(step)), c.spacing) -
                 ModelResistivity(array, Scaled(c.soil, i, std::exp(-step)), c.spacing)) /
                (2.0 * step);
            EXPECT_NEAR(model.slopes[static_cast<std::size_t>(i)], difference,
                        1e-7 * model.ohmMetres)
                << "parameter " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Soil, TwoLayerModel,
    testing::Values(ModelCase{"conductive_below_short", {100.0, 10.0, 2.0}, 0.5},
                    ModelCase{"conductive_below_at_depth", {100.0, 10.0, 2.0}, 2.0},
                    ModelCase{"conductive_below_long", {100.0, 10.0, 2.0}, 40.0},
                    ModelCase{"resistive_below_short", {50.0, 2000.0, 3.0}, 0.3},
                    ModelCase{"resistive_below_at_depth", {50.0, 2000.0, 3.0}, 3.0},
                    ModelCase{"resistive_below_long", {50.0, 2000.0, 3.0}, 100.0},
                    ModelCase{"mild_contrast", {200.0, 300.0, 0.7}, 1.5},
                    ModelCase{"strong_conductor_below", {1000.0, 1.0, 5.0}, 20.0}),
    [](const testing::TestParamInfo<ModelCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// Schlumberger readings with their own MN: two layers of contrast K over a
// depth h, read at AB/2 = L = 10 m.
struct WideMNCase {
    double k;
    double depthPerHalfAB;
    double mnPerAB;
};

std::ostream& operator<<(std::ostream& out, const WideMNCase& c) {
    return out << "K " << c.k << ", h/L " << c.depthPerHalfAB << ", MN/AB " << c.mnPerAB;
}

constexpr double HalfAB = 10.0;

TwoLayerSoil SoilOf(const WideMNCase& c) {
    return {100.0, 100.0 * (1.0 + c.k) / (1.0 - c.k), c.depthPerHalfAB * HalfAB};
}

double RelativeDifference(double value, double reference) {
    return std::fabs(value - reference) / std::fabs(reference);
}

class WideMN : public testing::TestWithParam<WideMNCase> {};

// The layered model sums the same ground by another road: its resistivity
// transform through a Hankel filter.
TEST_P(WideMN, AgreesWithTheLayeredModel) {
    const TwoLayerSoil soil = SoilOf(GetParam());
    const double halfMN = HalfAB * GetParam().mnPerAB;
    const double layered = stakewell::soil::SchlumbergerApparent(
        LayeredEarth{{soil.upperOhmMetres, soil.lowerOhmMetres}, {soil.upperDepthMetres}}, HalfAB,
        halfMN);
    EXPECT_LT(RelativeDifference(ModelResistivity(SoilArray::Schlumberger, soil, HalfAB, halfMN),
                                 layered),
              1e-6);
}

TEST_P(WideMN, SlopesAreTheLogarithmicDerivatives) {
    const TwoLayerSoil soil = SoilOf(GetParam());
    const double halfMN = HalfAB * GetParam().mnPerAB;
    const auto model = ModelWithSlopes(SoilArray::Schlumberger, soil, HalfAB, halfMN);
    for (int i = 0; i < 3; ++i) {
        const double step = 1e-5;
        const double difference =
            (ModelResistivity(SoilArray::Schlumberger, Scaled(soil, i, std::exp(step)), HalfAB,
                              halfMN) -
             ModelResistivity(SoilArray::Schlumberger, Scaled(soil, i, std::exp(-step)), HalfAB,
                              halfMN)) /
            (2.0 * step);
        EXPECT_NEAR(model.slopes[static_cast<std::size_t>(i)], difference, 1e-7 * model.ohmMetres)
            << "parameter " << i;
    }
}

std::vector<WideMNCase> WideMNCases() {
    std::vector<WideMNCase> cases;
    for (const double k : {-0.9, 0.5, 0.95}) {
        for (const double depth : {0.1, 1.0, 5.0}) {
            for (const double mn : {0.02, 0.2, 0.6}) {
                cases.push_back({k, depth, mn});
            }
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Soil, WideMN, testing::ValuesIn(WideMNCases()),
                         [](const testing::TestParamInfo<WideMNCase>& info) {
                             std::ostringstream k;
                             std::ostringstream depth;
                             std::ostringstream mn;
                             k << "K " << info.param.k;
                             depth << "h per L " << info.param.depthPerHalfAB;
                             mn << "MN per AB " << info.param.mnPerAB;
                             return CaseName(info.index, {k.str(), depth.str(), mn.str()});
                         });

// Formed as a difference of the two inverse distances, a narrow MN would lose
// a digit of the reading with every tenfold narrower MN.
TEST(Soil, ANarrowMNReadsAsThePointDipoleToTheLastDigits) {
    const TwoLayerSoil soil{100.0, 8.0, 3.0};
    const auto dipole = ModelWithSlopes(SoilArray::Schlumberger, soil, HalfAB, 0.0);
    for (const double mnPerAB : {1e-6, 1e-9, 1e-12}) {
        const auto narrow =
            ModelWithSlopes(SoilArray::Schlumberger, soil, HalfAB, HalfAB * mnPerAB);
        EXPECT_NEAR(narrow.ohmMetres, dipole.ohmMetres, 1e-11 * dipole.ohmMetres) << mnPerAB;
        for (std::size_t i = 0; i < 3; ++i) {
            EXPECT_NEAR(narrow.slopes[i], dipole.slopes[i], 1e-11 * dipole.ohmMetres)
                << mnPerAB << " parameter " << i;
        }
    }
}

TEST(Soil, NoFigureForPotentialProbesNotInsideTheCurrentOnes) {
    const TwoLayerSoil soil{100.0, 10.0, 2.0};
    for (const double halfMN :
         {HalfAB, 2.0 * HalfAB, -0.1, std::nan(""), std::numeric_limits<double>::infinity()}) {
        const auto model = ModelWithSlopes(SoilArray::Schlumberger, soil, HalfAB, halfMN);
        EXPECT_TRUE(std::isnan(model.ohmMetres)) << halfMN;
        EXPECT_TRUE(std::isnan(model.slopes[2])) << halfMN;
    }
}

TEST(Soil, UniformSoilReadsItsOwnResistivity) {
    const TwoLayerSoil uniform{123.0, 123.0, 4.0};
    for (const double spacing : {0.01, 1.0, 4.0, 1e4}) {
        EXPECT_EQ(ModelResistivity(SoilArray::Wenner, uniform, spacing), 123.0);
        EXPECT_EQ(ModelResistivity(SoilArray::Schlumberger, uniform, spacing), 123.0);
    }
}

TEST(Soil, ShortSpacingsSeeTheUpperLayerAndLongOnesTheLower) {
    for (const TwoLayerSoil& soil :
         {TwoLayerSoil{100.0, 10.0, 2.0}, TwoLayerSoil{10.0, 500.0, 2.0}}) {
        for (const SoilArray array : {SoilArray::Wenner, SoilArray::Schlumberger}) {
            EXPECT_NEAR(ModelResistivity(array, soil, 1e-3), soil.upperOhmMetres,
                        1e-6 * soil.upperOhmMetres);
            EXPECT_NEAR(ModelResistivity(array, soil, 1e5), soil.lowerOhmMetres,
                        1e-4 * soil.lowerOhmMetres);
        }
    }
}

TEST(Soil, NoFigureForWhatIsNotASoilOrASeriesTooLongToSum) {
    const double nan = std::nan("");
    for (const SoilArray array : {SoilArray::Wenner, SoilArray::Schlumberger}) {
        EXPECT_TRUE(std::isnan(ModelResistivity(array, {0.0, 10.0, 1.0}, 1.0)));
        EXPECT_TRUE(std::isnan(ModelResistivity(array, {10.0, nan, 1.0}, 1.0)));
        EXPECT_TRUE(std::isnan(ModelResistivity(array, {10.0, 20.0, -1.0}, 1.0)));
        EXPECT_TRUE(std::isnan(ModelResistivity(array, {10.0, 20.0, 1.0}, 0.0)));
        // K rounds to exactly 1.
        EXPECT_TRUE(std::isnan(ModelResistivity(array, {1.0, 1e300, 1.0}, 1.0)));
        const auto start = std::chrono::steady_clock::now();
        EXPECT_TRUE(std::isnan(ModelResistivity(array, {1.0, 2e5, 1.0}, 1.0)));
        EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(100));
    }
}

TEST(Soil, TheLargestContrastSummedStillMeetsThePotentials) {
    const TwoLayerSoil soil{1.0, 5e4, 1.0};
    const double expected = WennerFromPotentials(soil, 3.0);
    EXPECT_NEAR(ModelResistivity(SoilArray::Wenner, soil, 3.0), expected, 1e-9 * expected);
}

} // namespace
