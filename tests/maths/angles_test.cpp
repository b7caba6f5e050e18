// Rounding and whole degrees as every computation and picture takes them.
#include <gtest/gtest.h>

#include <limits>

#include "maths/angles.h"

TEST(Nearest, HalvesGoToTheEvenNeighbour)
{
    EXPECT_EQ(nearest(0.5L), 0);
    EXPECT_EQ(nearest(1.5L), 2);
    EXPECT_EQ(nearest(2.5L), 2);
    EXPECT_EQ(nearest(-0.5L), 0);
    EXPECT_EQ(nearest(-1.5L), -2);
    EXPECT_EQ(nearest(2.4999L), 2);
    EXPECT_EQ(nearest(1e30L), std::numeric_limits<int>::max());
    EXPECT_EQ(nearest(-1e30L), std::numeric_limits<int>::min());
    EXPECT_EQ(nearest(std::numeric_limits<long double>::quiet_NaN()), 0);
    EXPECT_EQ(wholeDegrees(Pi / 6), 30);
    EXPECT_EQ(wholeDegrees(-Pi), -180);
}
