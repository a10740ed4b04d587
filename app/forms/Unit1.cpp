#include "app/forms/Unit1.h"

#include "framework/forms/Application.h"
#include "app/forms/U_About.h"
#include "app/forms/U_Bind.h"
#include "app/mouse/MouseBinding.h"
#include "app/forms/Unit4.h"

namespace tandrel {

TForm1* Form1 = nullptr;

TForm1::TForm1(TComponent* owner) : TForm(owner)
{
    PublishHandler("SpeedButton1MouseDown", TMouseEvent([this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
                       SpeedButton1MouseDown(s, b, sh, x, y);
                   }));
    PublishHandler("SpeedButton1MouseUp", TMouseEvent([this](TObject* s, TMouseButton b, TShiftState sh, int x, int y) {
                       SpeedButton1MouseUp(s, b, sh, x, y);
                   }));
    PublishHandler("SpeedButton1Click", TNotifyEvent([this](TObject* s) { SpeedButton1Click(s); }));
    PublishHandler("SpeedButton2Click", TNotifyEvent([this](TObject* s) { SpeedButton2Click(s); }));
    PublishHandler("SpeedButton3Click", TNotifyEvent([this](TObject* s) { SpeedButton3Click(s); }));
    PublishHandler("SpeedButton4Click", TNotifyEvent([this](TObject* s) { SpeedButton4Click(s); }));
    PublishHandler("SpeedButton6Click", TNotifyEvent([this](TObject* s) { SpeedButton6Click(s); }));
    PublishHandler("SpeedButton7Click", TNotifyEvent([this](TObject* s) { SpeedButton7Click(s); }));
    PublishHandler("SpeedButton8Click", TNotifyEvent([this](TObject* s) { SpeedButton8Click(s); }));
    PublishHandler("SpeedButton9Click", TNotifyEvent([this](TObject* s) { SpeedButton9Click(s); }));
}

void TForm1::Loaded()
{
    TForm::Loaded();
    BindComponent(SpeedButton1, "SpeedButton1");
    BindComponent(SpeedButton2, "SpeedButton2");
    BindComponent(SpeedButton3, "SpeedButton3");
    BindComponent(SpeedButton4, "SpeedButton4");
    BindComponent(Label1, "Label1");
    BindComponent(SpeedButton6, "SpeedButton6");
    BindComponent(SpeedButton7, "SpeedButton7");
    BindComponent(SpeedButton8, "SpeedButton8");
    BindComponent(SpeedButton9, "SpeedButton9");
    BindComponent(Label2, "Label2");
    BindComponent(speed, "speed");
    BindComponent(BitBtn1, "BitBtn1");
    BindComponent(SkinData1, "SkinData1");
}

// Listening from the press on lets the release tell which mouse clicked.
void TForm1::SpeedButton1MouseDown(TObject*, TMouseButton button, TShiftState, int, int)
{
    if (button == TMouseButton::mbLeft && MouseBinding)
        MouseBinding->Mouse().Arm();
}

void TForm1::SpeedButton1MouseUp(TObject*, TMouseButton button, TShiftState, int x, int y)
{
    // Released off the button: no click follows.
    const bool inside = x >= 0 && y >= 0 && x < SpeedButton1->Width() && y < SpeedButton1->Height();
    if (button == TMouseButton::mbLeft && !inside && MouseBinding)
        MouseBinding->Mouse().Disarm();
}

// Without a binding (its failure was told at start) the buttons do nothing.
void TForm1::SpeedButton1Click(TObject*)
{
    if (!MouseBinding)
        return;
    const TChooseStart start = MouseBinding->Mouse().BeginChoosing();
    ShowBindPrompt(this, start == TChooseStart::csWaiting ? TBindPromptKind::bpWaiting
                                                          : TBindPromptKind::bpOnlyOneMouse);
}

void TForm1::SpeedButton2Click(TObject*)
{
    // Unbound, the overlay stays where it is and moves by the nudges only.
    if (MouseBinding && !MouseBinding->Mouse().Unbind())
        ShowBindPrompt(this, TBindPromptKind::bpNothingBound);
}

void TForm1::SpeedButton3Click(TObject*) { ExitApplication(); }

void TForm1::SpeedButton4Click(TObject*) { ShowAboutWindow(this); }

void TForm1::Nudge(int dx, int dy) noexcept
{
    try {
        const int step = speed->Position() + 3;
        if (dx)
            Form4->SetLeft(Form4->Left() + dx * step);
        if (dy)
            Form4->SetTop(Form4->Top() + dy * step);
    } catch (...) {
        // A nudge that fails is simply not made.
    }
}

void TForm1::SpeedButton6Click(TObject*) { Nudge(-1, 0); }
void TForm1::SpeedButton7Click(TObject*) { Nudge(0, -1); }
void TForm1::SpeedButton8Click(TObject*) { Nudge(1, 0); }
void TForm1::SpeedButton9Click(TObject*) { Nudge(0, 1); }

} // namespace tandrel
