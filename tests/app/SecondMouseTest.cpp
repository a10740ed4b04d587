// The second mouse in the running shell: the install and uninstall buttons,
// the prompt, the raw-input registration, clicks of the bound mouse at the
// overlay's tip, device notices and the remembered device. Wine has one
// mouse: the tests list two and hand built records to the road WM_INPUT takes.

#include "tests/app/ShellFixture.h"

#include "app/forms/U_Bind.h"
#include "app/mouse/MouseBinding.h"
#include "framework/core/Registry.h"

namespace tandrel::test {

namespace {

constexpr TDeviceHandle kFirst = 0x1001;
constexpr TDeviceHandle kSecond = 0x2002;
const std::string kSecondName = R"(\\?\HID#VID_1BCF&PID_0005#8&2e1f&0&0000#{378de44c-56ef-11d1-bc8c-00a0c91405dd})";

std::vector<TMouseDevice> TwoMice() { return {{kFirst, R"(\\?\HID#VID_046D&PID_C52B)"}, {kSecond, kSecondName}}; }

// A record as GetRawInputData hands it over.
void Feed(TDeviceHandle device, USHORT buttons, LONG x = 0, LONG y = 0, USHORT flags = 0)
{
    RAWINPUT record {};
    record.header.dwType = RIM_TYPEMOUSE;
    record.header.dwSize = sizeof record;
    record.header.hDevice = reinterpret_cast<HANDLE>(device);
    record.data.mouse.usFlags = flags;
    record.data.mouse.usButtonFlags = buttons;
    record.data.mouse.lLastX = x;
    record.data.mouse.lLastY = y;
    MouseBinding->HandleRawInput(&record, sizeof record);
}

std::vector<RAWINPUTDEVICE> Registered()
{
    UINT count = 0;
    GetRegisteredRawInputDevices(nullptr, &count, sizeof(RAWINPUTDEVICE));
    std::vector<RAWINPUTDEVICE> devices(count);
    if (count)
        GetRegisteredRawInputDevices(devices.data(), &count, sizeof(RAWINPUTDEVICE));
    return devices;
}

std::optional<std::wstring> StoredMouse()
{
    TRegistryKey key(HKEY_CURRENT_USER, kTandrelKey, TRegistryOpen::roRead);
    return key.ReadString(kSecondMouseValue);
}

struct TMouseMessage {
    UINT Msg;
    POINT At;  // client coordinates
};

// A plain window that records the mouse messages it gets.
class TClickTarget {
public:
    explicit TClickTarget(const RECT& area)
    {
        static const bool registered = [] {
            WNDCLASSW wc {};
            wc.lpfnWndProc = Proc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
            wc.lpszClassName = L"TandrelClickTarget";
            return RegisterClassW(&wc) != 0;
        }();
        (void)registered;
        m_window = CreateWindowExW(0, L"TandrelClickTarget", L"target", WS_POPUP | WS_VISIBLE, area.left, area.top,
                                   area.right - area.left, area.bottom - area.top, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(m_window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetForegroundWindow(m_window);
    }
    ~TClickTarget() { DestroyWindow(m_window); }
    HWND Handle() const { return m_window; }
    std::vector<TMouseMessage> Messages;

    bool Got(UINT msg) const
    {
        return std::any_of(Messages.begin(), Messages.end(), [&](const TMouseMessage& m) { return m.Msg == msg; });
    }
    POINT Last(UINT msg) const
    {
        for (auto it = Messages.rbegin(); it != Messages.rend(); ++it)
            if (it->Msg == msg)
                return it->At;
        return {-1, -1};
    }

private:
    static LRESULT CALLBACK Proc(HWND window, UINT msg, WPARAM wParam, LPARAM lParam)
    {
        auto* self = reinterpret_cast<TClickTarget*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        const bool dragMove = msg == WM_MOUSEMOVE && (wParam & MK_LBUTTON);
        if (self && (dragMove || (msg >= WM_LBUTTONDOWN && msg <= WM_RBUTTONUP)))
            self->Messages.push_back({msg, {static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))}});
        return DefWindowProcW(window, msg, wParam, lParam);
    }
    HWND m_window = nullptr;
};

// Whether a comes before b in the z-order of the top-level windows.
bool IsAbove(HWND a, HWND b)
{
    for (HWND w = GetTopWindow(nullptr); w; w = GetWindow(w, GW_HWNDNEXT)) {
        if (w == a)
            return true;
        if (w == b)
            return false;
    }
    return false;
}

POINT ClientOf(HWND window, POINT screen)
{
    ScreenToClient(window, &screen);
    return screen;
}

class MouseBindingShellTest : public ShellTest {
protected:
    void SetUp() override
    {
        ShellTest::SetUp();
        SetMiceSource(TwoMice);
        ShowPanel();
    }
    void TearDown() override
    {
        if (Form3)
            Form3->Close();
        PumpUntil([] { return Form3 == nullptr; });
        MouseBinding->Mouse().CancelChoosing();
        MouseBinding->Mouse().Unbind();
        SetMiceSource(nullptr);
        SetBindPromptTimeout(0);
        ShellTest::TearDown();
    }
    // The user clicks "安装USB鼠标" with the first mouse.
    void ClickInstall()
    {
        ClickControl(*Form1->SpeedButton1);
        ASSERT_TRUE(PumpUntil([] { return Form3 && IsWindowVisible(Form3->Handle()); }));
    }
    void Bind()
    {
        ClickInstall();
        Feed(kSecond, 0, 1, 0);
        ASSERT_EQ(MouseBinding->Mouse().BoundDevice(), kSecond);
        ASSERT_TRUE(PumpUntil([] { return Form3 == nullptr; }));
    }
};

} // namespace

TEST_F(MouseBindingShellTest, InstallListensInTheBackgroundBindsTheMouseThatMovesAndUninstallStops)
{
    EXPECT_TRUE(Registered().empty());
    ClickInstall();
    EXPECT_EQ(Form3->Kind(), TBindPromptKind::bpWaiting);
    EXPECT_EQ(Form3->Caption(), L"安装USB鼠标");
    EXPECT_EQ(Form3->Label1->Caption(), L"请移动您要用作第二个指针的鼠标");
    // The help says what the system cannot do.
    EXPECT_NE(Form3->Label2->Caption().find(L"同时也会移动系统光标"), std::wstring::npos);
    EXPECT_NE(Form3->Label2->Caption().find(L"按键也会在系统光标处生效"), std::wstring::npos);
    EXPECT_NE(Form3->Label2->Caption().find(L"系统光标会移到箭头尖端"), std::wstring::npos);
    EXPECT_EQ(Form3->Button1->Caption(), L"取消");
    ASSERT_NE(SkinManager, nullptr);
    EXPECT_TRUE(PumpUntil([] { return SkinManager->FindSkinnedWindow(Form3->Handle()) != nullptr; }));
    SaveScreenshot(*CaptureWindow(Form3->Handle()), "bind-prompt");

    auto devices = Registered();
    ASSERT_EQ(devices.size(), 1u);
    EXPECT_EQ(devices[0].usUsagePage, 1);
    EXPECT_EQ(devices[0].usUsage, 2);
    EXPECT_TRUE(devices[0].dwFlags & RIDEV_INPUTSINK);
    EXPECT_EQ(devices[0].hwndTarget, MouseBinding->Window());

    Feed(kSecond, 0, 4, 3);
    EXPECT_EQ(MouseBinding->Mouse().BoundDevice(), kSecond);
    EXPECT_TRUE(PumpUntil([] { return Form3 == nullptr; }));  // the prompt closes itself
    EXPECT_EQ(StoredMouse(), Utf8ToWide(kSecondName));
    EXPECT_EQ(Registered().size(), 1u);

    const RECT before = [] { RECT r; GetWindowRect(Form4->Handle(), &r); return r; }();
    ClickControl(*Form1->SpeedButton2);
    PumpIdle();
    EXPECT_FALSE(MouseBinding->Mouse().Bound());
    EXPECT_EQ(Form3, nullptr);
    EXPECT_TRUE(Registered().empty());
    EXPECT_FALSE(StoredMouse());
    RECT after;
    GetWindowRect(Form4->Handle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));  // the overlay stays where it is
    Feed(kSecond, 0, 10, 10);
    GetWindowRect(Form4->Handle(), &after);
    EXPECT_TRUE(EqualRect(&before, &after));
    ClickControl(*Form1->SpeedButton8);       // and moves by the nudges again
    EXPECT_EQ(Form4->Left(), before.left + 3);
}

