// The contrast ratio against figures the accessibility guidelines publish.

#include "skin/description/SkinContrast.h"

#include <gtest/gtest.h>

using namespace tandrel;

namespace {
constexpr TSkinColour Grey(unsigned v) { return v | v << 8 | v << 16; }
}

TEST(SkinContrast, MatchesTheGuidelinesFigures)
{
    EXPECT_DOUBLE_EQ(SkinContrastRatio(Grey(0), Grey(255)), 21.0);
    EXPECT_DOUBLE_EQ(SkinContrastRatio(Grey(255), Grey(0)), 21.0);
    EXPECT_DOUBLE_EQ(SkinContrastRatio(0x00336699, 0x00336699), 1.0);
    // #767676 is the lightest grey that passes on white, #777777 the first that fails.
    EXPECT_GE(SkinContrastRatio(Grey(0x76), Grey(255)), MinTextContrast);
    EXPECT_LT(SkinContrastRatio(Grey(0x77), Grey(255)), MinTextContrast);
    // Green weighs most, blue least: pure red, green and blue on black.
    EXPECT_NEAR(SkinContrastRatio(0x000000FF, 0), 5.25, 0.01);
    EXPECT_NEAR(SkinContrastRatio(0x0000FF00, 0), 15.3, 0.01);
    EXPECT_NEAR(SkinContrastRatio(0x00FF0000, 0), 2.44, 0.01);
}
