// The container style and the style controller.

#include "editors/controls/cxContainer.h"

#include "framework/core/ScopeGuard.h"

#include "framework/core/Publisher.h"

#include <algorithm>

namespace tandrel {

namespace {
const TEnumInfo kBorderStyles {{"cbsNone", "cbsSingle", "cbsThick", "cbsFlat", "cbs3D", "cbsUltraFlat"}};
const TEnumInfo kBorders {{"bLeft", "bTop", "bRight", "bBottom"}};
} // namespace

const TClassInfo& TcxContainerStyle::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TcxContainerStyle", &TPersistent::StaticClassInfo());
        TPublisher<TcxContainerStyle>(i)
            .Colour("BorderColor", &TcxContainerStyle::BorderColor, &TcxContainerStyle::SetBorderColor)
            .Enumeration("BorderStyle", kBorderStyles, &TcxContainerStyle::BorderStyle,
                         &TcxContainerStyle::SetBorderStyle)
            .Colour("Color", &TcxContainerStyle::Color, &TcxContainerStyle::SetColor)
            .Set("Edges", kBorders, &TcxContainerStyle::Edges, &TcxContainerStyle::SetEdges)
            .Object("Font", &TcxContainerStyle::FontObject)
            .Boolean("HotTrack", &TcxContainerStyle::HotTrack, &TcxContainerStyle::SetHotTrack)
            .Object("LookAndFeel", &TcxContainerStyle::LookAndFeelObject)
            .Boolean("Shadow", &TcxContainerStyle::Shadow, &TcxContainerStyle::SetShadow)
            .Boolean("TransparentBorder", &TcxContainerStyle::TransparentBorder,
                     &TcxContainerStyle::SetTransparentBorder);
        return i;
    }();
    return info;
}

TcxContainerStyle::TcxContainerStyle(TObject* owner, TcxContainer* container)
    : TcxInterfacedPersistent(owner), m_container(container)
{
    m_lookAndFeel = std::make_unique<TcxLookAndFeel>(this);
    m_lookAndFeel->OnChangedHandler = [this](TcxLookAndFeel*, TcxLookAndFeelValues) { Changed(); };
    m_font.OnChange = [this] { FontChanged(); };
    DeriveFont();
}

TcxContainerStyle::~TcxContainerStyle()
{
    m_destroying = true;
    if (m_controller)
        m_controller->RemoveListener(this);
}

const TcxContainerStyle* TcxContainerStyle::AssignedIn(TcxContainerStyleValue value) const
{
    for (const TcxContainerStyle* s = this; s; s = s->m_controller ? &s->m_controller->Style() : nullptr)
        if (s->m_assignedValues & StyleValueBit(value))
            return s;
    return nullptr;
}

TColor TcxContainerStyle::BorderColor() const
{
    const TcxContainerStyle* s = AssignedIn(csvBorderColor);
    return s ? s->m_borderColor : DefaultBorderColor();
}

void TcxContainerStyle::SetBorderColor(TColor value) { StoreValue(csvBorderColor, m_borderColor, value); }

TcxContainerBorderStyle TcxContainerStyle::BorderStyle() const
{
    const TcxContainerStyle* s = AssignedIn(csvBorderStyle);
    return s ? s->m_borderStyle : DefaultBorderStyle();
}

void TcxContainerStyle::SetBorderStyle(TcxContainerBorderStyle value)
{
    StoreValue(csvBorderStyle, m_borderStyle, value);
}

TColor TcxContainerStyle::Color() const
{
    const TcxContainerStyle* s = AssignedIn(csvColor);
    return s ? s->m_color : DefaultColor();
}

void TcxContainerStyle::SetColor(TColor value) { StoreValue(csvColor, m_color, value); }

TcxBorders TcxContainerStyle::Edges() const
{
    const TcxContainerStyle* s = AssignedIn(csvEdges);
    return s ? s->m_edges : DefaultEdges();
}

void TcxContainerStyle::SetEdges(TcxBorders value) { StoreValue(csvEdges, m_edges, value & cxBordersAll); }

bool TcxContainerStyle::HotTrack() const
{
    const TcxContainerStyle* s = AssignedIn(csvHotTrack);
    return s ? s->m_hotTrack : DefaultHotTrack();
}

void TcxContainerStyle::SetHotTrack(bool value) { StoreValue(csvHotTrack, m_hotTrack, value); }

bool TcxContainerStyle::Shadow() const
{
    const TcxContainerStyle* s = AssignedIn(csvShadow);
    return s ? s->m_shadow : DefaultShadow();
}

void TcxContainerStyle::SetShadow(bool value) { StoreValue(csvShadow, m_shadow, value); }

bool TcxContainerStyle::TransparentBorder() const
{
    const TcxContainerStyle* s = AssignedIn(csvTransparentBorder);
    return s ? s->m_transparentBorder : DefaultTransparentBorder();
}

void TcxContainerStyle::SetTransparentBorder(bool value)
{
    StoreValue(csvTransparentBorder, m_transparentBorder, value);
}

TcxContainerBorderStyle TcxContainerStyle::DefaultBorderStyle() const
{
    switch (m_lookAndFeel->Kind()) {
    case lfFlat: return cbsFlat;
    case lfStandard: return cbs3D;
    case lfUltraFlat: break;
    }
    return cbsUltraFlat;
}

