#include "MainWindowDriver.h"
#include "ReadOutShapes.h"

#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

const std::vector<const char*> Fields = {
    "tbxEarthRes",  "tbxElectLen",  "tbxElectDia",  "tbxNumElect",      "tbxWireLen",
    "tbxWireDia",   "tbxWireAWG",   "tbxWireDepth", "tbxWireBetween_0", "tbxWireBetween_1",
    "tbxMVal",      "tbx4ptE2",     "tbxNumer",     "tbxDenom",         "tbxFOPE2",
    "tbxFOPP2Feet", "tbxFOPP2Ohms",
};

const std::vector<QString> HostileTexts = {
    "",
    "0",
    "-0",
    "1E308",
    "-1E308",
    "1E999",
    "-1E999",
    "1E-999",
    "4E-324",
    "3.5E38",
    "-3.5E38",
    "1E39",
    "32767",
    "32768",
    "-32769",
    "99999999999",
    "&H",
    "&HFFFFFFFFFFFFFFFFFFFFFFFF",
    "&O7777777777777777777777777777",
    "&H8000",
    "NaN",
    "inf",
    "-Infinity",
    "0000+",
    "err",
    "00",
    "-1000",
    "1000",
    ".",
    "-",
    "E",
    "1E",
    "1,5",
    " 1 2 3 ",
    "\t\n",
    QString::fromUtf8("\xd9\xa3"),
    QString::fromUtf8("\xe2\x80\x8b"
                      "5"),
    QString(4000, QChar('9')),
    "0." + QString(4000, QChar('0')) + "1",
};

QString RandomText(QRandomGenerator& random) {
    static const QString alphabet = QStringLiteral("0123456789.-+eE&HhOo, \tnaifNAIF%$#");
    QString text;
    const int length = static_cast<int>(random.bounded(12));
    for (int i = 0; i < length; ++i) {
        text.append(alphabet.at(static_cast<int>(random.bounded(alphabet.size()))));
    }
    return text;
}

void ExpectNoNonNumber(const QString& shown, const QString& where, const QString& typed) {
    EXPECT_FALSE(ShowsNonNumber(shown)) << where.toStdString() << " shows \"" << shown.toStdString()
                                        << "\" after \"" << typed.left(40).toStdString() << "\"";
}

void ExpectEveryLabelIsANumberOrEmpty(MainWindowDriver& form, const QString& typed) {
    for (QLabel* label : form.Window().findChildren<QLabel*>()) {
        ExpectNoNonNumber(label->text(), label->objectName(), typed);
    }
}

// The read-outs that, once shown, always hold a number: the 62% distance is
// always a number and the fraction shows "?" rather than nothing. The
// four-point labels and the design results may rightly go empty (no E2, a
// reading at or below zero); which ones do is the calculation's test.
void ShowTheReadOuts(MainWindowDriver& form) {
    form.Type("tbx4ptE2", "50");
    form.Type("tbxMVal", "10");
    form.Type("tbxFOPE2", "50");
}

void ExpectTheReadOutsHoldANumber(MainWindowDriver& form, const QString& typed) {
    for (const auto& [name, emptyAllowed] :
         {std::pair{"lbP1", true}, std::pair{"lbP2", true}, std::pair{"lbEarthRes", true},
          std::pair{"lb62Pct", false}, std::pair{"lbResult", false}}) {
        const QString mismatch = ReadOutMismatch(form.Window(), ReadOutOf(name), emptyAllowed);
        EXPECT_TRUE(mismatch.isEmpty())
            << mismatch.toStdString() << " after \"" << typed.left(40).toStdString() << "\"";
    }
}

TEST(HostileFields, NoTextInAnyFieldMakesALabelShowANonNumber) {
    MainWindowDriver form;
    form.SelectTab(5);
    ShowTheReadOuts(form);
    for (const char* field : Fields) {
        for (const QString& text : HostileTexts) {
            form.Field(field)->setText(text);
            ExpectEveryLabelIsANumberOrEmpty(form, text);
            ExpectTheReadOutsHoldANumber(form, text);
        }
    }
}

TEST(HostileFields, WireBoxesWrittenByTheWindowStayReadable) {
    MainWindowDriver form;
    form.SelectTab(2);
    for (const QString& text : HostileTexts) {
        form.Field("tbxWireDia")->setText(text);
        ExpectNoNonNumber(form.Text("tbxWireAWG"), "tbxWireAWG", text);
    }
    form.Click("WireSize_1");
    for (const QString& text : HostileTexts) {
        form.Field("tbxWireAWG")->setText(text);
        ExpectNoNonNumber(form.Text("tbxWireDia"), "tbxWireDia", text);
        EXPECT_FALSE(form.Text("tbxWireDia").isEmpty()) << text.left(40).toStdString();
    }
}

TEST(HostileFields, RandomKeystrokesNeverBreakTheWindow) {
    MainWindowDriver form;
    form.SelectTab(5);
    ShowTheReadOuts(form);
    QRandomGenerator random(20240611);
    for (int round = 0; round < 400; ++round) {
        const char* field = Fields.at(random.bounded(static_cast<int>(Fields.size())));
        const QString text = RandomText(random);
        form.Type(field, text);
        ExpectEveryLabelIsANumberOrEmpty(form, text);
        ExpectTheReadOutsHoldANumber(form, text);
    }
}

TEST(HostileFields, HostilePointsNeverShowANonNumber) {
    MainWindowDriver form;
    form.SelectTab(5);
    QScrollBar* scroll = form.Window().findChild<QScrollBar*>("HScroll1");
    form.Type("tbxFOPE2", "1E308");
    form.Click("cmdFOPClear");
    for (const QString& feet : HostileTexts) {
        for (const QString& ohms : {QString("1E308"), QString("4E-324"), QString("&HFFFF")}) {
            form.Field("tbxFOPP2Feet")->setText(feet);
            form.Field("tbxFOPP2Ohms")->setText(ohms);
            const int before = form.Window().Work().Fop().PointCount();
            form.Click("cmdFOPAdd");
            if (form.Window().Work().Fop().PointCount() != before) {
                for (const char* box : {"tbxFOPP2Feet", "tbxFOPP2Ohms"}) {
                    ExpectNoNonNumber(form.Text(box), box, feet);
                }
            }
            ExpectEveryLabelIsANumberOrEmpty(form, feet);
        }
    }
    const int count = form.Window().Work().Fop().PointCount();
    EXPECT_GT(count, 0);
    for (int value = count; value >= 0; value -= 3) {
        scroll->setValue(value);
        form.Click("cmdFOPRemove");
        ExpectEveryLabelIsANumberOrEmpty(form, "remove");
    }
    form.Click("cmdFOPClear");
    EXPECT_EQ(form.Text("lbPoint"), "Point 0 of 0");
}

} // namespace
