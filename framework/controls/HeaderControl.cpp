#include "framework/controls/HeaderControl.h"

#include "framework/graphics/Dpi.h"
#include "framework/graphics/ImageList.h"

#include <commctrl.h>

namespace tandrel {

void THeaderSection::SetText(const std::wstring& text)
{
    m_text = text;
    m_owner.PutSection(*this, false);
}

int THeaderSection::Width() const
{
    if (!m_owner.HandleAllocated())
        return m_width;
    RECT r {};
    if (!SendMessageW(m_owner.Handle(), HDM_GETITEMRECT, static_cast<WPARAM>(m_index), reinterpret_cast<LPARAM>(&r)))
        return m_width;
    return r.right - r.left;
}

void THeaderSection::SetWidth(int width)
{
    m_width = width < 0 ? 0 : width;
    m_owner.PutSection(*this, false);
}

void THeaderSection::SetAlignment(TAlignment alignment)
{
    m_alignment = alignment;
    m_owner.PutSection(*this, false);
}

void THeaderSection::SetImageIndex(int index)
{
    m_imageIndex = index < -1 ? -1 : index;
    m_owner.PutSection(*this, false);
}

THeaderControl::THeaderControl(TComponent* owner) : TWinControl(owner), m_images(*this, HDM_SETIMAGELIST)
{
    m_controlStyle = csDoubleClicks;
    SetColor(clBtnFace);
    SetBounds(0, 0, 250, 17);
}

// The window goes first: its notifications name the sections.
THeaderControl::~THeaderControl()
{
    Destroying();
    DestroyHandle();
}

void THeaderControl::ChangeScale(int to, int from)
{
    TWinControl::ChangeScale(to, from);
    for (const auto& section : m_sections)
        section->SetWidth(ScaleDpi(section->Width(), to, from));
}

void THeaderControl::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.BaseClassName = WC_HEADERW;
    p.CommonControlClasses = ICC_LISTVIEW_CLASSES;
    p.Caption.clear();
    p.Style |= HDS_BUTTONS | HDS_HORZ;
}

void THeaderControl::InitializeWindow()
{
    TWinControl::InitializeWindow();
    if (m_images.Get())
        m_images.PutInWindow();
    for (const auto& section : m_sections)
        PutSection(*section, true);
}

void THeaderControl::SaveWindowState()
{
    TWinControl::SaveWindowState();
    for (const auto& section : m_sections)
        section->m_width = section->Width();
}

THeaderSection& THeaderControl::AddSection(const std::wstring& text, int width)
{
    m_sections.push_back(std::make_unique<THeaderSection>(*this, SectionCount()));
    THeaderSection& section = *m_sections.back();
    section.m_text = text;
    section.m_width = width < 0 ? 0 : width;
    PutSection(section, true);
    return section;
}

void THeaderControl::PutSection(const THeaderSection& section, bool insert)
{
    if (!HandleAllocated())
        return;
    HDITEMW item {};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT | HDI_IMAGE;
    item.pszText = const_cast<wchar_t*>(section.m_text.c_str());
    item.cxy = section.m_width;
    item.fmt = HDF_STRING | (section.m_alignment == TAlignment::taCenter       ? HDF_CENTER
                             : section.m_alignment == TAlignment::taRightJustify ? HDF_RIGHT
                                                                                 : HDF_LEFT);
    if (section.m_imageIndex >= 0)
        item.fmt |= HDF_IMAGE;
    item.iImage = section.m_imageIndex;
    SendMessageW(m_handle, insert ? HDM_INSERTITEMW : HDM_SETITEMW, static_cast<WPARAM>(section.Index()),
                 reinterpret_cast<LPARAM>(&item));
}

void THeaderControl::SetImages(TImageList* images)
{
    m_images.Set(images);
}

void THeaderControl::Notification(TComponent* component, TOperation operation)
{
    TWinControl::Notification(component, operation);
    if (operation == TOperation::opRemove)
        m_images.Removed(component);
}

LRESULT THeaderControl::ReflectedNotify(NMHDR& header)
{
    UINT const code = header.code;
    int const item = reinterpret_cast<const NMHEADERW&>(header).iItem;
    if ((code == static_cast<UINT>(HDN_ITEMCLICKW) || code == static_cast<UINT>(HDN_ITEMCLICKA)) && OnSectionClick &&
        item >= 0 && item < SectionCount())
        OnSectionClick(this, item);
    return 0;
}

} // namespace tandrel
