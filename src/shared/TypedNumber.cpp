#include "shared/TypedNumber.h"

#include "shared/NumberReading.h"
#include "shared/TextForm.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <regex>

namespace stakewell::shared {
namespace {

struct LengthUnit {
    std::string_view name;
    double millimetres;
};

// Millimetres are the common measure because each unit is an exact decimal
// number of them, so converting between any two rounds once.
constexpr std::array<LengthUnit, 5> LengthUnits{{
    {"mm", 1.0},
    {"cm", 10.0},
    {"m", 1000.0},
    {"in", 25.4},
    {"ft", 304.8},
}};

double BoxMillimetres(const TypedContext& context) {
    const bool metric = context.units == UnitSystem::Metric;
    if (context.measure == Measure::Length) {
        return metric ? 1000.0 : 304.8;
    }
    return metric ? 1.0 : 25.4;
}

// The blanks the number reading itself skips.
std::string_view Trimmed(std::string_view text) {
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\n'; };
    while (!text.empty() && blank(text.front())) {
        text.remove_prefix(1);
    }
    while (!text.empty() && blank(text.back())) {
        text.remove_suffix(1);
    }
    return text;
}

// The unit a text ends with, and the number before it.
std::optional<std::pair<std::string_view, const LengthUnit*>> SplitUnit(std::string_view text) {
    std::size_t letters = text.size();
    while (letters > 0 && std::isalpha(static_cast<unsigned char>(text[letters - 1])) != 0) {
        --letters;
    }
    std::string word(text.substr(letters));
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    const auto* unit = std::find_if(LengthUnits.begin(), LengthUnits.end(),
                                    [&](const LengthUnit& u) { return u.name == word; });
    const std::string_view number = Trimmed(text.substr(0, letters));
    // "&HFF" is hexadecimal, whose digits run on into a unit's letters.
    if (unit == LengthUnits.end() || number.empty() || number.find('&') != std::string_view::npos) {
        return std::nullopt;
    }
    return std::pair{number, unit};
}

// A comma made a decimal point, or why the text cannot be read one way only:
// "1,000" is a thousand written with a separator as readily as it is one.
TypedNumber WithDecimalPoint(std::string_view typed) {
    std::string text(typed);
    const auto commas = std::count(text.begin(), text.end(), ',');
    if (commas == 0) {
        return {text, {}, {}};
    }
    const std::string quoted = "\"" + std::string(Trimmed(typed)) + "\"";
    if (commas > 1 || text.find('.') != std::string::npos) {
        return {{},
                quoted + " could be read more than one way: write it with one decimal mark and "
                         "no thousands separator.",
                {}};
    }
    static const std::regex grouped(R"([ \t\n]*[+-]?[1-9][0-9]{0,2},[0-9]{3}[ \t\n]*)");
    std::string pointed = text;
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    if (std::regex_match(text, grouped)) {
        std::string thousands = text;
        thousands.erase(std::remove(thousands.begin(), thousands.end(), ','), thousands.end());
        return {{},
                quoted + " could be read as " + DoubleText(ReadNumber(pointed)) + " or as " +
                    std::string(Trimmed(thousands)) + ": write " + std::string(Trimmed(pointed)) +
                    " or " + std::string(Trimmed(thousands)) + ".",
                {}};
    }
    return {pointed, {}, {}};
}

} // namespace

TypedNumber ReadTyped(std::string_view typed, const TypedContext& context) {
    if (context.measure) {
        if (const auto split = SplitUnit(Trimmed(typed))) {
            const auto [numberText, unit] = *split;
            TypedNumber number = context.decimalComma
                                     ? WithDecimalPoint(numberText)
                                     : TypedNumber{std::string(numberText), {}, {}};
            const NumberRead read = ReadLeadingNumber(number.text);
            if (!number.refusal.empty()) {
                return number;
            }
            if (read.anyDigit && read.readInFull && !read.blanksInside) {
                const double box = BoxMillimetres(context);
                const double value =
                    unit->millimetres == box ? read.value : read.value * unit->millimetres / box;
                TypedNumber converted{ExactText(value), {}, {}};
                if (unit->millimetres != box) {
                    converted.conversion = "Read as " + ConvertedText(value) + " " +
                                           UnitSymbol(*context.measure, context.units) +
                                           ": converted from " + std::string(numberText) + " " +
                                           std::string(unit->name) + ".";
                }
                return converted;
            }
        }
    }
    if (context.decimalComma) {
        return WithDecimalPoint(typed);
    }
    return {std::string(typed), {}, {}};
}

} // namespace stakewell::shared
