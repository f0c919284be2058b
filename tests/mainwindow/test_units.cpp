#include "MainWindowDriver.h"
#include "ModalAnswerer.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QCompleter>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>

#include "CaseName.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using stakewell::mainwindow::frmMain;
using stakewell::shared::UnitSystem;

QComboBox* UnitsBox(MainWindowDriver& form) {
    return qobject_cast<QComboBox*>(form.Control(QStringLiteral("cboUnits")));
}

// As the user chooses: the arrow keys in the box.
void ChooseUnits(MainWindowDriver& form, UnitSystem units) {
    QTest::keyClick(UnitsBox(form), units == UnitSystem::Metric ? Qt::Key_Down : Qt::Key_Up);
}

void PressOnWindow(MainWindowDriver& form, const QKeySequence& keys) {
    form.Control(QStringLiteral("cmdEnd"))->setFocus();
    QTest::keySequence(&form.Window(), keys);
}

QString Caption(MainWindowDriver& form, const char* name) {
    return form.Control(QLatin1String(name))->property("text").toString();
}

void TypeTheDesign(MainWindowDriver& form) {
    for (const auto& [field, text] :
         std::vector<std::pair<const char*, const char*>>{{"tbxEarthRes", "100"},
                                                          {"tbxElectLen", "10"},
                                                          {"tbxElectDia", "0.625"},
                                                          {"tbxNumElect", "4"},
                                                          {"tbxWireLen", "60"},
                                                          {"tbxWireDepth", "2.5"}}) {
        form.Type(QLatin1String(field), QLatin1String(text));
    }
    form.Click(QStringLiteral("WireSize_1"));
    form.Type(QStringLiteral("tbxWireAWG"), QStringLiteral("2"));
}

// The figures themselves are the work's; the window shows them in metres.
TEST(UnitSwitch, OneDesignInMetricShowsItsLengthsInMetres) {
    MainWindowDriver form;
    TypeTheDesign(form);
    const int imperialE2Width = form.Field("tbx4ptE2")->width();
    ChooseUnits(form, UnitSystem::Metric);

    EXPECT_EQ(form.Window().Work().Units(), UnitSystem::Metric);
    EXPECT_EQ(form.Text("tbxElectLen"), "3.048");
    EXPECT_EQ(form.Text("tbxElectDia"), "15.875");
    EXPECT_EQ(form.Text("tbxWireAWG"), "33.6");
    EXPECT_EQ(form.Text("lbLinearSpace"), "6.10");
    EXPECT_EQ(form.Text("lbP1"), "P1 = 5.1");
    EXPECT_EQ(form.Text("lbP2"), "P2 = 10.2");
    QLineEdit* e2 = form.Field("tbx4ptE2");
    EXPECT_EQ(e2->text(), "15.24");
    EXPECT_GT(e2->width(), imperialE2Width) << "room for the decimals of metres";
    EXPECT_LT(e2->fontMetrics().horizontalAdvance(QStringLiteral("30.48")) + 8, e2->width());
    EXPECT_EQ(Caption(form, "Label2"), "Metres");
    EXPECT_EQ(Caption(form, "Label3"), "Millimetres");
    EXPECT_EQ(Caption(form, "Label27"), "mm²");
    EXPECT_EQ(Caption(form, "WireSize_1"), "Cross-section (&G)");
}

