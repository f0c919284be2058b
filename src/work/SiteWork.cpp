#include "work/SiteWork.h"

#include "calc/WireGauge.h"
#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"

#include <QUndoCommand>

#include <utility>

namespace stakewell::work {

namespace {

using calc::SheetInput;

// A full list is half a megabyte and a command keeps up to two: a long
// session of edits must not pile up copies without bound.
constexpr int HistoryLength = 100;

double ReadNumber(const QString& text) {
    return shared::ReadNumber(text.toStdString());
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

SiteWork::SiteWork() {
    history.setUndoLimit(HistoryLength);
}

SiteWork::~SiteWork() {
    // The commands refer to this work; they go before its parts do.
    history.clear();
}

void SiteWork::TypeInput(SheetInput input, const QString& text) {
    SetInput(input, text);
    Changed(Aspect::Design);
}

void SiteWork::SetInput(SheetInput input, const QString& text) {
    inputs[static_cast<std::size_t>(input)] = text;
    if (input == SheetInput::WireDiameter) {
        GaugeFromDiameter();
    }
}

void SiteWork::GaugeFromDiameter() {
    wire.Gauge = QString::fromStdString(
        calc::DiameterToGauge(ReadNumber(Input(SheetInput::WireDiameter))));
}

void SiteWork::TypeGauge(const QString& text) {
    wire.Gauge = text;
    const float diameter = calc::GaugeToDiameter(text.toStdString());
    inputs[static_cast<std::size_t>(SheetInput::WireDiameter)] =
        QString::fromStdString(shared::FormatPattern(diameter, "0.0000"));
    Changed(Aspect::Design);
}

void SiteWork::TypeBetween(int index, const QString& text) {
    wire.Between.at(static_cast<std::size_t>(index)) = text;
    Changed(Aspect::Design);
}

void SiteWork::ChooseWireSize(int index) {
    wire.Size = index;
    ++wire.SizeChosen;
    if (index == 0) {
        GaugeFromDiameter();
    }
    Changed(Aspect::Design);
}

void SiteWork::ChooseWireLength(int index) {
    wire.Length = index;
    ++wire.LengthChosen;
    Changed(Aspect::Design);
}

void SiteWork::TypeE2(const QString& text) {
    e2Text = text;
    fop.FOPE2Distance = ReadNumber(text);
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
    history.push(new ValueCommand<soil::SoilSurvey>(
        QStringLiteral("Soil Survey Change"), soil, survey,
        [this](const soil::SoilSurvey& value) { SetSoil(value); }));
    return true;
}

void SiteWork::SetSoil(const soil::SoilSurvey& survey) {
    soil = survey;
    Changed(Aspect::Soil);
}

bool SiteWork::UseInDesign(SheetInput input, const QString& text) {
    if (Input(input) == text) {
        return false;
    }
    history.push(new ValueCommand<QString>(QStringLiteral("Use in Design"), Input(input), text,
                                           [this, input](const QString& value) {
                                               SetInput(input, value);
                                               Changed(Aspect::Design);
                                           }));
    return true;
}

bool SiteWork::ChangeSite(const files::SiteRecord& record) {
    if (record == site) {
        return false;
    }
    history.push(new ValueCommand<files::SiteRecord>(
        QStringLiteral("Site Record Change"), site, record,
        [this](const files::SiteRecord& value) { SetSite(value); }));
    return true;
}

void SiteWork::SetSite(const files::SiteRecord& record) {
    site = record;
    Changed(Aspect::Site);
}

files::DataFileContent SiteWork::Content() const {
    files::DataFileContent content;
    content.FieldTexts = inputs;
    content.FOPPoints = fop.FOPPoints();
    content.Choices.FOPE2 = e2Text;
    content.Choices.WireBetween_0 = wire.Between[0];
    content.Choices.WireBetween_1 = wire.Between[1];
    content.Choices.WireLength = wire.Length;
    content.Choices.WireSize = wire.Size;
    content.Soil = soil;
    content.Site = site;
    return content;
}

void SiteWork::Take(const files::DataFileContent& content) {
    history.clear();
    inputs = content.FieldTexts;
    GaugeFromDiameter();
    const files::ChoiceContent& choices = content.Choices;
    wire.Between[0] = choices.WireBetween_0.value_or(wire.Between[0]);
    wire.Between[1] = choices.WireBetween_1.value_or(wire.Between[1]);
    if (choices.WireLength) {
        wire.Length = *choices.WireLength;
        ++wire.LengthChosen;
    }
    if (choices.WireSize) {
        wire.Size = *choices.WireSize;
        ++wire.SizeChosen;
    }
    e2Text = choices.FOPE2.value_or(e2Text);
    fop.Replace(content.FOPPoints, content.PointCount());
    fop.FOPE2Distance = ReadNumber(e2Text);
    fop.FOPE1Position = 0.0;
    soil = content.Soil;
    site = content.Site;
    Changed(Aspects::All());
}

void SiteWork::Start(const std::array<QString, calc::SheetInputCount>& typed,
                     const WireChoices& choices, const QString& e2,
                     const calc::SheetResults& shown) {
    history.clear();
    inputs = typed;
    wire = choices;
    e2Text = e2;
    fop.FOPE2Distance = ReadNumber(e2);
    results = shown;
    notes = {};
    MarkSaved();
}

SiteWork::Typed SiteWork::TypedNow() const {
    return {inputs, wire.Between, wire.Length, wire.Size, e2Text};
}

bool SiteWork::Unsaved() const {
    return !saved || !history.isClean() || TypedNow() != *saved;
}

void SiteWork::MarkSaved() {
    history.setClean();
    saved = TypedNow();
}

void SiteWork::Recalculate() {
    calc::SheetInputs texts;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        texts.Texts[i] = inputs[i].toStdString();
    }
    std::optional<calc::WireBetweenInputs> between;
    if (wire.Length == 1) {
        between = calc::WireBetweenInputs{wire.Between[0].toStdString(),
                                          wire.Between[1].toStdString()};
    }
    notes = calc::ComputeSheet(texts, results, between);
}

void SiteWork::Changed(Aspects aspects) {
    ++revision;
    if (aspects.Has(Aspect::Design)) {
        Recalculate();
    }
    Tell(aspects);
}

void SiteWork::Tell(Aspects aspects) {
    // An observer may stop observing, or another begin, while it is told:
    // those observing when the change began are told, if they still are.
    std::erase_if(observers, [](const std::weak_ptr<Observer>& old) { return old.expired(); });
    const std::vector<std::weak_ptr<Observer>> due = observers;
    for (const std::weak_ptr<Observer>& waiting : due) {
        if (const std::shared_ptr<Observer> observer = waiting.lock()) {
            (*observer)(aspects);
        }
    }
    if (aspects.HasAny(Aspect::Readings | Aspect::E2)) {
        refresh.Refresh();
    }
}

SiteWork::Subscription SiteWork::Observe(Observer observer) {
    auto held = std::make_shared<Observer>(std::move(observer));
    observers.push_back(held);
    return held;
}

} // namespace stakewell::work
