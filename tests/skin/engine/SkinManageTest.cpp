// The skin manager's rules on real windows: which windows it skins, which
// component supplies the skin, its actions and their timing, and the skin
// data component's switches.

#include "tests/skin/forms/SkinFormFixture.h"

#include "skin/menus/WinSkinPopMenu.h"

#include <map>

namespace tandrel::test {

namespace {

// A plain top-level window the application did not make through the framework.
class TPlainWindow {
public:
    TPlainWindow(DWORD style, const RECT& bounds)
    {
        static bool registered = [] {
            WNDCLASSW wc {};
            wc.lpfnWndProc = DefWindowProcW;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.lpszClassName = L"TandrelPlainTestWindow";
            wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
            return RegisterClassW(&wc) != 0;
        }();
        (void)registered;
        m_window = CreateWindowExW(0, L"TandrelPlainTestWindow", L"Plain", style, bounds.left, bounds.top,
                                   bounds.right - bounds.left, bounds.bottom - bounds.top, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
    }
    ~TPlainWindow()
    {
        if (IsWindow(m_window))
            DestroyWindow(m_window);
        PumpIdle();
    }
    HWND Handle() const { return m_window; }

private:
    HWND m_window = nullptr;
};

} // namespace

class SkinManageTest : public TSkinFormTest {};

TEST_F(SkinManageTest, FormsTagged99AreNeverSkinnedAnd199Are)
{
    TBenchForm* tagged = MakeForm(TFormBorderStyle::bsSizeable, 200, 100, L"Tag 99");
    tagged->SetTag(99);
    tagged->Show();
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == tagged->Handle(); }));
    PumpIdle();
    EXPECT_EQ(SkinOf(tagged->Handle()), nullptr);
    EXPECT_EQ(tagged->Color(), clBtnFace);
    auto shot = Shot(tagged->Handle());
    SaveScreenshot(*shot, "bench-tag99");

    TBenchForm* other = MakeForm(TFormBorderStyle::bsSizeable, 200, 100, L"Tag 199");
    other->SetTag(199); // 199 modulo 100 is 99, but forms do not take remainders
    other->SetLeft(500);
    EXPECT_NE(ShowSkinned(*other), nullptr);
}

TEST_F(SkinManageTest, WindowsOfNoAreaWaitForASize)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsNone, 0, 0, L"Empty");
    form->SetBounds(100, 100, 0, 0);
    form->Show();
    ASSERT_TRUE(PumpUntil([&] { return GetActiveWindow() == form->Handle(); }));
    PumpIdle();
    EXPECT_EQ(SkinOf(form->Handle()), nullptr);
    form->SetBounds(100, 100, 120, 80);
    // Activated again once it has a size: another window takes the
    // activation first.
    TBenchForm* other = MakeForm(TFormBorderStyle::bsSingle, 100, 60, L"Other");
    other->SetLeft(400);
    ShowSkinned(*other);
    SetActiveWindow(form->Handle());
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(form->Handle()) != nullptr; }));
}

TEST_F(SkinManageTest, ABorderlessPopupGetsNoFrameAndKeepsItsShape)
{
    TBenchForm* popup = MakeForm(TFormBorderStyle::bsNone, 160, 90, L"Popup");
    popup->HandleNeeded();
    HWND w = popup->Handle();
    // A shape of its own, as the pointer overlay cuts.
    SetWindowRgn(w, CreateEllipticRgn(0, 0, 160, 90), FALSE);
    RECT ownOuter, ownClient;
    GetWindowRect(w, &ownOuter);
    GetClientRect(w, &ownClient);
    TWinSkinForm* skin = ShowSkinned(*popup);
    ASSERT_NE(skin, nullptr);
    EXPECT_EQ(skin->BorderClass(), bcBorderless);
    EXPECT_EQ(skin->FrameSizes(), TFrameSizes {});
    EXPECT_FALSE(skin->HasRegion());
    RECT outer, client;
    GetWindowRect(w, &outer);
    GetClientRect(w, &client);
    EXPECT_EQ(outer.right - outer.left, ownOuter.right - ownOuter.left);
    EXPECT_EQ(client.bottom, ownClient.bottom);
    TOwnedRegion region(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(w, region.Get()), ERROR);
    EXPECT_FALSE(PtInRegion(region.Get(), 1, 1));
    EXPECT_TRUE(PtInRegion(region.Get(), 80, 45));
    // Its colour is the skin's all the same.
    EXPECT_EQ(popup->Color(), Skin().ButtonFaceColour);
    auto shot = Shot(w);
    SaveScreenshot(*shot, "bench-popup");
}

