#pragma once
// The editor layer: a container that shows and changes one edit value. Its
// settings live in a properties object; a refresh asks the properties for
// a view data object, fills it from the editor and lets it compute the view
// info, which alone paints.

#include "editors/controls/cxContainer.h"
#include "editors/edit/cxVariants.h"

#include <functional>
#include <memory>
#include <string>

namespace tandrel {

class TcxCustomEdit;
class TcxCustomEditProperties;
class TcxCustomEditViewData;
class TcxCustomEditViewInfo;

// Class-level hooks of a properties class: what its editor is made of.
struct TcxEditPropertiesClass {
    const char* ClassName;
    const char* EditorClassName;
    std::function<std::unique_ptr<TcxCustomEditProperties>(TcxCustomEdit* owner)> CreateProperties;
    std::function<std::unique_ptr<TcxContainerStyle>(TcxContainer* owner)> CreateStyle;
    std::function<std::unique_ptr<TcxCustomEditViewInfo>()> CreateViewInfo;
    std::function<std::unique_ptr<TcxCustomEditViewData>(TcxCustomEditProperties& properties,
                                                         TcxContainerStyle& style, bool embedded)>
        CreateViewData;
};

// The editors' property classes known to the framework, with a description
// ("TrackBar|Represents a TrackBar") and the class of their filter editor.
struct TcxRegisteredEditProperties {
    const TcxEditPropertiesClass* Class;
    std::string Description;
    std::string FilterHelperClassName;
};
void RegisterEditPropertiesClass(const TcxEditPropertiesClass& propertiesClass, const std::string& description,
                                 const std::string& filterHelperClassName);
void UnregisterEditPropertiesClass(const TcxEditPropertiesClass& propertiesClass);
const std::vector<TcxRegisteredEditProperties>& RegisteredEditProperties();

using TcxEditEditingEvent = std::function<void(TObject* sender, bool& canEdit)>;

// The settings of an editor, which notify their owner of every change;
// changes made inside an update notify once at its end.
class TcxCustomEditProperties : public TcxInterfacedPersistent {
public:
    explicit TcxCustomEditProperties(TObject* owner);
    const char* ClassName() const override { return "TcxCustomEditProperties"; }
    void Assign(const TPersistent& source) override;
    virtual const TcxEditPropertiesClass& PropertiesClass() const = 0;

    void BeginPropertiesUpdate() { ++m_updateCount; }
    void EndPropertiesUpdate(bool notify = true);
    void RaiseChanged();
    int UpdateCount() const { return m_updateCount; }

    bool ReadOnly() const { return m_readOnly; }
    bool ReadOnlyAssigned() const { return m_readOnlyAssigned; }
    void SetReadOnly(bool readOnly);

    virtual void EditToDisplayValue(const TVariant& editValue, TVariant& displayValue, bool focused) const;
    // Whether a stored edit value counts as a change only when it differs.
    virtual bool CompareEditValue() const { return false; }

    // Set by the owning editor to its PropertiesModified.
    std::function<void()> OnPropertiesChanged;
    // Raised when a store changes the edit value: the value, then the change.
    TNotifyEvent OnEditValueChanged;
    TNotifyEvent OnEditChanged;
    // Held back while positive (an outer operation will report once).
    int ChangeEventsLockCount = 0;

protected:
    // Set while a display value is computed, which changes nothing.
    mutable bool m_changeLock = false;

private:
    int m_updateCount = 0;
    bool m_readOnly = false;
    bool m_readOnlyAssigned = false;
};

class TcxCustomEditStyle : public TcxContainerStyle {
public:
    TcxCustomEditStyle(TObject* owner, TcxContainer* container) : TcxContainerStyle(owner, container) {}
    const char* ClassName() const override { return "TcxCustomEditStyle"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();
    void Assign(const TPersistent& source) override;

    int ButtonStyle() const;
    void SetButtonStyle(int value) { StoreValue(csvButtonStyle, m_buttonStyle, value); }
    int ButtonTransparency() const;
    void SetButtonTransparency(int value) { StoreValue(csvButtonTransparency, m_buttonTransparency, value); }
    int PopupBorderStyle() const;
    void SetPopupBorderStyle(int value) { StoreValue(csvPopupBorderStyle, m_popupBorderStyle, value); }

protected:
    bool ParentColorRuleApplies() const override;

private:
    int m_buttonStyle = 0;
    int m_buttonTransparency = 0;
    int m_popupBorderStyle = 0;
};

// A style controller whose style is an editor style.
class TcxEditStyleController : public TcxStyleController {
public:
    explicit TcxEditStyleController(TComponent* owner);
    const char* ClassName() const override { return "TcxEditStyleController"; }
};

// Mouse state flags of the view data.
enum TcxEditMouseStateFlag : unsigned { cxmsNormal = 8, cxmsFocused = 1, cxmsHot = 4, cxmsDisabled = 2 };

// An editor's state as its view info shows it, copied whole by Assign.
struct TcxEditViewValues {
    bool Enabled = true;
    bool Focused = false;
    bool Embedded = false;
    bool NativeEditStyle = false;
    bool Transparent = false;
    bool IsHot = false;
    unsigned MouseState = cxmsNormal;
    int EditState = 1;  // the "Edit" theme's state: 1 normal, 2 hot, 4 disabled, 5 focused
    TColor TextColor = clWindowText;
    RECT VisibleRect {};
    int ButtonCount = 0;  // none of these editors has buttons
};

class TcxCustomEditViewInfo : public TcxContainerViewInfo, public TcxEditViewValues {
public:
    void Assign(const TcxContainerViewInfo& source) override;
    void Offset(int dx, int dy) override;
    int NativeState() const override { return EditState; }

