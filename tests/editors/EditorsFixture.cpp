#include "tests/editors/EditorsFixture.h"

#include "editors/trackbar/cxEditRegistration.h"

namespace tandrel::test {

namespace {
// The editors start once for the whole run, after the framework.
class TEditorsEnvironment : public ::testing::Environment {
public:
    void SetUp() override { InitializeEditors(); }
    void TearDown() override { FinalizeEditors(); }
};
[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new TEditorsEnvironment);
} // namespace

void Settle()
{
    auto pending = [] {
        MSG msg;
        return PeekMessageW(&msg, nullptr, 0, WM_TIMER - 1, PM_NOREMOVE) ||
               PeekMessageW(&msg, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_NOREMOVE);
    };
    int quiet = 0;
    const ULONGLONG deadline = GetTickCount64() + 5000;
    while (quiet < 3 && GetTickCount64() < deadline) {
        Application->ProcessMessages();
        Application->UpdateMouseControl();
        if (pending()) {
            quiet = 0;
        } else {
            ++quiet;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
    }
    Application->ProcessMessages();
}

void PointerTo(POINT screen)
{
    SendMouseInput(0, screen);
    Settle();
}

void PointerDown(POINT screen)
{
    PointerTo(screen);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, screen);
    Settle();
}

void PointerUp(POINT screen)
{
    PointerTo(screen);
    SendMouseInput(MOUSEEVENTF_LEFTUP, screen);
    Settle();
}

void PointerClick(POINT screen)
{
    PointerTo(screen);
    SendMouseInput(MOUSEEVENTF_LEFTDOWN, screen);
    SendMouseInput(MOUSEEVENTF_LEFTUP, screen);
    Settle();
}

TPaintCounter::TPaintCounter(TControl& control) : m_control(control), m_saved(control.WindowProc)
{
    m_control.WindowProc = [this](TMessage& m) {
        if (m.Msg == WM_PAINT)
            ++m_count;
        m_saved(m);
    };
}

TPaintCounter::~TPaintCounter() { m_control.WindowProc = m_saved; }

THostForm* THostFormTest::s_form = nullptr;

void THostFormTest::SetUpTestSuite()
{
    s_form = TCustomForm::Create<THostForm>(Application);
    s_form->SetBounds(120, 120, 320, 240);
    s_form->SetCaption(L"Slider host");
    s_form->Show();
    ASSERT_TRUE(PumpUntil([] { return IsWindowVisible(s_form->Handle()) && GetActiveWindow() == s_form->Handle(); }));
    Settle();
}

void THostFormTest::TearDownTestSuite()
{
    delete s_form;
    s_form = nullptr;
    Settle();
}

void TSliderTest::SetUp()
{
    ParkPointer();
    NewSlider();
}

void TSliderTest::TearDown()
{
    delete m_slider;
    m_slider = nullptr;
    Settle();
}

TcxTrackBar* TSliderTest::NewSlider(int left, int top, int width, int height)
{
    delete m_slider;
    m_slider = new TcxTrackBar(s_form);
    m_slider->SetParent(s_form);
    m_slider->SetBounds(left, top, width, height);
    m_slider->HandleNeeded();
    m_props = &m_slider->ActiveProperties();
    Settle();
    return m_slider;
}

void TSliderTest::Key(WORD key, bool down)
{
    PostMessageW(m_slider->Handle(), down ? WM_KEYDOWN : WM_KEYUP, key, down ? 1 : 0xC0000001);
    Application->ProcessMessages();
}

void TSliderTest::SendMouse(UINT msg, int x, int y, WPARAM keys)
{
    SendMessageW(m_slider->Handle(), msg, keys, MAKELPARAM(x, y));
}

POINT TSliderTest::Screen(int x, int y) const { return m_slider->ClientToScreen({x, y}); }

void THostFormTest::ParkPointer() { PointerTo({5, GetSystemMetrics(SM_CYSCREEN) - 5}); }

} // namespace tandrel::test
