#include "CaseName.h"

#include "files/DataFile.h"
#include "files/DataFileCheck.h"
#include "files/XmlValueStore.h"
#include "shared/DisplayPattern.h"
#include "work/SiteWork.h"

#include <QLocale>

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using stakewell::calc::SheetInput;
using stakewell::calc::SheetResult;
using stakewell::shared::UnitSystem;
using stakewell::work::SiteWork;

using Inputs = std::array<const char*, stakewell::calc::SheetInputCount>;

void TypeAll(SiteWork& work, const Inputs& inputs) {
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        work.TypeInput(static_cast<SheetInput>(i), QString::fromUtf8(inputs[i]));
    }
}

std::string Result(const SiteWork& work, SheetResult result) {
    return work.Design().Results()[result];
}

// One physical design typed in each system: the metric row's lengths are
// the imperial row's, exactly, so every resistance must be the same text,
// and the spacings and probe positions the metric row's own.
struct SameDesignCase {
    const char* name;
    Inputs imperial;
    Inputs metric;
    const char* lineSpacing;
    const char* polygonSpacing;
    const char* probeP1;
};

class SameDesign : public testing::TestWithParam<SameDesignCase> {};

TEST_P(SameDesign, GivesTheSameResistancesInBothSystems) {
    const SameDesignCase& c = GetParam();
    SiteWork imperial;
    TypeAll(imperial, c.imperial);
    SiteWork metric;
    metric.ChangeUnits(UnitSystem::Metric);
    TypeAll(metric, c.metric);
    for (std::size_t i = 0; i < stakewell::calc::SheetResultCount; ++i) {
        const auto result = static_cast<SheetResult>(i);
        if (result == SheetResult::LinearSpacing || result == SheetResult::PolygonSpacing ||
            result == SheetResult::ProbeP1 || result == SheetResult::ProbeP2) {
            continue;
        }
        EXPECT_EQ(Result(metric, result), Result(imperial, result)) << i;
        EXPECT_EQ(metric.Design().Notes().Results.Texts[i],
                  imperial.Design().Notes().Results.Texts[i]);
    }
    EXPECT_FALSE(Result(imperial, SheetResult::OneElectrode).empty());
    EXPECT_EQ(Result(metric, SheetResult::LinearSpacing), c.lineSpacing);
    EXPECT_EQ(Result(metric, SheetResult::PolygonSpacing), c.polygonSpacing);
    EXPECT_EQ(Result(metric, SheetResult::ProbeP1), c.probeP1);
}

INSTANTIATE_TEST_SUITE_P(
    Table, SameDesign,
    testing::Values(
        SameDesignCase{"FiveEighthsRodTenFeet",
                       {"100", "10", "0.625", "4", "90", "0.2576", "2.5", "12", "100"},
                       {"100", "3.048", "15.875", "4", "27.432", "6.54304", "0.762", "12", "30.48"},
                       "9.14",
                       "6.86",
                       "P1 = 10.2"},
        SameDesignCase{"SixteenMillimetreRodThreeMetres",
                       {"250", "9.84251968503937", "0.6299212598425197", "6", "98.42519685039369",
                        "0.31413", "1.968503937007874", "3.5", "65.61679790026247"},
                       {"250", "3", "16", "6", "30", "7.979002", "0.6", "3,5", "20"},
                       "6.00",
                       "5.00",
                       "P1 = 6.7"},
        SameDesignCase{"DecimalCommasAndUnitsTyped",
                       {"80", "8", "0.75", "2", "8", "0.2576", "2", "0", ""},
                       {"80", "8 ft", "0,75 in", "2", "2,4384", "0.2576 in", "609,6 mm", "0", ""},
                       "2.44",
                       "1.22",
                       ""}),
    [](const auto& info) { return CaseName(info.index, {info.param.name}); });

// The second row's wire diameter is 50 mm² as the gauge box gives it.
TEST(MetricWire, TakesItsSizeAsACrossSection) {
    SiteWork work;
    work.ChangeUnits(UnitSystem::Metric);
    work.ChooseWireSize(1);
    work.TypeGauge(QStringLiteral("50"));
    EXPECT_EQ(work.Design().Input(SheetInput::WireDiameter), QStringLiteral("7.979"));
    work.ChooseWireSize(0);
    EXPECT_EQ(work.Design().Wire().Gauge, QStringLiteral("50"));
}

SiteWork& ImperialWork(SiteWork& work) {
    TypeAll(work, {"100", "10", "0.625", "4", "90", "0.1", "2.5", "12", "100.0"});
    work.ChooseWireSize(1);
    work.TypeGauge(QStringLiteral("2"));
    work.ChooseWireLength(1);
    work.TypeBetween(0, QStringLiteral("30"));
    work.TypeBetween(1, QStringLiteral("22.5"));
    work.TypeE2(QStringLiteral("100 ft"));
    work.ImportReadings({{10, 4}, {61.8, 5.5}, {1.0 / 3.0, 2}});
    work.History().clear();
    work.MarkSaved();
    return work;
}

