#include "survey/FopHistory.h"

#include <utility>

namespace stakewell::survey {

bool FopCommand::Redo(FallOfPotential& fop) {
    before = {fop.FOPPoints(), fop.FOPCurrent()};
    if (after) {
        fop.Replace(after->points, after->current);
        return true;
    }
    return change(fop);
}

void FopCommand::Undo(FallOfPotential& fop) {
    after = State{fop.FOPPoints(), fop.FOPCurrent()};
    fop.Replace(before.points, before.current);
}

FopCommand AddReading(double feet, double ohms) {
    return FopCommand([feet, ohms](FallOfPotential& fop) { return fop.AddPoint(feet, ohms); });
}

FopCommand RemoveCurrentReading() {
    return FopCommand([](FallOfPotential& fop) { return fop.RemovePoint(); });
}

FopCommand ClearReadings() {
    // Clearing always starts the list afresh; only a list that held readings
    // has anything to bring back.
    return FopCommand([](FallOfPotential& fop) {
        const bool held = fop.PointCount() > 0;
        fop.ClearAll();
        return held;
    });
}

FopCommand ReplaceReadings(std::vector<FOPPoint> points, int current) {
    return FopCommand([points = std::move(points), current](FallOfPotential& fop) {
        fop.Replace(points, current);
        return true;
    });
}

bool FopHistory::Push(FopCommand command, FallOfPotential& fop) {
    if (!command.Redo(fop)) {
        return false;
    }
    commands.erase(commands.begin() + static_cast<std::ptrdiff_t>(done), commands.end());
    if (commands.size() == MaxCommands) {
        commands.erase(commands.begin());
    }
    commands.push_back(std::move(command));
    done = commands.size();
    return true;
}

bool FopHistory::Undo(FallOfPotential& fop) {
    if (done == 0) {
        return false;
    }
    commands[--done].Undo(fop);
    return true;
}

bool FopHistory::Redo(FallOfPotential& fop) {
    if (done == commands.size()) {
        return false;
    }
    commands[done++].Redo(fop);
    return true;
}

void FopHistory::Forget() {
    commands.clear();
    done = 0;
}

} // namespace stakewell::survey