TEST_F(MouseBindingShellTest, ThePromptEndsByItselfWithNothingBound)
{
    EXPECT_EQ(kBindPromptTimeoutMs, 15000u);
    SetBindPromptTimeout(300);
    ClickInstall();
    EXPECT_TRUE(MouseBinding->Mouse().Choosing());
    ASSERT_TRUE(PumpUntil([] { return Form3 == nullptr; }));
    EXPECT_FALSE(MouseBinding->Mouse().Choosing());
    EXPECT_TRUE(Registered().empty());
    Feed(kSecond, 0, 5, 5);
    EXPECT_FALSE(MouseBinding->Mouse().Bound());
}

TEST_F(MouseBindingShellTest, ThePromptCanBeCancelled)
{
    ClickInstall();
    ClickControl(*Form3->Button1);
    ASSERT_TRUE(PumpUntil([] { return Form3 == nullptr; }));
    EXPECT_FALSE(MouseBinding->Mouse().Choosing());
    EXPECT_TRUE(Registered().empty());
    Feed(kSecond, 0, 5, 5);
    EXPECT_FALSE(MouseBinding->Mouse().Bound());
}

TEST_F(MouseBindingShellTest, WithOneMouseOrNothingBoundThePromptSaysSo)
{
    SetMiceSource([] { return std::vector<TMouseDevice> {{kFirst, "only"}}; });
    ClickInstall();
    EXPECT_EQ(Form3->Kind(), TBindPromptKind::bpOnlyOneMouse);
    EXPECT_EQ(Form3->Label1->Caption(), L"只找到一个鼠标");
    EXPECT_EQ(Form3->Button1->Caption(), L"确定");
    EXPECT_FALSE(MouseBinding->Mouse().Choosing());
    EXPECT_TRUE(Registered().empty());
    ClickControl(*Form3->Button1);
    ASSERT_TRUE(PumpUntil([] { return Form3 == nullptr; }));

    ClickControl(*Form1->SpeedButton2);
    ASSERT_TRUE(PumpUntil([] { return Form3 && IsWindowVisible(Form3->Handle()); }));
    EXPECT_EQ(Form3->Kind(), TBindPromptKind::bpNothingBound);
    EXPECT_EQ(Form3->Caption(), L"卸载USB鼠标");
    EXPECT_EQ(Form3->Label1->Caption(), L"没有已安装的USB鼠标");
    ClickControl(*Form3->Button1);
    ASSERT_TRUE(PumpUntil([] { return Form3 == nullptr; }));

    // Uninstall while the prompt waits: the prompt says so, and waits no longer.
    SetMiceSource(TwoMice);
    ClickInstall();
    ClickControl(*Form1->SpeedButton2);
    EXPECT_EQ(Form3->Kind(), TBindPromptKind::bpNothingBound);
    EXPECT_FALSE(MouseBinding->Mouse().Choosing());
    EXPECT_TRUE(Registered().empty());
}

