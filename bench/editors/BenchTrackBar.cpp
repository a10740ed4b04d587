// The main panel's speed slider beside a common-controls trackbar of the
// same size and range on the same form: the median time of one full refresh
// and paint and of one mouse move that changes nothing, for both, and how
// many repaints 1,000 such moves cause the slider (none is the only right
// answer).

#include "framework/forms/Application.h"
#include "bench/support/Bench.h"
#include "app/startup/Tandrel.h"
#include "app/forms/Unit1.h"
#include "editors/trackbar/cxEditRegistration.h"

#include <commctrl.h>

#include <string>

using namespace tandrel;
using tandrel::bench::Median;
using tandrel::bench::MedianMicroseconds;
using tandrel::bench::Report;

namespace {

// Handles what is queued until only timer messages remain (the slider's
// mouse-leave timer ticks every 10 ms while the pointer rests on it).
void Settle()
{
    const ULONGLONG deadline = GetTickCount64() + 5000;
    int quiet = 0;
    while (quiet < 3 && GetTickCount64() < deadline) {
        Application->ProcessMessages();
        Application->UpdateMouseControl();
        MSG msg;
        if (PeekMessageW(&msg, nullptr, 0, WM_TIMER - 1, PM_NOREMOVE) ||
            PeekMessageW(&msg, nullptr, WM_TIMER + 1, 0xFFFFFFFF, PM_NOREMOVE)) {
            quiet = 0;
        } else {
            ++quiet;
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        }
    }
}

// The system's trackbar as a child of a form, destroyed with this object.
class TCommonTrackBar {
public:
    TCommonTrackBar(HWND parent, const RECT& bounds, int min, int max)
        : m_window(CreateWindowExW(0, TRACKBAR_CLASSW, L"", WS_CHILD | WS_VISIBLE | TBS_HORZ | TBS_AUTOTICKS,
                                   bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                                   parent, nullptr, GetModuleHandleW(nullptr), nullptr))
    {
        if (m_window)
            SendMessageW(m_window, TBM_SETRANGE, TRUE, MAKELPARAM(min, max));
    }
    ~TCommonTrackBar()
    {
        if (m_window)
            DestroyWindow(m_window);
    }
    TCommonTrackBar(const TCommonTrackBar&) = delete;
    TCommonTrackBar& operator=(const TCommonTrackBar&) = delete;
    HWND Handle() const { return m_window; }

private:
    HWND m_window;
};

struct TPair {
    double Slider;
    double TrackBar;
};

// Medians of the two measured in alternating rounds, so that a stretch in
// which the machine is busier weighs on both alike. before(true) readies a
// round of the slider, before(false) one of the trackbar.
TPair Alternating(const std::function<void()>& slider, const std::function<void()>& trackBar,
                  const std::function<void(bool)>& before = {})
{
    constexpr int kRounds = 9;
    constexpr int kRunsPerRound = 41;
    std::vector<double> s, t;
    for (int round = 0; round < kRounds; ++round) {
        if (before)
            before(true);
        s.push_back(MedianMicroseconds(slider, kRunsPerRound));
        if (before)
            before(false);
        t.push_back(MedianMicroseconds(trackBar, kRunsPerRound));
    }
    return {Median(s), Median(t)};
}

void ReportPair(const char* what, const TPair& pair)
{
    std::string name = std::string("speed slider: ") + what;
    Report(name.c_str(), pair.Slider, "us");
    name = std::string("common trackbar: ") + what;
    Report(name.c_str(), pair.TrackBar, "us");
    Report("  ratio, slider to trackbar", pair.Slider / pair.TrackBar, "", 2);
}

// Moves the real pointer onto a window's client point and lets the
// framework see it arrive.
void RestPointerOn(HWND window, POINT client)
{
    ClientToScreen(window, &client);
    SetCursorPos(client.x, client.y);
    Settle();
}

// Measures on the shown main panel; answers the slider's repaints.
int Measure()
{
    TcxTrackBar& speed = *Form1->speed;
    HWND slider = speed.Handle();
    auto& props = speed.Properties();
    // Beside the slider, where the panel has nothing else.
    TCommonTrackBar common(Form1->Handle(), {230, speed.Top(), 230 + speed.Width(), speed.Top() + speed.Height()},
                           props.Min(), props.Max());
    HWND track = common.Handle();
    if (!track) {
        std::fprintf(stderr, "no common-controls trackbar could be made\n");
        return -1;
    }
    // Every round must paint: both on screen, with nothing left from showing them.
    auto ready = [&] {
        return IsWindowVisible(slider) && IsWindowVisible(track) && !GetUpdateRect(slider, nullptr, FALSE) &&
               !GetUpdateRect(track, nullptr, FALSE);
    };
    const ULONGLONG deadline = GetTickCount64() + 5000;
    Settle();
    while (!ready() && GetTickCount64() < deadline)
        Settle();

    // The trackbar's equivalent of a full refresh: all of it invalidated, as
    // the slider's refresh does (without erasing), then painted at once.
    const TPair refresh = Alternating(
        [&] {
            speed.RefreshContainer(false);
            UpdateWindow(slider);
        },
        [&] {
            InvalidateRect(track, nullptr, FALSE);
            UpdateWindow(track);
        });
    ReportPair("full refresh and paint", refresh);

    // The pointer rests on the track, away from the thumb, while moves along
    // the track arrive.
    int x = 0;
    auto nextX = [&x] { return 30 + x++ % 120; };
    const TPair move = Alternating(
        [&] { SendMessageW(slider, WM_MOUSEMOVE, 0, MAKELPARAM(nextX(), 15)); },
        [&] { SendMessageW(track, WM_MOUSEMOVE, 0, MAKELPARAM(nextX(), 15)); },
        [&](bool isSlider) { RestPointerOn(isSlider ? slider : track, {100, 15}); });
    ReportPair("one mouse move that changes nothing", move);

    RestPointerOn(slider, {100, 15});
    int paints = 0;
    TWndMethod saved = speed.WindowProc;
    speed.WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_PAINT)
            ++paints;
        saved(m);
    };
    for (int i = 0; i < 1000; ++i) {
        SendMessageW(slider, WM_MOUSEMOVE, 0, MAKELPARAM(nextX(), 15));
        Application->ProcessMessages();
    }
    Settle();
    speed.WindowProc = saved;
    Report("speed slider: repaints caused by 1,000 idle mouse moves", paints, "paints");
    return paints;
}

} // namespace

int main()
{
    StartApplication();
    Form1->Show();
    Settle();
    const int paints = Measure();
    SetCursorPos(0, 0);
    Settle();
    StopApplication();
    FinalizeFramework();
    FinalizeEditors();
    return paints == 0 ? 0 : 1;
}
