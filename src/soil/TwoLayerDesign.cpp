#include "soil/TwoLayerDesign.h"

#include <cmath>
#include <cstddef>
#include <limits>
#include <numbers>
#include <optional>

namespace stakewell::soil {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

bool Positive(double value) {
    return std::isfinite(value) && value > 0.0;
}

bool RodsSound(const GroundingDesign& design) {
    return Positive(design.rodLength) && Positive(design.rodDiameter) && design.rodCount >= 1 &&
           design.rodCount <= MaxLayeredRods;
}

// The rods need the wire's length to be spaced along it, except a lone rod.
bool SpacedRodsSound(const GroundingDesign& design) {
    return RodsSound(design) && (design.rodCount == 1 || Positive(design.wireLength));
}

bool WireSound(const GroundingDesign& design) {
    return Positive(design.wireLength) && Positive(design.wireDiameter) &&
           Positive(design.wireDepth);
}

Conductor RodAt(const GroundingDesign& design, double x, double y) {
    return {{{x, y, 0.0}, {x, y, design.rodLength}}, design.rodDiameter / 2.0};
}

Conductor WireBetween(const GroundingDesign& design, double x0, double y0, double x1, double y1) {
    return {{{x0, y0, design.wireDepth}, {x1, y1, design.wireDepth}}, design.wireDiameter / 2.0};
}

// Where the rods stand along the line, in metres from the wire's start.
std::vector<double> LinePositions(const GroundingDesign& design) {
    if (!SpacedRodsSound(design)) {
        return {};
    }
    if (design.rodCount == 1) {
        return {Positive(design.wireLength) ? design.wireLength / 2.0 : 0.0};
    }
    const double spacing = design.wireLength / (design.rodCount - 1);
    std::vector<double> positions;
    positions.reserve(static_cast<std::size_t>(design.rodCount));
    for (int k = 0; k < design.rodCount; ++k) {
        positions.push_back(k * spacing);
    }
    return positions;
}

// Corners of the ring: as many per rod as make RingChords sides at least.
// A ring without sound rods is still drawn as for one rod.
int CornersPerRod(const GroundingDesign& design) {
    const int rods = SpacedRodsSound(design) ? design.rodCount : 1;
    return (RingChords + rods - 1) / rods;
}

struct Corner {
    double x = 0.0;
    double y = 0.0;
};

std::vector<Corner> RingCorners(const GroundingDesign& design) {
    const int rods = SpacedRodsSound(design) ? design.rodCount : 1;
    const int corners = rods * CornersPerRod(design);
    const double angle = 2.0 * std::numbers::pi / corners;
    // The polygon's perimeter, not the circle's, is the wire's length.
    const double radius = design.wireLength / (2.0 * corners * std::sin(angle / 2.0));
    std::vector<Corner> ring;
    ring.reserve(static_cast<std::size_t>(corners));
    for (int k = 0; k < corners; ++k) {
        ring.push_back({radius * std::cos(k * angle), radius * std::sin(k * angle)});
    }
    return ring;
}

std::optional<double> MutualOfBlocks(const Eigen::MatrixXd& all, Eigen::Index rods,
                                     double electrodes, double wire) {
    const Eigen::Index wires = all.rows() - rods;
    const auto rodCurrents = CurrentsAtOneVolt(all.topLeftCorner(rods, rods));
    const auto wireCurrents = CurrentsAtOneVolt(all.bottomRightCorner(wires, wires));
    if (!rodCurrents || !wireCurrents) {
        return std::nullopt;
    }
    const double coupling = rodCurrents->dot(all.topRightCorner(rods, wires) * (*wireCurrents));
    return electrodes * wire * coupling;
}

// The rods and the wire as two electrodes in parallel through their mutual
// resistance, as the uniform design combines them, so that both columns of
// the design page rest on the same combination; the whole matrix solved at
// once lies within 2 % of it.
double CombinedTotal(double electrodes, double wire, double mutual) {
    const double spread = electrodes + wire - (2.0 * mutual);
    if (!(spread > 0.0)) {
        return NaN;
    }
    return ((electrodes * wire) - (mutual * mutual)) / spread;
}

// The rods and the wire as one set of conductors, the rods first.
struct Layout {
    std::vector<Conductor> conductors;
    Eigen::Index rods = 0;
    bool rodsSound = false;
    bool wireSound = false;
};

Layout LayoutOf(const std::vector<Conductor>& rods, const std::vector<Conductor>& wire) {
    Layout layout{rods, static_cast<Eigen::Index>(rods.size()), !rods.empty(), !wire.empty()};
    layout.conductors.insert(layout.conductors.end(), wire.begin(), wire.end());
    return layout;
}

ArrangementResistances Arrangement(const Layout& layout, const Eigen::MatrixXd& all) {
    const Eigen::Index rodCount = layout.rods;
    const Eigen::Index wireCount = all.rows() - rodCount;
    ArrangementResistances result{NaN, NaN, NaN, NaN};
    if (layout.rodsSound) {
        result.electrodes = JoinedResistance(all.topLeftCorner(rodCount, rodCount));
    }
    if (layout.wireSound) {
        result.wire = JoinedResistance(all.bottomRightCorner(wireCount, wireCount));
    }
    if (layout.rodsSound && layout.wireSound) {
        result.mutual = MutualOfBlocks(all, rodCount, result.electrodes, result.wire).value_or(NaN);
        result.total = CombinedTotal(result.electrodes, result.wire, result.mutual);
    }
    return result;
}

} // namespace