TEST_F(SkinManageTest, ChildWindowsAreSkinnedOnlyByAStartScan)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    ShowSkinned(*form);
    HWND child = CreateWindowExW(0, L"STATIC", L"child", WS_CHILD | WS_VISIBLE, 10, 10, 80, 30, form->Handle(),
                                 nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(SkinManager->SkinWindow(child));
    EXPECT_EQ(SkinOf(child), nullptr);
    DestroyWindow(child);
}

TEST_F(SkinManageTest, ASizeGripInsideASkinnedWindowIsRefused)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    ShowSkinned(*form);
    HWND grip = CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEGRIP, 0, 0, 16, 16,
                                form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_EQ(grip, nullptr);
    // A plain scroll bar there, and a size grip elsewhere, are made.
    HWND bar = CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | WS_VISIBLE | SBS_HORZ, 0, 0, 80, 16,
                               form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(bar, nullptr);
    TPlainWindow plain(WS_POPUP, {0, 0, 50, 50});
    HWND elsewhere = CreateWindowExW(0, L"SCROLLBAR", nullptr, WS_CHILD | SBS_SIZEGRIP, 0, 0, 16, 16,
                                     plain.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    EXPECT_NE(elsewhere, nullptr);
    DestroyWindow(bar);
}

TEST_F(SkinManageTest, APlainWindowIsSkinnedWithoutAnOwner)
{
    TPlainWindow plain(WS_OVERLAPPEDWINDOW, {150, 150, 450, 350});
    HWND w = plain.Handle();
    ShowWindow(w, SW_SHOW);
    SetForegroundWindow(w);
    ASSERT_TRUE(PumpUntil([&] { return SkinOf(w) && SkinOf(w)->SkinState() == ssSkinned; }));
    TWinSkinForm* skin = SkinOf(w);
    EXPECT_EQ(skin->Owner(), nullptr);
    EXPECT_EQ(skin->Form(), nullptr);
    // The client area is erased with the skin's face colour.
    InvalidateRect(w, nullptr, TRUE);
    UpdateWindow(w);
    auto shot = Shot(w);
    EXPECT_EQ(PixelOf(*shot, kLeft + 20, kCaption + 20), ColorToRGB(Skin().ButtonFaceColour));
    // Destroyed: detached at once and freed at the next clean-up.
    DestroyWindow(w);
    EXPECT_EQ(skin->SkinState(), ssDetached);
    EXPECT_EQ(SkinOf(w), nullptr);
    EXPECT_TRUE(Held(skin));
    ASSERT_TRUE(PumpUntil([&] { return !Held(skin); }));
}

TEST_F(SkinManageTest, TheLaterOfTwoMainformComponentsSuppliesTheSkin)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    form->HandleNeeded();
    EXPECT_EQ(SkinManager->FindSkinData(form->Handle()), &Skin());
    TSkinData* second = LoadedSkinData(nullptr, sfMainform, DefaultSkinStream());
    EXPECT_EQ(SkinManager->FindSkinData(form->Handle()), second);
    TWinSkinForm* skin = ShowSkinned(*form);
    EXPECT_EQ(skin->SkinData(), second);
    // Freed, it takes its skin off the windows that wear it.
    delete second;
    EXPECT_EQ(SkinOf(form->Handle()), nullptr);
    EXPECT_EQ(SkinManager->FindSkinData(form->Handle()), &Skin());
    EXPECT_EQ(SkinManager->SkinDataList().size(), 1u);
}

