#include "soil/LayeredFit.h"
#include "soil/PositiveDefinite.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <iostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using stakewell::soil::FitLayers;
using stakewell::soil::LayerChoice;
using stakewell::soil::LayeredEarth;
using stakewell::soil::LayeredFit;
using stakewell::soil::LayerProduct;
using stakewell::soil::ModelApparent;
using stakewell::soil::SoilArray;
using stakewell::soil::Sounding;
using stakewell::soil::SoundingReading;

// A fixed sequence of relative errors, even over +-sqrt(3) sigma so that their
// sigma is `sigma`: the same on every run and every library.
std::vector<double> Noise(std::size_t count, double sigma) {
    std::uint32_t state = 20261210U;
    std::vector<double> noise;
    for (std::size_t i = 0; i < count; ++i) {
        state = state * 1664525U + 1013904223U;
        const double unit = static_cast<double>(state) / 4294967296.0;
        noise.push_back(sigma * std::sqrt(3.0) * (2.0 * unit - 1.0));
    }
    return noise;
}

// `count` spacings spread evenly in their logarithm over `from` to `to`
// metres, a Schlumberger MN/2 a tenth of AB/2, each reading off `earth`'s
// curve by the matching share of `noise`.
Sounding Survey(SoilArray array, const LayeredEarth& earth, double sigma, double from = 1.0,
                double to = 300.0, std::size_t count = 18) {
    const std::vector<double> noise = Noise(count, sigma);
    Sounding sounding{array, {}};
    for (std::size_t i = 0; i < count; ++i) {
        const double metres =
            from * std::pow(to / from, static_cast<double>(i) / static_cast<double>(count - 1));
        SoundingReading reading{metres, metres / 10.0, 0.0};
        reading.ohmMetres = ModelApparent(array, earth, reading) * (1.0 + noise[i]);
        sounding.readings.push_back(reading);
    }
    return sounding;
}

// Every fit the readings fixed may be chosen, none other, and the chosen one
// has the least BIC among them.
void ExpectChoiceByBic(const LayerChoice& choice) {
    ASSERT_GE(choice.chosenLayers, 1U);
    const LayeredFit& chosen = choice.fits[choice.chosenLayers - 1];
    EXPECT_TRUE(chosen.resolved);
    for (const LayeredFit& fit : choice.fits) {
        if (fit.resolved) {
            EXPECT_LE(chosen.bic, fit.bic) << fit.earth.resistivities.size();
        }
    }
}

struct LayersCase {
    std::string type;
    SoilArray array;
    LayeredEarth earth;
    double sigma;
};

class LayeredRecovery : public testing::TestWithParam<LayersCase> {};

TEST_P(LayeredRecovery, GivesBackTheEarthAndItsLayerCount) {
    const LayersCase& c = GetParam();
    const LayerChoice choice = FitLayers(Survey(c.array, c.earth, c.sigma));
    ASSERT_EQ(choice.problem, "");
    ExpectChoiceByBic(choice);
    const std::size_t layers = c.earth.resistivities.size();
    ASSERT_EQ(choice.chosenLayers, layers);
    const LayeredFit& fit = choice.fits[layers - 1];
    for (std::size_t i = 0; i < layers; ++i) {
        const auto& found = fit.resistivities[i];
        const double within = c.sigma == 0.0 ? 1.0 + 1e-4 : found.factor * found.factor;
        EXPECT_LE(found.value, c.earth.resistivities[i] * within) << i;
        EXPECT_GE(found.value, c.earth.resistivities[i] / within) << i;
    }
    for (std::size_t i = 0; i + 1 < layers; ++i) {
        const auto& found = fit.thicknesses[i];
        const double within = c.sigma == 0.0 ? 1.0 + 1e-4 : found.factor * found.factor;
        EXPECT_LE(found.value, c.earth.thicknesses[i] * within) << i;
        EXPECT_GE(found.value, c.earth.thicknesses[i] / within) << i;
    }
}

std::vector<LayersCase> Cases() {
    const std::vector<LayersCase> shapes{
        {"H", SoilArray::Wenner, {{100.0, 20.0, 300.0}, {2.0, 10.0}}, 0.0},
        {"K", SoilArray::Schlumberger, {{50.0, 400.0, 30.0}, {2.0, 10.0}}, 0.0},
        {"A", SoilArray::Wenner, {{20.0, 100.0, 800.0}, {2.0, 12.0}}, 0.0},
        {"Q", SoilArray::Schlumberger, {{500.0, 100.0, 10.0}, {2.0, 12.0}}, 0.0},
        {"two", SoilArray::Wenner, {{100.0, 20.0}, {3.0}}, 0.0},
        {"two", SoilArray::Schlumberger, {{50.0, 500.0}, {5.0}}, 0.0},
    };
    std::vector<LayersCase> cases;
    for (const double sigma : {0.0, 0.02}) {
        for (LayersCase c : shapes) {
            c.sigma = sigma;
            cases.push_back(c);
        }
    }
    return cases;
}

