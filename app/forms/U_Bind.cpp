#include "app/forms/U_Bind.h"

#include "app/mouse/MouseBinding.h"

namespace tandrel {

TForm3* Form3 = nullptr;

namespace {

struct TPromptTexts {
    const wchar_t* Caption;
    const wchar_t* Message;
    const wchar_t* Help;
    const wchar_t* Button;
};

TPromptTexts TextsOf(TBindPromptKind kind)
{
    switch (kind) {
    case TBindPromptKind::bpWaiting:
        return {L"安装USB鼠标", L"请移动您要用作第二个指针的鼠标",
                L"最先移动的另一个鼠标（不是刚才点击按钮的那个）将移动箭头指针，"
                L"它的左键和右键在箭头尖端点击。15秒内没有鼠标移动则自动取消。\n"
                L"请注意：受系统限制，这个鼠标同时也会移动系统光标，它的按键也会在系统光标处生效；"
                L"它点击时，系统光标会移到箭头尖端，点击后立即回到原处。",
                L"取消"};
    case TBindPromptKind::bpOnlyOneMouse:
        return {L"安装USB鼠标", L"只找到一个鼠标",
                L"使用此功能需要两个鼠标。请先插上第二个USB鼠标，然后再点击“安装USB鼠标”。", L"确定"};
    case TBindPromptKind::bpNothingBound:
        return {L"卸载USB鼠标", L"没有已安装的USB鼠标", L"箭头指针现在只由方向按钮移动。", L"确定"};
    }
    return {L"", L"", L"", L""};
}

unsigned g_timeoutMs = kBindPromptTimeoutMs;
constexpr UINT_PTR kTimeoutTimer = 1;

} // namespace

void SetBindPromptTimeout(unsigned ms) { g_timeoutMs = ms ? ms : kBindPromptTimeoutMs; }

void ShowBindPrompt(TComponent* owner, TBindPromptKind kind)
{
    if (!Form3)
        Form3 = TCustomForm::Create<TForm3>(owner);
    Form3->Present(kind);
    Form3->Show();
}

void BindPromptChosen()
{
    if (Form3)
        Form3->Finish();
}

TForm3::TForm3(TComponent* owner) : TForm(owner)
{
    PublishHandler("Button1Click", TNotifyEvent([this](TObject* s) { Button1Click(s); }));
    OnClose = [this](TObject*, TCloseAction& action) { FormClose(action); };
}

TForm3::~TForm3()
{
    if (Form3 == this)
        Form3 = nullptr;
}

void TForm3::Loaded()
{
    TForm::Loaded();
    BindComponent(Label1, "Label1");
    BindComponent(Label2, "Label2");
    BindComponent(Button1, "Button1");
}

void TForm3::Present(TBindPromptKind kind)
{
    const TPromptTexts texts = TextsOf(kind);
    // A waiting prompt that now says something else waits no longer.
    if (m_waiting && kind != TBindPromptKind::bpWaiting && MouseBinding)
        MouseBinding->Mouse().CancelChoosing();
    m_kind = kind;
    SetCaption(texts.Caption);
    Label1->SetCaption(texts.Message);
    Label2->SetCaption(texts.Help);
    Button1->SetCaption(texts.Button);
    m_waiting = kind == TBindPromptKind::bpWaiting;
    if (m_waiting)
        m_timer.Start(Handle(), kTimeoutTimer, g_timeoutMs);
    else
        m_timer.Stop();
}

void TForm3::Finish()
{
    m_waiting = false;
    m_timer.Stop();
    Close();
}

void TForm3::WndProc(TMessage& m)
{
    if (m.Msg == WM_TIMER && m.WParam == kTimeoutTimer)
        return OnTimer(m);
    TForm::WndProc(m);
}

void TForm3::OnTimer(TMessage&)
{
    m_timer.Stop();
    Close();
}

void TForm3::Button1Click(TObject*) { Close(); }

void TForm3::FormClose(TCloseAction& action)
{
    // Closed while waiting (cancel, time up, the caption's close): nothing is bound.
    if (m_waiting && MouseBinding)
        MouseBinding->Mouse().CancelChoosing();
    m_waiting = false;
    m_timer.Stop();
    action = TCloseAction::caFree;
    if (Form3 == this)
        Form3 = nullptr;
}

} // namespace tandrel
