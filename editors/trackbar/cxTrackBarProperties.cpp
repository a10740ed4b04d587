// The slider's settings, their rules and the value model.

#include "editors/trackbar/cxTrackBar.h"

#include "framework/core/ScopeGuard.h"

#include "framework/core/Publisher.h"

#include <cwctype>

namespace tandrel {

namespace {

const TEnumInfo kOrientations {{"tboHorizontal", "tboVertical"}};
const TEnumInfo kTextOrientations {{"tbtoHorizontal", "tbtoVertical"}};
const TEnumInfo kTickMarks {{"cxtmBoth", "cxtmTopLeft", "cxtmBottomRight"}};
const TEnumInfo kTickTypes {{"tbttTicks", "tbttNumbers", "tbttValueNumber"}};
const TEnumInfo kThumbTypes {{"cxttNone", "cxttRegular", "cxttCustom"}};
const TEnumInfo kThumbSteps {{"cxtsNormal", "cxtsJump"}};

std::wstring TrimBlanks(const std::wstring& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && text[first] <= L' ')
        ++first;
    while (last > first && text[last - 1] <= L' ')
        --last;
    return text.substr(first, last - first);
}

bool IsHexDigit(wchar_t c) { return std::iswxdigit(c) && c < 128; }
bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// A 32-bit integer literal: an optional sign, then decimal digits, or hex
// digits after '$' or "0x".
bool IsIntegerLiteral(const std::wstring& s)
{
    size_t i = 0;
    const bool negative = i < s.size() && s[i] == L'-';
    if (i < s.size() && (s[i] == L'-' || s[i] == L'+'))
        ++i;
    size_t hexStart = 0;
    if (i < s.size() && s[i] == L'$')
        hexStart = i + 1;
    else if (i + 1 < s.size() && s[i] == L'0' && (s[i + 1] == L'x' || s[i + 1] == L'X'))
        hexStart = i + 2;
    if (hexStart) {
        const size_t digits = s.size() - hexStart;
        if (digits == 0 || digits > 8)
            return false;
        for (size_t j = hexStart; j < s.size(); ++j)
            if (!IsHexDigit(s[j]))
                return false;
        return true;
    }
    if (i == s.size())
        return false;
    long long value = 0;
    for (size_t j = i; j < s.size(); ++j) {
        if (!IsDigit(s[j]))
            return false;
        value = value * 10 + (s[j] - L'0');
        if (value > 2147483648LL)
            return false;
    }
    return negative ? value <= 2147483648LL : value <= 2147483647LL;
}

// The integer written by the text's '-' and digit characters, in order.
int SignAndDigitsValue(const std::wstring& s)
{
    bool negative = false;
    long long value = 0;
    for (wchar_t c : s) {
        if (c == L'-')
            negative = true;
        else if (IsDigit(c))
            value = value * 10 + (c - L'0');
    }
    return static_cast<int>(negative ? -value : value);
}

} // namespace

int TcxCustomTrackBarProperties::ValueToPosition(const TVariant& value) const
{
    if (value.IsNullOrEmpty())
        return m_settings.Min;
    if (value.IsOrdinal())
        return static_cast<int>(static_cast<std::uint32_t>(value.AsInt64()));
    if (const std::wstring* text = value.AsString()) {
        const std::wstring trimmed = TrimBlanks(*text);
        return IsIntegerLiteral(trimmed) ? SignAndDigitsValue(trimmed) : m_settings.Min;
    }
    return m_settings.Min;
}

int TcxCustomTrackBarProperties::ClampToRange(long long n) const
{
    if (n < m_settings.Min)
        return m_settings.Min;
    if (n > m_settings.Max)
        return m_settings.Max;
    return static_cast<int>(n);
}

void TcxCustomTrackBarProperties::EditToDisplayValue(const TVariant& editValue, TVariant& displayValue, bool) const
{
    m_changeLock = true;
    displayValue = TVariant(static_cast<std::int32_t>(ClampToRange(ValueToPosition(editValue))));
    m_changeLock = false;
}