bool TcxContainerStyle::ParentColorDefault(TColor& colour) const
{
    if (!m_container || !ParentColorRuleApplies() || !m_container->ParentColor() || !m_container->Parent())
        return false;
    colour = m_container->Parent()->Color();
    return true;
}

TColor TcxContainerStyle::DefaultColor() const
{
    TColor colour;
    return ParentColorDefault(colour) ? colour : clWindow;
}

void TcxContainerStyle::SetAssignedValues(TcxContainerStyleValues values)
{
    if (values == m_assignedValues)
        return;
    m_assignedValues = values;
    DeriveFont();
    Changed();
}

// The owned font follows the controller chain (or the control) until the
// font is assigned here.
void TcxContainerStyle::DeriveFont()
{
    if (m_assignedValues & StyleValueBit(csvFont))
        return;
    TFont* source = nullptr;
    if (m_controller)
        for (TcxContainerStyle* s = &m_controller->Style(); s && !source;
             s = s->m_controller ? &s->m_controller->Style() : nullptr)
            if (s->m_assignedValues & StyleValueBit(csvFont))
                source = &s->m_font;
    if (!source && m_container)
        source = &m_container->Font();
    if (!source)
        return;
    m_derivingFont = true;
    m_font.Assign(*source);
    m_derivingFont = false;
}

void TcxContainerStyle::FontChanged()
{
    if (m_derivingFont)
        return;
    m_assignedValues |= StyleValueBit(csvFont);
    Changed();
}

void TcxContainerStyle::Changed()
{
    if (m_updateCount > 0) {
        m_pendingChange = true;
        return;
    }
    if (!m_destroying && OnChanged)
        OnChanged();
}

void TcxContainerStyle::EndStyleUpdate()
{
    if (m_updateCount == 0 || --m_updateCount > 0)
        return;
    if (m_pendingChange) {
        m_pendingChange = false;
        Changed();
    }
}

void TcxContainerStyle::RestoreStyleDefaults()
{
    BeginStyleUpdate();
    {
        auto const abandon = OnScopeFail([&] { EndStyleUpdate(); });
        if (m_container) {
            m_container->SetParentColor(false);
            m_container->SetParentFont(true);
        }
        m_lookAndFeel->ResetAssignedValues();
        SetAssignedValues(0);
    }
    EndStyleUpdate();
}

void TcxContainerStyle::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TcxContainerStyle*>(&source);
    if (!other)
        return TcxInterfacedPersistent::Assign(source);
    BeginStyleUpdate();
    {
        auto const abandon = OnScopeFail([&] { m_derivingFont = false; EndStyleUpdate(); });
        SetStyleController(other->m_controller);
        m_lookAndFeel->Assign(*other->m_lookAndFeel);
        m_borderColor = other->m_borderColor;
        m_borderStyle = other->m_borderStyle;
        m_color = other->m_color;
        m_edges = other->m_edges;
        m_hotTrack = other->m_hotTrack;
        m_shadow = other->m_shadow;
        m_transparentBorder = other->m_transparentBorder;
        m_derivingFont = true;
        m_font.Assign(other->m_font);
        m_derivingFont = false;
        m_assignedValues = other->m_assignedValues;
        DeriveFont();
        Changed();
    }
    EndStyleUpdate();
}

void TcxContainerStyle::SetStyleController(TcxStyleController* controller)
{
    if (controller == m_controller)
        return;
    // A controller whose chain leads back here would make every value its own default.
    for (TcxStyleController* c = controller; c; c = c->Style().StyleController())
        if (&c->Style() == this)
            return;
    if (m_controller)
        m_controller->RemoveListener(this);
    m_controller = controller;
    if (m_controller)
        m_controller->AddListener(this);
    DeriveFont();
    Changed();
}

void TcxContainerStyle::ControllerChanged()
{
    DeriveFont();
    Changed();
}

void TcxContainerStyle::ControllerFreed()
{
    m_controller = nullptr;
    DeriveFont();
    Changed();
}

TcxStyleController::TcxStyleController(TComponent* owner, const TStyleFactory& createStyle) : TComponent(owner)
{
    m_style = createStyle ? createStyle(this) : std::make_unique<TcxContainerStyle>(this, nullptr);
    m_style->OnChanged = [this] {
        for (TcxContainerStyle* s : std::vector<TcxContainerStyle*>(m_listeners))
            s->ControllerChanged();
    };
}

TcxStyleController::~TcxStyleController()
{
    for (TcxContainerStyle* s : std::vector<TcxContainerStyle*>(m_listeners))
        s->ControllerFreed();
    m_listeners.clear();
}

void TcxStyleController::AddListener(TcxContainerStyle* style)
{
    if (std::find(m_listeners.begin(), m_listeners.end(), style) == m_listeners.end())
        m_listeners.push_back(style);
}

void TcxStyleController::RemoveListener(TcxContainerStyle* style)
{
    m_listeners.erase(std::remove(m_listeners.begin(), m_listeners.end(), style), m_listeners.end());
}

} // namespace tandrel
