// The density seam and the one scaling helper everything scales with.

#include "framework/graphics/Dpi.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <climits>

namespace tandrel::test {

TEST(DpiTest, ScalesFromTheDesignDensityRoundingHalfAwayFromZero)
{
    EXPECT_EQ(ScaleDpi(100, 96), 100);
    EXPECT_EQ(ScaleDpi(100, 120), 125);
    EXPECT_EQ(ScaleDpi(100, 144), 150);
    EXPECT_EQ(ScaleDpi(100, 192), 200);
    EXPECT_EQ(ScaleDpi(15, 120), 19);  // 18.75
    EXPECT_EQ(ScaleDpi(9, 144), 14);   // 13.5 rounds up
    // Font heights are negative: they grow away from zero too.
    EXPECT_EQ(ScaleDpi(-11, 144), -17);
    EXPECT_EQ(ScaleDpi(-13, 120), -16);
    // Back again, as a window moving to a 96-DPI screen does.
    EXPECT_EQ(ScaleDpi(150, 96, 144), 100);
    EXPECT_EQ(ScaleDpi(-1, 192), -2);
}

TEST(DpiTest, AValueThatWouldOverflowStaysAsItIs)
{
    EXPECT_EQ(ScaleDpi(INT_MAX - 10, 192), INT_MAX - 10);
    EXPECT_EQ(ScaleDpi(INT_MIN / 2, 192), INT_MIN / 2); // exactly INT_MIN: MulDiv refuses it
    EXPECT_EQ(ScaleDpi(INT_MAX / 4, 192), INT_MAX / 4 * 2);
    EXPECT_EQ(ScaleDpi(7, 144, 0), 7);
}

TEST(DpiTest, AbsurdDensitiesCountAsTheDesignDensity)
{
    EXPECT_EQ(SaneDpi(0), kDesignDpi);
    EXPECT_EQ(SaneDpi(-144), kDesignDpi);
    EXPECT_EQ(SaneDpi(100000), kDesignDpi);
    EXPECT_EQ(SaneDpi(144), 144);
}

TEST(DpiTest, APinnedDensityHoldsForEveryWindowAndGoesAfterwards)
{
    int const system = WindowDpi(nullptr);
    EXPECT_GE(system, 96);
    HWND const desktop = GetDesktopWindow();
    {
        TPinnedDpi const pinned(144);
        EXPECT_EQ(WindowDpi(nullptr), 144);
        EXPECT_EQ(WindowDpi(desktop), 144);
        {
            TPinnedDpi const nested(0); // a broken source
            EXPECT_EQ(WindowDpi(desktop), kDesignDpi);
        }
        EXPECT_EQ(WindowDpi(desktop), 144);
    }
    EXPECT_EQ(WindowDpi(nullptr), system);
}

} // namespace tandrel::test
