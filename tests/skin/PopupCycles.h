#pragma once
// Popup menus opened and closed many times over: nothing of them may stay.

#include "framework/graphics/GdiObjects.h"
#include "skin/engine/SkinManage.h"
#include "skin/menus/WinSkinPopMenu.h"
#include "framework/forms/MessagePump.h"
#include "tests/support/TestSupport.h"

#include <gtest/gtest.h>

#include <functional>

namespace tandrel::test {

// Runs `cycle` (one popup opened and closed; true when it showed skinned)
// once, lets what earlier tests left for the manager's clean-up go, once
// more, then `count` times: every one must show, and no GDI object and no
// popup object may be left.
// The skinned popup object of the visible popup window, when its items
// have been drawn (it knows its menu) and its background is composed.
inline TWinSkinPopMenu* PaintedPopup()
{
    for (const auto& popup : SkinManager->SkinnedPopups())
        if (IsWindowVisible(popup->Handle()) && popup->Menu() && popup->Background())
            return popup.get();
    return nullptr;
}

// Runs `action` inside the menu loop once the popup is painted (or gives up
// after about five seconds and closes the menu).
inline void WhenPainted(std::function<void(TWinSkinPopMenu*)> action, int tries = 500)
{
    RunSoon(
        [action = std::move(action), tries] {
            TWinSkinPopMenu* popup = PaintedPopup();
            if (popup || tries <= 0) {
                // Wine puts the window's surface on the screen when the thread waits.
                MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
                action(popup);
                return;
            }
            WhenPainted(action, tries - 1);
        },
        10);
}

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
