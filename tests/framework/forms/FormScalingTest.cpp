// Forms laid out at 96 pixels per inch, made and moved at other densities:
// bounds, fonts and client sizes follow the density; at 96 nothing moves.

#include "framework/controls/Button.h"
#include "framework/controls/Edit.h"
#include "framework/controls/HeaderControl.h"
#include "framework/controls/Label.h"
#include "framework/controls/ListView.h"
#include "framework/controls/Panel.h"
#include "framework/controls/StatusBar.h"
#include "framework/controls/TabControl.h"
#include "framework/controls/TrackBar.h"
#include "framework/forms/Forms.h"
#include "tests/support/TestSupport.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

namespace tandrel::test {

namespace {

// A panel holding a button and an edit that meet edge to edge, a label with
// a font of its own; the form's font is the default one.
constexpr const char* kLaidOut = R"({
  "class": "TScaledForm", "name": "ScaledForm",
  "Left": 100, "Top": 80, "Width": 400, "Height": 300, "Caption": "Scaled",
  "Font": { "Height": -11, "Name": "MS Sans Serif" },
  "components": [
    { "class": "TPanel", "name": "Panel1", "Left": 10, "Top": 10, "Width": 201, "Height": 101,
      "components": [
        { "class": "TButton", "name": "Button1", "Left": 7, "Top": 9, "Width": 75, "Height": 25, "Caption": "OK" },
        { "class": "TEdit", "name": "Edit1", "Left": 82, "Top": 9, "Width": 75, "Height": 21 } ] },
    { "class": "TLabel", "name": "Label1", "Left": 13, "Top": 131, "Width": 117, "Height": 19, "AutoSize": false,
      "Caption": "Label", "Font": { "Height": -13, "Name": "MS Sans Serif" } } ] })";

constexpr const char* kClientSized = R"({
  "class": "TScaledForm", "name": "ClientSized", "Left": 50, "Top": 50,
  "ClientWidth": 300, "ClientHeight": 200, "BorderStyle": "bsSingle" })";

constexpr const char* kSystemSized = R"({
  "class": "TScaledForm", "name": "SystemSized", "Left": 50, "Top": 50, "Width": 400, "Height": 300,
  "components": [
    { "class": "TTabControl", "name": "Tabs", "Left": 8, "Top": 8, "Width": 300, "Height": 80 },
    { "class": "TTrackBar", "name": "Track", "Left": 8, "Top": 100, "Width": 200, "Height": 45 } ] })";

class TScaledForm : public TForm {
public:
    const char* ClassName() const override { return "TScaledForm"; }
    static const char* s_definition;

protected:
    friend class TCustomForm;
    explicit TScaledForm(TComponent* owner) : TForm(owner) {}
    std::string_view StoredDefinition() const override { return s_definition; }
};
const char* TScaledForm::s_definition = kLaidOut;

std::unique_ptr<TScaledForm> MakeForm(const char* definition)
{
    TScaledForm::s_definition = definition;
    return std::unique_ptr<TScaledForm>(TCustomForm::Create<TScaledForm>(nullptr));
}

template <class T>
T& Child(TComponent& form, const char* name)
{
    auto* c = dynamic_cast<T*>(form.FindComponent(name));
    EXPECT_NE(c, nullptr) << name;
    return *c;
}

// Within 2 pixels per 100 of the 96-DPI length times dpi / 96 (and within
// one pixel for short lengths, which round).
void ExpectScaled(int actual, int at96, int dpi, const char* what)
{
    double const wanted = at96 * dpi / 96.0;
    double const slack = std::max(1.0, std::abs(wanted) * 0.02);
    EXPECT_LE(std::abs(actual - wanted), slack) << what << " at " << dpi << ": " << actual << " for " << wanted;
}

struct TLayout {
    RECT Form, Panel, Button, Edit, Label;
    int FormFont, ButtonFont, LabelFont;
};

TLayout LayoutOf(TScaledForm& form)
{
    return {form.BoundsRect(),
            Child<TPanel>(form, "Panel1").BoundsRect(),
            Child<TButton>(form, "Button1").BoundsRect(),
            Child<TEdit>(form, "Edit1").BoundsRect(),
            Child<TLabel>(form, "Label1").BoundsRect(),
            form.Font().Height(),
            Child<TButton>(form, "Button1").Font().Height(),
            Child<TLabel>(form, "Label1").Font().Height()};
}

void ExpectScaledRect(const RECT& actual, const RECT& at96, int dpi, const char* what)
{
    ExpectScaled(actual.left, at96.left, dpi, what);
    ExpectScaled(actual.top, at96.top, dpi, what);
    ExpectScaled(actual.right - actual.left, at96.right - at96.left, dpi, what);
    ExpectScaled(actual.bottom - actual.top, at96.bottom - at96.top, dpi, what);
}

