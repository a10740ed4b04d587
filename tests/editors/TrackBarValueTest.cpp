// The slider's settings, their rules, and the value model.

#include "tests/editors/EditorsFixture.h"

#include "framework/core/FormReader.h"

namespace tandrel::test {

namespace {

class TrackBarValueTest : public TSliderTest {
protected:
    void SetUp() override
    {
        TSliderTest::SetUp();
        m_props->OnChange = [this](TObject* sender) {
            EXPECT_EQ(sender, m_slider);
            ++m_changes;
        };
        // Count the refreshes the properties ask for.
        auto forward = m_props->OnPropertiesChanged;
        m_props->OnPropertiesChanged = [this, forward] {
            ++m_refreshes;
            forward();
        };
    }
    int m_changes = 0;
    int m_refreshes = 0;
};

} // namespace

TEST_F(TrackBarValueTest, DefaultsAreThoseOfTheMainPanel)
{
    EXPECT_STREQ(m_slider->ClassName(), "TcxTrackBar");
    EXPECT_STREQ(m_props->ClassName(), "TcxTrackBarProperties");
    EXPECT_TRUE(m_props->AutoSize());
    EXPECT_EQ(m_props->BorderWidth(), 0);
    EXPECT_EQ(m_props->Frequency(), 1);
    EXPECT_EQ(m_props->Min(), 0);
    EXPECT_EQ(m_props->Max(), 10);
    EXPECT_EQ(m_props->Orientation(), tboHorizontal);
    EXPECT_EQ(m_props->TextOrientation(), tbtoHorizontal);
    EXPECT_EQ(m_props->PageSize(), 1);
    EXPECT_EQ(m_props->SelectionStart(), 0);
    EXPECT_EQ(m_props->SelectionEnd(), 0);
    EXPECT_EQ(m_props->SelectionColor(), clHighlight);
    EXPECT_TRUE(m_props->ShowTicks());
    EXPECT_EQ(m_props->ThumbType(), cxttRegular);
    EXPECT_TRUE(m_props->ShowTrack());
    EXPECT_EQ(m_props->TickColor(), clWindowText);
    EXPECT_EQ(m_props->TickType(), tbttTicks);
    EXPECT_EQ(m_props->TickMarks(), cxtmBottomRight);
    EXPECT_EQ(m_props->TickSize(), 3);
    EXPECT_EQ(m_props->TrackColor(), clWindow);
    EXPECT_EQ(m_props->TrackSize(), 5);
    EXPECT_EQ(m_props->ThumbHeight(), 12);
    EXPECT_EQ(m_props->ThumbWidth(), 7);
    EXPECT_EQ(m_props->ThumbColor(), clBtnFace);
    EXPECT_EQ(m_props->ThumbHighlightColor(), TColor(12632256));
    EXPECT_EQ(m_props->ThumbStep(), cxtsNormal);
    EXPECT_EQ(m_slider->Position(), 0);
    EXPECT_EQ(m_slider->EditValue(), TVariant(std::int32_t {0}));
    EXPECT_EQ(m_slider->Style().BorderStyle(), cbsNone);
    EXPECT_FALSE(m_slider->Style().HotTrack());
    EXPECT_TRUE(m_slider->Style().TransparentBorder());
    EXPECT_TRUE(m_slider->TabStop());
    EXPECT_TRUE(m_slider->ParentColor());
    EXPECT_EQ(m_slider->Color(), s_form->Color());
    const unsigned dropped = csAcceptsControls | csCaptureMouse | csClickEvents | csDoubleClicks;
    EXPECT_EQ(m_slider->ControlStyle() & dropped, 0u);

    TcxTrackBar loose(nullptr);
    EXPECT_EQ(loose.Width(), 196);
    EXPECT_EQ(loose.Height(), 76);
    EXPECT_EQ(loose.Style().Color(), clBtnFace);  // no parent to follow
}

TEST_F(TrackBarValueTest, MinAndMaxKeepTheirOrder)
{
    m_props->SetMin(20);
    EXPECT_EQ(m_props->Min(), 20);
    EXPECT_EQ(m_props->Max(), 20);
    m_props->SetMax(15);
    EXPECT_EQ(m_props->Max(), 20);
    m_props->SetMax(20);
    EXPECT_EQ(m_props->Max(), 20);
    m_props->SetMax(25);
    EXPECT_EQ(m_props->Max(), 25);
    m_props->SetBorderWidth(-4);
    m_props->SetFrequency(-1);
    EXPECT_EQ(m_props->BorderWidth(), 0);
    EXPECT_EQ(m_props->Frequency(), 0);
    m_props->SetPageSize(0);  // stored as given
    EXPECT_EQ(m_props->PageSize(), 0);
}

TEST_F(TrackBarValueTest, EverySetterRefreshesOnceAndOnlyOnAChange)
{
    m_props->SetTickSize(5);
    EXPECT_EQ(m_refreshes, 1);
    m_props->SetTickSize(5);
    EXPECT_EQ(m_refreshes, 1);
    m_props->SetThumbStep(cxtsJump);
    EXPECT_EQ(m_refreshes, 1);
    m_props->BeginPropertiesUpdate();
    m_props->SetTrackColor(clRed);
    m_props->SetShowTicks(false);
    m_props->SetTickMarks(cxtmBoth);
    m_props->EndPropertiesUpdate(true);
    EXPECT_EQ(m_refreshes, 2);
}

TEST_F(TrackBarValueTest, PositionIsStoredUnclampedAndShownClamped)
{
    m_slider->SetPosition(15);
    EXPECT_EQ(m_slider->Position(), 15);
    EXPECT_EQ(m_changes, 1);
    EXPECT_EQ(ThumbLeft(), 135);  // drawn at 10
    EXPECT_EQ(m_slider->TrackBarViewInfo().Geometry.Position, 10);
    EXPECT_TRUE(m_slider->Modified());
    m_slider->SetPosition(15);
    EXPECT_EQ(m_changes, 1);

    // A range that moves under the position clamps the look, not the value.
    m_slider->SetPosition(4);
    m_props->SetMin(6);
    EXPECT_EQ(m_slider->Position(), 4);
    EXPECT_EQ(m_changes, 2);
    EXPECT_EQ(ThumbLeft(), 7);
}

TEST_F(TrackBarValueTest, EditValuesReadAsPositions)
{
    const auto& p = *m_props;
    m_props->SetMin(-3);
    EXPECT_EQ(p.ValueToPosition(TVariant()), -3);
    EXPECT_EQ(p.ValueToPosition(TVariant::Null()), -3);
    EXPECT_EQ(p.ValueToPosition(TVariant(std::int8_t {-8})), -8);
    EXPECT_EQ(p.ValueToPosition(TVariant(std::uint8_t {200})), 200);
    EXPECT_EQ(p.ValueToPosition(TVariant(std::int16_t {-300})), -300);
    EXPECT_EQ(p.ValueToPosition(TVariant(std::uint16_t {60000})), 60000);
    EXPECT_EQ(p.ValueToPosition(TVariant(std::uint32_t {4294967295u})), -1);   // to 32 bits
    EXPECT_EQ(p.ValueToPosition(TVariant(std::int64_t {0x100000005LL})), 5);
    EXPECT_EQ(p.ValueToPosition(TVariant(L" 7 ")), 7);
    EXPECT_EQ(p.ValueToPosition(TVariant(L"-12")), -12);
    EXPECT_EQ(p.ValueToPosition(TVariant(L"+12")), 12);
    EXPECT_EQ(p.ValueToPosition(TVariant(L"$1F")), 1);  // only the sign and digits are read
    EXPECT_EQ(p.ValueToPosition(TVariant(L"7.5")), -3);
    EXPECT_EQ(p.ValueToPosition(TVariant(L"seven")), -3);
    EXPECT_EQ(p.ValueToPosition(TVariant(L"")), -3);
    EXPECT_EQ(p.ValueToPosition(TVariant(L"2147483648")), -3);
    EXPECT_EQ(p.ValueToPosition(TVariant(7.0)), -3);
    EXPECT_EQ(p.ValueToPosition(TVariant(true)), -3);
    EXPECT_EQ(p.ValueToPosition(TVariant(TVarCurrency {70000})), -3);
    EXPECT_EQ(p.ValueToPosition(TVariant(TVarDate {7})), -3);

    TVariant display;
    p.EditToDisplayValue(TVariant(std::int32_t {99}), display, false);
    EXPECT_EQ(display, TVariant(std::int32_t {10}));
}

TEST_F(TrackBarValueTest, RefusedEditLeavesThePositionAlone)
{
    int asked = 0;
    m_slider->OnEditing = [&](TObject*, bool& canEdit) {
        ++asked;
        canEdit = false;
    };
    m_slider->SetPosition(3);
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(m_slider->Position(), 0);
    EXPECT_EQ(m_changes, 0);
    m_slider->OnEditing = nullptr;
    m_slider->SetPosition(3);
    EXPECT_EQ(m_changes, 1);
}

TEST_F(TrackBarValueTest, AssignRunsTheSettersInTheirOrder)
{
    TcxTrackBarProperties source(nullptr);
    source.SetMin(5);
    source.SetMax(5);  // ignored: Max stays 10
    source.SetTickMarks(cxtmBoth);
    source.SetThumbStep(cxtsJump);
    int sourceChanges = 0;
    source.OnChange = [&](TObject*) { ++sourceChanges; };
    m_refreshes = 0;
    m_props->Assign(source);
    EXPECT_EQ(m_props->Min(), 5);
    EXPECT_EQ(m_props->Max(), 10);
    EXPECT_EQ(m_props->TickMarks(), cxtmBoth);
    EXPECT_EQ(m_props->ThumbStep(), cxtsNormal);  // not copied
    EXPECT_EQ(m_refreshes, 1);
    m_slider->SetPosition(7);
    EXPECT_EQ(sourceChanges, 1);  // the events came along

    // Equal Min and Max in a source with a higher Min: Max follows Min.
    TcxTrackBarProperties high(nullptr);
    high.SetMin(30);
    m_props->Assign(high);
    EXPECT_EQ(m_props->Min(), 30);
    EXPECT_EQ(m_props->Max(), 30);
}

TEST_F(TrackBarValueTest, DefinitionSetsPropertiesAndPosition)
{
    class TSliderForm : public TForm {
    public:
        explicit TSliderForm(TComponent* owner) : TForm(owner) {}
        const char* ClassName() const override { return "TSliderForm"; }
    };
    TSliderForm form(nullptr);
    int changes = 0;
    form.PublishHandler("SliderChange", TNotifyEvent([&](TObject*) { ++changes; }));
    ReadComponentDefinition(form, R"({ "class": "TSliderForm", "components": [
        { "class": "TcxTrackBar", "name": "slider", "Left": 4, "Top": 5, "Width": 156, "Height": 31,
          "Properties": { "Min": 2, "Max": 40, "TickType": "tbttNumbers", "ThumbStep": "cxtsJump",
                          "SelectionColor": "clRed", "OnChange": "SliderChange" },
          "Style": { "BorderStyle": "ebsSingle" },
          "Position": 12, "TabOrder": 0 } ] })");
    auto* slider = dynamic_cast<TcxTrackBar*>(form.FindComponent("slider"));
    ASSERT_NE(slider, nullptr);
    EXPECT_EQ(slider->Properties().Min(), 2);
    EXPECT_EQ(slider->Properties().Max(), 40);
    EXPECT_EQ(slider->Properties().TickType(), tbttNumbers);
    EXPECT_EQ(slider->Properties().ThumbStep(), cxtsJump);
    EXPECT_EQ(slider->Properties().SelectionColor(), clRed);
    EXPECT_EQ(slider->Style().BorderStyle(), cbsSingle);
    EXPECT_EQ(slider->Position(), 12);
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(slider->Left(), 4);
}

} // namespace tandrel::test
