#include "shared/FopHistory.h"

namespace modStakewell {

FopHistory::Snapshot FopHistory::Take(const FallOfPotential& fop) {
    return {fop.FOPPoints(), fop.FOPCurrent()};
}

void FopHistory::Restore(const Snapshot& snapshot, FallOfPotential& fop) {
    fop.Replace(snapshot.points, snapshot.current);
}

void FopHistory::Record(const FallOfPotential& before) {
    if (earlier.size() == MaxStates) {
        earlier.erase(earlier.begin());
    }
    earlier.push_back(Take(before));
    later.clear();
}

void FopHistory::Forget() {
    earlier.clear();
    later.clear();
}

bool FopHistory::Undo(FallOfPotential& fop) {
    if (earlier.empty()) {
        return false;
    }
    later.push_back(Take(fop));
    Restore(earlier.back(), fop);
    earlier.pop_back();
    return true;
}

bool FopHistory::Redo(FallOfPotential& fop) {
    if (later.empty()) {
        return false;
    }
    earlier.push_back(Take(fop));
    Restore(later.back(), fop);
    later.pop_back();
    return true;
}

} // namespace modStakewell
