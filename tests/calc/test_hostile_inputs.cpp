#include "CaseName.h"
#include "DesignTexts.h"

#include "calc/WireGauge.h"
#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <ostream>
#include <random>
#include <regex>
#include <set>

namespace {

using stakewell::calc::SheetInput;
using stakewell::calc::SheetInputs;
using stakewell::calc::SheetResult;
using stakewell::calc::SheetResults;

// Texts a user or a damaged file could put into a field.
class HostileTexts {
public:
    explicit HostileTexts(unsigned seed) : random_(seed) {}

    std::string Next() {
        static const std::vector<std::string> pieces = {
            "",         " ",      "\t",    "\n",  "0",     "1",     "7",      "9",      ".",
            "-",        "+",      "E",     "e",   "E+",    "E-",    "308",    "39",     "38",
            "999",      ",",      "5",     "&H",  "&O",    "FF",    "7777",   "abc",    "%",
            "1E38",     "3.4E38", "1E-45", "-0",  "32767", "32768", "-32769", "0.1019", "1,5",
            "\xc3\xa9", "\xff",   "NaN",   "inf", "1E999", "-1E999"};
        std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
        std::uniform_int_distribution<int> length(0, 6);
        std::string text;
        for (int i = length(random_); i > 0; --i) {
            text += pieces[pick(random_)];
        }
        return text;
    }

private:
    std::mt19937 random_;
};

// The shapes of the texts the labels' display patterns produce.
const std::regex ohms(R"(-?[0-9]+\.[0-9]{3})");
const std::regex feet(R"(-?[0-9]+\.[0-9]{2})");
const std::regex position(R"(P[12] = -?[0-9]*\.[0-9])");
const std::regex resistivity(R"(-?[0-9]{1,3}(,[0-9]{3})*\.[0-9]{2})");

const std::regex& DesignShape(std::size_t label) {
    const bool isSpacing = label == 1 || label == 6;
    return isSpacing ? feet : ohms;
}

void ExpectMatches(const std::string& text, const std::regex& shape, const char* label) {
    EXPECT_TRUE(text.empty() || std::regex_match(text, shape)) << label << ": \"" << text << '"';
}

void ExpectNumber(const std::string& text, const std::regex& shape, const char* label) {
    EXPECT_TRUE(std::regex_match(text, shape)) << label << ": \"" << text << '"';
}

SheetInputs WorkedInputs() {
    return SheetInputs{{"100", "10", "0.625", "4", "60", "0.1019", "2.5", "10", "50"}};
}

TEST(HostileInputs, RecalculateOnlyShowsTextsItsPatternsCanProduce) {
    HostileTexts texts(2024);
    SheetResults labels;
    stakewell::calc::ComputeSheet(WorkedInputs(), labels);
    for (int i = 0; i < 5000; ++i) {
        const SheetInputs in{texts.Next(), texts.Next(), texts.Next(), texts.Next(), texts.Next(),
                             texts.Next(), texts.Next(), texts.Next(), texts.Next()};
        stakewell::calc::ComputeSheet(in, labels);
        const auto design = DesignLabelTexts(labels);
        for (std::size_t k = 0; k < design.size(); ++k) {
            ExpectMatches(design[k], DesignShape(k), DesignLabelNames[k]);
        }
        ExpectMatches(labels[SheetResult::ProbeP1], position, "lbP1");
        ExpectMatches(labels[SheetResult::ProbeP2], position, "lbP2");
        ExpectMatches(labels[SheetResult::FourPointResistivity], resistivity, "lbEarthRes");
        if (HasFailure()) {
            FAIL() << "inputs: " << in[SheetInput::EarthResistivity] << " | "
                   << in[SheetInput::ElectrodeLength] << " | " << in[SheetInput::ElectrodeDiameter]
                   << " | " << in[SheetInput::ElectrodeCount] << " | " << in[SheetInput::WireLength]
                   << " | " << in[SheetInput::WireDiameter] << " | " << in[SheetInput::WireDepth]
                   << " | " << in[SheetInput::FourPointE2] << " | "
                   << in[SheetInput::FourPointOhms];
        }
    }
}

// One unusable text among worked inputs. Exactly the results that rest on it,
// or on a step it makes fail, show an empty label; every other label shows a
// number, and the four-point labels keep their last text on an overflow.
struct OneFieldCase {
    const char* fieldName;
    SheetInput field;
    const char* text;
    std::set<std::string> empty;
};

void PrintTo(const OneFieldCase& c, std::ostream* os) {
    *os << c.fieldName << " = " << ::testing::PrintToString(std::string(c.text));
}

class OneHostileFieldTest : public ::testing::TestWithParam<OneFieldCase> {};

TEST_P(OneHostileFieldTest, EmptiesExactlyTheStepsThatFail) {
    const OneFieldCase& c = GetParam();
    SheetResults labels;
    stakewell::calc::ComputeSheet(WorkedInputs(), labels);
    SheetInputs in = WorkedInputs();
    in[c.field] = c.text;
    stakewell::calc::ComputeSheet(in, labels);
    const auto design = DesignLabelTexts(labels);
    for (std::size_t k = 0; k < design.size(); ++k) {
        if (c.empty.contains(DesignLabelNames[k])) {
            EXPECT_EQ(design[k], "") << DesignLabelNames[k];
        } else {
            ExpectNumber(design[k], DesignShape(k), DesignLabelNames[k]);
        }
    }
    ExpectNumber(labels[SheetResult::ProbeP1], position, "lbP1");
    ExpectNumber(labels[SheetResult::ProbeP2], position, "lbP2");
    ExpectNumber(labels[SheetResult::FourPointResistivity], resistivity, "lbEarthRes");
}

INSTANTIATE_TEST_SUITE_P(
    Table, OneHostileFieldTest,
    ::testing::Values(OneFieldCase{"tbxEarthRes",
                                   SheetInput::EarthResistivity,
                                   "1E999",
                                   {"lbOneElectRes", "lbLinearElect", "lbLinearWire",
                                    "LbLinearMutual", "lbLinearTotal", "lbRectElect", "lbRectWire",
                                    "lbRectMutual", "lbRectTotal"}},
                      OneFieldCase{"tbxElectLen",
                                   SheetInput::ElectrodeLength,
                                   "0",
                                   {"lbOneElectRes", "lbLinearElect", "LbLinearMutual",
                                    "lbLinearTotal", "lbRectElect", "lbRectMutual", "lbRectTotal"}},
                      OneFieldCase{"tbxElectDia",
                                   SheetInput::ElectrodeDiameter,
                                   "0",
                                   {"lbOneElectRes", "lbLinearElect", "lbLinearTotal",
                                    "lbRectElect", "lbRectTotal"}},
                      OneFieldCase{"tbxElectDia",
                                   SheetInput::ElectrodeDiameter,
                                   "abc",
                                   {"lbOneElectRes", "lbLinearElect", "lbLinearTotal",
                                    "lbRectElect", "lbRectTotal"}},
                      OneFieldCase{"tbxNumElect",
                                   SheetInput::ElectrodeCount,
                                   "0",
                                   {"lbLinearSpace", "lbLinearElect", "lbLinearTotal",
                                    "lbRectSpace", "lbRectElect", "lbRectTotal"}},
                      OneFieldCase{"tbxNumElect", SheetInput::ElectrodeCount, "32768", {}},
                      OneFieldCase{"tbxWireLen",
                                   SheetInput::WireLength,
                                   "0",
                                   {"lbLinearSpace", "lbLinearElect", "lbLinearWire",
                                    "LbLinearMutual", "lbLinearTotal", "lbRectSpace", "lbRectElect",
                                    "lbRectWire", "lbRectMutual", "lbRectTotal"}},
                      OneFieldCase{"tbxWireDia",
                                   SheetInput::WireDiameter,
                                   "0",
                                   {"lbLinearWire", "lbLinearTotal", "lbRectWire", "lbRectTotal"}},
                      OneFieldCase{"tbxWireDepth",
                                   SheetInput::WireDepth,
                                   "-5",
                                   {"lbLinearWire", "lbLinearTotal", "lbRectWire", "lbRectTotal"}},
                      OneFieldCase{"tbx4ptE2", SheetInput::FourPointE2, "1E999", {}},
                      OneFieldCase{"tbxMVal", SheetInput::FourPointOhms, "1E999", {}}),
    [](const auto& info) {
        return CaseName(info.index, {info.param.fieldName, info.param.text});
    });

TEST(HostileInputs, GaugeConversionsAlwaysAnswer) {
    const std::regex gauge(R"(err|0000\+|0000|000|00|[0-9]+)");
    HostileTexts texts(7);
    for (int i = 0; i < 5000; ++i) {
        const std::string text = texts.Next();
        const float diameter = stakewell::calc::GaugeToDiameter(text);
        EXPECT_TRUE(diameter >= 0.0F && diameter <= FLT_MAX) << text;
        const std::string shown = stakewell::shared::FormatPattern(diameter, "0.0000");
        EXPECT_TRUE(std::regex_match(shown, std::regex(R"([0-9]+\.[0-9]{4})"))) << text;
        const std::string back =
            stakewell::calc::DiameterToGauge(stakewell::shared::ReadNumber(text));
        EXPECT_TRUE(std::regex_match(back, gauge)) << text << " -> " << back;
    }
}

} // namespace
