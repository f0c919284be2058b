#include "work/SiteWork.h"

#include "work/UnitReading.h"

#include <QUndoCommand>

#include <utility>

namespace stakewell::work {

namespace {

using calc::SheetInput;

// A full list is half a megabyte and a command keeps up to two: a long
// session of edits must not pile up copies without bound.
constexpr int HistoryLength = 100;

// A survey not yet begun is written in the work's unit of length; one with
// readings keeps the unit they were taken in.
void FollowUnits(soil::SoilSurvey& survey, shared::UnitSystem units) {
    if (!survey.Exists()) {
        survey.unit = SoilUnitOf(units);
    }
}

} // namespace

// A change of the readings kept as the list on each side of it, each as it
// stood when last left: the reading browsed to before an undo is the one a
// redo comes back to.
class SiteWork::ReadingsCommand : public QUndoCommand {
public:
    ReadingsCommand(SiteWork& work, const QString& text, const fop::FallOfPotential& changed)
        : QUndoCommand(text), work(work), after{changed.FOPPoints(), changed.FOPCurrent()} {}

    void redo() override {
        before = Keep();
        work.RestoreReadings(after.points, after.current);
    }

    void undo() override {
        after = Keep();
        work.RestoreReadings(before.points, before.current);
    }

private:
    struct List {
        std::vector<fop::FOPPoint> points;
        int current = 0;
    };
    List Keep() const { return {work.fop.FOPPoints(), work.fop.FOPCurrent()}; }

