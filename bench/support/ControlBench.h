#pragma once
// Benchmarks of skinned controls: the same controls on a skinned window and
// on one that keeps its own look, in the running application, each paint
// timed in turn on both and reported as medians with their spread.

#include "app/forms/Unit1.h"
#include "bench/support/Bench.h"
#include "framework/forms/Application.h"
#include "framework/forms/Forms.h"
#include "skin/engine/SkinManage.h"
#include "skin/forms/WinSkinForm.h"
#include "framework/forms/MessagePump.h"
#include "framework/graphics/Dpi.h"

#include <cstdio>
#include <functional>
#include <memory>
#include <set>
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

// One case of a comparison: a control's paint, and what the control needs
// once its window is shown.
struct TPaintCase {
    std::string Name;
    TPairKind Kind;
    std::function<void()> Paint;
    std::function<void()> WhenShown = {};
};

// A whole repaint of the window, erased first, done before returning.
inline std::function<void()> RepaintOf(HWND window, UINT flags = RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW)
{
    return [window, flags] {
        RedrawWindow(window, nullptr, nullptr, flags);
        GdiFlush();
    };
}

// A form the skin leaves alone: its Tag ends in the skin data's DisableTag.
constexpr int kOwnLookTag = 99;

// The cases of two shown windows made ready, then each case timed in turn
// on both, one row per case.
inline void ReportCasesInTurn(const char* first, const std::vector<TPaintCase>& a, const char* second,
                              const std::vector<TPaintCase>& b)
{
    for (const auto* cases : {&a, &b})
        for (const TPaintCase& c : *cases)
            if (c.WhenShown)
                c.WhenShown();
    PumpIdle();
    ReportPairHeader(first, second, "us");
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        ReportPair(a[i].Name, InterleavedMicroseconds(a[i].Paint, b[i].Paint), a[i].Kind);
}

// Builds the same controls on a skinned window and on one that keeps its
// own look, side by side, and times each case's paints in turn, skinned and
// own, one row per case.
inline int CompareSkinnedAndOwn(const wchar_t* caption, int width, int height,
                                const std::function<std::vector<TPaintCase>(TBenchWindow&)>& build)
{
    auto skinnedWindow = MakeBenchWindow(caption, width, height);
    auto ownWindow = MakeBenchWindow(caption, width, height);
    ownWindow->SetTag(kOwnLookTag);
    // Apart, so that neither covers what the other paints.
    ownWindow->SetBounds(60 + width, 40, width, height);
    std::vector<TPaintCase> const skinned = build(*skinnedWindow);
    std::vector<TPaintCase> const own = build(*ownWindow);
    skinnedWindow->Show();
    ownWindow->Show();
    if (!PumpUntil([&] { return Skinned(*skinnedWindow); })) {
        std::printf("the window's skin did not start\n");
        return 1;
    }
    if (Skinned(*ownWindow)) {
        std::printf("the window meant to keep its own look is skinned\n");
        return 1;
    }
    ReportCasesInTurn("skinned", skinned, "own", own);
    return 0;
}

// Windows at another density beside windows at 96, through the density
// seam: the windows it is told of, and their controls, are at `dpi`.
class TBenchDensity {
public:
    explicit TBenchDensity(int dpi)
        : m_dpi(dpi), m_saved(SetDpiSource([this](HWND window) {
              return window && m_dense.count(GetAncestor(window, GA_ROOT)) ? m_dpi : kDesignDpi;
          }))
    {
    }
    ~TBenchDensity() { SetDpiSource(std::move(m_saved)); }
    TBenchDensity(const TBenchDensity&) = delete;
    TBenchDensity& operator=(const TBenchDensity&) = delete;

    // The form, laid out at 96, scaled to the density and drawn there.
    void Take(TCustomForm& form)
    {
        m_dense.insert(form.Handle());
        form.ScaleForDpi(m_dpi);
    }
    int Dpi() const { return m_dpi; }

private:
    int m_dpi;
    std::set<HWND> m_dense;
    TDpiSource m_saved;
};

// The same skinned window at `dpi` and at 96, built alike and shown apart,
// each case's paints timed in turn at both, one row per case.
inline int CompareDensities(const wchar_t* caption, int width, int height, int dpi,
                            const std::function<std::vector<TPaintCase>(TBenchWindow&)>& build)
{
    TBenchDensity density(dpi);
    auto dense = MakeBenchWindow(caption, width, height);
    auto plain = MakeBenchWindow(caption, width, height);
    std::vector<TPaintCase> const atDpi = build(*dense);
    std::vector<TPaintCase> const at96 = build(*plain);
    density.Take(*dense);
    plain->SetLeft(dense->Left() + dense->Width() + 20);
    dense->Show();
    plain->Show();
    if (!PumpUntil([&] { return Skinned(*dense) && Skinned(*plain); })) {
        std::printf("the windows' skin did not start\n");
        return 1;
    }
    ReportCasesInTurn(("at " + std::to_string(dpi)).c_str(), atDpi, "at 96", at96);
    return 0;
}

} // namespace tandrel::bench
