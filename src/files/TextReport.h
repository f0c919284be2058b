#pragma once

#include "shared/FopPoints.h"

#include <QByteArray>
#include <QString>

#include <array>

namespace stakewellFiles {

// What the design report copies from the window: field texts and result
// captions exactly as shown, and the fall-of-potential list.
struct ReportContent {
    // tbxEarthRes, tbxElectLen, tbxElectDia, tbxNumElect, tbxWireLen,
    // tbxWireDia, tbxWireDepth
    std::array<QString, 7> Inputs;
    QString lbOneElectRes;
    // Spacing, electrode, wire, mutual and total resistance of each case.
    std::array<QString, 5> Linear;
    std::array<QString, 5> Rectangular;
    const modStakewell::FallOfPotential* FallOfPotential = nullptr;
};

// The report's bytes: CR LF after every line, field texts in UTF-8.
QByteArray TextReport(const ReportContent& content);

} // namespace stakewellFiles
