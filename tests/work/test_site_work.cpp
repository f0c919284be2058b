#include "CaseName.h"

#include "work/SiteWork.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace {

using stakewell::calc::SheetInput;
using stakewell::calc::SheetResult;
using stakewell::work::Aspect;
using stakewell::work::Aspects;
using stakewell::work::SiteWork;

// The first worked design, with two readings under an E2 of 100 feet.
void StartWork(SiteWork& work) {
    work.TypeInput(SheetInput::ElectrodeLength, QStringLiteral("10"));
    work.TypeInput(SheetInput::ElectrodeDiameter, QStringLiteral("0.625"));
    work.TypeE2(QStringLiteral("100"));
    work.ImportReadings({{10, 4}, {30, 5}});
    work.History().clear();
    work.MarkSaved();
}

stakewell::soil::SoilSurvey ThreeReadings() {
    stakewell::soil::SoilSurvey survey;
    survey.readings = {
        {5, 20, std::nullopt, 0}, {10, 8, std::nullopt, 0}, {20, 3, std::nullopt, 0}};
    return survey;
}

// The whole work as compared before and after a command.
struct Snapshot {
    std::array<QString, stakewell::calc::SheetInputCount> inputs;
    stakewell::calc::SheetResults results;
    std::vector<stakewell::fop::FOPPoint> points;
    QString e2;
    QString gauge;
    int wireSize;
    std::size_t soilReadings;
    QString site;
    bool operator==(const Snapshot&) const = default;
};

Snapshot SnapshotOf(const SiteWork& work) {
    return {work.Design().Inputs(),      work.Design().Results(),
            work.Fop().FOPPoints(),      work.E2Text(),
            work.Design().Wire().Gauge,  work.Design().Wire().Size,
            work.Soil().readings.size(), work.Site().Site};
}

struct CommandCase {
    const char* name;
    std::function<bool(SiteWork&)> command;
    std::vector<Aspects> told;
    // What the command leaves that shows it was carried out.
    std::function<std::string(const SiteWork&)> shown;
    std::string expected;
    // On the history (typing is the box's own to undo).
    bool undoable;
};

void PrintTo(const CommandCase& row, std::ostream* os) {
    *os << row.name;
}

class WorkCommand : public testing::TestWithParam<CommandCase> {};

// Each change tells its observers what it touched once, leaves the work
// unsaved, and, when it is a command, undoes to exactly the work it found and
// redoes to exactly the work it left.
TEST_P(WorkCommand, TellsWhatChangedAndUndoesExactly) {
    const CommandCase& row = GetParam();
    SiteWork work;
    StartWork(work);
    std::vector<Aspects> told;
    const stakewell::work::WorkObservers::Subscription observing =
        work.Observe([&told](Aspects aspects) { told.push_back(aspects); });
    const Snapshot before = SnapshotOf(work);

    ASSERT_TRUE(row.command(work));
    EXPECT_EQ(told, row.told);
    EXPECT_EQ(row.shown(work), row.expected);
    EXPECT_TRUE(work.Unsaved());
    EXPECT_EQ(work.History().canUndo(), row.undoable);
    if (!row.undoable) {
        return;
    }
    const Snapshot after = SnapshotOf(work);
    work.History().undo();
    EXPECT_EQ(SnapshotOf(work), before);
    work.History().redo();
    EXPECT_EQ(SnapshotOf(work), after);
    EXPECT_EQ(told.size(), row.told.size() + 2);
}

std::string Result(const SiteWork& work, SheetResult result) {
    return work.Design().Results()[result];
}

std::string Readings(const SiteWork& work) {
    std::string text;
    for (std::size_t i = 1; i < work.Fop().FOPPoints().size(); ++i) {
        const auto& point = work.Fop().FOPPoints()[i];
        text += std::to_string(static_cast<int>(point.Distance)) + ":" +
                std::to_string(static_cast<int>(point.Ohms)) + " ";
    }
    return text + "current " + std::to_string(work.Fop().FOPCurrent());
}