TEST_F(SkinManageTest, DialogsAndSingleFormsChooseTheirComponents)
{
    TBenchForm* owner = MakeForm(TFormBorderStyle::bsSizeable, 200, 100, L"Own skin");
    TSkinData* own = LoadedSkinData(owner, sfOnlyThisForm, DefaultSkinStream());
    // Loaded skins the owner's window at once.
    ASSERT_NE(SkinOf(owner->Handle()), nullptr);
    EXPECT_EQ(SkinOf(owner->Handle())->SkinData(), own);
    EXPECT_EQ(SkinManager->FindSkinData(owner->Handle()), own);

    TSkinData* dialogs = LoadedSkinData(nullptr, sfDialog, DefaultSkinStream());
    TPlainWindow plain(WS_OVERLAPPEDWINDOW, {0, 0, 200, 100});
    EXPECT_EQ(SkinManager->FindSkinData(plain.Handle()), &Skin());
    HWND dialog = CreateWindowExW(0, L"#32770", L"Dialog", WS_POPUP | WS_CAPTION, 0, 0, 200, 100, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    EXPECT_EQ(SkinManager->FindSkinData(dialog), dialogs);
    DestroyWindow(dialog);
    delete dialogs;
    FreeForm(owner);
    EXPECT_EQ(SkinManager->SkinDataList().size(), 1u);
}

TEST_F(SkinManageTest, PopupMenuWindowsGetAPopupSkinningObject)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    ShowSkinned(*form);
    TPopupMenu* menu = new TPopupMenu(form);
    auto* item = new TMenuItem(form);
    item->SetCaption(L"Item");
    menu->Items().Add(item);
    HWND seen = nullptr;
    bool skinned = false;
    RunSoon([&] {
        seen = FindWindowW(L"#32768", nullptr);
        skinned = SkinManager->IsSkinnedPopup(seen) && SendMessageW(seen, WM_SKINQUERY, 0, 0) == 1;
        EndMenu();
    }, 100);
    menu->Popup(300, 300);
    EXPECT_TRUE(skinned);
    // Released when its window goes.
    ASSERT_TRUE(PumpUntil([&] { return !SkinManager->IsSkinnedPopup(seen); }));
}

// The manager of a fresh start, before anything was activated: requests act
// at once, a re-apply does nothing, a stop only clears the flag.
TEST_F(SkinManageTest, BeforeTheFirstActivationRequestsActAtOnce)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    form->HandleNeeded();
    delete s_skin;
    s_skin = nullptr;
    FinalizeSkinEngine();
    ASSERT_EQ(SkinManager, nullptr);
    {
        // Without a running engine a component cannot start skinning.
        TSkinData orphan(nullptr);
        EXPECT_THROW(orphan.Loaded(), EInvalidOperation);
    }
    InitializeSkinEngine();

    TSkinData* data = LoadedSkinData(nullptr, sfMainform, DefaultSkinStream());
    s_skin = data; // the fixture frees it and checks it at the end
    ASSERT_NE(SkinManager, nullptr);
    EXPECT_EQ(SkinManager->ActivationCount(), 0);
    EXPECT_TRUE(SkinManager->Skinning()); // started at once, no timer
    EXPECT_FALSE(SkinManager->ActionTimerRunning());
    int changes = 0;
    data->OnSkinChanged = [&](TObject*) { ++changes; };
    data->ApplySkin();
    EXPECT_FALSE(SkinManager->ActionTimerRunning());
    EXPECT_EQ(SkinManager->SkinnedWindows().size(), 0u);
    data->SetActive(false);
    EXPECT_FALSE(SkinManager->Skinning());
    EXPECT_FALSE(SkinManager->ActionTimerRunning());
    data->SetActive(true);
    EXPECT_TRUE(SkinManager->Skinning());
    EXPECT_EQ(changes, 0);

    // The first activation counts, and from then on the timer carries requests.
    ShowSkinned(*form);
    EXPECT_EQ(SkinManager->ActivationCount(), 1);
    data->ApplySkin();
    EXPECT_TRUE(SkinManager->ActionTimerRunning());
    EXPECT_EQ(SkinManager->PendingRequests(), (std::vector<TSkinRequest> {{saReapply, data}}));
    ASSERT_TRUE(PumpUntil([&] { return changes == 1; }));
    EXPECT_FALSE(SkinManager->ActionTimerRunning());
    EXPECT_EQ(SkinOf(form->Handle())->SkinState(), ssSkinned);
    data->OnSkinChanged = nullptr; // it counts into this test's frame
}

