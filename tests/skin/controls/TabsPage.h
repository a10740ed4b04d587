#pragma once
// A bench page holding every tab, bar and header control the skinners of
// tabs and status bars take, with content: what the dispatch tests, the
// leak cycles, the screenshot and the benchmark share.

#include "framework/controls/HeaderControl.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabSet.h"
#include "framework/controls/ToolBar.h"
#include "framework/forms/Forms.h"

namespace tandrel::test {

struct TTabsPage {
    TToolBar* Tools = nullptr;
    TTabControl* Top = nullptr;
    TTabControl* Bottom = nullptr;
    TTabControl* Left = nullptr;
    TTabControl* Right = nullptr;
    TPageControl* Pages = nullptr;
    TTabSheet* Sheets[3] {};
    TTabControl* Overflowing = nullptr;
    TTabSet* TabSet = nullptr;
    THeaderControl* Header = nullptr;
    TStatusBar* Status = nullptr;
};

// Fills a form of at least 640 x 420 client pixels.
TTabsPage BuildTabsPage(TCustomForm& form);

} // namespace tandrel::test
