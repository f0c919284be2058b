#pragma once

#include "files/DataFile.h"
#include "files/SiteRecord.h"
#include "fop/FopPoints.h"
#include "fop/FopRefresh.h"
#include "soil/SoilSurvey.h"
#include "work/DesignState.h"
#include "work/SoilModel.h"
#include "work/UnitSwitch.h"
#include "work/WorkAspects.h"
#include "work/WorkObservers.h"

#include <QString>
#include <QUndoStack>

#include <array>
#include <functional>
#include <optional>
#include <utility>
#include <vector>

namespace stakewell::work {

// The site's work: everything the engineer types, measures and records, the
// one place every window reads it from and every change goes through. The
// results are derived from it; a change tells the observers which aspects
// it touched. What the user types into a box changes the work directly (the
// box keeps its own undo); every other change is a command on the history.
class SiteWork {
public:
    SiteWork();
    ~SiteWork();
    SiteWork(const SiteWork&) = delete;
    SiteWork& operator=(const SiteWork&) = delete;
    SiteWork(SiteWork&&) = delete;
    SiteWork& operator=(SiteWork&&) = delete;

    const DesignState& Design() const { return design; }
    const fop::FallOfPotential& Fop() const { return fop; }
    const QString& E2Text() const { return e2Text; }
    const soil::SoilSurvey& Soil() const { return soil; }
    const files::SiteRecord& Site() const { return site; }
    shared::UnitSystem Units() const { return design.Units(); }
    // The design's rod as the soil survey's figures take it.
    soil::DesignRod Rod() const;
    // The two-layer soil as typed on the design page, and the soil the
    // design and the test are read in beside their uniform figures: the
    // typed one, or the survey's fit while nothing is typed.
    const SoilModelTexts& SoilModelTyped() const { return soilModelTyped; }
    const SoilModel& LayeredSoil() const { return layeredSoil; }
    // The survey's apparent resistivities and two-layer fit.
    const soil::SoilAnalysis& SurveyAnalysis() const { return surveyAnalysis; }

    // As typed; see DesignState for how the wire's pair keeps in step.
    void TypeInput(calc::SheetInput input, const QString& text);
    void TypeGauge(const QString& text);
    void TypeBetween(int index, const QString& text);
    void ChooseWireSize(int index);
    void ChooseWireLength(int index);
    // The distance every check, line and figure of the test uses.
    void TypeE2(const QString& text);
    void TypeSoilModel(SoilModelText which, const QString& text);
    // Selects a reading to show; no change of the work.
    bool Browse(int point);

    // Commands: each returns whether it changed the work, and only then is
    // it on the history.
    bool AddReading(double feet, double ohms);
    bool RemoveReading();
    bool ClearReadings();
    // The readings take the place of the list, in order of distance with the
    // farthest selected, as Add leaves a list.
    bool ImportReadings(std::vector<fop::FOPPoint> readings);
    bool ChangeSoil(const soil::SoilSurvey& survey);
    bool UseInDesign(calc::SheetInput input, const QString& text);
    bool ChangeSite(const files::SiteRecord& record);
    // Converts every length typed and every reading's distance; switching
    // back with nothing changed in between gives back the very texts.
    bool ChangeUnits(shared::UnitSystem units);

    QUndoStack& History() { return history; }

    // The work a data file holds, the window places left at their defaults.
    files::DataFileContent Content() const;
    // Takes the whole work of a data file, with a history of its own.
    void Take(const files::DataFileContent& content);
    // The work a window starts from, with the results it shows before any
    // calculation: nothing to save, no history, nothing recalculated.
    void Start(const std::array<QString, calc::SheetInputCount>& typed, const WireChoices& choices,
               const QString& e2, const calc::SheetResults& shown);

    // Whether anything is unsaved, at a cost that does not grow with the
    // work: the history's place against the one saved, and the few texts
    // typed against those saved, so that typing a text back, or undoing back
    // to the saved work, leaves nothing to save.
    bool Unsaved() const;
    void MarkSaved();
    // The work is in no file yet, whatever it holds: unsaved until saved.
    void MarkUnsaved() { saved.reset(); }

    [[nodiscard]] WorkObservers::Subscription Observe(WorkObservers::Observer observer) {
        return observers.Observe(std::move(observer));
    }
    // Whoever shows the fall-of-potential test asks here for it to be shown
    // afresh; a change of the readings or of E2 asks by itself.
    fop::FopRefresh& Refresh() { return refresh; }

private:
    class ReadingsCommand;
    template <typename Value> class ValueCommand;
    // What the user types, compared with what was saved.
    struct Typed {
        std::array<QString, calc::SheetInputCount> inputs;
        std::array<QString, 2> between;
        int length = 0;
        int size = 0;
        QString e2;
        SoilModelTexts soilModel;
        bool operator==(const Typed&) const = default;
    };

    bool PushReadings(const QString& text,
                      const std::function<bool(fop::FallOfPotential&)>& change);
    void RestoreReadings(const std::vector<fop::FOPPoint>& points, int current);
    UnitTexts UnitTextsNow() const;
    void RestoreUnitTexts(const UnitTexts& texts);
    Typed TypedNow() const;
    void Changed(Aspects aspects);
    void Tell(Aspects aspects);

    DesignState design;
    fop::FallOfPotential fop;
    QString e2Text;
    soil::SoilSurvey soil;
    files::SiteRecord site;
    SoilModelTexts soilModelTyped;
    // The survey read as two layers, kept while the survey stays as it is:
    // the survey window shows it, and a model typed and cleared again falls
    // back on its fit, without fitting anew.
    soil::SoilAnalysis surveyAnalysis;
    SoilModel layeredSoil;
    QUndoStack history;
    std::optional<Typed> saved;
    // The last change of units, from and to, which a switch back undoes
    // exactly while the work is still as it left it.
    std::optional<std::pair<UnitTexts, UnitTexts>> lastSwitch;
    WorkObservers observers;
    fop::FopRefresh refresh;
};

} // namespace stakewell::work
