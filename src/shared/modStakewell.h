#pragma once

#include <cstdint>

namespace stakewell::shared {

// Outer placement of the graph window in twips, kept across runs.
struct GraphPlacement {
    std::int32_t GraphTop = 0;
    std::int32_t GraphLeft = 0;
    std::int32_t GraphWidth = 0;
    std::int32_t GraphHeight = 0;
};

} // namespace stakewell::shared