TEST(UnitSwitch, ConvertsEveryLengthAndGivesTheTextsBack) {
    SiteWork work;
    ImperialWork(work);
    const auto before = work.Content();
    const auto results = work.Design().Results();

    ASSERT_TRUE(work.ChangeUnits(UnitSystem::Metric));
    const auto& inputs = work.Design().Inputs();
    const std::array<const char*, 9> metric{"100",     "3.048", "15.875", "4",    "27.432",
                                            "6.54304", "0.762", "12",     "30.48"};
    for (std::size_t i = 0; i < metric.size(); ++i) {
        EXPECT_EQ(inputs[i], QString::fromUtf8(metric[i])) << i;
    }
    EXPECT_EQ(work.Design().Wire().Gauge, QStringLiteral("33.6"));
    EXPECT_EQ(work.Design().Wire().Between,
              (std::array{QStringLiteral("9.144"), QStringLiteral("6.858")}));
    EXPECT_EQ(work.E2Text(), QStringLiteral("30.48"));
    EXPECT_EQ(work.Fop().FOPE2Distance, 30.48);
    EXPECT_EQ(work.Fop().FOPPoints()[1].Distance, 0.1016);
    EXPECT_EQ(work.Fop().FOPPoints()[3].Distance, 18.83664);
    EXPECT_EQ(Result(work, SheetResult::LinearTotal), results[SheetResult::LinearTotal]);
    EXPECT_EQ(Result(work, SheetResult::PolygonTotal), results[SheetResult::PolygonTotal]);
    EXPECT_TRUE(work.Unsaved());

    ASSERT_TRUE(work.ChangeUnits(UnitSystem::Imperial));
    EXPECT_EQ(work.Content().FieldTexts, before.FieldTexts);
    EXPECT_EQ(work.Content().FOPPoints, before.FOPPoints);
    EXPECT_EQ(work.Content().Choices, before.Choices);
    EXPECT_EQ(work.Design().Wire().Gauge, QStringLiteral("2"));
    EXPECT_EQ(work.Design().Results(), results);

    work.History().undo();
    EXPECT_EQ(work.Units(), UnitSystem::Metric);
    work.History().undo();
    EXPECT_EQ(work.Units(), UnitSystem::Imperial);
    EXPECT_EQ(work.Content().FieldTexts, before.FieldTexts);
    EXPECT_FALSE(work.Unsaved());
    EXPECT_FALSE(work.ChangeUnits(UnitSystem::Imperial));
}

TEST(UnitSwitch, AfterAnEditConvertsAfresh) {
    SiteWork work;
    ImperialWork(work);
    work.ChangeUnits(UnitSystem::Metric);
    work.TypeInput(SheetInput::ElectrodeLength, QStringLiteral("3"));
    work.ChangeUnits(UnitSystem::Imperial);
    EXPECT_EQ(work.Design().Input(SheetInput::ElectrodeLength), QStringLiteral("9.84251968504"));
    EXPECT_EQ(work.Design().Input(SheetInput::ElectrodeDiameter), QStringLiteral("0.625"));
}

TEST(MetricReading, RefusesATextThatReadsTwoWays) {
    SiteWork work;
    work.ChangeUnits(UnitSystem::Metric);
    TypeAll(work, {"100", "1,000", "16", "1", "", "", "", "", ""});
    EXPECT_EQ(Result(work, SheetResult::OneElectrode), "");
    EXPECT_EQ(work.Design().Notes().Inputs[SheetInput::ElectrodeLength],
              "\"1,000\" could be read as 1 or as 1000: write 1.000 or 1000.");
    work.TypeInput(SheetInput::ElectrodeLength, QStringLiteral("1,5"));
    EXPECT_EQ(work.Design().Notes().Inputs[SheetInput::ElectrodeLength], "");
    EXPECT_FALSE(Result(work, SheetResult::OneElectrode).empty());
}

// A user whose locale writes a decimal comma types one in imperial too.
TEST(ImperialReading, TakesTheLocalesDecimalComma) {
    SiteWork work;
    TypeAll(work, {"100", "10,5", "0.625", "1", "", "", "", "", ""});
    const std::string pointRead = Result(work, SheetResult::OneElectrode);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    work.TypeInput(SheetInput::ElectrodeLength, QStringLiteral("10,5"));
    const std::string commaRead = Result(work, SheetResult::OneElectrode);
    QLocale::setDefault(QLocale::c());
    work.TypeInput(SheetInput::ElectrodeLength, QStringLiteral("10.5"));
    EXPECT_EQ(commaRead, Result(work, SheetResult::OneElectrode));
    EXPECT_NE(commaRead, pointRead);
}

TEST(MetricDataFile, ComesBackAsItWasSaved) {
    SiteWork work;
    ImperialWork(work);
    work.ChangeUnits(UnitSystem::Metric);
    work.TypeE2(QStringLiteral("0,5"));
    stakewell::files::XmlValueStore store;
    stakewell::files::WriteDataFile(store, work.Content());
    EXPECT_EQ(stakewell::files::DataFileDamage(store), std::nullopt);

    SiteWork loaded;
    loaded.Take(stakewell::files::ReadDataFile(store));
    EXPECT_EQ(loaded.Units(), UnitSystem::Metric);
    EXPECT_EQ(loaded.Content().FieldTexts, work.Content().FieldTexts);
    EXPECT_EQ(loaded.Content().FOPPoints, work.Content().FOPPoints);
    EXPECT_EQ(loaded.Fop().FOPE2Distance, 0.5);
    EXPECT_EQ(loaded.Design().Results(), work.Design().Results());

    // A file without the item is imperial, as every file written before.
    stakewell::files::XmlValueStore imperial;
    SiteWork old;
    ImperialWork(old);
    stakewell::files::WriteDataFile(imperial, old.Content());
    loaded.Take(stakewell::files::ReadDataFile(imperial));
    EXPECT_EQ(loaded.Units(), UnitSystem::Imperial);
    EXPECT_EQ(loaded.Fop().FOPE2Distance, 100.0);
}

} // namespace
