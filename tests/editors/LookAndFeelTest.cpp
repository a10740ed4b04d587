// Look-and-feel inheritance and notification, painters, the theme cache and
// the process-wide change notifications.

#include "tests/editors/EditorsFixture.h"

#include "framework/core/FormReader.h"
#include "editors/lookandfeel/cxLookAndFeels.h"

#include <map>
#include <string>
#include <vector>

namespace tandrel::test {

namespace {

// Records what a watched look-and-feel reports; may detach itself when told.
struct TRecordingWatcher : TcxLookAndFeelWatcher {
    std::vector<TcxLookAndFeelValues> Changes;
    int Destroyings = 0;
    TcxLookAndFeel* DetachFrom = nullptr;
    void WatchedLookAndFeelChanged(TcxLookAndFeel* sender, TcxLookAndFeelValues changed) override
    {
        Changes.push_back(changed);
        if (DetachFrom)
            DetachFrom->DetachWatcher(this);
        (void)sender;
    }
    void WatchedLookAndFeelDestroying(TcxLookAndFeel*) override { ++Destroyings; }
};

// Counts what a look-and-feel tells its owner.
struct TChangeCounter {
    explicit TChangeCounter(TcxLookAndFeel& l)
    {
        l.OnChangedHandler = [this](TcxLookAndFeel*, TcxLookAndFeelValues v) { Sets.push_back(v); };
    }
    std::vector<TcxLookAndFeelValues> Sets;
};

TcxLookAndFeel& Root() { return *TcxLookAndFeel::Root(); }

// The root belongs to the whole run: each test leaves it as it found it.
class LookAndFeelTest : public ::testing::Test {
protected:
    void TearDown() override { Root().ResetAssignedValues(); }
};

} // namespace

TEST_F(LookAndFeelTest, FreshLookAndFeelInheritsUltraFlatWithoutNativeStyle)
{
    TcxLookAndFeel l(nullptr);
    EXPECT_EQ(l.Kind(), lfUltraFlat);
    EXPECT_FALSE(l.NativeStyle());
    EXPECT_EQ(l.AssignedValues(), 0u);
    EXPECT_EQ(l.SourceInForce(), &Root());
    EXPECT_STREQ(l.ChoosePainter()->ClassName(), "TcxUltraFlatLookAndFeelPainter");
}

TEST_F(LookAndFeelTest, WritingTheValueInForceAssignsItButTellsNobody)
{
    TcxLookAndFeel l(nullptr);
    TChangeCounter counter(l);
    l.SetKind(lfUltraFlat);
    EXPECT_EQ(l.AssignedValues(), lfvsKind);
    EXPECT_TRUE(counter.Sets.empty());
    l.SetNativeStyle(false);
    EXPECT_EQ(l.AssignedValues(), lfvsAll);
    EXPECT_TRUE(counter.Sets.empty());
    l.SetKind(lfStandard);
    ASSERT_EQ(counter.Sets.size(), 1u);
    EXPECT_EQ(counter.Sets[0], lfvsKind);
    EXPECT_STREQ(l.ChoosePainter()->ClassName(), "TcxStandardLookAndFeelPainter");
}

TEST_F(LookAndFeelTest, RootKindReachesEveryInheritorButNotOneThatAssignsItsOwn)
{
    TcxLookAndFeel middle(nullptr);
    TcxLookAndFeel inheriting(nullptr);
    inheriting.SetSource(&middle);
    TcxLookAndFeel own(nullptr);
    own.SetKind(lfStandard);
    TChangeCounter middleCount(middle), inheritingCount(inheriting), ownCount(own);

    Root().SetKind(lfFlat);
    EXPECT_EQ(middle.Kind(), lfFlat);
    EXPECT_EQ(inheriting.Kind(), lfFlat);  // through its chosen source
    EXPECT_EQ(own.Kind(), lfStandard);
    EXPECT_EQ(middleCount.Sets, std::vector<TcxLookAndFeelValues>{lfvsKind});
    EXPECT_EQ(inheritingCount.Sets, std::vector<TcxLookAndFeelValues>{lfvsKind});
    EXPECT_TRUE(ownCount.Sets.empty());
    EXPECT_STREQ(inheriting.ChoosePainter()->ClassName(), "TcxFlatLookAndFeelPainter");

    // Dropping the assignment makes the inherited value the one in force.
    own.ResetAssignedValues();
    EXPECT_EQ(own.Kind(), lfFlat);
    EXPECT_EQ(ownCount.Sets, std::vector<TcxLookAndFeelValues>{lfvsKind});
}

TEST_F(LookAndFeelTest, SourceChainsFollowAssignAndForgetADestroyedSource)
{
    TcxLookAndFeel target(nullptr);
    TChangeCounter counter(target);
    {
        TcxLookAndFeel source(nullptr);
        source.SetNativeStyle(true);
        TcxLookAndFeel derived(nullptr);
        derived.SetSource(&source);
        target.Assign(derived);  // takes derived's stored values and its source
        EXPECT_EQ(target.Source(), &source);
        EXPECT_TRUE(target.NativeStyle());
        ASSERT_EQ(counter.Sets.size(), 1u);
        EXPECT_EQ(counter.Sets[0], lfvsNativeStyle);
        // A source that would lead back to the object is refused.
        source.SetSource(&target);
        EXPECT_EQ(source.Source(), nullptr);
    }
    EXPECT_EQ(target.Source(), nullptr);
    EXPECT_EQ(target.SourceInForce(), &Root());
    EXPECT_FALSE(target.NativeStyle());
    EXPECT_EQ(counter.Sets.size(), 2u);
}

TEST_F(LookAndFeelTest, WatcherDetachingItselfDoesNotMakeTheNextOneMissTheChange)
{
    TcxLookAndFeel l(nullptr);
    TRecordingWatcher first, second, third;
    first.DetachFrom = &l;
    l.AttachWatcher(&first);
    l.AttachWatcher(&second);
    l.AttachWatcher(&second);  // no second registration
    l.AttachWatcher(&third);
    l.SetKind(lfFlat);
    EXPECT_EQ(first.Changes.size(), 1u);
    EXPECT_EQ(second.Changes.size(), 1u);
    EXPECT_EQ(third.Changes.size(), 1u);
    EXPECT_EQ(l.Watchers().size(), 2u);
    l.DetachWatcher(&second);
    l.DetachWatcher(&third);
}

TEST_F(LookAndFeelTest, DestroyingTellsEveryWatcher)
{
    TRecordingWatcher a, b;
    {
        TcxLookAndFeel l(nullptr);
        l.AttachWatcher(&a);
        l.AttachWatcher(&b);
    }
    EXPECT_EQ(a.Destroyings, 1);
    EXPECT_EQ(b.Destroyings, 1);
}

TEST_F(LookAndFeelTest, LastControllerGoingAwayReturnsTheRootToUltraFlat)
{
    TcxLookAndFeel follower(nullptr);
    auto* first = new TcxLookAndFeelController(nullptr);
    auto* second = new TcxLookAndFeelController(nullptr);
    EXPECT_EQ(TcxLookAndFeel::ControllerCount(), 2);
    first->SetKind(lfStandard);
    second->SetNativeStyle(true);
    EXPECT_EQ(follower.Kind(), lfStandard);
    EXPECT_EQ(second->Kind(), lfStandard);  // a controller holds no values of its own
    EXPECT_TRUE(follower.NativeStyle());

    // Only the root takes controllers as watchers.
    follower.AttachWatcher(first);
    EXPECT_TRUE(follower.Watchers().empty());

    delete first;
    EXPECT_EQ(follower.Kind(), lfStandard);
    delete second;
    EXPECT_EQ(TcxLookAndFeel::ControllerCount(), 0);
    EXPECT_EQ(Root().AssignedValues(), 0u);
    EXPECT_EQ(follower.Kind(), lfUltraFlat);
    EXPECT_FALSE(follower.NativeStyle());
}

TEST_F(LookAndFeelTest, ControllerIsReadFromADefinition)
{
    ASSERT_TRUE(IsComponentClassRegistered("TcxLookAndFeelController"));
    const TPropertyInfo* kind = TcxLookAndFeelController::StaticClassInfo().FindProperty("Kind");
    ASSERT_NE(kind, nullptr);
    EXPECT_EQ(kind->Enum->ValueOf("lfStandard"), lfStandard);
    const TPropertyInfo* assigned = TcxLookAndFeel::StaticClassInfo().FindProperty("AssignedValues");
    ASSERT_NE(assigned, nullptr);
    EXPECT_EQ(assigned->Kind, TPropertyKind::Set);
}

TEST(PainterTest, UltraFlatFacesBlendButtonFaceHighlightAndWindow)
{
    const COLORREF face = RGB(212, 208, 200), highlight = RGB(10, 36, 106), window = RGB(255, 255, 255);
    EXPECT_EQ(BlendColors(face, highlight, window, -2, 30, 72), RGB(183, 191, 212));
    EXPECT_EQ(BlendColors(face, highlight, window, 14, 44, 40), RGB(136, 147, 177));
    for (COLORREF pure : {RGB(0, 0, 0), RGB(255, 255, 255)}) {
        EXPECT_EQ(BlendColors(pure, highlight, window, -2, 30, 72), highlight);
        EXPECT_EQ(BlendColors(pure, highlight, window, 14, 44, 40), highlight);
    }
    // Sums beyond a channel's range are clamped.
    EXPECT_EQ(BlendColors(RGB(200, 200, 200), RGB(200, 200, 200), RGB(200, 200, 200), 100, 100, 100),
              RGB(255, 255, 255));

    TClassicColours classic;
    const auto* ultraFlat = PainterClass<TcxUltraFlatLookAndFeelPainter>();
    EXPECT_EQ(ultraFlat->FaceColorForState(cxbsHot), TColor(RGB(183, 191, 212)));
    EXPECT_EQ(ultraFlat->FaceColorForState(cxbsPressed), TColor(RGB(136, 147, 177)));
    for (TcxButtonState s : {cxbsDefault, cxbsNormal, cxbsDisabled})
        EXPECT_EQ(ultraFlat->FaceColorForState(s), clBtnFace);
    for (TcxLookAndFeelPainterClass p : {PainterClass<TcxCustomLookAndFeelPainter>(),
                                         PainterClass<TcxStandardLookAndFeelPainter>(),
                                         PainterClass<TcxFlatLookAndFeelPainter>(),
                                         PainterClass<TcxWinXPLookAndFeelPainter>()})
        for (TcxButtonState s : {cxbsDefault, cxbsNormal, cxbsHot, cxbsPressed, cxbsDisabled})
            EXPECT_EQ(p->FaceColorForState(s), clBtnFace) << p->ClassName();
}

TEST(ThemeCacheTest, OneHandlePerClassMatchedIgnoringCase)
{
    TdxThemeApiOverride themes(TFakeThemes::Api());
    HTHEME trackBar = OpenThemeByIndex(totTrackBar);
    ASSERT_NE(trackBar, nullptr);
    EXPECT_EQ(CachedTheme(totTrackBar).ClassName, L"TrackBar");
    EXPECT_EQ(OpenThemeByIndex(totTrackBar), trackBar);
    EXPECT_EQ(OpenThemeByIndex(totTrackBar, L"trackbar"), trackBar);
    EXPECT_EQ(TFakeThemes::Opened, 1);

    // Another name closes the entry and opens it again under that name.
    HTHEME other = OpenThemeByIndex(totTrackBar, L"Slider");
    EXPECT_NE(other, trackBar);
    EXPECT_EQ(TFakeThemes::Closed, 1);
    EXPECT_EQ(CachedTheme(totTrackBar).ClassName, L"Slider");
    // A closed entry reopens under the name it had.
    EXPECT_TRUE(CloseThemeByIndex(totTrackBar));
    EXPECT_FALSE(CloseThemeByIndex(totTrackBar));
    ASSERT_NE(OpenThemeByIndex(totTrackBar), nullptr);
    EXPECT_EQ(TFakeThemes::Open.begin()->second, L"TrackBar");  // the name was cleared on close

    // A class that does not open leaves its entry closed; a mask needing it is unusable.
    TFakeThemes::Refuse = L"Edit";
    EXPECT_EQ(OpenThemeByIndex(totEdit), nullptr);
    EXPECT_TRUE(CachedTheme(totEdit).ClassName.empty());
    EXPECT_TRUE(ThemesUsable(ThemedTypeBit(totTrackBar) | ThemedTypeBit(totButton)));
    EXPECT_FALSE(ThemesUsable(ThemedTypeBit(totTrackBar) | ThemedTypeBit(totEdit)));
    EXPECT_FALSE(NativeThemeFor(false, totTrackBar));
    EXPECT_TRUE(NativeThemeFor(true, totTrackBar));

    ReleaseAllThemes();
    EXPECT_TRUE(TFakeThemes::Open.empty());
    EXPECT_EQ(CachedTheme(totButton).ClassName, L"Button");  // names stay for reopening
}

TEST(ThemeCacheTest, ThemesSwitchedOffMakeEverythingClassic)
{
    TdxThemeApi api = TFakeThemes::Api();
    TFakeThemes::Active = false;
    TdxThemeApiOverride themes(api);
    EXPECT_FALSE(ThemesUsable(0));
    EXPECT_EQ(OpenThemeByIndex(totTrackBar), nullptr);
    EXPECT_TRUE(CloseThemeByIndex(totTrackBar));  // nothing to do reports success
    TcxLookAndFeel l(nullptr);
    l.SetNativeStyle(true);
    EXPECT_STREQ(l.ChoosePainter()->ClassName(), "TcxUltraFlatLookAndFeelPainter");
    EXPECT_EQ(TFakeThemes::Opened, 0);
}

TEST(ThemeCacheTest, NativeStyleChoosesTheVisualStylesPainterWhenThemesWork)
{
    TdxThemeApiOverride themes(TFakeThemes::Api());
    TcxLookAndFeel l(nullptr);
    l.SetKind(lfFlat);
    EXPECT_STREQ(l.ChoosePainter(ThemedTypeBit(totTrackBar))->ClassName(), "TcxFlatLookAndFeelPainter");
    l.SetNativeStyle(true);
    EXPECT_STREQ(l.ChoosePainter(ThemedTypeBit(totTrackBar))->ClassName(), "TcxWinXPLookAndFeelPainter");
    TFakeThemes::Refuse = L"Header";
    EXPECT_STREQ(l.ChoosePainter(ThemedTypeBit(totHeader))->ClassName(), "TcxFlatLookAndFeelPainter");
}

TEST(ThemeCacheTest, VisualStyleChangeReleasesThemesAndTellsSubscribersInOrder)
{
    HWND receiver = ThemeChangedReceiverWindow();
    if (!receiver)
        GTEST_SKIP() << "no visual-styles library on this system";
    TdxThemeApiOverride themes(TFakeThemes::Api());
    ASSERT_NE(OpenThemeByIndex(totTrackBar), nullptr);
    std::vector<int> calls;
    TdxThemeChangedNotificator first, second;
    first.ThemeChangedHandler = [&] { calls.push_back(1); };
    second.ThemeChangedHandler = [&] { calls.push_back(2); };
    TFakeThemes::Active = false;
    EXPECT_EQ(SendMessageW(receiver, WM_THEMECHANGED, 0, 0), 0);
    EXPECT_EQ(calls, (std::vector<int>{1, 2}));
    EXPECT_EQ(CachedTheme(totTrackBar).Theme, nullptr);
    EXPECT_FALSE(ThemesActive());
    EXPECT_FALSE(ThemesUsable(0));
}

TEST(PaletteTest, ColourChangeReachesPrimaryNotifiersFirst)
{
    std::vector<std::string> calls;
    TcxSystemPaletteChangedNotifier ordinary(false), primary(true);
    ordinary.ColorsChangedHandler = [&] { calls.push_back("ordinary"); };
    primary.ColorsChangedHandler = [&] { calls.push_back("primary"); };
    HWND listener = SystemPaletteChangedListenerWindow();
    ASSERT_NE(listener, nullptr);
    SendMessageW(listener, WM_SYSCOLORCHANGE, 0, 0);
    EXPECT_EQ(calls, (std::vector<std::string>{"primary", "ordinary"}));

    // A look-and-feel hears it as a change of its native style.
    TcxLookAndFeel l(nullptr);
    TChangeCounter counter(l);
    SendMessageW(listener, WM_SYSCOLORCHANGE, 0, 0);
    ASSERT_FALSE(counter.Sets.empty());
    EXPECT_EQ(counter.Sets[0], lfvsNativeStyle);
}

} // namespace tandrel::test