void ExpectScaledLayout(const TLayout& actual, const TLayout& at96, int dpi)
{
    ExpectScaledRect(actual.Form, at96.Form, dpi, "form");
    ExpectScaledRect(actual.Panel, at96.Panel, dpi, "panel");
    ExpectScaledRect(actual.Button, at96.Button, dpi, "button");
    ExpectScaledRect(actual.Edit, at96.Edit, dpi, "edit");
    ExpectScaledRect(actual.Label, at96.Label, dpi, "label");
    ExpectScaled(actual.FormFont, at96.FormFont, dpi, "form font");
    ExpectScaled(actual.LabelFont, at96.LabelFont, dpi, "label font");
    // The button follows the form's font, scaled once, not twice.
    EXPECT_EQ(actual.ButtonFont, actual.FormFont);
    // Controls that met at 96 still meet.
    EXPECT_EQ(actual.Button.right, actual.Edit.left);
}

const TLayout kAt96 {{100, 80, 500, 380}, {10, 10, 211, 111}, {7, 9, 82, 34}, {82, 9, 157, 30},
                     {13, 131, 130, 150}, -11, -11, -13};

bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }

// Everything where the stored layout has it, to the pixel.
void ExpectAsStored(const TLayout& layout)
{
    EXPECT_TRUE(SameRect(layout.Form, kAt96.Form));
    EXPECT_TRUE(SameRect(layout.Panel, kAt96.Panel));
    EXPECT_TRUE(SameRect(layout.Button, kAt96.Button));
    EXPECT_TRUE(SameRect(layout.Edit, kAt96.Edit));
    EXPECT_TRUE(SameRect(layout.Label, kAt96.Label));
    EXPECT_EQ(layout.FormFont, -11);
    EXPECT_EQ(layout.LabelFont, -13);
}

} // namespace

TEST(FormScalingTest, AtNinetySixDpiTheStoredLayoutStandsToThePixel)
{
    TPinnedDpi const dpi(96);
    auto form = MakeForm(kLaidOut);
    ExpectAsStored(LayoutOf(*form));
    EXPECT_EQ(form->PixelsPerInch(), 96);
}

TEST(FormScalingTest, AStoredLayoutIsScaledToTheDensityItIsMadeAt)
{
    for (int const dpi : {120, 144, 192}) {
        TPinnedDpi const pinned(dpi);
        auto form = MakeForm(kLaidOut);
        EXPECT_EQ(form->PixelsPerInch(), dpi);
        ExpectScaledLayout(LayoutOf(*form), kAt96, dpi);
        // The window is made at the scaled size.
        form->HandleNeeded();
        RECT window {};
        GetWindowRect(form->Handle(), &window);
        ExpectScaledRect(window, kAt96.Form, dpi, "window");
        TLayout const scaled = LayoutOf(*form);
        RecordProperty("at" + std::to_string(dpi),
                       std::to_string(window.right - window.left) + "x" + std::to_string(window.bottom - window.top) +
                           " label " + std::to_string(scaled.Label.right - scaled.Label.left) + "x" +
                           std::to_string(scaled.Label.bottom - scaled.Label.top) + " font " +
                           std::to_string(scaled.LabelFont));
    }
}

TEST(FormScalingTest, AStoredClientSizeIsScaledAndKeptWhateverTheFrame)
{
    TPinnedDpi const pinned(144);
    auto form = MakeForm(kClientSized);
    form->HandleNeeded();
    RECT client {};
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(client.right, 450);
    EXPECT_EQ(client.bottom, 300);
}

TEST(FormScalingTest, ADensityChangeTakesTheSuggestedRectangleAndLaysTheFormOutAgain)
{
    TPinnedDpi const pinned(96);
    auto form = MakeForm(kLaidOut);
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form->Handle()) != FALSE; }));

    RECT suggested {150, 120, 750, 570};
    SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(form->PixelsPerInch(), 144);
    RECT window {};
    GetWindowRect(form->Handle(), &window);
    EXPECT_TRUE(SameRect(window, suggested));
    // The form's own bounds are the suggested ones, checked above.
    TLayout moved = LayoutOf(*form);
    moved.Form = {150, 120, 750, 570};
    ExpectScaledLayout(moved, kAt96, 144);

    // Back on a 96-DPI screen everything is where it was, to the pixel.
    RECT back = kAt96.Form;
    SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&back));
    ExpectAsStored(LayoutOf(*form));
    form->Hide();
}

// The narrowest tab and its window's answer of the narrowest: setting the
// default answers the width there was.
int MinTabWidth(TTabControl& tabs)
{
    int const width = static_cast<int>(SendMessageW(tabs.Handle(), TCM_SETMINTABWIDTH, 0, -1));
    SendMessageW(tabs.Handle(), TCM_SETMINTABWIDTH, 0, width);
    return width;
}

int ThumbLength(TTrackBar& track) { return static_cast<int>(SendMessageW(track.Handle(), TBM_GETTHUMBLENGTH, 0, 0)); }