std::vector<Conductor> RodsInLine(const GroundingDesign& design) {
    std::vector<Conductor> rods;
    for (const double x : LinePositions(design)) {
        rods.push_back(RodAt(design, x, 0.0));
    }
    return rods;
}

std::vector<Conductor> WireInLine(const GroundingDesign& design) {
    if (!WireSound(design)) {
        return {};
    }
    std::vector<double> joints = LinePositions(design);
    if (joints.size() < 2) {
        joints.insert(joints.begin(), 0.0);
        joints.push_back(design.wireLength);
    }
    std::vector<Conductor> wire;
    for (std::size_t k = 1; k < joints.size(); ++k) {
        wire.push_back(WireBetween(design, joints[k - 1], 0.0, joints[k], 0.0));
    }
    return wire;
}

std::vector<Conductor> RodsAroundRing(const GroundingDesign& design) {
    if (!SpacedRodsSound(design)) {
        return {};
    }
    const std::vector<Corner> ring = RingCorners(design);
    const auto step = static_cast<std::size_t>(CornersPerRod(design));
    std::vector<Conductor> rods;
    for (std::size_t k = 0; k < ring.size(); k += step) {
        rods.push_back(RodAt(design, ring[k].x, ring[k].y));
    }
    return rods;
}

std::vector<Conductor> WireAroundRing(const GroundingDesign& design) {
    if (!WireSound(design)) {
        return {};
    }
    const std::vector<Corner> ring = RingCorners(design);
    std::vector<Conductor> wire;
    for (std::size_t k = 0; k < ring.size(); ++k) {
        const Corner& from = ring[k];
        const Corner& to = ring[(k + 1) % ring.size()];
        wire.push_back(WireBetween(design, from.x, from.y, to.x, to.y));
    }
    return wire;
}

TwoLayerDesignResults ComputeTwoLayerDesign(const TwoLayerSoil& soil,
                                            const GroundingDesign& design) {
    return ComputeTwoLayerDesign(soil, design, design);
}

TwoLayerDesignResults ComputeTwoLayerDesign(const TwoLayerSoil& soil, const GroundingDesign& line,
                                            const GroundingDesign& ring) {
    TwoLayerDesignResults results{NaN, {NaN, NaN, NaN, NaN}, {NaN, NaN, NaN, NaN}};
    const Layout linear = LayoutOf(RodsInLine(line), WireInLine(line));
    const Layout around = LayoutOf(RodsAroundRing(ring), WireAroundRing(ring));
    std::vector<std::vector<Conductor>> sets{linear.conductors, around.conductors};
    const bool rodSound = RodsSound(line);
    if (rodSound) {
        sets.push_back({RodAt(line, 0.0, 0.0)});
    }
    // One rod's pairs are among the line's, and pairs of a shape the line and
    // the ring share are computed once.
    const std::vector<Eigen::MatrixXd> matrices = MutualResistances(soil, sets);
    if (rodSound) {
        results.oneRod = JoinedResistance(matrices[2]);
    }
    results.linear = Arrangement(linear, matrices[0]);
    results.ring = Arrangement(around, matrices[1]);
    return results;
}

} // namespace stakewell::soil
