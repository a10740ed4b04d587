// The editor layer: properties updates, the edit value with its editing
// gate and change rules, and the reserved ring round the content.

#include "tests/editors/EditorsFixture.h"

#include "editors/edit/cxEdit.h"

namespace tandrel::test {

namespace {

class TTestEditProperties : public TcxCustomEditProperties {
public:
    using TcxCustomEditProperties::TcxCustomEditProperties;
    const TcxEditPropertiesClass& PropertiesClass() const override { return Class(); }
    bool CompareEditValue() const override { return Compare; }
    bool Compare = false;
    int Setting = 0;
    void SetSetting(int value)
    {
        Setting = value;
        RaiseChanged();
    }
    static const TcxEditPropertiesClass& Class()
    {
        static const TcxEditPropertiesClass info {
            "TTestEditProperties", "TTestEdit",
            [](TcxCustomEdit* owner) -> std::unique_ptr<TcxCustomEditProperties> {
                return std::make_unique<TTestEditProperties>(owner);
            },
            [](TcxContainer* owner) -> std::unique_ptr<TcxContainerStyle> {
                return std::make_unique<TcxCustomEditStyle>(owner, owner);
            },
            [] { return std::make_unique<TcxCustomTextEditViewInfo>(); },
            [](TcxCustomEditProperties& p, TcxContainerStyle& s, bool embedded) {
                return std::make_unique<TcxCustomEditViewData>(p, s, embedded);
            }};
        return info;
    }
};

class TTestEdit : public TcxCustomEdit {
public:
    explicit TTestEdit(TComponent* owner) : TcxCustomEdit(owner, TTestEditProperties::Class()) {}
    const char* ClassName() const override { return "TTestEdit"; }
    TTestEditProperties& Props() { return static_cast<TTestEditProperties&>(Properties()); }
    void Store(const TVariant& v, bool byUser)
    {
        SetUserEdit(byUser);
        StoreEditValue(v);
        SetUserEdit(false);
    }
    int Refreshes = 0;
    int Stored = 0;

protected:
    void PropertiesModified() override
    {
        ++Refreshes;
        TcxCustomEdit::PropertiesModified();
    }
    void EditValueStored() override { ++Stored; }
};

class EditTest : public THostFormTest {
protected:
    void SetUp() override
    {
        ParkPointer();
        m_edit = new TTestEdit(s_form);
        m_edit->SetParent(s_form);
        m_edit->SetBounds(30, 30, 100, 24);
        m_edit->HandleNeeded();
        m_edit->Props().OnEditValueChanged = [this](TObject*) { ++m_valueChanges; };
        m_edit->Props().OnEditChanged = [this](TObject*) { ++m_changes; };
        Settle();
    }
    void TearDown() override
    {
        delete m_edit;
        Settle();
    }

