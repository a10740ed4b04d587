// The base of the control skinners on real windows: a skinner that takes
// the paint request over and fails to draw.

#include "framework/controls/Button.h"
#include "framework/core/ScopeGuard.h"
#include "framework/core/SysUtils.h"
#include "skin/controls/SkinControl.h"
#include "tests/skin/forms/SkinFormFixture.h"

#include <commctrl.h>

#include <memory>
#include <string>
#include <vector>

namespace tandrel::test {

namespace {

// Takes WM_PAINT over, as the button skinners do, and fails every drawing.
class TFailingPainter : public TSkinControl {
public:
    explicit TFailingPainter() : TSkinControl(nullptr) {}
    bool BeforeMessage(TMessage& m) override
    {
        if (m.Msg != WM_PAINT)
            return true;
        PaintMessage(m);
        return false;
    }
    void DrawControl(HDC, const RECT&) override
    {
        ++Draws;
        throw EInvalidGraphic("a damaged skin image");
    }
    int Draws = 0;
};

// Counts the paint requests that reach the window's own procedure.
LRESULT CALLBACK CountPaints(HWND window, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR data)
{
    if (msg == WM_PAINT)
        ++*reinterpret_cast<int*>(data);
    return DefSubclassProc(window, msg, wParam, lParam);
}

bool NeedsPaint(HWND window) { return GetUpdateRect(window, nullptr, FALSE) != FALSE; }

class SkinControlTest : public TSkinFormTest {
protected:
    void SetUp() override
    {
        TSkinFormTest::SetUp();
        Application->OnException = [this](TObject*, const std::string& m) { m_errors.push_back(m); };
    }
    void TearDown() override
    {
        Application->OnException = nullptr;
        TSkinFormTest::TearDown();
    }
    // Paints the window twice, pumping until no paint is pending.
    void PaintTwice(HWND window, TFailingPainter& painter)
    {
        for (int i = 1; i <= 2; ++i) {
            InvalidateRect(window, nullptr, TRUE);
            UpdateWindow(window);
            EXPECT_TRUE(PumpUntil([&] { return !NeedsPaint(window); }));
            EXPECT_EQ(painter.Draws, i);
        }
    }
    std::vector<std::string> m_errors;
};

} // namespace

TEST_F(SkinControlTest, AFailedPaintOfAPlainWindowIsDroppedQuietlyAndPaintsAgainNextTime)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    ASSERT_NE(ShowSkinned(*form), nullptr);
    HWND const window = CreateWindowExW(0, L"BUTTON", L"Plain", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON, 10, 10, 90,
                                        25, form->Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    auto const destroy = OnScopeExit([window] { DestroyWindow(window); });
    int ownPaints = 0;
    ASSERT_TRUE(SetWindowSubclass(window, CountPaints, 1, reinterpret_cast<DWORD_PTR>(&ownPaints)));
    auto painter = std::make_unique<TFailingPainter>();
    painter->AttachHandle(window, &Skin(), nullptr);

    PaintTwice(window, *painter);
    EXPECT_TRUE(m_errors.empty()) << m_errors.front();
    // The skinner took the message: the button never painted itself.
    EXPECT_EQ(ownPaints, 0);
    painter.reset();
    RemoveWindowSubclass(window, CountPaints, 1);
}

TEST_F(SkinControlTest, AFailedPaintOfAFrameworkControlIsDroppedQuietlyAndPaintsAgainNextTime)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    ASSERT_NE(ShowSkinned(*form), nullptr);
    // Made after the form was skinned, so no skinner of the dispatch holds it.
    auto* button = new TButton(form);
    button->SetParent(form);
    button->SetBounds(10, 10, 90, 25);
    auto painter = std::make_unique<TFailingPainter>();
    painter->Attach(button, &Skin(), nullptr, false);

    PaintTwice(button->Handle(), *painter);
    EXPECT_TRUE(m_errors.empty()) << m_errors.front();
    painter.reset();
}

} // namespace tandrel::test
