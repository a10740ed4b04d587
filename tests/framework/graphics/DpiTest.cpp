// The density seam and the one scaling helper everything scales with.

#include "framework/graphics/Dpi.h"
#include "framework/graphics/Icon.h"
#include "framework/graphics/SystemMetrics.h"
#include "tests/support/DpiFigures.h"
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

// The system's fonts and small-icon size at a density are its 96-DPI ones
// grown with it; at the screen's density they are the plain answers.
TEST(SystemMetricsTest, FontsAndIconSizesAtADensity)
{
    NONCLIENTMETRICSW plain {};
    plain.cbSize = sizeof plain;
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof plain, &plain, 0));
    NONCLIENTMETRICSW same {};
    ASSERT_TRUE(NonClientMetricsForDpi(same, ScreenDpi()));
    EXPECT_EQ(same.lfCaptionFont.lfHeight, plain.lfCaptionFont.lfHeight);
    EXPECT_EQ(SystemMetricForDpi(SM_CXSMICON, ScreenDpi()), GetSystemMetrics(SM_CXSMICON));
    EXPECT_EQ(MenuLogFontForDpi(ScreenDpi()).lfHeight, plain.lfMenuFont.lfHeight);
    EXPECT_EQ(MenuLogFontForDpi(ScreenDpi()).lfCharSet, DEFAULT_CHARSET);

    for (int dpi : {120, 144, 192}) {
        NONCLIENTMETRICSW m {};
        ASSERT_TRUE(NonClientMetricsForDpi(m, dpi));
        for (auto [font, at96] : {std::pair {m.lfCaptionFont, plain.lfCaptionFont},
                                  std::pair {m.lfMenuFont, plain.lfMenuFont},
                                  std::pair {m.lfStatusFont, plain.lfStatusFont},
                                  std::pair {m.lfMessageFont, plain.lfMessageFont}})
            EXPECT_NEAR(font.lfHeight, ScaleDpi(at96.lfHeight, dpi, ScreenDpi()), 1) << dpi;
        EXPECT_NEAR(MenuLogFontForDpi(dpi).lfHeight, ScaleDpi(plain.lfMenuFont.lfHeight, dpi, ScreenDpi()), 1);
        EXPECT_EQ(SystemMetricForDpi(SM_CXSMICON, dpi), ScaleDpi(16, dpi, 96) & ~1) << dpi;
    }
}

// An icon made for a size is that size, whatever sizes the file holds.
TEST(SystemMetricsTest, IconsAreMadeAtTheSizeAsked)
{
    TIcon icon;
    icon.LoadFromFile(L"mouse.ico");
    for (int size : {16, 20, 24, 32}) {
        TOwnedIcon made(icon.CreateHandleOfSize(size));
        ASSERT_TRUE(made);
        const SIZE s = IconSizeOf(made.Get());
        EXPECT_EQ(s.cx, size);
        EXPECT_EQ(s.cy, size);
    }
}

} // namespace tandrel::test
