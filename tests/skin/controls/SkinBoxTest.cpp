// The box skinner of panels, group boxes and radio groups: the face colour,
// and nothing else of the control changed.

#include "framework/controls/GroupBox.h"
#include "framework/controls/Panel.h"
#include "framework/controls/RadioGroup.h"
#include "framework/core/Colors.h"
#include "skin/controls/SkinControlList.h"
#include "tests/skin/forms/SkinFormFixture.h"

namespace tandrel::test {

namespace {

class SkinBoxTest : public TSkinFormTest {
protected:
    // Takes the skin off every window, and puts it back when the test ends.
    static void SkinOff(HWND window)
    {
        Skin().SetActive(false);
        SkinManager->ActionTimer();
        EXPECT_EQ(SkinManager->FindSkinnedWindow(window), nullptr);
    }
    void TearDown() override
    {
        if (!Skin().Active()) {
            Skin().SetActive(true);
            SkinManager->ActionTimer();
        }
        TSkinFormTest::TearDown();
    }

    // The counts the boxes' handlers keep: the fixture outlives the forms,
    // which are freed, and still send messages, after the test body ends.
    int m_panelMessages = 0;
    int m_groupMessages = 0;
    int m_radioMessages = 0;
};

// A handler the test puts on a control before it is skinned: it counts and
// hands on, and its type shows whether it is still the control's handler.
struct TCountingHandler {
    TWndMethod Previous;
    int* Count;
    void operator()(TMessage& m) const
    {
        ++*Count;
        Previous(m);
    }
};

template <class T>
T* AddBox(TCustomForm& form, int left, int top, int* count)
{
    auto* box = new T(&form);
    box->SetParent(&form);
    box->SetBounds(left, top, 120, 80);
    box->SetColor(static_cast<TColor>(RGB(10, 200, 30)));
    box->WindowProc = TCountingHandler {std::move(box->WindowProc), count};
    return box;
}

TSkinControl* SkinnerFor(TWinSkinForm& skin, TWinControl& control)
{
    return skin.FindSkinner(control.Handle());
}

} // namespace

TEST_F(SkinBoxTest, PanelsAndGroupBoxesTakeTheFaceColourAndKeepTheirOwnHandlerAndPainting)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 200);
    auto* panel = AddBox<TPanel>(*form, 10, 10, &m_panelMessages);
    auto* group = AddBox<TGroupBox>(*form, 140, 10, &m_groupMessages);
    auto* radio = AddBox<TRadioGroup>(*form, 270, 10, &m_radioMessages);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);

    for (TWinControl* box : std::initializer_list<TWinControl*> {panel, group, radio}) {
        TSkinControl* skinner = SkinnerFor(*skin, *box);
        ASSERT_NE(skinner, nullptr) << box->ClassName();
        EXPECT_STREQ(skinner->ClassName(), "TSkinBox");
        EXPECT_EQ(ColorToRGB(box->Color()), skinner->FaceColour()) << box->ClassName();
        EXPECT_TRUE(box->WindowProc.target<TCountingHandler>()) << box->ClassName();
        EXPECT_FALSE(box->DoubleBuffered()) << box->ClassName();
    }
    // Their messages still reach their own handlers first and only.
    int const before = m_panelMessages;
    panel->Perform(WM_NULL, 0, 0);
    EXPECT_EQ(m_panelMessages, before + 1);

    // Unskinned, each has its own colour back.
    SkinOff(form->Handle());
    for (TWinControl* box : std::initializer_list<TWinControl*> {panel, group, radio}) {
        EXPECT_EQ(ColorToRGB(box->Color()), RGB(10, 200, 30)) << box->ClassName();
        EXPECT_TRUE(box->WindowProc.target<TCountingHandler>()) << box->ClassName();
    }
}

TEST_F(SkinBoxTest, APanelFreedWhileSkinnedIsNotTouchedWhenTheSkinGoes)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable);
    auto* panel = AddBox<TPanel>(*form, 10, 10, &m_panelMessages);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);
    ASSERT_NE(SkinnerFor(*skin, *panel), nullptr);
    delete panel;
    SkinOff(form->Handle());
}

} // namespace tandrel::test