void TcxCustomTrackBarProperties::SetMin(int value)
{
    if (value == m_settings.Min)
        return;
    m_settings.Min = value;
    if (m_settings.Min > m_settings.Max)
        m_settings.Max = m_settings.Min;
    RaiseChanged();
}

void TcxCustomTrackBarProperties::SetMax(int value)
{
    if (value <= m_settings.Min || value == m_settings.Max)
        return;
    m_settings.Max = value;
    RaiseChanged();
}

void TcxCustomTrackBarProperties::Assign(const TPersistent& source)
{
    auto* s = dynamic_cast<const TcxCustomTrackBarProperties*>(&source);
    if (!s)
        return TcxCustomEditProperties::Assign(source);
    BeginPropertiesUpdate();
    {
        auto const abandon = OnScopeFail([&] { EndPropertiesUpdate(true); });
        TcxCustomEditProperties::Assign(source);
        // Through the setters, in this order, so their rules apply.
        SetAutoSize(s->AutoSize());
        SetBorderWidth(s->BorderWidth());
        SetFrequency(s->Frequency());
        SetMin(s->Min());
        SetMax(s->Max());
        SetOrientation(s->Orientation());
        SetTextOrientation(s->TextOrientation());
        SetPageSize(s->PageSize());
        SetSelectionStart(s->SelectionStart());
        SetSelectionEnd(s->SelectionEnd());
        SetSelectionColor(s->SelectionColor());
        SetShowTicks(s->ShowTicks());
        SetThumbType(s->ThumbType());
        SetShowTrack(s->ShowTrack());
        SetTickColor(s->TickColor());
        SetTickType(s->TickType());
        SetTickMarks(s->TickMarks());
        SetTickSize(s->TickSize());
        SetTrackColor(s->TrackColor());
        SetTrackSize(s->TrackSize());
        SetThumbHeight(s->ThumbHeight());
        SetThumbWidth(s->ThumbWidth());
        SetThumbColor(s->ThumbColor());
        SetThumbHighlightColor(s->ThumbHighlightColor());
        OnChange = s->OnChange;
        OnGetThumbRect = s->OnGetThumbRect;
        OnDrawThumb = s->OnDrawThumb;
    }
    EndPropertiesUpdate(true);
}

void TcxCustomTrackBarProperties::CopySettingsTo(TcxTrackBarGeometry& g) const
{
    static_cast<TcxTrackBarSettings&>(g) = m_settings;
}

void TcxCustomTrackBarProperties::StoreLayoutResults(const TcxTrackBarGeometry& g)
{
    m_layout.TrackRect = g.TrackRect;
    m_layout.ThumbRect = g.ThumbRect;
    m_layout.ThumbLength = g.ThumbLength;
    m_layout.Scale = g.Scale;
}

const TcxEditPropertiesClass& TcxCustomTrackBarProperties::PropertiesClass() const
{
    return TcxTrackBarProperties::Class();
}

const TcxEditPropertiesClass& TcxTrackBarProperties::Class()
{
    static const TcxEditPropertiesClass info {
        "TcxTrackBarProperties",
        "TcxTrackBar",
        [](TcxCustomEdit* owner) -> std::unique_ptr<TcxCustomEditProperties> {
            return std::make_unique<TcxTrackBarProperties>(owner);
        },
        [](TcxContainer* owner) -> std::unique_ptr<TcxContainerStyle> {
            return std::make_unique<TcxTrackBarStyle>(owner, owner);
        },
        []() -> std::unique_ptr<TcxCustomEditViewInfo> { return std::make_unique<TcxCustomTrackBarViewInfo>(); },
        [](TcxCustomEditProperties& properties, TcxContainerStyle& style,
           bool embedded) -> std::unique_ptr<TcxCustomEditViewData> {
            return std::make_unique<TcxCustomTrackBarViewData>(properties, style, embedded);
        },
    };
    return info;
}

