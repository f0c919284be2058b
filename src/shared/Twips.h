#pragma once

#include <cstdint>

namespace stakewell::shared {

// Window positions and sizes are kept in twips, 1/1440 inch: 15 to the pixel
// at 96 dots per inch.
inline constexpr double TwipsPerPixel = 15.0;

// The main window's client area, and the smallest the graph window may be
// below its caption.
inline constexpr int WindowWidthTwips = 5460;
inline constexpr int WindowHeightTwips = 3900;

// Rounded half to even, as every conversion of a stored position is.
int PixelsFromTwips(double twips);
// Held within the 32-bit range a data file can store.
std::int32_t TwipsFromPixels(double pixels);

} // namespace stakewell::shared