// Requests made within one tick all run: a window closing meanwhile cancels
// neither a re-apply nor a stop, and its object is freed, not revived.
TEST_F(SkinManageTest, RequestsWithinOneTickAreAllCarriedOut)
{
    ASSERT_TRUE(PumpUntil([&] { return !SkinManager->ActionTimerRunning(); })); // earlier tests' clean-up
    int changes = 0;
    Skin().OnSkinChanged = [&](TObject*) { ++changes; };
    TBenchForm* kept = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*kept);
    TBenchForm* closing = MakeForm(TFormBorderStyle::bsSizeable, 200, 100);
    TWinSkinForm* closed = ShowSkinned(*closing);
    ASSERT_TRUE(skin && closed);

    Skin().ApplySkin();
    FreeForm(closing);
    EXPECT_EQ(closed->SkinState(), ssDetached);
    EXPECT_EQ(SkinManager->PendingRequests(),
              (std::vector<TSkinRequest> {{saReapply, &Skin()}, {saFreeClosed, &Skin()}}));
    ASSERT_TRUE(PumpUntil([&] { return !SkinManager->ActionTimerRunning(); }));
    EXPECT_EQ(changes, 2);
    EXPECT_FALSE(skin->CaptionButtons().empty()); // re-applied
    EXPECT_FALSE(Held(closed));                   // freed, not revived by the re-apply

    // A stop with a window closing in the same tick takes the skin off the others.
    closing = MakeForm(TFormBorderStyle::bsSizeable, 200, 100);
    closed = ShowSkinned(*closing);
    Skin().SetActive(false);
    FreeForm(closing);
    ASSERT_TRUE(PumpUntil([&] { return !SkinManager->ActionTimerRunning(); }));
    EXPECT_EQ(changes, 4);
    EXPECT_EQ(SkinOf(kept->Handle()), nullptr);
    EXPECT_TRUE(SkinManager->SkinnedWindows().empty());
    Skin().SetActive(true);
    ASSERT_TRUE(PumpUntil([&] { return !SkinManager->ActionTimerRunning(); }));
    EXPECT_NE(SkinOf(kept->Handle()), nullptr);
    Skin().OnSkinChanged = nullptr;
}

TEST_F(SkinManageTest, SettingActiveToItsValueDoesNothing)
{
    ASSERT_TRUE(PumpUntil([] { return !SkinManager->ActionTimerRunning(); }));
    ASSERT_TRUE(Skin().Active());
    ASSERT_EQ(SkinManager->ActivationCount(), 1);
    Skin().SetActive(true);
    EXPECT_FALSE(SkinManager->ActionTimerRunning());
    EXPECT_TRUE(SkinManager->PendingRequests().empty());
}

TEST_F(SkinManageTest, ReapplyingRefitsEveryWindowOfTheSkin)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    TWinSkinForm* skin = ShowSkinned(*form);
    size_t const buttons = skin->CaptionButtons().size();
    Skin().ApplySkin();
    EXPECT_TRUE(skin->CaptionButtons().empty()); // dropped at once
    ASSERT_TRUE(PumpUntil([&] { return !SkinManager->ActionTimerRunning(); }));
    EXPECT_EQ(skin->CaptionButtons().size(), buttons);
    EXPECT_EQ(skin->SkinState(), ssSkinned);
    RECT outer;
    GetWindowRect(form->Handle(), &outer);
    EXPECT_EQ(outer.right - outer.left, 323);
    EXPECT_TRUE(skin->HasRegion());
}

TEST(SkinDataComponent, ValuesAtCreation)
{
    TSkinData data(nullptr);
    EXPECT_FALSE(data.Active());
    EXPECT_EQ(data.DisableTag(), 99);
    EXPECT_EQ(data.SkinControls(), DefaultSkinControls);
    EXPECT_TRUE(data.Skins(xcMainMenu));
    EXPECT_TRUE(data.Skins(xcSystemMenu));
    EXPECT_FALSE(data.Skins(xcFastReport));
    EXPECT_EQ(data.SkinFormtype(), sfMainform);
    EXPECT_TRUE(data.MenuUpdate());
    EXPECT_TRUE(data.SkinNotLoaded);
    EXPECT_EQ(data.PaintFrames, 1);
    EXPECT_TRUE(data.StoredIcon.Empty());
    EXPECT_EQ(data.SkinStore(), L"(none)");
    data.SetSkinStore(L"(Good)");
    EXPECT_EQ(data.SkinStore(), L"(none)");
}

