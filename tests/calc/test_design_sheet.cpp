#include "calc/DesignSheet.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>
#include <string>

namespace {

using stakewell::calc::InputRows;
using stakewell::calc::ResultRows;

std::string Form() {
    std::ifstream file(STAKEWELL_MAIN_FORM);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

bool FormHolds(const std::string& form, const char* widgetClass, const char* name) {
    return form.find(std::string("<widget class=\"") + widgetClass + "\" name=\"" + name + "\"") !=
           std::string::npos;
}

// Every part of the program finds an input or a result by its row, so a row
// out of place or naming a widget the form lacks would mislabel a figure.
TEST(DesignSheet, EachRowStandsAtItsKeyAndNamesAWidgetOfTheForm) {
    const std::string form = Form();
    ASSERT_FALSE(form.empty()) << STAKEWELL_MAIN_FORM;
    for (std::size_t i = 0; i < InputRows.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(InputRows[i].Input), i);
        EXPECT_TRUE(FormHolds(form, "QLineEdit", InputRows[i].Widget)) << InputRows[i].Widget;
    }
    for (std::size_t i = 0; i < ResultRows.size(); ++i) {
        EXPECT_EQ(static_cast<std::size_t>(ResultRows[i].Result), i);
        EXPECT_TRUE(FormHolds(form, "stakewell::mainwindow::ResultBox", ResultRows[i].Widget) ||
                    FormHolds(form, "QLabel", ResultRows[i].Widget))
            << ResultRows[i].Widget;
    }
}

TEST(DesignSheet, DataItemsAreDistinctPathsAndTheDesignComesFirst) {
    std::set<std::string> items;
    bool afterReadings = false;
    for (const auto& row : InputRows) {
        EXPECT_EQ(row.DataItem[0], '/') << row.DataItem;
        EXPECT_TRUE(items.insert(row.DataItem).second) << row.DataItem;
        afterReadings = afterReadings || row.Place == stakewell::calc::FilePlace::AfterReadings;
        EXPECT_EQ(afterReadings, row.Place == stakewell::calc::FilePlace::AfterReadings)
            << "the four-point inputs follow the readings, after every design input";
    }
}

// The report lines up its "=" signs: inputs at column 25, the single
// electrode's result at 29 and every arrangement's result at 22.
TEST(DesignSheet, ReportLabelsLineUpTheirEqualsSigns) {
    for (const auto& row : InputRows) {
        const std::string label = row.ReportLabel;
        if (!label.empty()) {
            EXPECT_EQ(label.size(), 26U) << label;
            EXPECT_EQ(label.find('='), 24U) << label;
        }
    }
    for (const auto& row : ResultRows) {
        const std::string label = row.ReportLabel;
        EXPECT_EQ(label.empty(), row.Block == stakewell::calc::ReportBlock::None) << row.Widget;
        if (!label.empty()) {
            const std::size_t equals =
                row.Block == stakewell::calc::ReportBlock::Single ? 28U : 21U;
            EXPECT_EQ(label.find('='), equals) << label;
            EXPECT_EQ(label.size(), equals + 2) << label;
        }
    }
}

} // namespace
