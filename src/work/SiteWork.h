#pragma once

#include "calc/DesignSheet.h"
#include "files/DataFile.h"
#include "files/SiteRecord.h"
#include "fop/FopPoints.h"
#include "fop/FopRefresh.h"
#include "soil/SoilSurvey.h"
#include "work/WorkAspects.h"

#include <QString>
#include <QUndoStack>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace stakewell::work {

// How the wire is given: its size by diameter or by gauge, its length in
// total or between electrodes. Index 0 is the first option button of each.
struct WireChoices {
    // The gauge box's text: as typed, or derived from the diameter.
    QString Gauge;
    std::array<QString, 2> Between;
    int Length = 0;
    int Size = 0;
    // How often each was chosen, by the user or a file: the boxes the user
    // may type in follow a choice made, not the form's first state.
    int LengthChosen = 0;
    int SizeChosen = 0;
};

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

    const QString& Input(calc::SheetInput input) const {
        return inputs[static_cast<std::size_t>(input)];
    }
    const std::array<QString, calc::SheetInputCount>& Inputs() const { return inputs; }
    const WireChoices& Wire() const { return wire; }
    const calc::SheetResults& Results() const { return results; }
    const calc::SheetNotes& Notes() const { return notes; }
    const fop::FallOfPotential& Fop() const { return fop; }
    const QString& E2Text() const { return e2Text; }
    const soil::SoilSurvey& Soil() const { return soil; }
    const files::SiteRecord& Site() const { return site; }

    // As typed; the wire's diameter and gauge keep each other in step.
    void TypeInput(calc::SheetInput input, const QString& text);
    void TypeGauge(const QString& text);
    void TypeBetween(int index, const QString& text);
    // Choosing to give the diameter takes the gauge from it again; choosing
    // the gauge keeps the diameter, which stays the wire's size.
    void ChooseWireSize(int index);
    void ChooseWireLength(int index);
    // The distance every check, line and figure of the test uses.
    void TypeE2(const QString& text);
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

    QUndoStack& History() { return history; }

    // The work a data file holds, the window places left at their defaults.
    files::DataFileContent Content() const;
    // Takes the whole work of a data file, with a history of its own. A choice
    // the file does not hold stays as it is, as do the four-point results
    // until the inputs say otherwise.
    void Take(const files::DataFileContent& content);
    // The work a window starts from, with the results it shows before any
    // calculation (a four-point step that fails keeps them): nothing to save,
    // no history, nothing recalculated.
    void Start(const std::array<QString, calc::SheetInputCount>& typed, const WireChoices& choices,
               const QString& e2, const calc::SheetResults& shown);

    // Counts every change of the work, undo and redo included.
    std::uint64_t Revision() const { return revision; }
    // Whether anything is unsaved, at a cost that does not grow with the
    // work: the history's place against the one saved, and the few texts
    // typed against those saved, so that typing a text back, or undoing back
    // to the saved work, leaves nothing to save.
    bool Unsaved() const;
    void MarkSaved();
    // The work is in no file yet, whatever it holds: unsaved until saved.
    void MarkUnsaved() { saved.reset(); }

    using Observer = std::function<void(Aspects)>;
    using Subscription = std::shared_ptr<void>;
    // Told of every change while the holder keeps the subscription, in the
    // order they began to observe.
    [[nodiscard]] Subscription Observe(Observer observer);

    // Whoever shows the fall-of-potential test asks here for it to be shown
    // afresh; a change of the readings or of E2 asks by itself.
    fop::FopRefresh& Refresh() { return refresh; }

private:
    class ReadingsCommand;
    template <typename Value> class ValueCommand;

    bool PushReadings(const QString& text,
                      const std::function<bool(fop::FallOfPotential&)>& change);
    void RestoreReadings(const std::vector<fop::FOPPoint>& points, int current);
    void SetSoil(const soil::SoilSurvey& survey);
    void SetSite(const files::SiteRecord& record);
    void SetInput(calc::SheetInput input, const QString& text);
    void GaugeFromDiameter();
    void Recalculate();
    void Changed(Aspects aspects);
    void Tell(Aspects aspects);

    std::array<QString, calc::SheetInputCount> inputs;
    WireChoices wire;
    calc::SheetResults results;
    calc::SheetNotes notes;
    fop::FallOfPotential fop;
    QString e2Text;
    soil::SoilSurvey soil;
    files::SiteRecord site;
    QUndoStack history;
    std::uint64_t revision = 0;
    struct Typed {
        std::array<QString, calc::SheetInputCount> inputs;
        std::array<QString, 2> between;
        int length = 0;
        int size = 0;
        QString e2;
        bool operator==(const Typed&) const = default;
    };
    Typed TypedNow() const;
    std::optional<Typed> saved;
    std::vector<std::weak_ptr<Observer>> observers;
    fop::FopRefresh refresh;
};

} // namespace stakewell::work
