#include "survey/FopHistory.h"

#include <utility>

namespace stakewell::survey {
namespace {

class AddCommand : public FopCommand {
public:
    AddCommand(double feet, double ohms) : feet(feet), ohms(ohms) {}

protected:
    bool Apply(FallOfPotential& fop) override { return fop.AddPoint(feet, ohms); }

private:
    double feet;
    double ohms;
};

class RemoveCommand : public FopCommand {
protected:
    bool Apply(FallOfPotential& fop) override { return fop.RemovePoint(); }
};

class ClearCommand : public FopCommand {
protected:
    // Clearing always starts the list afresh; only a list that held readings
    // has anything to bring back.
    bool Apply(FallOfPotential& fop) override {
        const bool held = fop.PointCount() > 0;
        fop.ClearAll();
        return held;
    }
};

class ReplaceCommand : public FopCommand {
public:
    ReplaceCommand(std::vector<FOPPoint> points, int current)
        : points(std::move(points)), current(current) {}

protected:
    bool Apply(FallOfPotential& fop) override {
        fop.Replace(points, current);
        return true;
    }

private:
    std::vector<FOPPoint> points;
    int current;
};

} // namespace

FopCommand::State FopCommand::Take(const FallOfPotential& fop) {
    return {fop.FOPPoints(), fop.FOPCurrent()};
}

void FopCommand::Restore(const State& state, FallOfPotential& fop) {
    fop.Replace(state.points, state.current);
}

bool FopCommand::Redo(FallOfPotential& fop) {
    before = Take(fop);
    if (after) {
        Restore(*after, fop);
        return true;
    }
    return Apply(fop);
}

void FopCommand::Undo(FallOfPotential& fop) {
    after = std::make_unique<State>(Take(fop));
    Restore(before, fop);
}

std::unique_ptr<FopCommand> AddReading(double feet, double ohms) {
    return std::make_unique<AddCommand>(feet, ohms);
}

std::unique_ptr<FopCommand> RemoveCurrentReading() {
    return std::make_unique<RemoveCommand>();
}

std::unique_ptr<FopCommand> ClearReadings() {
    return std::make_unique<ClearCommand>();
}

std::unique_ptr<FopCommand> ReplaceReadings(std::vector<FOPPoint> points, int current) {
    return std::make_unique<ReplaceCommand>(std::move(points), current);
}

bool FopHistory::Push(std::unique_ptr<FopCommand> command, FallOfPotential& fop) {
    if (!command->Redo(fop)) {
        return false;
    }
    commands.resize(done);
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
    commands[--done]->Undo(fop);
    return true;
}

bool FopHistory::Redo(FallOfPotential& fop) {
    if (done == commands.size()) {
        return false;
    }
    commands[done++]->Redo(fop);
    return true;
}

void FopHistory::Forget() {
    commands.clear();
    done = 0;
}

} // namespace stakewell::survey
