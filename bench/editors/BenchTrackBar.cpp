// The main panel's speed slider: the median time of one full refresh and
// paint, and how many repaints 1,000 mouse moves that change nothing cause
// (none is the only right answer).

#include "framework/forms/Application.h"
#include "bench/support/Bench.h"
#include "app/Tandrel.h"
#include "app/Unit1.h"
#include "editors/cxEditRegistration.h"

using namespace tandrel;
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

} // namespace

int main()
{
    StartApplication();
    Form1->Show();
    Settle();
    TcxTrackBar& speed = *Form1->speed;

    const double refresh = MedianMicroseconds([&] {
        speed.RefreshContainer(false);
        UpdateWindow(speed.Handle());
    }, 201);
    Report("speed slider: full refresh and paint", refresh, "us");

    // Rest the pointer on the track, away from the thumb, then move along it.
    const POINT start = speed.ClientToScreen({100, 15});
    SetCursorPos(start.x, start.y);
    Settle();
    int paints = 0;
    TWndMethod saved = speed.WindowProc;
    speed.WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_PAINT)
            ++paints;
        saved(m);
    };
    const double move = MedianMicroseconds([&] {
        static int i = 0;
        const int x = 30 + i++ % 120;
        SendMessageW(speed.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 15));
    }, 51);
    paints = 0;
    for (int i = 0; i < 1000; ++i) {
        const int x = 30 + i % 120;
        SendMessageW(speed.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(x, 15));
        Application->ProcessMessages();
    }
    Settle();
    speed.WindowProc = saved;
    Report("speed slider: one mouse move that changes nothing", move, "us");
    Report("speed slider: repaints caused by 1,000 idle mouse moves", paints, "paints");

    SetCursorPos(0, 0);
    Settle();
    StopApplication();
    FinalizeFramework();
    FinalizeEditors();
    return paints == 0 ? 0 : 1;
}
