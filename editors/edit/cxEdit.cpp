// The editor: edit value, editing gate, refresh through view data, visible region.

#include "editors/edit/cxEdit.h"

#include "framework/core/ScopeGuard.h"

#include "framework/graphics/GdiObjects.h"

#include <algorithm>

namespace tandrel {

namespace {

std::vector<TcxRegisteredEditProperties>& Registry()
{
    static std::vector<TcxRegisteredEditProperties> registry;
    return registry;
}

// Raises a counter for the lifetime of the guard.
class TCounterGuard {
public:
    explicit TCounterGuard(int& counter) : m_counter(counter) { ++m_counter; }
    ~TCounterGuard() { --m_counter; }
    TCounterGuard(const TCounterGuard&) = delete;
    TCounterGuard& operator=(const TCounterGuard&) = delete;

private:
    int& m_counter;
};

TMouseButton ButtonOf(TShiftState shift)
{
    if (shift & ssRight)
        return TMouseButton::mbRight;
    if (shift & ssMiddle)
        return TMouseButton::mbMiddle;
    return TMouseButton::mbLeft;
}

} // namespace

void RegisterEditPropertiesClass(const TcxEditPropertiesClass& propertiesClass, const std::string& description,
                                 const std::string& filterHelperClassName)
{
    UnregisterEditPropertiesClass(propertiesClass);
    Registry().push_back({&propertiesClass, description, filterHelperClassName});
}

void UnregisterEditPropertiesClass(const TcxEditPropertiesClass& propertiesClass)
{
    auto& r = Registry();
    r.erase(std::remove_if(r.begin(), r.end(), [&](const auto& e) { return e.Class == &propertiesClass; }), r.end());
}

const std::vector<TcxRegisteredEditProperties>& RegisteredEditProperties() { return Registry(); }

TcxCustomEditProperties::TcxCustomEditProperties(TObject* owner) : TcxInterfacedPersistent(owner) {}

void TcxCustomEditProperties::EndPropertiesUpdate(bool notify)
{
    if (m_updateCount <= 0)
        return;
    if (--m_updateCount == 0 && notify)
        RaiseChanged();
}

void TcxCustomEditProperties::RaiseChanged()
{
    if (m_updateCount > 0 || m_changeLock)
        return;
    if (auto* owner = dynamic_cast<TComponent*>(Owner()); owner && owner->IsDestroying())
        return;
    if (OnPropertiesChanged)
        OnPropertiesChanged();
}

void TcxCustomEditProperties::SetReadOnly(bool readOnly)
{
    if (m_readOnlyAssigned && readOnly == m_readOnly)
        return;
    m_readOnly = readOnly;
    m_readOnlyAssigned = true;
    RaiseChanged();
}

void TcxCustomEditProperties::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TcxCustomEditProperties*>(&source);
    if (!other)
        return TcxInterfacedPersistent::Assign(source);
    BeginPropertiesUpdate();
    {
        auto const abandon = OnScopeFail([this] { EndPropertiesUpdate(true); });
        if (other->m_readOnlyAssigned)
            SetReadOnly(other->m_readOnly);
        OnEditValueChanged = other->OnEditValueChanged;
        OnEditChanged = other->OnEditChanged;
    }
    EndPropertiesUpdate(true);
}

void TcxCustomEditProperties::EditToDisplayValue(const TVariant& editValue, TVariant& displayValue, bool) const
{
    displayValue = editValue;
}

TcxCustomEdit::TcxCustomEdit(TComponent* owner, const TcxEditPropertiesClass& propertiesClass)
    : TcxContainer(owner, {propertiesClass.CreateStyle,
                           [&propertiesClass] { return std::unique_ptr<TcxContainerViewInfo>(propertiesClass.CreateViewInfo()); }}),
      m_propertiesClass(propertiesClass)
{
    SetCreating(true);
    m_properties = propertiesClass.CreateProperties(this);
    m_properties->OnPropertiesChanged = [this] { PropertiesModified(); };
    m_controlStyle |= csCaptureMouse | csSetCaption;
    SetTabStop(true);
    m_autoSize = !IsEmbedded();
    m_editValue = TVariant::Null();
    SetCreating(false);
}

TcxCustomEdit::~TcxCustomEdit()
{
    Destroying();
    DestroyHandle();
    m_properties.reset();
}

void TcxCustomEdit::Loaded()
{
    TcxContainer::Loaded();
    m_properties->OnPropertiesChanged = [this] { PropertiesModified(); };
    PropertiesModified();
    EditViewInfo().NativeEditStyle = false;
    StyleModified();
}

void TcxCustomEdit::DoEnter()
{
    // A new visit to the editor is a new edit: the gate is asked again.
    m_modifiedAfterEnter = false;
    TcxContainer::DoEnter();
}

void TcxCustomEdit::SetModified(bool modified)
{
    m_modified = modified;
    if (!modified)
        m_modifiedAfterEnter = false;
}

void TcxCustomEdit::SetModifiedAfterEnter(bool modified)
{
    m_modifiedAfterEnter = modified;
    if (modified)
        m_modified = true;
}

bool TcxCustomEdit::IsModifiable() const
{
    if (m_properties->ReadOnlyAssigned())
        return !m_properties->ReadOnly();
    return true;
}

