#pragma once
// Benchmarks of skinned controls: a window of controls in the running
// application, each control's paint timed with the skin on and again with
// it off, reported as medians with the ratio.

#include "app/forms/Unit1.h"
#include "bench/support/Bench.h"
#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"
#include "framework/forms/MessagePump.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace tandrel::bench {

class TBenchWindow : public TForm {
public:
    const char* ClassName() const override { return "TBenchWindow"; }

protected:
    friend class TCustomForm;
    explicit TBenchWindow(TComponent* owner) : TForm(owner) {}
};

inline std::unique_ptr<TBenchWindow> MakeBenchWindow(const wchar_t* caption, int width, int height)
{
    std::unique_ptr<TBenchWindow> window(TCustomForm::Create<TBenchWindow>(Application));
    window->SetBounds(40, 40, width, height);
    window->SetCaption(caption);
    return window;
}

template <class T>
T* Put(TCustomForm& form, int left, int top, int width, int height)
{
    auto* control = new T(&form);
    control->SetParent(&form);
    control->SetBounds(left, top, width, height);
    return control;
}

inline bool Skinned(const TCustomForm& form)
{
    TWinSkinForm* skin = SkinManager ? SkinManager->FindSkinnedWindow(form.Handle()) : nullptr;
    return skin && skin->SkinState() == ssSkinned;
}

struct TPaintSubject {
    std::string Name;
    std::function<void()> Paint;
};

// A whole repaint of the window, erased first, done before returning.
inline std::function<void()> RepaintOf(HWND window, UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW)
{
    return [window, flags] {
        RedrawWindow(window, nullptr, nullptr, flags);
        GdiFlush();
    };
}

// Shows the window, times every subject skinned, then with the skin off,
// puts the skin back and reports both medians and their ratio.
inline int CompareSkinnedAndOwn(TCustomForm& window, const std::vector<TPaintSubject>& subjects,
                                const std::function<void()>& whenShown = {})
{
    window.Show();
    if (!PumpUntil([&] { return Skinned(window); })) {
        std::printf("the window's skin did not start\n");
        return 1;
    }
    if (whenShown)
        whenShown();
    PumpIdle();
    auto const measure = [&] {
        std::vector<double> times;
        for (const TPaintSubject& s : subjects)
            times.push_back(MedianMicroseconds(s.Paint, 201));
        return times;
    };
    std::vector<double> const skinned = measure();

    TSkinData& data = *Form1->SkinData1;
    data.SetActive(false);
    SkinManager->ActionTimer();
    PumpIdle();
    if (Skinned(window)) {
        std::printf("the skin did not come off\n");
        return 1;
    }
    std::vector<double> const plain = measure();
    data.SetActive(true);
    SkinManager->ActionTimer();
    PumpIdle();

    for (std::size_t i = 0; i < subjects.size(); ++i) {
        Report((subjects[i].Name + ", skinned").c_str(), skinned[i], "us");
        Report((subjects[i].Name + ", the system's own").c_str(), plain[i], "us");
        Report("  ratio skinned / own", skinned[i] / plain[i], "", 2);
    }
    return 0;
}

} // namespace tandrel::bench
