#pragma once

#include <cstdint>

namespace stakewell::work {

// The parts of the work a change touched, so that each view shows afresh
// only what it shows.
enum class Aspect : std::uint8_t {
    // An input text or a wire choice, and with them the results.
    Design = 1U << 0U,
    // The fall-of-potential readings or the reading selected.
    Readings = 1U << 1U,
    // The E2 distance of the fall-of-potential test.
    E2 = 1U << 2U,
    Soil = 1U << 3U,
    Site = 1U << 4U,
    // The unit system, with every length converted to it.
    Units = 1U << 5U,
    // The two-layer soil the design and the test are also read in: typed,
    // or the survey's fit, which a change of the survey may change.
    SoilModel = 1U << 6U,
};

class Aspects {
public:
    constexpr Aspects() = default;
    constexpr Aspects(Aspect aspect) : bits(static_cast<std::uint8_t>(aspect)) {} // NOLINT
    constexpr bool Has(Aspect aspect) const {
        return (bits & static_cast<std::uint8_t>(aspect)) != 0;
    }
    constexpr bool HasAny(Aspects other) const { return (bits & other.bits) != 0; }
    constexpr Aspects operator|(Aspects other) const { return Aspects(bits | other.bits); }
    friend constexpr bool operator==(Aspects, Aspects) = default;

    static constexpr Aspects All() { return Aspects(0x7F); }

private:
    constexpr explicit Aspects(unsigned value) : bits(static_cast<std::uint8_t>(value)) {}
    std::uint8_t bits = 0;
};

constexpr Aspects operator|(Aspect one, Aspect other) {
    return Aspects(one) | Aspects(other);
}

} // namespace stakewell::work