    SiteWork& work;
    List after;
    List before;
};

// A change of one part of the work kept as its value on each side.
template <typename Value> class SiteWork::ValueCommand : public QUndoCommand {
public:
    using Set = std::function<void(const Value&)>;
    ValueCommand(const QString& text, Value before, Value after, Set set)
        : QUndoCommand(text), before(std::move(before)), after(std::move(after)),
          set(std::move(set)) {}

    void redo() override { set(after); }
    void undo() override { set(before); }

private:
    Value before;
    Value after;
    Set set;
};

SiteWork::SiteWork() : surveyAnalysis(soil::AnalyseSoil(soil)) {
    history.setUndoLimit(HistoryLength);
}

SiteWork::~SiteWork() {
    // The commands refer to this work; they go before its parts do, and
    // without telling the windows, which are going too.
    history.blockSignals(true);
    history.clear();
}

void SiteWork::TypeInput(SheetInput input, const QString& text) {
    design.SetInput(input, text);
    Changed(Aspect::Design);
}

void SiteWork::TypeGauge(const QString& text) {
    design.TypeGauge(text);
    Changed(Aspect::Design);
}

void SiteWork::TypeBetween(int index, const QString& text) {
    design.TypeBetween(index, text);
    Changed(Aspect::Design);
}

void SiteWork::ChooseWireSize(int index) {
    design.ChooseWireSize(index);
    Changed(Aspect::Design);
}

void SiteWork::ChooseWireLength(int index) {
    design.ChooseWireLength(index);
    Changed(Aspect::Design);
}

void SiteWork::TypeSoilModel(SoilModelText which, const QString& text) {
    QString& typed = soilModelTyped[static_cast<std::size_t>(which)];
    if (typed == text) {
        return;
    }
    typed = text;
    Changed(Aspect::SoilModel);
}

void SiteWork::TypeE2(const QString& text) {
    e2Text = text;
    fop.FOPE2Distance = ReadLength(text, Units());
    fop.FOPE1Position = 0.0;
    Changed(Aspect::E2);
}

bool SiteWork::Browse(int point) {
    if (!fop.Browse(point)) {
        return false;
    }
    Tell(Aspect::Readings);
    return true;
}

// A change of nothing is not kept, and leaves what was undone to be redone.
bool SiteWork::PushReadings(const QString& text,
                            const std::function<bool(fop::FallOfPotential&)>& change) {
    fop::FallOfPotential changed = fop;
    if (!change(changed)) {
        return false;
    }
    history.push(new ReadingsCommand(*this, text, changed));
    return true;
}

bool SiteWork::AddReading(double feet, double ohms) {
    return PushReadings(QStringLiteral("Add Reading"), [feet, ohms](fop::FallOfPotential& list) {
        return list.AddPoint(feet, ohms);
    });
}

bool SiteWork::RemoveReading() {
    return PushReadings(QStringLiteral("Remove Reading"),
                        [](fop::FallOfPotential& list) { return list.RemovePoint(); });
}

bool SiteWork::ClearReadings() {
    // Clearing always starts the list afresh; only a list that held readings
    // has anything to bring back.
    const bool held = fop.PointCount() > 0;
    if (!held) {
        fop.ClearAll();
        Tell(Aspect::Readings);
        return false;
    }
    return PushReadings(QStringLiteral("Clear Readings"), [](fop::FallOfPotential& list) {
        list.ClearAll();
        return true;
    });
}

bool SiteWork::ImportReadings(std::vector<fop::FOPPoint> readings) {
    readings.insert(readings.begin(), fop::FOPPoint{});
    fop::SortFOPPoints(readings, false);
    const int count = static_cast<int>(readings.size()) - 1;
    return PushReadings(QStringLiteral("Import Readings"),
                        [readings = std::move(readings), count](fop::FallOfPotential& list) {
                            list.Replace(readings, count);
                            return true;
                        });
}

void SiteWork::RestoreReadings(const std::vector<fop::FOPPoint>& points, int current) {
    fop.Replace(points, current);
    Changed(Aspect::Readings);
}

bool SiteWork::ChangeSoil(const soil::SoilSurvey& survey) {
    if (soil::SameSurvey(survey, soil)) {
        return false;
    }
    history.push(new ValueCommand<soil::SoilSurvey>(QStringLiteral("Soil Survey Change"), soil,
                                                    survey, [this](const soil::SoilSurvey& value) {
                                                        soil = value;
                                                        surveyAnalysis = soil::AnalyseSoil(soil);
                                                        Changed(Aspect::Soil | Aspect::SoilModel);
                                                    }));
    return true;
}

bool SiteWork::UseInDesign(SheetInput input, const QString& text) {
    if (design.Input(input) == text) {
        return false;
    }
    history.push(new ValueCommand<QString>(QStringLiteral("Use in Design"), design.Input(input),
                                           text, [this, input](const QString& value) {
                                               design.SetInput(input, value);
                                               Changed(Aspect::Design);
                                           }));
    return true;
}

bool SiteWork::ChangeSite(const files::SiteRecord& record) {
    if (record == site) {
        return false;
    }
    history.push(new ValueCommand<files::SiteRecord>(
        QStringLiteral("Site Record Change"), site, record, [this](const files::SiteRecord& value) {
            site = value;
            Changed(Aspect::Site);
        }));
    return true;
}

bool SiteWork::ChangeUnits(shared::UnitSystem units) {
    if (units == Units()) {
        return false;
    }
    UnitTexts now = UnitTextsNow();
    UnitTexts next =
        lastSwitch && lastSwitch->second == now ? lastSwitch->first : ConvertedTexts(now, units);
    lastSwitch = std::pair{now, next};
    history.push(
        new ValueCommand<UnitTexts>(QStringLiteral("Change Units"), std::move(now), std::move(next),
                                    [this](const UnitTexts& value) { RestoreUnitTexts(value); }));
    return true;
}

soil::DesignRod SiteWork::Rod() const {
    return {design.ElectrodeFeet(), SoilUnitOf(Units())};
}

UnitTexts SiteWork::UnitTextsNow() const {
    const WireChoices& wire = design.Wire();
    return {Units(),          design.Inputs(),
            wire.Gauge,       wire.Between,
            e2Text,           fop.FOPPoints(),
            fop.FOPCurrent(), soilModelTyped[static_cast<std::size_t>(SoilModelText::UpperDepth)]};
}

void SiteWork::RestoreUnitTexts(const UnitTexts& texts) {
    design.TakeUnits(texts.units, texts.inputs, texts.gauge, texts.between);
    e2Text = texts.e2;
    fop.Replace(texts.points, texts.current);
    fop.FOPE2Distance = ReadLength(e2Text, Units());
    fop.Units = Units();
    FollowUnits(soil, Units());
    soilModelTyped[static_cast<std::size_t>(SoilModelText::UpperDepth)] = texts.soilModelDepth;
    Changed(Aspect::Units | Aspect::Design | Aspect::Readings | Aspect::E2 | Aspect::Soil |
            Aspect::SoilModel);
}

files::DataFileContent SiteWork::Content() const {
    files::DataFileContent content;
    design.Store(content);
    content.FOPPoints = fop.FOPPoints();
    content.Choices.FOPE2 = e2Text;
    content.Soil = soil;
    content.Site = site;
    content.LayeredSoil = soilModelTyped;
    return content;
}

void SiteWork::Take(const files::DataFileContent& content) {
    history.clear();
    design.Take(content);
    e2Text = content.Choices.FOPE2.value_or(e2Text);
    fop.Replace(content.FOPPoints, content.PointCount());
    fop.FOPE2Distance = ReadLength(e2Text, Units());
    fop.Units = Units();
    lastSwitch.reset();
    fop.FOPE1Position = 0.0;
    soil = content.Soil;
    FollowUnits(soil, Units());
    site = content.Site;
    soilModelTyped = content.LayeredSoil;
    surveyAnalysis = soil::AnalyseSoil(soil);
    Changed(Aspects::All());
}

void SiteWork::Start(const std::array<QString, calc::SheetInputCount>& typed,
                     const WireChoices& choices, const QString& e2,
                     const calc::SheetResults& shown) {
    history.clear();
    design.Start(typed, choices, shown);
    e2Text = e2;
    fop.FOPE2Distance = ReadLength(e2, Units());
    MarkSaved();
}

SiteWork::Typed SiteWork::TypedNow() const {
    const WireChoices& wire = design.Wire();
    return {design.Inputs(), wire.Between, wire.Length, wire.Size, e2Text, soilModelTyped};
}

bool SiteWork::Unsaved() const {
    return !saved || !history.isClean() || TypedNow() != *saved;
}

void SiteWork::MarkSaved() {
    history.setClean();
    saved = TypedNow();
}

void SiteWork::Changed(Aspects aspects) {
    if (aspects.Has(Aspect::Design)) {
        design.Recalculate();
    }
    if (aspects.Has(Aspect::SoilModel)) {
        layeredSoil = ReadSoilModel(soilModelTyped, Units(), surveyAnalysis.fit);
    }
    Tell(aspects);
}

void SiteWork::Tell(Aspects aspects) {
    observers.Tell(aspects);
    if (aspects.HasAny(Aspect::Readings | Aspect::E2)) {
        refresh.Refresh();
    }
}

} // namespace stakewell::work
