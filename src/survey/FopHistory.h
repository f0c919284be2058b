#pragma once

#include "survey/FopPoints.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace stakewell::survey {

// One change of the point list that can be taken back and made again. Only
// the list and the current point are kept: what the user typed into the
// boxes is not part of a state.
class FopCommand {
public:
    // Makes the change the first time; false when there was nothing to change.
    using Change = std::function<bool(FallOfPotential&)>;
    explicit FopCommand(Change change) : change(std::move(change)) {}

    bool Redo(FallOfPotential& fop);
    // Brings back the list as it stood before the change.
    void Undo(FallOfPotential& fop);

private:
    struct State {
        std::vector<FOPPoint> points;
        std::int16_t current = 0;
    };

    Change change;
    // Each side as it stood when last left, the current point included: the
    // point browsed to before an undo is the one a redo comes back to.
    State before;
    std::optional<State> after;
};

FopCommand AddReading(double feet, double ohms);
FopCommand RemoveCurrentReading();
FopCommand ClearReadings();
// The readings take the place of the list, with `current` selected.
FopCommand ReplaceReadings(std::vector<FOPPoint> points, int current);

// The changes made to the point list, so that a reading removed or cleared by
// mistake can be brought back: a stack of commands, as an undo stack keeps
// them, with the place between those done and those undone.
class FopHistory {
public:
    // Makes the change, and keeps it when it changed something; a new change
    // forgets what was undone. Returns whether it changed something.
    bool Push(FopCommand command, FallOfPotential& fop);
    // Each returns false, changing nothing, when there is nothing to go to.
    bool Undo(FallOfPotential& fop);
    bool Redo(FallOfPotential& fop);
    // A list loaded from a file starts a history of its own.
    void Forget();

    // A full list is half a megabyte and a command keeps up to two: a long
    // session of edits must not pile up copies without bound.
    static constexpr std::size_t MaxCommands = 100;

private:
    std::vector<FopCommand> commands;
    // The commands before it are done, those from it on undone.
    std::size_t done = 0;
};

} // namespace stakewell::survey