INSTANTIATE_TEST_SUITE_P(Soil, LayeredRecovery, testing::ValuesIn(Cases()),
                         [](const testing::TestParamInfo<LayersCase>& info) {
                             const LayersCase& c = info.param;
                             return CaseName(
                                 info.index,
                                 {c.type, c.array == SoilArray::Wenner ? "wenner" : "schlumberger",
                                  c.sigma == 0.0 ? "exact" : "noisy"});
                         });

// Its authors read it, by a point-dipole model, as 43 / 82 / 20 ohm-metres
// with 2.8 m and 13.4 m; MN is taken a thousandth of AB, as good as a point
// dipole.
TEST(Soil, PublishedSoundingIsGivenThreeLayers) {
    const std::vector<double> halfAB{3,  5,  7,  10,  15,  20,  25,  30,  40,
                                     50, 60, 80, 100, 120, 150, 200, 250, 300};
    const std::vector<double> read{48.23, 50.18, 53.03, 63.45, 61.58, 61.36, 58.25, 59.37, 48.70,
                                   36.15, 30.55, 26.97, 21.82, 22.85, 22.04, 21.53, 21.32, 19.20};
    Sounding sounding{SoilArray::Schlumberger, {}};
    for (std::size_t i = 0; i < halfAB.size(); ++i) {
        sounding.readings.push_back({halfAB[i], halfAB[i] / 1000.0, read[i]});
    }
    const LayerChoice choice = FitLayers(sounding);
    ASSERT_EQ(choice.fits.size(), 4U);
    ExpectChoiceByBic(choice);
    EXPECT_EQ(choice.chosenLayers, 3U);
    const LayeredFit& fit = choice.fits[2];
    std::cout << "published sounding, three layers:";
    for (const auto& rho : fit.resistivities) {
        std::cout << " " << rho.value << " ohm-m (x" << rho.factor << ")";
    }
    for (const auto& h : fit.thicknesses) {
        std::cout << " " << h.value << " m (x" << h.factor << ")";
    }
    std::cout << ", RMS " << fit.rmsPercent << " %\n";
    const std::vector<double> authors{43.0, 82.0, 20.0, 2.8, 13.4};
    std::vector<stakewell::soil::RangedFigure> found = fit.resistivities;
    found.insert(found.end(), fit.thicknesses.begin(), fit.thicknesses.end());
    for (std::size_t i = 0; i < authors.size(); ++i) {
        EXPECT_FALSE(found[i].PoorlyResolved()) << i;
        // Within about twice the fit's own range of the authors' figure.
        const double within = found[i].factor * found[i].factor;
        EXPECT_LE(found[i].value, authors[i] * within) << i;
        EXPECT_GE(found[i].value, authors[i] / within) << i;
    }
    EXPECT_LT(fit.rmsPercent, 5.0);
}

// A thin middle layer that the readings see only by rho h (resistive) or
// h / rho (conductive): its own figures are poorly resolved, the product is
// fixed and right, and the model is not chosen.
struct ProductCase {
    std::string type;
    SoilArray array;
    LayeredEarth earth;
    LayerProduct kind;
    double product;
};

class LayeredProducts : public testing::TestWithParam<ProductCase> {};

TEST_P(LayeredProducts, GivesTheProductTheReadingsFix) {
    const ProductCase& c = GetParam();
    const LayerChoice choice = FitLayers(Survey(c.array, c.earth, 0.02));
    ASSERT_EQ(choice.fits.size(), 4U);
    ExpectChoiceByBic(choice);
    const LayeredFit& three = choice.fits[2];
    EXPECT_FALSE(three.resolved);
    EXPECT_NE(choice.chosenLayers, 3U);
    EXPECT_TRUE(three.resistivities[1].PoorlyResolved());
    ASSERT_EQ(three.products.size(), 1U);
    const auto& product = three.products.front();
    EXPECT_EQ(product.layer, 1U);
    EXPECT_EQ(product.kind, c.kind);
    EXPECT_FALSE(product.figure.PoorlyResolved());
    const double within = product.figure.factor * product.figure.factor;
    EXPECT_LE(product.figure.value, c.product * within);
    EXPECT_GE(product.figure.value, c.product / within);
}

INSTANTIATE_TEST_SUITE_P(Soil, LayeredProducts,
                         testing::Values(ProductCase{"resistive",
                                                     SoilArray::Wenner,
                                                     {{50.0, 1000.0, 50.0}, {3.0, 1.0}},
                                                     LayerProduct::ResistivityTimesThickness,
                                                     1000.0},
                                         ProductCase{"conductive",
                                                     SoilArray::Schlumberger,
                                                     {{200.0, 20.0, 200.0}, {4.0, 3.0}},
                                                     LayerProduct::ThicknessOverResistivity,
                                                     0.15}),
                         [](const testing::TestParamInfo<ProductCase>& info) {
                             return CaseName(info.index, {info.param.type});
                         });

