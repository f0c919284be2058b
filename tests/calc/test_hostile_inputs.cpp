#include "DesignTexts.h"

#include "calc/WireGauge.h"
#include "shared/DisplayPattern.h"
#include "shared/NumberReading.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <random>
#include <regex>

namespace {

using modStakewell::RecalcInputs;
using modStakewell::RecalcLabels;

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

void ExpectMatches(const std::string& text, const std::regex& shape, const char* label) {
    EXPECT_TRUE(text.empty() || std::regex_match(text, shape)) << label << ": \"" << text << '"';
}

TEST(HostileInputs, RecalculateOnlyShowsTextsItsPatternsCanProduce) {
    const std::regex ohms(R"(-?[0-9]+\.[0-9]{3})");
    const std::regex feet(R"(-?[0-9]+\.[0-9]{2})");
    const std::regex position(R"(P[12] = -?[0-9]*\.[0-9])");
    const std::regex resistivity(R"(-?[0-9]{1,3}(,[0-9]{3})*\.[0-9]{2})");
    HostileTexts texts(2024);
    RecalcLabels labels;
    for (int i = 0; i < 5000; ++i) {
        const RecalcInputs in{texts.Next(), texts.Next(), texts.Next(), texts.Next(), texts.Next(),
                              texts.Next(), texts.Next(), texts.Next(), texts.Next()};
        modStakewell::Recalculate(in, labels);
        const auto design = DesignLabelTexts(labels);
        for (std::size_t k = 0; k < design.size(); ++k) {
            const bool isSpacing = k == 1 || k == 6;
            ExpectMatches(design[k], isSpacing ? feet : ohms, "design label");
        }
        ExpectMatches(labels.lbP1, position, "lbP1");
        ExpectMatches(labels.lbP2, position, "lbP2");
        ExpectMatches(labels.lbEarthRes, resistivity, "lbEarthRes");
        if (HasFailure()) {
            FAIL() << "inputs: " << in.tbxEarthRes << " | " << in.tbxElectLen << " | "
                   << in.tbxElectDia << " | " << in.tbxNumElect << " | " << in.tbxWireLen << " | "
                   << in.tbxWireDia << " | " << in.tbxWireDepth;
        }
    }
}

TEST(HostileInputs, GaugeConversionsAlwaysAnswer) {
    const std::regex gauge(R"(err|0000\+|0000|000|00|[0-9]+)");
    HostileTexts texts(7);
    for (int i = 0; i < 5000; ++i) {
        const std::string text = texts.Next();
        const float diameter = modStakewell::GaugeToDiameter(text);
        EXPECT_TRUE(diameter >= 0.0F && diameter <= FLT_MAX) << text;
        const std::string shown = modStakewell::FormatPattern(diameter, "0.0000");
        EXPECT_TRUE(std::regex_match(shown, std::regex(R"([0-9]+\.[0-9]{4})"))) << text;
        const std::string back = modStakewell::DiameterToGauge(modStakewell::ReadNumber(text));
        EXPECT_TRUE(std::regex_match(back, gauge)) << text << " -> " << back;
    }
}

} // namespace
