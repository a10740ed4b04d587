// The arithmetic of the spin-button, combo-box and progress-bar skinners:
// button halves and their frames, the combo button on either side, and how
// much of a progress bar is filled.

#include "skin/geometry/SkinEditGeometry.h"

#include <gtest/gtest.h>

#include <climits>

using namespace tandrel;

TEST(SkinEditGeometry, SpinHalvesAndTheButtonUnderTheCursor)
{
    TSpinLayout const v = SpinButtons(17, 31, false, false);
    EXPECT_EQ(v.First, (TSkinRect {0, 0, 17, 15}));
    EXPECT_EQ(v.Second, (TSkinRect {0, 15, 17, 31}));
    EXPECT_EQ(SpinButtonAt(v, 5, 14, false), 0);
    EXPECT_EQ(SpinButtonAt(v, 5, 15, false), 1);

    TSpinLayout const h = SpinButtons(31, 17, false, true);
    EXPECT_EQ(h.First, (TSkinRect {0, 0, 15, 17}));
    EXPECT_EQ(h.Second, (TSkinRect {15, 0, 31, 17}));
    EXPECT_EQ(SpinButtonAt(h, 14, 40, true), 0);
    EXPECT_EQ(SpinButtonAt(h, 15, -3, true), 1);

    // Inset: a pixel of margin all round; the split moves with the buttons,
    // so the row just above it still belongs to the first.
    TSpinLayout const i = SpinButtons(17, 30, true, false);
    EXPECT_EQ(i.First, (TSkinRect {1, 1, 16, 15}));
    EXPECT_EQ(i.Second, (TSkinRect {1, 15, 16, 29}));
    EXPECT_EQ(SpinButtonAt(i, 5, 14, false), 0);
    EXPECT_EQ(SpinButtonAt(i, 5, 15, false), 1);

    // Hostile sizes give empty buttons, never inverted ones.
    TSpinLayout const tiny = SpinButtons(1, -4, true, false);
    EXPECT_TRUE(tiny.First.Empty());
    EXPECT_TRUE(tiny.Second.Empty());
    EXPECT_GE(tiny.Second.Right, tiny.Second.Left);
    EXPECT_GE(tiny.Second.Bottom, tiny.Second.Top);
}

TEST(SkinEditGeometry, SpinStatesAndFrames)
{
    EXPECT_EQ(SpinButtonState(false, true, true), 1);
    EXPECT_EQ(SpinButtonState(true, false, true), 1);
    EXPECT_EQ(SpinButtonState(true, true, true), 2);
    EXPECT_EQ(SpinButtonState(true, true, false), 3);
    // Eight frames: 1..3 for the first button, 5..7 for the second; 4 and 8 never.
    for (int s = 1; s <= 3; ++s) {
        EXPECT_EQ(SpinFrame(0, s, 8), s);
        EXPECT_EQ(SpinFrame(1, s, 8), 4 + s);
    }
    // A strip of four frames serves both buttons.
    EXPECT_EQ(SpinFrame(1, 2, 4), 2);
    EXPECT_EQ(SpinFrame(1, 3, 0), 3);
}

TEST(SkinEditGeometry, ComboButtonOnEitherSide)
{
    TComboLayout const r = ComboLayout(120, 24, 17, TComboButtonSide::cbRight);
    EXPECT_EQ(r.TextField, (TSkinRect {2, 2, 99, 22}));
    EXPECT_EQ(r.Button, (TSkinRect {101, 0, 120, 24}));
    EXPECT_EQ(r.GlyphBox, (TSkinRect {101, 0, 118, 24}));

    TComboLayout const l = ComboLayout(120, 24, 17, TComboButtonSide::cbLeft);
    EXPECT_EQ(l.TextField, (TSkinRect {21, 2, 118, 22}));
    EXPECT_EQ(l.Button, (TSkinRect {0, 0, 19, 24}));
    EXPECT_EQ(l.GlyphBox, (TSkinRect {2, 0, 19, 24}));
    EXPECT_EQ(l.Button.Width(), 17 + 2);

    // The arrow centred in its box, offsets truncated toward zero.
    EXPECT_EQ(CentredIn(r.GlyphBox, 8, 5), (TSkinRect {105, 9, 113, 14}));
    EXPECT_EQ(CentredIn({0, 0, 4, 4}, 7, 7), (TSkinRect {-1, -1, 6, 6}));
}