TEST(Soil, UniformGroundIsOneLayerExactly) {
    const LayerChoice choice =
        FitLayers(Survey(SoilArray::Schlumberger, LayeredEarth{{57.0}, {}}, 0.0));
    ExpectChoiceByBic(choice);
    EXPECT_EQ(choice.chosenLayers, 1U);
    EXPECT_NEAR(choice.fits[0].earth.resistivities[0], 57.0, 1e-12 * 57.0);
    EXPECT_LT(choice.fits[0].rmsPercent, 1e-10);
}

// A model is fitted only with fewer unknowns (2N - 1) than distinct spacings,
// so that every fit leaves a misfit to judge its range by.
TEST(Soil, FewSpacingsFitFewLayers) {
    const LayeredEarth earth{{100.0, 20.0, 300.0}, {2.0, 10.0}};
    for (const auto& [spacings, layers] : std::vector<std::pair<std::size_t, std::size_t>>{
             {2, 1}, {3, 1}, {4, 2}, {5, 2}, {6, 3}, {7, 3}, {8, 4}}) {
        const LayerChoice choice =
            FitLayers(Survey(SoilArray::Wenner, earth, 0.02, 1.0, 100.0, spacings));
        EXPECT_EQ(choice.problem, "") << spacings;
        EXPECT_EQ(choice.fits.size(), layers) << spacings;
    }
}

TEST(Soil, ReadingsALayeredFitCannotTakeAreRefused) {
    const auto problem = [](SoilArray array, std::vector<SoundingReading> readings) {
        const LayerChoice choice = FitLayers(Sounding{array, std::move(readings)});
        EXPECT_TRUE(choice.fits.empty());
        EXPECT_EQ(choice.chosenLayers, 0U);
        return choice.problem;
    };
    EXPECT_EQ(problem(SoilArray::Wenner, {}),
              "A layered model needs at least two readings; there are 0.");
    EXPECT_EQ(problem(SoilArray::Wenner, {{1.0, 0.0, 50.0}}),
              "A layered model needs at least two readings; there is 1.");
    EXPECT_EQ(problem(SoilArray::Wenner, {{1.0, 0.0, 50.0}, {2.0, 0.0, -3.0}}),
              "Reading 2: the spacing and the apparent resistivity must be finite and above 0.");
    EXPECT_EQ(problem(SoilArray::Wenner, {{std::nan(""), 0.0, 50.0}, {2.0, 0.0, 3.0}}),
              "Reading 1: the spacing and the apparent resistivity must be finite and above 0.");
    EXPECT_EQ(problem(SoilArray::Schlumberger, {{1.0, 0.1, 50.0}, {2.0, 2.0, 30.0}}),
              "Reading 2: MN must be above 0 and shorter than AB.");
    EXPECT_EQ(problem(SoilArray::Schlumberger, {{1.0, 0.0, 50.0}, {2.0, 0.1, 30.0}}),
              "Reading 1: MN must be above 0 and shorter than AB.");
    EXPECT_EQ(problem(SoilArray::Wenner,
                      std::vector<SoundingReading>(stakewell::soil::MaxSoilReadings + 1,
                                                   {1.0, 0.0, 50.0})),
              "There are more than 1000 readings; a survey holds no more.");
}

// Solving must not depend on the units of the unknowns, and a matrix the
// readings leave singular must give nothing rather than noise.
TEST(Soil, PositiveDefiniteSolvesWhateverTheScale) {
    using Factors = stakewell::soil::PositiveDefinite<3>;
    Eigen::Matrix3d m;
    m << 4.0, 2.0, 0.6, 2.0, 5.0, 1.0, 0.6, 1.0, 3.0;
    const Eigen::Vector3d x(1.0, -2.0, 0.5);
    const Eigen::Vector3d scale(1e-20, 1.0, 1e20);
    const Eigen::Matrix3d scaled = scale.asDiagonal() * m * scale.asDiagonal();
    const auto factors = Factors::Of(scaled);
    ASSERT_TRUE(factors);
    const Eigen::Vector3d solved =
        scale.asDiagonal() * factors->Solve(scaled * scale.cwiseInverse().asDiagonal() * x);
    EXPECT_LT((solved - x).norm(), 1e-14);
    const Eigen::Matrix3d unit = scale.asDiagonal() * factors->Inverse() * scale.asDiagonal() * m;
    EXPECT_LT((unit - Eigen::Matrix3d::Identity()).norm(), 1e-14);

    Eigen::Matrix3d singular;
    singular << 1.0, 1.0, 0.0, 1.0, 1.0, 0.0, 0.0, 0.0, 1.0;
    EXPECT_FALSE(Factors::Of(singular));
    singular(1, 1) = 1.0 + 1e-13;
    EXPECT_FALSE(Factors::Of(singular));
    EXPECT_FALSE(Factors::Of(Eigen::Matrix3d::Zero()));
    Eigen::Matrix3d notFinite = m;
    notFinite(2, 0) = notFinite(0, 2) = std::nan("");
    EXPECT_FALSE(Factors::Of(notFinite));
}

} // namespace