    TFont Font;
};

class TcxCustomTextEditViewInfo : public TcxCustomEditViewInfo {
public:
    void Assign(const TcxContainerViewInfo& source) override;
    std::wstring Text;
};

// Computes a view info from the editor's state; made for one computation.
class TcxCustomEditViewData {
public:
    TcxCustomEditViewData(TcxCustomEditProperties& properties, TcxContainerStyle& style, bool embedded)
        : Properties(properties), Style(style), Embedded(embedded) {}
    virtual ~TcxCustomEditViewData() = default;

    virtual void FillViewInfo(TcxCanvas& canvas, const RECT& bounds, POINT cursor, TMouseButton button,
                              TShiftState shift, TcxCustomEditViewInfo& viewInfo);

    TcxCustomEditProperties& Properties;
    TcxContainerStyle& Style;
    TcxCustomEdit* Edit = nullptr;
    bool Embedded;
    bool Enabled = true;
    bool Focused = false;
    bool NativeEditStyle = false;
    HWND WindowHandle = nullptr;
    bool HasMouseCapture = false;
};

class TcxCustomEdit : public TcxContainer {
public:
    TcxCustomEdit(TComponent* owner, const TcxEditPropertiesClass& propertiesClass);
    ~TcxCustomEdit() override;
    const char* ClassName() const override { return "TcxCustomEdit"; }

    TcxCustomEditProperties& Properties() { return *m_properties; }
    const TcxCustomEditProperties& Properties() const { return *m_properties; }
    TcxCustomEditViewInfo& EditViewInfo() { return static_cast<TcxCustomEditViewInfo&>(ViewInfo()); }
    TVariant EditValue() const { return m_editValue; }

    bool Modified() const { return m_modified; }
    void SetModified(bool modified);
    bool ModifiedAfterEnter() const { return m_modifiedAfterEnter; }
    void SetModifiedAfterEnter(bool modified);

    virtual bool IsModifiable() const;
    bool RequestEdit();
    void CommitEditValue();

    TcxEditEditingEvent OnEditing;

protected:
    void Loaded() override;
    void DoEnter() override;
    void CalculateViewInfo(POINT cursor, TShiftState buttons) override;
    bool InvalidateChanges(const TcxContainerViewInfo* old) override;
    void ViewInfoCalculated() override;
    void CreateWnd() override;

    // The single way to change the edit value.
    void StoreEditValue(const TVariant& value);
    virtual void EditValueStored() {}
    virtual void PropertiesModified();
    // A user's keyboard or clipboard action is changing the value while set.
    void SetUserEdit(bool userEdit) { m_userEdit = userEdit; }
    // Sets the value at construction, outside the store rules.
    void InitEditValue(const TVariant& value) { m_editValue = value; }
    void SetAutoSize(bool autoSize) { m_autoSize = autoSize; }
    const TcxEditPropertiesClass& PropertiesClass() const { return m_propertiesClass; }

private:
    // The window region an editor gives its window: none, or a rectangle
    // united with a copy moved 3 pixels right and down when it has a shadow.
    struct TVisibleRegion {
        bool Any = false;
        RECT Rect {};
        bool Shadow = false;
        bool operator==(const TVisibleRegion& other) const;
    };
    void UpdateVisibleRegion();

    const TcxEditPropertiesClass& m_propertiesClass;
    std::unique_ptr<TcxCustomEditProperties> m_properties;
    TVariant m_editValue;
    bool m_modified = false;
    bool m_modifiedAfterEnter = false;
    bool m_userEdit = false;
    bool m_autoSize = true;
    int m_valueLock = 0;
    bool m_settingRegion = false;
    // The region the window holds, as this editor last gave it: only the
    // editor sets one, so it need not ask the window on every refresh.
    TVisibleRegion m_region;
};

} // namespace tandrel
