#pragma once

namespace stakewell::shared {

// A double narrowed to single precision as the hardware narrows it: rounded
// to nearest, a magnitude beyond the single range becoming an infinity of its
// sign, NaN staying NaN. Every value the program holds in single precision
// goes through here, so that no conversion relies on behaviour the language
// leaves undefined.
float ToSingle(double value);

} // namespace stakewell::shared