TEST_F(MouseBindingShellTest, TheBoundMouseClicksAndDragsAtTheTipAndTheCursorComesBack)
{
    Bind();
    TClickTarget target({760, 560, 1000, 800});
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == target.Handle(); }));
    Form4->MoveTipTo({850, 650});  // the overlay's arrow lies over the target
    const POINT parked {40, 900};
    MoveMouseTo(parked);
    PumpIdle();

    Feed(kSecond, RI_MOUSE_LEFT_BUTTON_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return target.Got(WM_LBUTTONDOWN); }));
    Feed(kSecond, RI_MOUSE_LEFT_BUTTON_UP);
    ASSERT_TRUE(PumpUntil([&] { return target.Got(WM_LBUTTONUP); }));
    EXPECT_EQ(target.Last(WM_LBUTTONDOWN).x, ClientOf(target.Handle(), {850, 650}).x);
    EXPECT_EQ(target.Last(WM_LBUTTONDOWN).y, ClientOf(target.Handle(), {850, 650}).y);
    EXPECT_EQ(target.Last(WM_LBUTTONUP).x, target.Last(WM_LBUTTONDOWN).x);
    POINT cursor;
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, parked.x);
    EXPECT_EQ(cursor.y, parked.y);

    Feed(kSecond, RI_MOUSE_RIGHT_BUTTON_DOWN | RI_MOUSE_RIGHT_BUTTON_UP);
    ASSERT_TRUE(PumpUntil([&] { return target.Got(WM_RBUTTONUP); }));
    EXPECT_EQ(target.Last(WM_RBUTTONDOWN).x, ClientOf(target.Handle(), {850, 650}).x);

    // A drag: press, move the bound mouse, release where the overlay went.
    target.Messages.clear();
    Feed(kSecond, RI_MOUSE_LEFT_BUTTON_DOWN);
    ASSERT_TRUE(PumpUntil([&] { return target.Got(WM_LBUTTONDOWN); }));
    Feed(kSecond, 0, 30, 20);
    EXPECT_EQ(Form4->Tip().x, 880);
    EXPECT_EQ(Form4->Tip().y, 670);
    const POINT dragged = ClientOf(target.Handle(), {880, 670});
    ASSERT_TRUE(PumpUntil([&] { return target.Last(WM_MOUSEMOVE).x == dragged.x; }));
    EXPECT_EQ(target.Last(WM_MOUSEMOVE).y, dragged.y);
    Feed(kSecond, RI_MOUSE_LEFT_BUTTON_UP);
    ASSERT_TRUE(PumpUntil([&] { return target.Got(WM_LBUTTONUP); }));
    EXPECT_EQ(target.Last(WM_LBUTTONUP).x, dragged.x);
    GetCursorPos(&cursor);
    EXPECT_EQ(cursor.x, parked.x);
    EXPECT_EQ(cursor.y, parked.y);
    // All the while the target kept the focus.
    EXPECT_EQ(GetForegroundWindow(), target.Handle());
}