    TTestEdit* m_edit = nullptr;
    int m_valueChanges = 0;
    int m_changes = 0;
};

} // namespace

TEST_F(EditTest, NewEditorHoldsNullUntilAValueIsStored)
{
    EXPECT_TRUE(m_edit->EditValue().IsNull());
    m_edit->Store(TVariant(std::int32_t {4}), false);
    EXPECT_EQ(m_edit->EditValue(), TVariant(std::int32_t {4}));
    EXPECT_EQ(m_edit->Stored, 1);
}

TEST_F(EditTest, UpdateRaisesOneChangeAtItsEnd)
{
    TTestEditProperties& p = m_edit->Props();
    m_edit->Refreshes = 0;
    TPaintCounter paints(*m_edit);
    p.BeginPropertiesUpdate();
    for (int i = 0; i < 10; ++i)
        p.SetSetting(i);
    EXPECT_EQ(m_edit->Refreshes, 0);
    p.EndPropertiesUpdate(true);
    EXPECT_EQ(m_edit->Refreshes, 1);
    Settle();
    EXPECT_EQ(paints.Count(), 1);

    // Ending without notify drops it; an extra end does nothing.
    p.BeginPropertiesUpdate();
    p.SetSetting(3);
    p.EndPropertiesUpdate(false);
    p.EndPropertiesUpdate(true);
    EXPECT_EQ(m_edit->Refreshes, 1);
}

TEST_F(EditTest, ComparedValuesCountAChangeOnlyWhenTheyDiffer)
{
    m_edit->Props().Compare = true;
    m_edit->Store(TVariant(std::int32_t {7}), false);
    m_edit->Store(TVariant(std::int32_t {7}), false);
    EXPECT_EQ(m_valueChanges, 1);
    EXPECT_EQ(m_changes, 1);
    m_edit->Store(TVariant(std::int16_t {7}), false);  // another type is another value
    EXPECT_EQ(m_valueChanges, 2);
    EXPECT_EQ(m_edit->Stored, 3);

    m_edit->Props().Compare = false;
    m_edit->Store(TVariant(std::int16_t {7}), false);
    EXPECT_EQ(m_valueChanges, 3);
    // An outer operation holding the events back.
    m_edit->Props().ChangeEventsLockCount = 1;
    m_edit->Store(TVariant(std::int16_t {8}), false);
    EXPECT_EQ(m_valueChanges, 3);
}

TEST_F(EditTest, EditingGateDecidesAUsersStore)
{
    int asked = 0;
    bool allow = false;
    m_edit->OnEditing = [&](TObject* sender, bool& canEdit) {
        EXPECT_EQ(sender, m_edit);
        ++asked;
        canEdit = allow;
    };
    m_edit->Store(TVariant(std::int32_t {1}), true);
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(m_edit->EditValue().IsNull());
    EXPECT_EQ(m_edit->Stored, 0);
    EXPECT_FALSE(m_edit->Modified());

    // A store by the program does not ask.
    m_edit->Store(TVariant(std::int32_t {2}), false);
    EXPECT_EQ(asked, 1);
    EXPECT_FALSE(m_edit->Modified());

    allow = true;
    m_edit->Store(TVariant(std::int32_t {3}), true);
    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(m_edit->ModifiedAfterEnter());
    EXPECT_TRUE(m_edit->Modified());
    // An edit under way is not asked about again.
    allow = false;
    m_edit->Store(TVariant(std::int32_t {4}), true);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(m_edit->EditValue(), TVariant(std::int32_t {4}));
    // Read-only properties close the gate before the event is asked.
    m_edit->SetModified(false);
    EXPECT_FALSE(m_edit->ModifiedAfterEnter());
    m_edit->Props().SetReadOnly(true);
    EXPECT_FALSE(m_edit->RequestEdit());
    EXPECT_EQ(asked, 2);
}

TEST_F(EditTest, TransparentRingShowsAndPassesThroughToTheParent)
{
    TcxContainerStyle& style = m_edit->Style();
    style.SetBorderStyle(cbsNone);
    style.SetHotTrack(false);
    ASSERT_TRUE(style.TransparentBorder());
    const auto& info = m_edit->EditViewInfo();
    EXPECT_EQ(info.BorderWidth, 0);
    EXPECT_TRUE(SameRect(info.ClientRect, {2, 2, 98, 22}));
    EXPECT_TRUE(SameRect(info.VisibleRect, {2, 2, 98, 22}));
    RECT region {};
    TOwnedRegion rgn(CreateRectRgn(0, 0, 0, 0));
    ASSERT_NE(GetWindowRgn(m_edit->Handle(), rgn.Get()), ERROR);
    GetRgnBox(rgn.Get(), &region);
    EXPECT_TRUE(SameRect(region, {2, 2, 98, 22}));

    int formPresses = 0, editPresses = 0;
    s_form->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++formPresses; };
    m_edit->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++editPresses; };
    PointerClick(m_edit->ClientToScreen({1, 1}));
    EXPECT_EQ(formPresses, 1);
    EXPECT_EQ(editPresses, 0);
    PointerClick(m_edit->ClientToScreen({3, 3}));
    EXPECT_EQ(editPresses, 1);
    s_form->OnMouseDown = nullptr;

    // With a border drawn, the region grows by its width.
    style.SetBorderStyle(cbsSingle);
    ASSERT_NE(GetWindowRgn(m_edit->Handle(), rgn.Get()), ERROR);
    GetRgnBox(rgn.Get(), &region);
    EXPECT_TRUE(SameRect(region, {1, 1, 99, 23}));
}

// The editor remembers the region it gave its window instead of reading it
// back: the window must hold that region through resizes, a new window and
// a round trip through the native style, which wants none.
TEST_F(EditTest, VisibleRegionFollowsSizeNewWindowsAndNativeStyle)
{
    m_edit->Style().SetBorderStyle(cbsNone);
    auto regionBox = [&](RECT& box) {
        TOwnedRegion rgn(CreateRectRgn(0, 0, 0, 0));
        const bool any = GetWindowRgn(m_edit->Handle(), rgn.Get()) != ERROR;
        GetRgnBox(rgn.Get(), &box);
        return any;
    };
    RECT box {};
    m_edit->SetBounds(30, 30, 140, 30);
    ASSERT_TRUE(regionBox(box));
    EXPECT_TRUE(SameRect(box, {2, 2, 138, 28}));
    m_edit->RecreateWnd();
    Settle();
    ASSERT_TRUE(regionBox(box));
    EXPECT_TRUE(SameRect(box, {2, 2, 138, 28}));

    TdxThemeApiOverride themes(TFakeThemes::Api());
    m_edit->Style().LookAndFeel().SetNativeStyle(true);
    EXPECT_FALSE(regionBox(box));
    m_edit->Style().LookAndFeel().SetNativeStyle(false);
    ASSERT_TRUE(regionBox(box));
    EXPECT_TRUE(SameRect(box, {2, 2, 138, 28}));
}

TEST(VariantTest, KindsAndEquality)
{
    EXPECT_TRUE(TVariant().IsEmpty());
    EXPECT_TRUE(TVariant::Null().IsNull());
    EXPECT_EQ(TVariant(std::int32_t {5}).VarType(), TVarType::varInteger);
    EXPECT_EQ(TVariant(std::uint8_t {5}).VarType(), TVarType::varByte);
    EXPECT_EQ(TVariant(L"5").VarType(), TVarType::varString);
    EXPECT_TRUE(TVariant(std::int64_t {-5}).IsOrdinal());
    EXPECT_FALSE(TVariant(5.0).IsOrdinal());
    EXPECT_FALSE(TVariant(true).IsOrdinal());
    EXPECT_EQ(TVariant(std::int64_t {-5}).AsInt64(), -5);
    EXPECT_FALSE(TVariant(std::int32_t {5}) == TVariant(std::int64_t {5}));
    EXPECT_TRUE(TVariant(L"a") == TVariant(L"a"));
}

} // namespace tandrel::test
