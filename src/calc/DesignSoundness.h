#pragma once

#include "calc/DesignSheet.h"
#include "calc/GroundModel.h"

#include <optional>
#include <string>

namespace stakewell::calc {

// What an input that must be above zero lacks, if anything: "Enter the wire
// depth." for an empty box.
std::optional<std::string> NotAboveZero(const std::string& text, double value, const char* name);

// Which design figures the inputs can support. The model's formulas give a
// number for inputs no ground system has (no electrodes, a negative
// resistivity, a wire thicker than it lies deep); such a number, or one built
// on a step that failed, is no figure to show.
//
// Marks as failed every result that rests on a missing or impossible input,
// on a failed step or on a resistance or spacing no ground can have, with the
// reason in `notes`; and notes the shown figures whose approximation no
// longer holds. `wireGiven` is false while the wire is given between
// electrodes, when the total-length box is not read.
void JudgeDesign(const SheetInputs& texts, const DesignInputs& in, bool wireGiven,
                 DesignResults& results, SheetNotes& notes);

// Marks as failed what JudgeDesign would of a design whose every input is
// typed as the number `in` holds, the wire's total length among them.
void JudgeFigures(const DesignInputs& in, DesignResults& results);

} // namespace stakewell::calc
