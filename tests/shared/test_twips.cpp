#include "shared/Twips.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using stakewell::shared::PixelsFromTwips;
using stakewell::shared::TwipsFromPixels;

TEST(Twips, RoundHalfToEvenAndStayWithinRange) {
    EXPECT_EQ(PixelsFromTwips(1230), 82);
    EXPECT_EQ(PixelsFromTwips(22.5), 2);
    EXPECT_EQ(PixelsFromTwips(37.5), 2);
    EXPECT_EQ(PixelsFromTwips(-22.5), -2);
    EXPECT_EQ(PixelsFromTwips(1e300), std::numeric_limits<int>::max());
    EXPECT_EQ(PixelsFromTwips(std::nan("")), 0);
    EXPECT_EQ(TwipsFromPixels(82), 1230);
    EXPECT_EQ(TwipsFromPixels(1e9), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(TwipsFromPixels(-1e9), std::numeric_limits<std::int32_t>::min());
}

} // namespace
