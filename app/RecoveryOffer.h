#pragma once

#include "files/RecoveryFile.h"

#include <QString>

#include <optional>

namespace stakewell::app {

// Offers the work a run that did not close left in its recovery file, before
// the main window is made. The work to restore; nothing when there is no
// file, when the user discards it (the file is deleted) or when it cannot be
// read (it is kept under another name, and the user told so once).
std::optional<files::RecoveredWork> OfferRecovery(const QString& recoveryFile);

} // namespace stakewell::app