TEST(UnitSwitch, UndoAndSwitchingBackGiveBackTheTextsAndTheChoice) {
    MainWindowDriver form;
    TypeTheDesign(form);
    const QString length = form.Text("tbxElectLen");
    const QString total = form.Text("lbLinearTotal");
    ChooseUnits(form, UnitSystem::Metric);

    PressOnWindow(form, QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(UnitsBox(form)->currentIndex(), 0);
    EXPECT_EQ(form.Text("tbxElectLen"), length);
    EXPECT_EQ(form.Text("tbxWireAWG"), "2");
    EXPECT_EQ(Caption(form, "Label2"), "Feet");
    EXPECT_EQ(Caption(form, "WireSize_1"), "&Gauge");

    PressOnWindow(form, QKeySequence(Qt::CTRL | Qt::Key_Y));
    EXPECT_EQ(UnitsBox(form)->currentIndex(), 1);
    EXPECT_EQ(form.Text("tbxElectLen"), "3.048");

    ChooseUnits(form, UnitSystem::Imperial);
    EXPECT_EQ(form.Window().Work().Units(), UnitSystem::Imperial);
    EXPECT_EQ(form.Text("tbxElectLen"), length);
    EXPECT_EQ(form.Text("tbxElectDia"), "0.625");
    EXPECT_EQ(form.Text("tbxWireAWG"), "2");
    EXPECT_EQ(form.Text("lbLinearTotal"), total);
}

// The fraction is of an inch in either system.
TEST(UnitSwitch, TheFractionGivesTheMetricDiameterItsMillimetres) {
    MainWindowDriver form;
    ChooseUnits(form, UnitSystem::Metric);
    form.Type("tbxNumer", "3");
    form.Type("tbxDenom", "4");
    form.Click("lbResult");
    EXPECT_EQ(form.Text("tbxElectDia"), "19.05");
}

struct TypedCase {
    UnitSystem units;
    const char* field;
    const char* typed;
    const char* hint;
    // What the same value reads as typed plainly; empty: not compared.
    const char* plain;
};

std::string UnitsName(UnitSystem units) {
    return units == UnitSystem::Metric ? "metric" : "imperial";
}

class TypedInAUnit : public testing::TestWithParam<TypedCase> {};

TEST_P(TypedInAUnit, IsHintedAndComputedAsItReads) {
    const TypedCase& c = GetParam();
    MainWindowDriver form;
    TypeTheDesign(form);
    if (c.units == UnitSystem::Metric) {
        ChooseUnits(form, c.units);
    }
    QString plainTotal;
    if (*c.plain != '\0') {
        form.Type(QLatin1String(c.field), QLatin1String(c.plain));
        plainTotal = form.Text("lbRectTotal");
    }
    form.Type(QLatin1String(c.field), QString::fromUtf8(c.typed));
    EXPECT_EQ(form.Field(QLatin1String(c.field))->toolTip(), QString::fromUtf8(c.hint));
    if (*c.plain != '\0') {
        EXPECT_EQ(form.Text("lbRectTotal"), plainTotal);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, TypedInAUnit,
    testing::Values(
        TypedCase{UnitSystem::Metric, "tbxElectLen", "1,000",
                  "\"1,000\" could be read as 1 or as 1000: write 1.000 or 1000.", ""},
        TypedCase{UnitSystem::Metric, "tbxWireDepth", "30 in",
                  "Read as 0.762 m: converted from 30 in.", "0.762"},
        TypedCase{UnitSystem::Metric, "tbxWireBetween_0", "1,2,3",
                  "\"1,2,3\" could be read more than one way: write it with one decimal mark and "
                  "no thousands separator.",
                  ""},
        TypedCase{UnitSystem::Metric, "tbxWireAWG", "35 mm²",
                  "Read as 35: the rest of the text is ignored.", "35"},
        TypedCase{UnitSystem::Imperial, "tbxElectLen", "3 m",
                  "Read as 9.84251968504 ft: converted from 3 m.", "9.84251968503937"}),
    [](const testing::TestParamInfo<TypedCase>& info) {
        return CaseName(info.index,
                        {UnitsName(info.param.units), info.param.field, info.param.typed});
    });

struct SizesCase {
    UnitSystem units;
    const char* field;
    std::vector<QString> values;
};

class CommonSizes : public testing::TestWithParam<SizesCase> {};

TEST_P(CommonSizes, TheDownKeyShowsTheSizesOfTheUnits) {
    const SizesCase& c = GetParam();
    MainWindowDriver form;
    form.SelectTab(2);
    form.Click("WireSize_1");
    form.SelectTab(1);
    ChooseUnits(form, c.units);
    QLineEdit* box = form.Field(QLatin1String(c.field));
    form.Window().activateWindow();
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down);
    QAbstractItemView* list = box->completer()->popup();
    ASSERT_TRUE(list->isVisible());
    std::vector<QString> values;
    for (int row = 0; row < list->model()->rowCount(); ++row) {
        values.push_back(list->model()->index(row, 0).data(Qt::UserRole).toString());
    }
    EXPECT_EQ(values, c.values);

    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Return);
    EXPECT_EQ(box->text(), c.values.front());
}

INSTANTIATE_TEST_SUITE_P(
    Boxes, CommonSizes,
    testing::Values(
        SizesCase{UnitSystem::Metric, "tbxElectDia", {"12.7", "14.2", "16", "17.2", "20"}},
        SizesCase{UnitSystem::Metric, "tbxElectLen", {"1.5", "2.4", "3"}},
        SizesCase{UnitSystem::Metric, "tbxWireAWG", {"16", "25", "35", "50", "70", "95", "120"}},
        SizesCase{UnitSystem::Imperial, "tbxElectDia", {"0.5", "0.625", "0.75"}},
        SizesCase{UnitSystem::Imperial, "tbxWireAWG", {"6", "4", "2", "1/0", "2/0", "4/0"}}),
    [](const testing::TestParamInfo<SizesCase>& info) {
        return CaseName(info.index, {UnitsName(info.param.units), info.param.field});
    });

class UnitsKept : public testing::Test {
protected:
    QString File(const char* name) const { return folder.filePath(QLatin1String(name)); }
    QTemporaryDir folder;
};

TEST_F(UnitsKept, AMetricWorkComesBackMetricFromItsFileAndTheLastRun) {
    const QString lastConfig = File("LastConfig.xml");
    QString saved = File("metric.xml");
    {
        frmMain window(lastConfig);
        MainWindowDriver form(window);
        window.show();
        ChooseUnits(form, UnitSystem::Metric);
        form.Type("tbxElectLen", "2,4");
        window.SaveDataFile(saved);
        window.close();
    }
    MainWindowDriver fresh;
    EXPECT_EQ(UnitsBox(fresh)->currentIndex(), 0);
    fresh.Window().LoadDataFile(saved);
    EXPECT_EQ(UnitsBox(fresh)->currentIndex(), 1);
    EXPECT_EQ(fresh.Text("tbxElectLen"), "2,4");
    EXPECT_EQ(Caption(fresh, "Label2"), "Metres");

    frmMain again(lastConfig);
    MainWindowDriver reopened(again);
    EXPECT_EQ(UnitsBox(reopened)->currentIndex(), 1);
    EXPECT_EQ(Caption(reopened, "Label29"), "m");
}

TEST_F(UnitsKept, AnOldFileLoadsImperial) {
    MainWindowDriver form;
    ChooseUnits(form, UnitSystem::Metric);
    QString old = QStringLiteral(STAKEWELL_OLD_FILES "/every-item.xml");
    ModalAnswerer answerer;
    answerer.AnswerMessagesWith(QMessageBox::Discard);
    form.Window().LoadDataFile(old);
    EXPECT_EQ(form.Window().Work().Units(), UnitSystem::Imperial);
    EXPECT_EQ(UnitsBox(form)->currentIndex(), 0);
    EXPECT_EQ(Caption(form, "Label3"), "Inches");
    EXPECT_EQ(Caption(form, "Label27"), "AWG");
}

} // namespace