bool TcxCustomEdit::RequestEdit()
{
    bool result = true;  // a plain container is always modifiable
    if (m_modifiedAfterEnter)
        return result;
    TCounterGuard lock(m_valueLock);
    result = IsModifiable();
    if (result && OnEditing)
        OnEditing(this, result);
    // A plain editor has no data source to put into edit mode.
    return result;
}

void TcxCustomEdit::StoreEditValue(const TVariant& value)
{
    if (m_valueLock > 0)
        return;
    if (m_userEdit && !RequestEdit())
        return;
    const bool changed = !m_properties->CompareEditValue() || !(value == m_editValue);
    m_editValue = value;
    EditValueStored();
    if (m_userEdit)
        SetModifiedAfterEnter(true);
    else
        SetModified(false);
    if (changed && m_properties->ChangeEventsLockCount == 0) {
        if (m_properties->OnEditValueChanged)
            m_properties->OnEditValueChanged(this);
        if (m_properties->OnEditChanged)
            m_properties->OnEditChanged(this);
    }
}

// A plain editor is bound to no data: there is nowhere to post the value.
void TcxCustomEdit::CommitEditValue() {}

void TcxCustomEdit::PropertiesModified() { RefreshContainer(false); }

void TcxCustomEdit::CalculateViewInfo(POINT cursor, TShiftState buttons)
{
    std::unique_ptr<TcxCustomEditViewData> data = m_propertiesClass.CreateViewData(*m_properties, Style(), IsEmbedded());
    data->Edit = this;
    data->Enabled = Enabled();
    data->Focused = HasFocus() || (InnerControl() && InnerControl()->Focused());
    data->NativeEditStyle = NativeThemeFor(Style().LookAndFeel().NativeStyle(), totEdit);
    data->WindowHandle = Handle();
    // The capture only matters while a button is down.
    data->HasMouseCapture = (buttons & (ssLeft | ssRight | ssMiddle)) && MouseCapture();
    data->FillViewInfo(cxCanvas(), {0, 0, Width(), Height()}, cursor, ButtonOf(buttons), buttons, EditViewInfo());
}

bool TcxCustomEdit::InvalidateChanges(const TcxContainerViewInfo* oldInfo)
{
    const TcxCustomEditViewInfo& v = EditViewInfo();
    auto* old = static_cast<const TcxCustomEditViewInfo*>(oldInfo);
    if (!old || old->EditState != v.EditState || old->ButtonCount != v.ButtonCount) {
        InvalidateRect(Handle(), nullptr, FALSE);
        return true;
    }
    const bool borderChanged = old->BorderStyle != v.BorderStyle ||
                               (v.BorderStyle != cbsNone && old->BorderColor != v.BorderColor);
    if (!borderChanged)
        return false;
    const RECT& b = v.Bounds;
    const RECT& in = v.BorderRect;
    const RECT ring[4] = {{b.left, b.top, b.right, in.top}, {b.left, in.bottom, b.right, b.bottom},
                          {b.left, in.top, in.left, in.bottom}, {in.right, in.top, b.right, in.bottom}};
    for (const RECT& r : ring)
        InvalidateRect(Handle(), &r, FALSE);
    return true;
}

void TcxCustomEdit::CreateWnd()
{
    m_region = {};  // a new window starts without a region
    TcxContainer::CreateWnd();
}

void TcxCustomEdit::ViewInfoCalculated()
{
    // This editor's own size never follows its content.
    if (HandleAllocated())
        UpdateVisibleRegion();
}

// The window shows only what the editor paints, so a ring it reserves but
// does not draw lets the parent through (and its clicks go to the parent).
void TcxCustomEdit::UpdateVisibleRegion()
{
    if (m_settingRegion)
        return;
    const TcxCustomEditViewInfo& v = EditViewInfo();
    TVisibleRegion want;
    if (!v.NativeEditStyle) {
        const int w = BorderWidthOf(v.BorderStyle);
        RECT r = v.VisibleRect;
        if (v.Edges & (1u << bLeft)) r.left -= w;
        if (v.Edges & (1u << bTop)) r.top -= w;
        if (v.Edges & (1u << bRight)) r.right += w;
        if (v.Edges & (1u << bBottom)) r.bottom += w;
        want = {true, r, v.Shadow};
    }
    if (want == m_region)
        return;
    TOwnedRegion wanted;
    if (want.Any) {
        const RECT& r = want.Rect;
        wanted.Reset(CreateRectRgnIndirect(&r));
        if (want.Shadow && wanted) {
            TOwnedRegion shadow(CreateRectRgn(r.left + 3, r.top + 3, r.right + 3, r.bottom + 3));
            CombineRgn(wanted.Get(), wanted.Get(), shadow.Get(), RGN_OR);
        }
        if (!wanted)
            return;
    }
    m_settingRegion = true;
    // A region the window takes belongs to it; one it refuses is still ours.
    if (SetWindowRgn(Handle(), wanted.Get(), IsWindowVisible(Handle()))) {
        wanted.Release();
        m_region = want;
    }
    m_settingRegion = false;
}

bool TcxCustomEdit::TVisibleRegion::operator==(const TVisibleRegion& other) const
{
    if (Any != other.Any)
        return false;
    if (!Any)
        return true;
    // Every empty rectangle makes the same empty region.
    const bool empty = IsRectEmpty(&Rect), otherEmpty = IsRectEmpty(&other.Rect);
    if (empty || otherEmpty)
        return empty && otherEmpty;
    return SameRect(Rect, other.Rect) && Shadow == other.Shadow;
}

} // namespace tandrel