TEST(SkinDataComponent, TheDefaultThirdPartyListHas95RowsInGroupOrder)
{
    TSkinData data(nullptr);
    const auto& rows = data.Skin3rd().Lines();
    ASSERT_EQ(rows.size(), 95u);
    EXPECT_EQ(rows.front(), L"TTBDock=Panel");
    EXPECT_EQ(rows.back(), L"TOVCDBNUMERICFIELD=Edit");
    std::map<std::wstring, std::vector<std::wstring>> kinds;
    for (const auto& row : rows) {
        auto const eq = row.find(L'=');
        ASSERT_NE(eq, std::wstring::npos);
        kinds[row.substr(eq + 1)].push_back(row.substr(0, eq));
    }
    std::map<std::wstring, size_t> const counts {
        {L"Panel", 10}, {L"scrollbar", 2}, {L"button", 1}, {L"CheckGroup", 3}, {L"Radiogroup", 2},
        {L"Radiobutton", 3}, {L"Checkbox", 6}, {L"Edit", 34}, {L"trackbar", 1}, {L"combobox", 14},
        {L"radiogroup", 3}, {L"Combobox", 16}};
    EXPECT_EQ(kinds.size(), counts.size());
    for (const auto& [kind, count] : counts)
        EXPECT_EQ(kinds[kind].size(), count) << WideToUtf8(kind);
    // Each kind's classes keep their order, duplicates included.
    EXPECT_EQ(kinds[L"Checkbox"], (std::vector<std::wstring> {L"TRzCheckBox", L"TRzDBCheckBox", L"TDBCheckboxEh",
                                                              L"TDBCheckboxEh", L"TLMDCHECKBOX", L"TLMDDBCHECKBOX"}));
    EXPECT_EQ(kinds[L"Edit"][21], L"TWWDBEDIT");
    EXPECT_EQ(kinds[L"radiogroup"].back(), L"TWWRADIOGROUP");
    // Assigning the list replaces it with a copy.
    TStringList mine;
    mine.Add(L"TMyGrid=scrollbar");
    data.SetSkin3rd(mine);
    mine.Add(L"TOther=Panel");
    EXPECT_EQ(data.Skin3rd().Count(), 1);
}

TEST(SkinDataComponent, FormSkinVetoes)
{
    TSkinData data(nullptr);
    bool doSkin = true;
    data.AllowFormSkin("SysMonthCal32", doSkin);
    EXPECT_FALSE(doSkin);
    doSkin = true;
    data.AllowFormSkin("TfrPreview", doSkin);
    EXPECT_TRUE(doSkin); // xcFastReport is off
    data.SetSkinControls(DefaultSkinControls | SkinControlBit(xcFastReport));
    data.AllowFormSkin("TfrPreview", doSkin);
    EXPECT_FALSE(doSkin);
    doSkin = true;
    data.AllowFormSkin("TFRPreview", doSkin); // case matters
    EXPECT_TRUE(doSkin);
    // A handler alone decides.
    std::string asked;
    data.OnFormSkin = [&](TObject* sender, const std::string& name, bool&) {
        EXPECT_EQ(sender, &data);
        asked = name;
    };
    data.AllowFormSkin("SysMonthCal32", doSkin);
    EXPECT_TRUE(doSkin);
    EXPECT_EQ(asked, "SysMonthCal32");
}

TEST(SkinDataComponent, AnEmptyStoredStreamLeavesTheSkinUnloadedAndSkinningOff)
{
    InitializeSkinEngine();
    TSkinData* data = LoadedSkinData(nullptr, sfMainform, {});
    EXPECT_TRUE(data->SkinNotLoaded);
    EXPECT_FALSE(data->Active());
    EXPECT_TRUE(data->StoredStream().empty());
    // A length beyond the bytes is a broken definition.
    std::vector<unsigned char> broken {100, 0, 0, 0, 1, 2, 3};
    EXPECT_THROW(data->ReadSkinStream(broken), EReadError);
    delete data;
}

TEST(SkinDataComponent, TheMenuGlyphsComeFromTheResource)
{
    TSkinData data(nullptr);
    TImageList& images = data.MenuImages();
    ASSERT_EQ(images.Count(), 4);
    EXPECT_EQ(images.Width(), 16);
    // Drawn on red: the white is transparent, the glyphs are black.
    TBitmap canvas(64, 16, TPixelFormat::pf24bit);
    RECT all {0, 0, 64, 16};
    TOwnedBrush red(CreateSolidBrush(RGB(255, 0, 0)));
    FillRect(canvas.Canvas().Handle(), &all, red.Get());
    for (int i = 0; i < 4; ++i)
        images.Draw(canvas.Canvas().Handle(), 16 * i, 0, i);
    GdiFlush();
    EXPECT_EQ(PixelOf(canvas, 16 + 7, 7), RGB(255, 0, 0));  // inside the maximise window
    EXPECT_EQ(PixelOf(canvas, 16 + 2, 2), RGB(0, 0, 0));    // its frame
    EXPECT_EQ(PixelOf(canvas, 32 + 7, 11), RGB(0, 0, 0));   // the minimise bar
    EXPECT_EQ(PixelOf(canvas, 32 + 7, 5), RGB(255, 0, 0));
    EXPECT_EQ(PixelOf(canvas, 48 + 7, 7), RGB(0, 0, 0));    // the cross
    EXPECT_EQ(PixelOf(canvas, 48 + 1, 7), RGB(255, 0, 0));
}

} // namespace tandrel::test
