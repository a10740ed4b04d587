// Which skinner a control gets, for the classes of other libraries the
// engine knows by name, for containers it walks into, and by Tag.

#include "framework/controls/Button.h"
#include "framework/controls/Edit.h"
#include "framework/controls/Panel.h"
#include "framework/controls/ToolBar.h"
#include "framework/core/Colors.h"
#include "skin/controls/SkinScrollBar.h"
#include "tests/skin/forms/SkinFormFixture.h"

#include <string>

namespace tandrel::test {

namespace {

// A control of another library: the engine knows it by its class name only.
template <class Base>
class TNamed : public Base {
public:
    TNamed(TComponent* owner, const char* name) : Base(owner), m_name(name) {}
    const char* ClassName() const override { return m_name; }

private:
    const char* m_name;
};

// A windowed control of no kind the engine knows.
class TPlainControl : public TCustomControl {
public:
    using TCustomControl::TCustomControl;
    const char* ClassName() const override { return "TPlainControl"; }
};

template <class T, class... Args>
T* Place(TWinControl& parent, TComponent* owner, int left, int top, Args... args)
{
    auto* control = new T(owner, args...);
    control->SetParent(&parent);
    control->SetBounds(left, top, 90, 40);
    return control;
}

class ControlDispatchTest : public TSkinFormTest {};

bool OwnThumbDrag(TWinSkinForm& skin, TWinControl& control)
{
    auto* skinner = dynamic_cast<TSkinScrollBar*>(skin.FindSkinner(control.Handle()));
    return skinner && skinner->OwnThumbDrag();
}

} // namespace

TEST_F(ControlDispatchTest, ClassesOfOtherLibrariesKnownByName)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 200);
    // Would be a panel's box, but a preview of that name is left alone.
    auto* preview = Place<TNamed<TPanel>>(*form, form, 10, 10, "TQRPreview");
    // A navigator is a box with its flat look on, ahead of the tool-bar rule.
    auto* navigator = Place<TNamed<TToolBar>>(*form, form, 110, 10, "TDBNavigator");
    // Rich memos and grids of other libraries get the scroll bars, the memos
    // dragging the thumb themselves; ahead of the edit rule.
    auto* memo = Place<TNamed<TEdit>>(*form, form, 210, 10, "TdxDBMemo");
    auto* richEdit = Place<TNamed<TEdit>>(*form, form, 310, 10, "TwwDBRichEdit");
    auto* treeList = Place<TNamed<TEdit>>(*form, form, 10, 60, "TdxTreeList");
    auto* grid = Place<TNamed<TEdit>>(*form, form, 110, 60, "TdxDBGrid");
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);

    EXPECT_EQ(SkinnerOf(*skin, *preview), "none");
    EXPECT_EQ(SkinnerOf(*skin, *navigator), "TSkinBox");
    EXPECT_TRUE(navigator->Flat());
    EXPECT_EQ(ColorToRGB(navigator->Color()), ColorToRGB(Skin().ButtonFaceColour));
    for (TWinControl* c : {memo, richEdit, treeList, grid})
        EXPECT_EQ(SkinnerOf(*skin, *c), "TSkinScrollBar") << c->ClassName();
    EXPECT_TRUE(OwnThumbDrag(*skin, *memo));
    EXPECT_TRUE(OwnThumbDrag(*skin, *richEdit));
    EXPECT_FALSE(OwnThumbDrag(*skin, *treeList));
    EXPECT_FALSE(OwnThumbDrag(*skin, *grid));
}

TEST_F(ControlDispatchTest, ContainersAreWalkedIntoAndTag97MakesAnEdit)
{
    TBenchForm* form = MakeForm(TFormBorderStyle::bsSizeable, 420, 200);
    // A panel of that name gets no box, but what it owns is skinned.
    auto* mvc = Place<TNamed<TPanel>>(*form, form, 10, 10, "TMVCPanel");
    mvc->SetBounds(10, 10, 120, 80);
    auto* inMvc = Place<TButton>(*mvc, mvc, 5, 5);
    // A container that owns its own controls (a frame): walked into, no skinner.
    auto* frame = Place<TPlainControl>(*form, form, 140, 10);
    frame->SetBounds(140, 10, 120, 80);
    auto* inFrame = Place<TButton>(*frame, frame, 5, 5);
    // A form owned by the form: the face colour, and its own controls skinned.
    auto* inner = TCustomForm::Create<TBenchForm>(form);
    inner->SetColor(static_cast<TColor>(RGB(1, 2, 3)));
    auto* inInner = Place<TButton>(*inner, inner, 5, 5);
    // Any windowed control with Tag 97 is skinned as an edit; 197 too.
    auto* tagged = Place<TPlainControl>(*form, form, 270, 10);
    tagged->SetTag(97);
    auto* tagged197 = Place<TPlainControl>(*form, form, 270, 60);
    tagged197->SetTag(197);
    auto* untagged = Place<TPlainControl>(*form, form, 270, 110);
    TWinSkinForm* skin = ShowSkinned(*form);
    ASSERT_NE(skin, nullptr);

    EXPECT_EQ(SkinnerOf(*skin, *mvc), "none");
    EXPECT_EQ(SkinnerOf(*skin, *inMvc), "TSkinButton");
    EXPECT_EQ(SkinnerOf(*skin, *frame), "none");
    EXPECT_EQ(SkinnerOf(*skin, *inFrame), "TSkinButton");
    EXPECT_EQ(ColorToRGB(inner->Color()), ColorToRGB(Skin().ButtonFaceColour));
    EXPECT_EQ(SkinnerOf(*skin, *inInner), "TSkinButton");
    EXPECT_EQ(SkinnerOf(*skin, *tagged), "TSkinEdit");
    EXPECT_EQ(SkinnerOf(*skin, *tagged197), "TSkinEdit");
    EXPECT_EQ(SkinnerOf(*skin, *untagged), "none");
}

} // namespace tandrel::test
