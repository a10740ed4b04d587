#include "tests/skin/forms/SkinFormFixture.h"

#include "framework/core/Streams.h"
#include "framework/graphics/GdiObjects.h"
#include "tests/support/DialogTemplate.h"

#include <algorithm>
#include <cstring>

namespace tandrel::test {

TSkinData* TSkinFormTest::s_skin = nullptr;

TBenchForm::TBenchForm(TComponent* owner) : TForm(owner)
{
    OnClose = [this](TObject*, TCloseAction&) { ++Closes; };
}

void TBenchForm::WndProc(TMessage& m)
{
    if (m.Msg == WM_SIZE)
        ++SizeMessages;
    TForm::WndProc(m);
}

TSkinData* LoadedSkinData(TComponent* owner, TSkinFormType type, const std::vector<std::uint8_t>& stream, bool active)
{
    auto* data = new TSkinData(owner);
    data->SetComponentStateFlags(csLoading | csReading, true);
    data->SetActive(active);
    data->SetSkinFormtype(type);
    std::vector<unsigned char> property(4 + stream.size());
    auto const length = static_cast<std::int32_t>(stream.size());
    std::memcpy(property.data(), &length, 4);
    std::copy(stream.begin(), stream.end(), property.begin() + 4);
    data->ReadSkinStream(property);
    data->Loaded();
    return data;
}

void TSkinFormTest::StartEngine()
{
    InitializeSkinEngine();
    if (!s_skin)
        s_skin = LoadedSkinData(nullptr, sfMainform, DefaultSkinStream());
    if (SkinManager && !SkinManager->Skinning())
        SkinManager->SetSkinning(true);
}

void TSkinFormTest::SetUpTestSuite() { StartEngine(); }

void TSkinFormTest::TearDownTestSuite() {}

void TSkinFormTest::SetUp()
{
    StartEngine();
    MouseAway();
}

void TSkinFormTest::TearDown()
{
    CancelSoon();
    // The shared skin data outlives the test: a handler left on it would
    // reach the test's dead locals from a later test's message loop.
    if (s_skin) {
        EXPECT_FALSE(s_skin->OnSkinChanged || s_skin->OnFormSkin || s_skin->OnSkinControl)
            << "the test left a handler on the shared skin data";
        s_skin->OnSkinChanged = nullptr;
        s_skin->OnFormSkin = nullptr;
        s_skin->OnSkinControl = nullptr;
    }
    while (!m_forms.empty()) {
        TCustomForm* form = m_forms.back();
        m_forms.pop_back();
        delete form;
    }
    MouseAway();
    PumpIdle();
}

TBenchForm* TSkinFormTest::MakeForm(TFormBorderStyle style, int clientWidth, int clientHeight, const std::wstring& caption)
{
    auto* form = TCustomForm::Create<TBenchForm>(Application);
    m_forms.push_back(form);
    form->SetBorderStyle(style);
    form->SetBounds(120, 100, clientWidth, clientHeight);
    form->SetCaption(caption);
    form->SetClientWidth(clientWidth);
    form->SetClientHeight(clientHeight);
    return form;
}

TMenuItem* TSkinFormTest::AddFileMenu(TBenchForm& form, const wchar_t* itemCaption)
{
    auto* menu = new TMainMenu(&form);
    auto* file = new TMenuItem(&form);
    file->SetCaption(L"&File");
    menu->Items().Add(file);
    auto* item = new TMenuItem(&form);
    item->SetCaption(itemCaption);
    file->Add(item);
    form.SetMenu(menu);
    return item;
}

TWinSkinForm* TSkinFormTest::ShowSkinned(TCustomForm& form)
{
    form.Show();
    TWinSkinForm* skin = nullptr;
    bool const started = PumpUntil([&] {
        skin = SkinOf(form.Handle());
        return skin && skin->SkinState() == ssSkinned;
    });
    EXPECT_TRUE(started) << "the skin did not start on " << form.Name();
    PumpIdle();
    return skin;
}

TWinSkinForm* TSkinFormTest::ExpectSkinCyclesLeaveNothing(TCustomForm& form, int cycles)
{
    TWinSkinForm* const first = SkinOf(form.Handle());
    EXPECT_NE(first, nullptr);
    if (!first)
        return nullptr;
    std::size_t const skinners = first->Skinners().Items().size();
    auto const cycle = [&] {
        Skin().SetActive(false);
        SkinManager->ActionTimer();
        if (SkinOf(form.Handle()))
            return false;
        Skin().SetActive(true);
        SkinManager->ActionTimer();
        if (!PumpUntil([&] { return SkinOf(form.Handle()) && SkinOf(form.Handle())->SkinState() == ssSkinned; }))
            return false;
        RedrawWindow(form.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN | RDW_FRAME);
        return true;
    };
    EXPECT_TRUE(cycle());
    int const before = LiveGdiObjects();
    for (int i = 0; i < cycles; ++i) {
        if (!cycle()) {
            ADD_FAILURE() << "the skin did not come off and back in cycle " << i;
            return SkinOf(form.Handle());
        }
    }
    PumpIdle();
    EXPECT_EQ(LiveGdiObjects(), before);
    TWinSkinForm* const skin = SkinOf(form.Handle());
    EXPECT_NE(skin, nullptr);
    if (skin) {
        EXPECT_EQ(skin->Skinners().Items().size(), skinners);
    }
    return skin;
}

void TSkinFormTest::CheckSkinnedDialog(const std::vector<WORD>& dialog, const wchar_t* caption,
                                       const std::function<void(HWND box, TWinSkinForm& skin)>& check)
{
    bool checked = false;
    RunSoon([&] {
        HWND const box = FindWindowW(L"#32770", caption);
        ASSERT_NE(box, nullptr);
        ASSERT_TRUE(PumpUntil([&] { return SkinOf(box) && SkinOf(box)->SkinState() == ssSkinned; }));
        check(box, *SkinOf(box));
        checked = !::testing::Test::HasFatalFailure();
        EndDialog(box, IDOK);
    }, 200);
    INT_PTR const answer = RunTemplateDialog(dialog, caption);
    EXPECT_TRUE(checked);
    EXPECT_EQ(answer, IDOK);
}

void TSkinFormTest::FreeForm(TCustomForm* form)
{
    m_forms.erase(std::remove(m_forms.begin(), m_forms.end(), form), m_forms.end());
    delete form;
    PumpIdle();
}

bool TSkinFormTest::Held(const TWinSkinForm* skin)
{
    const auto& list = SkinManager->SkinnedWindows();
    return std::any_of(list.begin(), list.end(), [&](const auto& f) { return f.get() == skin; });
}

std::unique_ptr<TBitmap> TSkinFormTest::Shot(HWND window)
{
    // Wine puts a window's surface on the screen when its thread waits.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 0, QS_ALLINPUT);
    return CaptureWindow(window);
}

POINT TSkinFormTest::ScreenOf(HWND window, POINT p)
{
    RECT r;
    GetWindowRect(window, &r);
    return {r.left + p.x, r.top + p.y};
}

void TSkinFormTest::MouseAway()
{
    SendMouseInput(0, {GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN) - 2});
}

} // namespace tandrel::test
