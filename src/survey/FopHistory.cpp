#include "survey/FopHistory.h"

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
    return Step(earlier, later, fop);
}

bool FopHistory::Redo(FallOfPotential& fop) {
    return Step(later, earlier, fop);
}

// Goes to the newest state of `from`, keeping the present one in `to`.
bool FopHistory::Step(std::vector<Snapshot>& from, std::vector<Snapshot>& to,
                      FallOfPotential& fop) {
    if (from.empty()) {
        return false;
    }
    to.push_back(Take(fop));
    Restore(from.back(), fop);
    from.pop_back();
    return true;
}

} // namespace modStakewell
