#pragma once

#include "analysis/SoilSurvey.h"

#include <QUndoCommand>

#include <functional>

namespace stakewell::soil {

// Whether the table is to be filled afresh from a survey, or already shows
// it because the user has just typed the change into a cell.
enum class TableShows { Afresh, Already };

// Whether two surveys hold the same readings, a cell not read (NaN) being
// the same as another: operator== would see every change in them.
bool SameSurvey(const analysis::SoilSurvey& a, const analysis::SoilSurvey& b);

// One change of the survey as a pair of snapshots; a survey of a thousand
// readings is some 40 kB, so whole snapshots cost less than keeping each
// kind of change apart.
class SurveyChange : public QUndoCommand {
public:
    using Apply = std::function<void(const analysis::SoilSurvey&, TableShows)>;

    SurveyChange(analysis::SoilSurvey before, analysis::SoilSurvey after, TableShows onFirstRedo,
                 Apply apply);

    void undo() override;
    void redo() override;

private:
    analysis::SoilSurvey before;
    analysis::SoilSurvey after;
    TableShows onFirstRedo;
    Apply apply;
};

} // namespace stakewell::soil
