#pragma once

namespace stakewell::about {

// The forms ask for the classic 8 pt dialog face. Where it is not installed,
// a face with the same metrics class keeps every caption inside its control.
// Installed once for the whole program; later calls do nothing.
void SubstituteDialogFont();

} // namespace stakewell::about