INSTANTIATE_TEST_SUITE_P(
    Commands, WorkCommand,
    testing::Values(
        CommandCase{"TypingTheResistivityRecalculates",
                    [](SiteWork& w) {
                        w.TypeInput(SheetInput::EarthResistivity, QStringLiteral("100"));
                        return true;
                    },
                    {Aspect::Design},
                    [](const SiteWork& w) { return Result(w, SheetResult::OneElectrode); },
                    "33.091",
                    false},
        CommandCase{"TypingTheGaugeWritesTheDiameter",
                    [](SiteWork& w) {
                        w.TypeGauge(QStringLiteral("1"));
                        return true;
                    },
                    {Aspect::Design},
                    [](const SiteWork& w) {
                        return w.Design().Input(SheetInput::WireDiameter).toStdString();
                    },
                    "0.2893",
                    false},
        CommandCase{"ChoosingTheDiameterTakesTheGaugeFromIt",
                    [](SiteWork& w) {
                        w.TypeInput(SheetInput::WireDiameter, QStringLiteral("0.2893"));
                        w.ChooseWireSize(0);
                        return true;
                    },
                    {Aspect::Design, Aspect::Design},
                    [](const SiteWork& w) { return w.Design().Wire().Gauge.toStdString(); },
                    "0",
                    false},
        CommandCase{"TypingE2MovesTheTest",
                    [](SiteWork& w) {
                        w.TypeE2(QStringLiteral("77"));
                        return true;
                    },
                    {Aspect::E2},
                    [](const SiteWork& w) { return std::to_string(w.Fop().FOPE2Distance); },
                    "77.000000",
                    false},
        CommandCase{"AddKeepsTheOrder",
                    [](SiteWork& w) { return w.AddReading(20, 4.5); },
                    {Aspect::Readings},
                    Readings,
                    "10:4 20:4 30:5 current 3",
                    true},
        CommandCase{"RemoveTakesTheCurrentReading",
                    [](SiteWork& w) { return w.RemoveReading(); },
                    {Aspect::Readings},
                    Readings,
                    "10:4 current 1",
                    true},
        CommandCase{"ClearEmptiesTheList",
                    [](SiteWork& w) { return w.ClearReadings(); },
                    {Aspect::Readings},
                    Readings,
                    "current 0",
                    true},
        CommandCase{"ImportSortsAndSelectsTheFarthest",
                    [](SiteWork& w) {
                        return w.ImportReadings({{60, 9}, {40, 7}});
                    },
                    {Aspect::Readings},
                    Readings,
                    "40:7 60:9 current 2",
                    true},
        CommandCase{"SoilSurveyEdit",
                    [](SiteWork& w) { return w.ChangeSoil(ThreeReadings()); },
                    {Aspect::Soil | Aspect::SoilModel},
                    [](const SiteWork& w) { return std::to_string(w.Soil().readings.size()); },
                    "3",
                    true},
        CommandCase{"UseInDesignRecalculates",
                    [](SiteWork& w) {
                        return w.UseInDesign(SheetInput::EarthResistivity, QStringLiteral("100"));
                    },
                    {Aspect::Design},
                    [](const SiteWork& w) { return Result(w, SheetResult::OneElectrode); },
                    "33.091",
                    true},
        CommandCase{"SiteRecordEdit",
                    [](SiteWork& w) {
                        stakewell::files::SiteRecord record;
                        record.Site = QStringLiteral("Substation 4");
                        return w.ChangeSite(record);
                    },
                    {Aspect::Site},
                    [](const SiteWork& w) { return w.Site().Site.toStdString(); },
                    "Substation 4",
                    true}),
    [](const testing::TestParamInfo<CommandCase>& info) {
        return CaseName(info.index, {info.param.name});
    });

// A file's work replaces the whole work at once, with a history of its own,
// and comes back out as it went in.
TEST(SiteWork, TakesAFileWholeAndGivesItBack) {
    SiteWork work;
    StartWork(work);
    ASSERT_TRUE(work.AddReading(20, 4.5));
    stakewell::files::DataFileContent content;
    content.FieldTexts[0] = QStringLiteral("100");
    content.FieldTexts[1] = QStringLiteral("10");
    content.FieldTexts[2] = QStringLiteral("0.625");
    content.FOPPoints = {{}, {12, 3}, {24, 4}};
    content.Choices.FOPE2 = QStringLiteral("50");
    content.Choices.WireSize = 1;
    content.Soil = ThreeReadings();
    std::vector<Aspects> told;
    const stakewell::work::WorkObservers::Subscription observing =
        work.Observe([&told](Aspects aspects) { told.push_back(aspects); });

    work.Take(content);
    EXPECT_EQ(told, std::vector<Aspects>{Aspects::All()});
    EXPECT_FALSE(work.History().canUndo());
    EXPECT_EQ(work.Design().Results()[SheetResult::OneElectrode], "33.091");
    EXPECT_EQ(work.Fop().FOPE2Distance, 50.0);
    EXPECT_EQ(work.Fop().FOPCurrent(), 2);
    const stakewell::files::DataFileContent back = work.Content();
    EXPECT_EQ(back.FieldTexts, content.FieldTexts);
    EXPECT_EQ(back.FOPPoints, content.FOPPoints);
    EXPECT_EQ(back.Choices.WireSize, 1);
    EXPECT_EQ(back.Choices.WireLength, 0) << "a choice the file does not hold stays";
    EXPECT_EQ(back.Soil, content.Soil);
}

} // namespace
