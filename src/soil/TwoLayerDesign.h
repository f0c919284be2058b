#pragma once

#include "soil/TwoLayerGrounding.h"
#include "soil/TwoLayerSoil.h"

#include <vector>

namespace stakewell::soil {

// The design's electrodes, in metres: `rodCount` rods driven from the surface
// and one bare wire buried `wireDepth` deep joining them.
struct GroundingDesign {
    double rodLength = 0.0;
    double rodDiameter = 0.0;
    int rodCount = 0;
    double wireLength = 0.0;
    double wireDiameter = 0.0;
    double wireDepth = 0.0;
};

// More rods than this are not computed: the matrix grows as their square and
// the design would no longer follow typing.
inline constexpr int MaxLayeredRods = 64;

// The rods along a straight wire of the whole wire length, one at each end
// and the rest evenly between; a single rod stands at the wire's middle.
std::vector<Conductor> RodsInLine(const GroundingDesign& design);
std::vector<Conductor> WireInLine(const GroundingDesign& design);

// The wire closed into a ring of the whole wire length, drawn as a regular
// polygon of at least RingChords sides with the rods evenly around it at its
// corners.
inline constexpr int RingChords = 12;
std::vector<Conductor> RodsAroundRing(const GroundingDesign& design);
std::vector<Conductor> WireAroundRing(const GroundingDesign& design);

// Ohms: the rods alone joined, the wire alone, the mutual resistance between
// the two (each leaking as it does alone) and the whole joined at one
// potential.
struct ArrangementResistances {
    double electrodes = 0.0;
    double wire = 0.0;
    double mutual = 0.0;
    double total = 0.0;
};

struct TwoLayerDesignResults {
    double oneRod = 0.0;
    ArrangementResistances linear;
    ArrangementResistances ring;
};

// Each figure is NaN where its own inputs are not finite and above 0 (a rod
// count from 1 to MaxLayeredRods), where the soil is not, or where the
// conductors overlap so that their currents have no solution.
TwoLayerDesignResults ComputeTwoLayerDesign(const TwoLayerSoil& soil,
                                            const GroundingDesign& design);
// The line as `line` lays it out and the ring as `ring` does, for a wire
// given between electrodes (the line's N - 1 spans, the ring's N); the one
// rod is `line`'s.
TwoLayerDesignResults ComputeTwoLayerDesign(const TwoLayerSoil& soil, const GroundingDesign& line,
                                            const GroundingDesign& ring);

} // namespace stakewell::soil