// What the system sizes itself (the narrowest tab, a track bar's thumb)
// has the density a form is made at, whether the form's layout was stored
// or its controls were made in code.
TEST(FormScalingTest, SystemSizedPartsHaveTheDensityAFormIsMadeAt)
{
    auto const made = [](bool stored) {
        auto form = MakeForm(stored ? kSystemSized : kClientSized);
        if (!stored) {
            auto* tabs = new TTabControl(form.get());
            tabs->SetName("Tabs");
            tabs->SetParent(form.get());
            auto* track = new TTrackBar(form.get());
            track->SetName("Track");
            track->SetParent(form.get());
        }
        form->HandleNeeded();
        return form;
    };
    int tab96 = 0;
    int thumb96 = 0;
    {
        TPinnedDpi const pinned(96);
        auto form = made(true);
        tab96 = MinTabWidth(Child<TTabControl>(*form, "Tabs"));
        thumb96 = ThumbLength(Child<TTrackBar>(*form, "Track"));
        ASSERT_GT(tab96, 0);
        ASSERT_GT(thumb96, 0);
    }
    TPinnedDpi const pinned(144);
    for (bool const stored : {true, false}) {
        auto form = made(stored);
        EXPECT_EQ(MinTabWidth(Child<TTabControl>(*form, "Tabs")), ScaleDpi(tab96, 144)) << "stored " << stored;
        EXPECT_EQ(ThumbLength(Child<TTrackBar>(*form, "Track")), ScaleDpi(thumb96, 144)) << "stored " << stored;
    }
}

// What the windows of a list view, a header and a status bar hold: column
// widths, section widths and the panels' right edges.
struct TContentWidths {
    std::vector<int> Columns;
    std::vector<int> Sections;
    std::vector<int> PanelEdges;
};

TContentWidths ContentOf(HWND list, HWND header, HWND status, int count)
{
    TContentWidths widths;
    std::vector<int> edges(static_cast<size_t>(count));
    SendMessageW(status, SB_GETPARTS, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(edges.data()));
    for (int i = 0; i < count; ++i) {
        widths.Columns.push_back(static_cast<int>(SendMessageW(list, LVM_GETCOLUMNWIDTH, static_cast<WPARAM>(i), 0)));
        HDITEMW item {};
        item.mask = HDI_WIDTH;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        widths.Sections.push_back(item.cxy);
        widths.PanelEdges.push_back(edges[static_cast<size_t>(i)]);
    }
    return widths;
}

// List-view columns, header sections and status panels follow a move to
// another density, and are their own widths again, to the pixel, back at
// 96; odd widths show any rounding that piles up.
TEST(FormScalingTest, ColumnsSectionsAndPanelsFollowTheDensityAndComeBackExactly)
{
    TPinnedDpi const pinned(96);
    auto form = MakeForm(kClientSized);
    auto* list = new TListView(form.get());
    list->SetParent(form.get());
    list->SetBounds(0, 0, 280, 90);
    list->SetViewStyle(TViewStyle::vsReport);
    auto* header = new THeaderControl(form.get());
    header->SetParent(form.get());
    header->SetBounds(0, 100, 280, 20);
    auto* status = new TStatusBar(form.get());
    status->SetParent(form.get());
    std::vector<int> const widths {75, 33, 1};
    for (int w : widths) {
        list->AddColumn(L"Column", w);
        header->AddSection(L"Section", w);
        status->AddPanel(L"Panel", w);
    }
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return IsWindowVisible(form->Handle()) != FALSE; }));
    auto const content = [&] { return ContentOf(list->Handle(), header->Handle(), status->Handle(), 3); };
    TContentWidths const at96 = content();
    ASSERT_EQ(at96.Columns, widths);
    ASSERT_EQ(at96.Sections, widths);

    for (int const dpi : {144, 120}) {
        RECT window {};
        GetWindowRect(form->Handle(), &window);
        SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&window));
        TContentWidths const scaled = content();
        int edge = 0;
        for (size_t i = 0; i < widths.size(); ++i) {
            EXPECT_EQ(scaled.Columns[i], ScaleDpi(widths[i], dpi)) << "column " << i << " at " << dpi;
            EXPECT_EQ(scaled.Sections[i], ScaleDpi(widths[i], dpi)) << "section " << i << " at " << dpi;
            edge += ScaleDpi(widths[i], dpi);
            // The last panel reaches the end of the bar.
            if (i + 1 < widths.size()) {
                EXPECT_EQ(scaled.PanelEdges[i], edge) << "panel " << i << " at " << dpi;
            }
        }
        SendMessageW(form->Handle(), WM_DPICHANGED, MAKEWPARAM(96, 96), reinterpret_cast<LPARAM>(&window));
        TContentWidths const back = content();
        EXPECT_EQ(back.Columns, at96.Columns) << "back from " << dpi;
        EXPECT_EQ(back.Sections, at96.Sections) << "back from " << dpi;
        EXPECT_EQ(back.PanelEdges, at96.PanelEdges) << "back from " << dpi;
    }
    form->Hide();
}

} // namespace tandrel::test