const TClassInfo& TcxTrackBarProperties::StaticClassInfo()
{
    using P = TcxCustomTrackBarProperties;
    static const TClassInfo info = [] {
        TClassInfo i("TcxTrackBarProperties", &TPersistent::StaticClassInfo());
        TPublisher<TcxTrackBarProperties>(i)
            .Boolean("AutoSize", &P::AutoSize, &P::SetAutoSize)
            .Integer("BorderWidth", &P::BorderWidth, &P::SetBorderWidth)
            .Integer("Frequency", &P::Frequency, &P::SetFrequency)
            .Integer("Min", &P::Min, &P::SetMin)
            .Integer("Max", &P::Max, &P::SetMax)
            .Enumeration("Orientation", kOrientations, &P::Orientation, &P::SetOrientation)
            .Enumeration("TextOrientation", kTextOrientations, &P::TextOrientation, &P::SetTextOrientation)
            .Integer("PageSize", &P::PageSize, &P::SetPageSize)
            .Integer("SelectionStart", &P::SelectionStart, &P::SetSelectionStart)
            .Integer("SelectionEnd", &P::SelectionEnd, &P::SetSelectionEnd)
            .Colour("SelectionColor", &P::SelectionColor, &P::SetSelectionColor)
            .Boolean("ShowTicks", &P::ShowTicks, &P::SetShowTicks)
            .Enumeration("ThumbType", kThumbTypes, &P::ThumbType, &P::SetThumbType)
            .Boolean("ShowTrack", &P::ShowTrack, &P::SetShowTrack)
            .Colour("TickColor", &P::TickColor, &P::SetTickColor)
            .Enumeration("TickType", kTickTypes, &P::TickType, &P::SetTickType)
            .Enumeration("TickMarks", kTickMarks, &P::TickMarks, &P::SetTickMarks)
            .Integer("TickSize", &P::TickSize, &P::SetTickSize)
            .Colour("TrackColor", &P::TrackColor, &P::SetTrackColor)
            .Integer("TrackSize", &P::TrackSize, &P::SetTrackSize)
            .Integer("ThumbHeight", &P::ThumbHeight, &P::SetThumbHeight)
            .Integer("ThumbWidth", &P::ThumbWidth, &P::SetThumbWidth)
            .Colour("ThumbColor", &P::ThumbColor, &P::SetThumbColor)
            .Colour("ThumbHighlightColor", &P::ThumbHighlightColor, &P::SetThumbHighlightColor)
            .Enumeration("ThumbStep", kThumbSteps, &P::ThumbStep, &P::SetThumbStep)
            .Event("OnChange", static_cast<TNotifyEvent TcxTrackBarProperties::*>(&P::OnChange))
            .Event("OnGetThumbRect", static_cast<TcxGetThumbRectEvent TcxTrackBarProperties::*>(&P::OnGetThumbRect))
            .Event("OnDrawThumb", static_cast<TcxDrawThumbEvent TcxTrackBarProperties::*>(&P::OnDrawThumb));
        return i;
    }();
    return info;
}

TColor TcxTrackBarStyle::DefaultColor() const
{
    TColor colour;
    return ParentColorDefault(colour) ? colour : clBtnFace;
}

void TcxTrackBarStyle::RestoreStyleDefaults()
{
    BeginStyleUpdate();
    {
        auto const abandon = OnScopeFail([&] { EndStyleUpdate(); });
        TcxCustomEditStyle::RestoreStyleDefaults();
        const bool controllerAssignsColour =
            StyleController() && StyleController()->Style().AssignedValues() & StyleValueBit(csvColor);
        if (!controllerAssignsColour && Container())
            Container()->SetParentColor(true);
    }
    EndStyleUpdate();
}

} // namespace tandrel