TEST_F(MouseBindingShellTest, UnplugUnbindsAndReplugRebindsThroughTheDeviceNotices)
{
    Bind();
    const HWND window = MouseBinding->Window();
    Feed(kSecond, RI_MOUSE_LEFT_BUTTON_DOWN);
    SetMiceSource([] { return std::vector<TMouseDevice> {{kFirst, "first"}}; });
    SendMessageW(window, WM_INPUT_DEVICE_CHANGE, GIDC_REMOVAL, static_cast<LPARAM>(kSecond));
    EXPECT_EQ(MouseBinding->Mouse().BoundDevice(), 0u);
    EXPECT_EQ(Registered().size(), 1u);  // still listening for its return
    const int left = Form4->Left();
    Feed(kSecond, 0, 25, 0);
    EXPECT_EQ(Form4->Left(), left);

    constexpr TDeviceHandle kReplugged = 0x3003;
    SetMiceSource([] { return std::vector<TMouseDevice> {{kFirst, "first"}, {kReplugged, kSecondName}}; });
    SendMessageW(window, WM_INPUT_DEVICE_CHANGE, GIDC_ARRIVAL, static_cast<LPARAM>(kReplugged));
    EXPECT_EQ(MouseBinding->Mouse().BoundDevice(), kReplugged);
    Feed(kReplugged, 0, 25, 0);
    EXPECT_EQ(Form4->Left(), left + 25);
}

