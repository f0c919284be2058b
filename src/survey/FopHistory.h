#pragma once

#include "survey/FopPoints.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace modStakewell {

// Earlier and later states of the point list, so that a reading removed or
// cleared by mistake can be brought back. Only the list and the current point
// are kept: what the user typed into the boxes is not part of a state.
class FopHistory {
public:
    // Keeps the state before a change; a new change forgets what was undone.
    void Record(const FallOfPotential& before);
    // Each returns false, changing nothing, when there is no state to go to.
    bool Undo(FallOfPotential& fop);
    bool Redo(FallOfPotential& fop);
    // A list loaded from a file starts a history of its own.
    void Forget();

    // A full list is half a megabyte; a long session of edits must not pile
    // up copies without bound.
    static constexpr std::size_t MaxStates = 100;

private:
    struct Snapshot {
        std::vector<FOPPoint> points;
        std::int16_t current = 0;
    };
    static Snapshot Take(const FallOfPotential& fop);
    static void Restore(const Snapshot& snapshot, FallOfPotential& fop);
    static bool Step(std::vector<Snapshot>& from, std::vector<Snapshot>& to, FallOfPotential& fop);

    std::vector<Snapshot> earlier;
    std::vector<Snapshot> later;
};

} // namespace modStakewell
