#pragma once
// Popup menus opened and closed many times over: nothing of them may stay.

#include "framework/graphics/GdiObjects.h"
#include "skin/engine/SkinManage.h"
#include "framework/forms/MessagePump.h"

#include <gtest/gtest.h>

#include <functional>

namespace tandrel::test {

// Runs `cycle` (one popup opened and closed; true when it showed skinned)
// once, lets what earlier tests left for the manager's clean-up go, once
// more, then `count` times: every one must show, and no GDI object and no
// popup object may be left.
inline void ExpectPopupCyclesLeaveNothing(const std::function<bool()>& cycle, int count = 1000)
{
    ASSERT_TRUE(cycle());
    ASSERT_TRUE(PumpUntil([] { return !SkinManager->ActionTimerRunning(); }));
    PumpIdle();
    ASSERT_TRUE(cycle());
    long const before = LiveGdiObjects();
    int shown = 0;
    for (int i = 0; i < count; ++i)
        shown += cycle();
    PumpIdle();
    EXPECT_EQ(shown, count);
    EXPECT_EQ(LiveGdiObjects(), before);
    EXPECT_TRUE(SkinManager->SkinnedPopups().empty());
}

} // namespace tandrel::test
