#include "soilwindow/SoilCells.h"

#include "CaseName.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

using stakewell::shared::UnitSystem;
using stakewell::soilwindow::ReadCell;
using stakewell::soilwindow::SoilColumn;

struct CellCase {
    const char* text;
    SoilColumn column;
    bool read;
    std::optional<double> value;
    UnitSystem units = UnitSystem::Imperial;
};

class CellReading : public testing::TestWithParam<CellCase> {};

TEST_P(CellReading, TakesOnlyANumberTypedInFull) {
    const CellCase& row = GetParam();
    const stakewell::soilwindow::CellEntry entry = ReadCell(row.text, row.column, row.units);
    EXPECT_EQ(entry.read, row.read);
    if (row.read) {
        EXPECT_EQ(entry.value, row.value);
    } else {
        ASSERT_TRUE(entry.value);
        EXPECT_TRUE(std::isnan(*entry.value));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CellReading,
    testing::Values(CellCase{"12.5", SoilColumn::Ohms, true, 12.5},
                    CellCase{" 3 ", SoilColumn::Spacing, true, 3.0},
                    CellCase{"1e2", SoilColumn::Spacing, true, 100.0},
                    CellCase{"", SoilColumn::ProbeDepth, true, std::nullopt},
                    CellCase{"", SoilColumn::Ohms, false, {}},
                    CellCase{"12x", SoilColumn::Ohms, false, {}},
                    CellCase{"1,5", SoilColumn::Spacing, false, {}},
                    CellCase{"1 5", SoilColumn::Spacing, false, {}},
                    CellCase{"abc", SoilColumn::ProbeDepth, false, {}},
                    CellCase{"3,5", SoilColumn::Spacing, true, 3.5, UnitSystem::Metric},
                    CellCase{"1,000", SoilColumn::Ohms, false, {}, UnitSystem::Metric},
                    CellCase{"1,2,3", SoilColumn::Ohms, false, {}, UnitSystem::Metric},
                    CellCase{"2,5x", SoilColumn::ProbeDepth, false, {}, UnitSystem::Metric}),
    [](const testing::TestParamInfo<CellCase>& info) {
        return CaseName(
            info.index,
            {info.param.text, info.param.units == UnitSystem::Metric ? "metric" : "imperial"});
    });

TEST(CellText, AProbeDepthNotReadShowsAsNoNumberRatherThanAtTheSurface) {
    stakewell::soil::SoilReading reading{4.0, 2.0, std::nan(""), 0.0};
    EXPECT_EQ(stakewell::soilwindow::CellText(reading, SoilColumn::ProbeDepth), "?");
    reading.probeDepth.reset();
    EXPECT_EQ(stakewell::soilwindow::CellText(reading, SoilColumn::ProbeDepth), "");
    EXPECT_EQ(stakewell::soilwindow::CellText(reading, SoilColumn::Spacing), "4");
}

} // namespace
