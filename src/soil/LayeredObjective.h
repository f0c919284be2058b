#pragma once

#include "soil/LayeredEarth.h"
#include "soil/SoilReadings.h"

#include <Eigen/Core>

#include <cstddef>
#include <vector>

namespace stakewell::soil {

// One reading of a sounding: the Wenner spacing or the Schlumberger AB/2, the
// Schlumberger MN/2 (metres; a Wenner reading has none) and the apparent
// resistivity read (ohm-metres).
struct SoundingReading {
    double metres = 0.0;
    double halfMNMetres = 0.0;
    double ohmMetres = 0.0;
};

struct Sounding {
    SoilArray array = SoilArray::Wenner;
    std::vector<SoundingReading> readings;
};

// The apparent resistivity `earth` gives for `reading`, NaN where the model
// gives no finite figure.
double ModelApparent(SoilArray array, const LayeredEarth& earth, const SoundingReading& reading);
// The same with its slopes by the logarithms of the unknowns.
SlopedApparent SlopedModelApparent(SoilArray array, const LayeredEarth& earth,
                                   const SoundingReading& reading);

// The unknowns of a fit over N layers: ln rho1 ... ln rhoN, then ln h1 ...
// ln h(N-1), so that every value tried is an earth, above 0.
using LayerParameters = Eigen::VectorXd;

// The misfit of N layers to a sounding: the relative residuals
// 1 - model / measured. The search is held to a box like the two-layer
// fit's: each resistivity within 1000 times the measured ones either way,
// each thickness within 100 times the spacings either way.
class LayeredObjective {
public:
    LayeredObjective(Sounding sounding, std::size_t layers);

    std::size_t Layers() const { return layers; }
    Eigen::Index Unknowns() const { return static_cast<Eigen::Index>(2 * layers - 1); }
    const Sounding& Survey() const { return sounding; }

    LayeredEarth EarthOf(const LayerParameters& p) const;
    LayerParameters ParametersOf(const LayeredEarth& earth) const;

    Eigen::VectorXd Residuals(const LayerParameters& p) const;
    // Sum of the squared residuals; infinite where the model gives no finite
    // figure.
    static double SumOfSquares(const Eigen::VectorXd& residuals);
    double Value(const LayerParameters& p) const { return SumOfSquares(Residuals(p)); }

    // The residuals at p, exactly as above, and d residuals / d p, from one
    // pass of the model.
    struct Linearised {
        Eigen::VectorXd residuals;
        Eigen::MatrixXd jacobian;
    };
    Linearised LinearisedAt(const LayerParameters& p) const;

    LayerParameters Bounded(const LayerParameters& p) const;
    // Whether p lies on the box's edge, to within 1e-9 in the logarithms.
    bool OnEdge(const LayerParameters& p) const;

private:
    Sounding sounding;
    std::size_t layers;
    Eigen::VectorXd lowest;
    Eigen::VectorXd highest;
};

} // namespace stakewell::soil