TEST_F(MouseBindingShellTest, TheOverlayStaysOnTopAndNeverTakesTheFocusWhenItMoves)
{
    const LONG_PTR ex = GetWindowLongPtrW(Form4->Handle(), GWL_EXSTYLE);
    EXPECT_TRUE(ex & WS_EX_TOPMOST);
    EXPECT_TRUE(ex & WS_EX_NOACTIVATE);
    EXPECT_TRUE((ex & (WS_EX_LAYERED | WS_EX_TRANSPARENT)) == (WS_EX_LAYERED | WS_EX_TRANSPARENT));

    TClickTarget target({760, 560, 1000, 800});
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == target.Handle(); }));
    // Another topmost window raises itself over the overlay, as the taskbar does.
    TBackdrop rival({200, 200, 500, 500}, RGB(0, 0, 200));
    SetWindowPos(rival.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(IsAbove(rival.Handle(), Form4->Handle()));

    Bind();
    SetForegroundWindow(target.Handle());
    ASSERT_TRUE(PumpUntil([&] { return GetForegroundWindow() == target.Handle(); }));
    Feed(kSecond, 0, 7, 0);
    EXPECT_TRUE(IsAbove(Form4->Handle(), rival.Handle()));
    EXPECT_EQ(GetForegroundWindow(), target.Handle());

    SetWindowPos(rival.Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    ASSERT_TRUE(IsAbove(rival.Handle(), Form4->Handle()));
    Form1->SpeedButton8->Click();  // a nudge
    PumpIdle();
    EXPECT_TRUE(IsAbove(Form4->Handle(), rival.Handle()));
    EXPECT_EQ(GetForegroundWindow(), target.Handle());
}

// Wine gives injected input the handle of its one mouse (Windows gives none),
// so here the test's own input plays a real mouse, through WM_INPUT and
// GetRawInputData.
void SendRelativeMove(LONG dx, LONG dy)
{
    INPUT input {};
    input.type = INPUT_MOUSE;
    input.mi.dx = dx;
    input.mi.dy = dy;
    input.mi.dwFlags = MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

std::vector<TMouseDevice> WinesMouseAndAnother()
{
    auto mice = SystemMice();
    mice.push_back({kSecond, kSecondName});
    return mice;
}

TEST_F(MouseBindingShellTest, RealRawInputBindsAMouseThatMoves)
{
    ASSERT_FALSE(SystemMice().empty());
    SetMiceSource(WinesMouseAndAnother);
    MouseBinding->Mouse().BeginChoosing();  // no click, so no mouse is the clicker
    ASSERT_TRUE(PumpUntil([] {
        SendRelativeMove(4, 0);
        return MouseBinding->Mouse().Bound();
    }));
    EXPECT_EQ(MouseBinding->Mouse().BoundDevice(), SystemMice()[0].Handle);
    // Its real motion moves the overlay by one pixel per count.
    const int left = Form4->Left();
    SendRelativeMove(9, 0);
    EXPECT_TRUE(PumpUntil([&] { return Form4->Left() >= left + 9; }));
}

TEST_F(MouseBindingShellTest, TheMouseThatClickedInstallIsNotChosen)
{
    SetMiceSource(WinesMouseAndAnother);
    const POINT button = Form1->SpeedButton1->ClientToScreen({20, 20});
    MouseDownAt(button);
    ASSERT_TRUE(PumpUntil([] { return MouseBinding->Mouse().Listening(); }));
    MouseUpAt(button);  // its record names the clicking mouse
    ASSERT_TRUE(PumpUntil([] { return Form3 && IsWindowVisible(Form3->Handle()); }));
    for (int i = 0; i < 5; ++i) {
        SendRelativeMove(4, 0);
        PumpIdle();
    }
    EXPECT_FALSE(MouseBinding->Mouse().Bound());
    Feed(kSecond, 0, 0, 2);
    EXPECT_EQ(MouseBinding->Mouse().BoundDevice(), kSecond);
}

TEST_F(StartUpTest, TheRememberedMouseIsBoundAtTheNextStart)
{
    StopShell();
    {
        TRegistryKey key(HKEY_CURRENT_USER, kTandrelKey, TRegistryOpen::roCreate);
        key.WriteString(kSecondMouseValue, Utf8ToWide(kSecondName));
    }
    SetMiceSource(TwoMice);
    StartApplication();
    m_recorder.Attach();
    EXPECT_EQ(MouseBinding->Mouse().BoundDevice(), kSecond);
    EXPECT_EQ(Registered().size(), 1u);
    const int left = Form4->Left();
    Feed(kSecond, 0, -6, 0);
    EXPECT_EQ(Form4->Left(), left - 6);
    MouseBinding->Mouse().Unbind();
    SetMiceSource(nullptr);
    EXPECT_FALSE(StoredMouse());
}

} // namespace tandrel::test
