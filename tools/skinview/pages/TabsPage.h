#pragma once
// A sample page holding every tab, bar and header control the skinners of
// tabs and status bars take, with content: a page of the skin previewer, and
// what the dispatch tests and the leak cycles use.

#include "framework/controls/HeaderControl.h"
#include "framework/controls/PageControl.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabSet.h"
#include "framework/controls/ToolBar.h"
#include "framework/forms/Forms.h"

namespace tandrel {

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

// Fills a parent of at least 640 x 420 client pixels (a form, or a page of the
// previewer) with controls that owner owns.
TTabsPage BuildTabsPage(TWinControl& parent, TComponent& owner);
inline TTabsPage BuildTabsPage(TCustomForm& form) { return BuildTabsPage(form, form); }

} // namespace tandrel
