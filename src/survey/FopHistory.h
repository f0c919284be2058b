#pragma once

#include "survey/FopPoints.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace stakewell::survey {

// One change of the point list that can be taken back and made again. Only
// the list and the current point are kept: what the user typed into the
// boxes is not part of a state.
class FopCommand {
public:
    FopCommand() = default;
    virtual ~FopCommand() = default;
    FopCommand(const FopCommand&) = delete;
    FopCommand& operator=(const FopCommand&) = delete;
    FopCommand(FopCommand&&) = delete;
    FopCommand& operator=(FopCommand&&) = delete;

    // Makes the change; false when there was nothing to change.
    bool Redo(FallOfPotential& fop);
    // Brings back the list as it stood before the change.
    void Undo(FallOfPotential& fop);

protected:
    virtual bool Apply(FallOfPotential& fop) = 0;

private:
    struct State {
        std::vector<FOPPoint> points;
        std::int16_t current = 0;
    };
    static State Take(const FallOfPotential& fop);
    static void Restore(const State& state, FallOfPotential& fop);

    // Each side as it stood when last left, the current point included: the
    // point browsed to before an undo is the one a redo comes back to.
    State before;
    std::unique_ptr<State> after;
};

std::unique_ptr<FopCommand> AddReading(double feet, double ohms);
std::unique_ptr<FopCommand> RemoveCurrentReading();
std::unique_ptr<FopCommand> ClearReadings();
// The readings take the place of the list, with `current` selected.
std::unique_ptr<FopCommand> ReplaceReadings(std::vector<FOPPoint> points, int current);

// The changes made to the point list, so that a reading removed or cleared by
// mistake can be brought back: a stack of commands, as an undo stack keeps
// them, with the place between those done and those undone.
class FopHistory {
public:
    // Makes the change, and keeps it when it changed something; a new change
    // forgets what was undone. Returns whether it changed something.
    bool Push(std::unique_ptr<FopCommand> command, FallOfPotential& fop);
    // Each returns false, changing nothing, when there is nothing to go to.
    bool Undo(FallOfPotential& fop);
    bool Redo(FallOfPotential& fop);
    // A list loaded from a file starts a history of its own.
    void Forget();

    // A full list is half a megabyte and a command keeps up to two: a long
    // session of edits must not pile up copies without bound.
    static constexpr std::size_t MaxCommands = 100;

private:
    std::vector<std::unique_ptr<FopCommand>> commands;
    // The commands before it are done, those from it on undone.
    std::size_t done = 0;
};

} // namespace stakewell::survey