TEST(SkinEditGeometry, ComboStates)
{
    EXPECT_EQ(ComboState(true, false, false, false), 1);
    EXPECT_EQ(ComboState(true, false, true, true), 2);
    EXPECT_EQ(ComboState(true, false, false, true), 4);
    // Focus shows hot even with the mouse elsewhere; pressing wins over it.
    EXPECT_EQ(ComboState(true, true, false, false), 4);
    EXPECT_EQ(ComboState(true, true, true, false), 2);
    EXPECT_EQ(ComboState(false, true, true, true), 3);
}

TEST(SkinEditGeometry, ProgressFillCountsFromTheLowerLimit)
{
    EXPECT_EQ(ProgressFill(200, 50, 0, 100), 100);
    EXPECT_EQ(ProgressFill(200, 75, 50, 100), 100); // half the range, half the bar
    EXPECT_EQ(ProgressFill(200, 0, 0, 100), 0);
    EXPECT_EQ(ProgressFill(200, 100, 0, 100), 200);
    EXPECT_EQ(ProgressFill(7, 1, 0, 3), 2); // truncated
    // Outside the range: empty or full, never more.
    EXPECT_EQ(ProgressFill(200, -5, 0, 100), 0);
    EXPECT_EQ(ProgressFill(200, 20, 50, 100), 0);
    EXPECT_EQ(ProgressFill(200, 500, 0, 100), 200);
    // Empty or inverted ranges and bars show nothing.
    EXPECT_EQ(ProgressFill(200, 5, 0, 0), 0);
    EXPECT_EQ(ProgressFill(200, 5, 10, 0), 0);
    EXPECT_EQ(ProgressFill(0, 5, 0, 10), 0);
    EXPECT_EQ(ProgressFill(-20, 5, 0, 10), 0);
    // The whole 32-bit range without overflow.
    EXPECT_EQ(ProgressFill(1000, 0, INT_MIN, INT_MAX), 500);
    EXPECT_EQ(ProgressFill(INT_MAX, INT_MAX, INT_MIN, INT_MAX), INT_MAX);
}

TEST(SkinEditGeometry, ProgressBarGrowsFromTheLeftOrTheBottom)
{
    TSkinRect const bar {0, 0, 200, 18};
    EXPECT_EQ(ProgressBarRect(bar, 50, 0, 100, TProgressAxis::paHorizontal), (TSkinRect {0, 0, 100, 18}));
    EXPECT_TRUE(ProgressBarRect(bar, 0, 0, 100, TProgressAxis::paHorizontal).Empty());
    TSkinRect const column {0, 0, 18, 120};
    EXPECT_EQ(ProgressBarRect(column, 25, 0, 100, TProgressAxis::paVertical), (TSkinRect {0, 90, 18, 120}));
    EXPECT_EQ(ProgressBarRect(column, 900, 0, 100, TProgressAxis::paVertical), column);
}

TEST(SkinEditGeometry, ChunksStayInsideTheMargins)
{
    TSkinMargins const m {4, 3, 6, 5};
    // 200 wide less 10 of margins: full runs to the right margin, not into it.
    EXPECT_EQ(ProgressChunkRect({0, 0, 200, 20}, m, 10, 100, 0, 100, TProgressAxis::paHorizontal),
              (TSkinRect {4, 5, 194, 15}));
    EXPECT_EQ(ProgressChunkRect({0, 0, 200, 20}, m, 10, 50, 0, 100, TProgressAxis::paHorizontal),
              (TSkinRect {4, 5, 99, 15}));
    // Vertical: up from the bottom margin, centred across.
    EXPECT_EQ(ProgressChunkRect({0, 0, 20, 108}, m, 8, 50, 0, 100, TProgressAxis::paVertical),
              (TSkinRect {6, 53, 14, 103}));
    // A hostile chunk taller than the bar is cut to the bar.
    EXPECT_EQ(ProgressChunkRect({0, 0, 200, 20}, m, 100000, 100, 0, 100, TProgressAxis::paHorizontal),
              (TSkinRect {4, 0, 194, 20}));
    // Margins wider than the bar leave nothing to fill.
    EXPECT_TRUE(ProgressChunkRect({0, 0, 8, 20}, m, 10, 100, 0, 100, TProgressAxis::paHorizontal).Empty());
}
