#pragma once

#include <optional>
#include <string>

namespace modStakewell {

// The texts of the input fields that the recalculation reads.
struct RecalcInputs {
    std::string tbxEarthRes;
    std::string tbxElectLen;
    std::string tbxElectDia;
    std::string tbxNumElect;
    std::string tbxWireLen;
    std::string tbxWireDia;
    std::string tbxWireDepth;
    std::string tbx4ptE2;
    std::string tbxMVal;
};

// The wire given as its length between electrodes: the line arrangement's
// wire is then (N - 1) spans of the first box, the polygon's N spans of the
// second, in place of the total length.
struct WireBetweenInputs {
    std::string tbxWireBetween_0;
    std::string tbxWireBetween_1;
};

// The wire lengths the results are computed from when the wire is given
// between electrodes, in feet: the line's (N - 1) spans and the polygon's N.
struct WireTotals {
    float Line = 0.0F;
    float Polygon = 0.0F;
};
WireTotals BetweenWireTotals(const std::string& tbxNumElect, const WireBetweenInputs& between);

// The texts of the result labels that the recalculation writes.
struct RecalcLabels {
    std::string lbOneElectRes;
    std::string lbLinearSpace;
    std::string lbLinearElect;
    std::string lbLinearWire;
    std::string LbLinearMutual;
    std::string lbLinearTotal;
    std::string lbRectSpace;
    std::string lbRectElect;
    std::string lbRectWire;
    std::string lbRectMutual;
    std::string lbRectTotal;
    std::string lbP1;
    std::string lbP2;
    std::string lbEarthRes;
};

// Recomputes every result from the input texts. The eleven design labels are
// always rewritten (empty for a step that faulted); the three four-point
// labels keep their previous text when their step faults, so `labels` is
// read as well as written.
void Recalculate(const RecalcInputs& inputs, RecalcLabels& labels,
                 const std::optional<WireBetweenInputs>& between = std::nullopt);

} // namespace modStakewell
