// Attaching to a window, the frame geometry and caption buttons, fitting the
// window around its client area, the form's icon and a changed skin.

#include "skin/forms/WinSkinForm.h"

#include "framework/controls/WindowText.h"
#include "framework/core/Publisher.h"
#include "framework/forms/Application.h"
#include "framework/forms/Menus.h"
#include "framework/graphics/DcGuards.h"
#include "framework/graphics/SystemMetrics.h"
#include "skin/description/SkinDescription.h"
#include "skin/draw/SkinDraw.h"
#include "skin/forms/MdiClientHook.h"
#include "skin/forms/WinSkinFormPrivate.h"

#include <commctrl.h>

#include <algorithm>

namespace tandrel {

const TClassInfo& TWinSkinForm::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TWinSkinForm", &TComponent::StaticClassInfo());
        TPublisher<TWinSkinForm>(i).Integer("DisableTag", &TWinSkinForm::DisableTag, &TWinSkinForm::SetDisableTag);
        return i;
    }();
    return info;
}

TWinSkinForm::TWinSkinForm(HWND window)
    : TComponent(nullptr), m_handle(window)
{
}

TWinSkinForm::TBusyScope::~TBusyScope() { m_form.LeaveBusy(); }

void TWinSkinForm::LeaveBusy()
{
    // The manager wanted to free the object while a handler ran; the last
    // one has returned.
    if (--m_deferred.Busy == 0 && m_deferred.FreeWhenIdle)
        if (TSkinHost* host = SkinHost())
            host->RequestAction(saFreeClosed, nullptr);
}

TWinSkinForm::~TWinSkinForm()
{
    Destroying();
    // Normally detached by now; never leave a window calling a freed object.
    if (m_subclass.Attached() || m_formHook.Hooked || m_mdiClient) {
        m_skinState = ssDetaching;
        try {
            Detach();
        } catch (...) {
            HandleCallbackException(this);
        }
    }
    SetPopupOwnerDraw(false);
    m_skinners.Clear();
    m_hotObject = nullptr;
    m_captionButtons.Clear();
    m_leaveTimer.Stop();
    m_menuBar.reset();
    m_systemMenu.reset();
    if (m_form)
        RemoveFreeNotification(m_form);
}

void TWinSkinForm::Notification(TComponent* component, TOperation operation)
{
    TComponent::Notification(component, operation);
    // The form went before this object: its window, and with it the
    // handlers put in front of it, went first.
    if (operation == TOperation::opRemove)
        ForgetOwnerDrawn(component);
    if (operation == TOperation::opRemove && component == m_form) {
        m_form = nullptr;
        m_formHook.Hooked = false;
        m_formHook.Saved = nullptr;
    }
}

void TWinSkinForm::AttachToForm(TSkinData* skinData, TCustomForm* form)
{
    m_form = form;
    FreeNotification(form);
    m_skinData = skinData;
    // The framework's forms do not scroll by themselves: no automatic
    // scrolling to switch off.
    if (skinData->Skins(xcMainMenu))
        HookForm();
    Initialize(skinData);
    m_formColour = form->Color();
    form->SetColor(skinData->ButtonFaceColour);
    SetPopupOwnerDraw(true);
}

void TWinSkinForm::Initialize(TSkinData* skinData)
{
    if (m_subclass.Attached())
        return;
    m_skinData = skinData;
    m_dpi = WindowDpi(m_handle);
    MakeCaptionFont();

    m_look.Style = GetWindowLongPtrW(m_handle, GWL_STYLE);
    LONG_PTR const exStyle = GetWindowLongPtrW(m_handle, GWL_EXSTYLE);
    m_look.RightToLeft = (exStyle & WS_EX_LEFTSCROLLBAR) != 0;
    HMENU const systemMenu = GetSystemMenu(m_handle, FALSE);
    LoadFormIcon(m_caption.Icon);

    ReadText();
    GetClientRect(m_handle, &m_record.Client);
    RECT window {};
    GetWindowRect(m_handle, &window);
    m_record.NcExtent = {(window.right - window.left) - m_record.Client.right,
                  (window.bottom - window.top) - m_record.Client.bottom};
    m_record.WindowSize = {window.right - window.left, window.bottom - window.top};

    m_look.Availability = 0;
    if ((m_look.Style & WS_SYSMENU) || systemMenu)
        m_look.Availability |= caSystemMenuBit;
    if (m_look.Style & WS_MINIMIZEBOX)
        m_look.Availability |= caMinimizeBox;
    if (m_look.Style & WS_MAXIMIZEBOX)
        m_look.Availability |= caMaximizeBox;
    m_record.OwnCaptionStyles = m_look.Style & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    BuildSystemMenu();

    ReadWindowState();
    HWND mdiClient = nullptr;
    for (HWND child = GetWindow(m_handle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (LowerCase(WindowClassName(child)) == "mdiclient") {
            mdiClient = child;
            m_formKind = fkMdiFrame;
            break;
        }
    if (exStyle & WS_EX_MDICHILD)
        m_formKind = fkMdiChild;
    m_look.Border = BorderClassOf((m_look.Style & WS_POPUP) != 0, (m_look.Style & WS_CAPTION) == WS_CAPTION,
                                  (exStyle & WS_EX_WINDOWEDGE) || (m_look.Style & WS_THICKFRAME));
    if (m_formKind == fkMdiFrame)
        m_mdiClient = std::make_unique<TMdiClientHook>(*this, mdiClient);

    if (skinData->Skins(xcMainMenu)) {
        // A child window's "menu" is its identifier.
        HMENU const menu = (m_look.Style & WS_CHILD) ? nullptr : GetMenu(m_handle);
        if (menu && m_formKind != fkMdiChild) {
            m_menuBar = std::make_unique<TWinSkinMenu>(*this, *skinData);
            m_sizes.MenuBar = MenuBarHeight();
            if (m_form)
                m_menuBar->SetMenuObject(m_form->Menu());
            m_menuBar->BuildFromMenuHandle();
        }
        if ((m_formKind != fkMdiChild || !MdiMaxFlag()) && m_look.State != fwsMinimized)
            SetCaptionButtonStyles(TCaptionStyles::csStrip);
        ComputeFrameGeometry();
    }
    Subclass();
    if (m_form)
        m_dispatch.SkinComponents(m_form);
    else
        m_dispatch.SkinChildWindows();
    InvalidateRect(m_handle, nullptr, TRUE);
}

void TWinSkinForm::MakeCaptionFont()
{
    NONCLIENTMETRICSW metrics {};
    if (!NonClientMetricsForDpi(metrics, m_dpi))
        return;
    // Captions may be Chinese: any character set, so the system can link
    // in a font that has the characters (Wine reports the ANSI one).
    metrics.lfCaptionFont.lfCharSet = DEFAULT_CHARSET;
    m_caption.Font.Reset(CreateFontIndirectW(&metrics.lfCaptionFont));
}

// The system's menu height is at the screen's density.
int TWinSkinForm::MenuBarHeight() const { return ScaleDpi(GetSystemMetrics(SM_CYMENU), m_dpi, ScreenDpi()); }

void TWinSkinForm::ReadWindowState()
{
    WINDOWPLACEMENT placement {};
    placement.length = sizeof placement;
    if (GetWindowPlacement(m_handle, &placement))
        m_look.State = WindowStateOfShowCommand(placement.showCmd);
}

void TWinSkinForm::ReadText()
{
    m_look.Text = WindowText(m_handle);
}

void TWinSkinForm::ComputeFrameGeometry()
{
    if (!m_skinData || m_skinData->SkinNotLoaded)
        return;
    TSkinData& skin = *m_skinData;
    if (m_look.Border == bcBorderless) {
        m_sizes = {};
    } else {
        TSkinScale const scale = Scale();
        m_sizes.Caption = BorderExtent(*skin.TopBorder, TFrameSide::fsTop, scale);
        m_sizes.Left = BorderExtent(*skin.LeftBorder, TFrameSide::fsLeft, scale);
        m_sizes.Right = BorderExtent(*skin.RightBorder, TFrameSide::fsRight, scale);
        m_sizes.Bottom = BorderExtent(*skin.BottomBorder, TFrameSide::fsBottom, scale);
    }
    for (auto& object : skin.SysButtons)
        if (IsIconAction(object->Action)) {
            if (object->Bitmap.Empty())
                object->Bitmap.Assign(m_caption.Icon);
            if (skin.StoredIcon.Empty())
                skin.StoredIcon.Assign(m_caption.Icon);
            object->FrameCount = 1;
        }
    m_captionButtons.SetScale(Scale());
    m_captionButtons.Build(skin.SysButtons);
    m_caption.Pictures.Clear();
    m_caption.Keys = {};
}

// The caption buttons and the pictures kept for painting belong to the skin
// set in use: they go with it.
void TWinSkinForm::ResetCaptionButtons()
{
    m_captionButtons.Clear();
    m_caption.Pictures.Clear();
    m_caption.Keys = {};
}

void TWinSkinForm::SetCaptionButtonStyles(TCaptionStyles styles)
{
    if (styles == TCaptionStyles::csStrip && m_formKind == fkMdiChild && MdiMaxFlag())
        return;
    LONG_PTR style = GetWindowLongPtrW(m_handle, GWL_STYLE);
    if (styles == TCaptionStyles::csStrip) {
        style &= ~static_cast<LONG_PTR>(WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    } else {
        // Only what the window had: a system menu alone does not make a
        // window without WS_SYSMENU grow one.
        style |= m_record.OwnCaptionStyles & WS_SYSMENU;
        if (m_look.Availability & caMinimizeBox)
            style |= WS_MINIMIZEBOX;
        if (m_look.Availability & caMaximizeBox)
            style |= WS_MAXIMIZEBOX;
    }
    SetWindowLongPtrW(m_handle, GWL_STYLE, style);
    m_look.Style = style;
}

void TWinSkinForm::FitWindowToSkin(bool rereadClient)
{
    if (m_look.State == fwsMaximized) {
        RefreshFrame();
        return;
    }
    int const width = m_record.Client.right - m_record.Client.left + m_sizes.Left + m_sizes.Right;
    if (rereadClient)
        GetClientRect(m_handle, &m_record.Client);
    TSkinSize const size =
        FittedWindowSize(m_record.Client.right - m_record.Client.left, m_record.Client.bottom - m_record.Client.top, m_sizes);
    // Fitting a window never activates it.
    SetWindowPos(m_handle, nullptr, 0, 0, width, size.Height,
                 SWP_FRAMECHANGED | SWP_NOZORDER | SWP_NOMOVE | SWP_NOACTIVATE);
}

void TWinSkinForm::RefreshFrame()
{
    SetWindowPos(m_handle, nullptr, 0, 0, 0, 0,
                 SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
}

void TWinSkinForm::ApplyChangedSkin()
{
    if (m_form) {
        m_form->SetColor(m_skinData->ButtonFaceColour);
        for (int i = 0; i < m_form->ComponentCount(); ++i)
            if (auto* owned = dynamic_cast<TCustomForm*>(m_form->Components(i)))
                owned->SetColor(m_skinData->ButtonFaceColour);
    }
    m_skinners.Refresh();
    m_skinners.CaptionColours().Refresh(*m_skinData);
    // The new skin may skin popup menus differently.
    SetPopupOwnerDraw(false);
    SetPopupOwnerDraw(true);
    m_skinState = ssApplying;
    if (m_skinData->Skins(xcMainMenu)) {
        if (m_look.Border != bcBorderless)
            FitWindowToSkin(true);
        // Still applying: the region is rebuilt even at the same size.
        UpdateRegion();
    }
    m_skinState = ssSkinned;
}

// The window's small icon on fuchsia. Antialiased edges would leave a pink
// fringe once fuchsia is cut away, so the icon is drawn on black and on
// white: where both agree the pixel is opaque, where they differ it is
// kept only if it is at least half opaque.
void TWinSkinForm::LoadFormIcon(TBitmap& bitmap)
{
    int const cx = SystemMetricForDpi(SM_CXSMICON, m_dpi);
    int const cy = SystemMetricForDpi(SM_CYSMICON, m_dpi);
    TBitmap target(cx, cy, TPixelFormat::pf24bit);
    RECT const all {0, 0, cx, cy};
    {
        TOwnedBrush fuchsia(CreateSolidBrush(RGB(255, 0, 255)));
        FillRect(target.Canvas().Handle(), &all, fuchsia.Get());
    }
    auto icon = reinterpret_cast<HICON>(SendMessageW(m_handle, WM_GETICON, ICON_SMALL, 0));
    if (!icon)
        icon = reinterpret_cast<HICON>(SendMessageW(m_handle, WM_GETICON, ICON_BIG, 0));
    if (!icon) {
        TBitmap* stored = m_skinData->StoredIcon.Empty() ? nullptr : &m_skinData->StoredIcon;
        if (TSkinHost* host = stored ? nullptr : SkinHost())
            for (TSkinData* data : host->SkinDataList())
                if (data->SkinFormtype() == sfMainform && !data->StoredIcon.Empty())
                    stored = &data->StoredIcon;
        if (stored && (stored->Width() != cx || stored->Height() != cy)) {
            // Kept at another density: grown pixel for pixel, so the key
            // colour's edge stays where it was.
            TStretchModeGuard mode(target.Canvas().Handle(), COLORONCOLOR);
            StretchBlt(target.Canvas().Handle(), 0, 0, cx, cy, stored->Canvas().Handle(), 0, 0, stored->Width(),
                       stored->Height(), SRCCOPY);
            stored = nullptr;
        }
        bitmap.Assign(stored ? *stored : target);
        return;
    }
    TOwnedIcon copy;
    if (HANDLE c = CopyImage(icon, IMAGE_ICON, cx, cy, LR_COPYFROMRESOURCE))
        copy.Reset(static_cast<HICON>(c));
    else if (HANDLE plain = CopyImage(icon, IMAGE_ICON, cx, cy, 0))
        copy.Reset(static_cast<HICON>(plain));
    HICON const drawn = copy ? copy.Get() : icon;
    TBitmap onBlack(cx, cy, TPixelFormat::pf24bit);
    TBitmap onWhite(cx, cy, TPixelFormat::pf24bit);
    FillRect(onBlack.Canvas().Handle(), &all, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    FillRect(onWhite.Canvas().Handle(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    DrawIconEx(onBlack.Canvas().Handle(), 0, 0, drawn, cx, cy, 0, nullptr, DI_NORMAL);
    DrawIconEx(onWhite.Canvas().Handle(), 0, 0, drawn, cx, cy, 0, nullptr, DI_NORMAL);
    for (int y = 0; y < cy; ++y) {
        const std::uint8_t* black = onBlack.ScanLine(y);
        const std::uint8_t* white = onWhite.ScanLine(y);
        std::uint8_t* out = target.ScanLine(y);
        for (int x = 0; x < cx * 3; x += 3) {
            // Opacity from how much the background shows through.
            int const seen = std::max({white[x] - black[x], white[x + 1] - black[x + 1], white[x + 2] - black[x + 2]});
            int const alpha = 255 - std::clamp(seen, 0, 255);
            if (alpha < 128)
                continue;
            for (int c = 0; c < 3; ++c)
                out[x + c] = static_cast<std::uint8_t>(std::min(255, black[x + c] * 255 / alpha));
        }
    }
    bitmap.Assign(target);
}

void TWinSkinForm::BuildSystemMenu()
{
    auto menu = std::make_unique<TPopupMenu>(nullptr);
    // The restore, maximize, minimize and close glyphs, by tag.
    menu->SetImages(&m_skinData->MenuImages());
    menu->SetOwnerDraw(true);
    auto add = [&](const wchar_t* caption, TSystemMenuTag tag) {
        auto* item = new TMenuItem(menu.get());
        item->SetCaption(caption);
        item->SetTag(tag);
        item->SetImageIndex(tag == smSeparator ? -1 : tag);
        item->OnClick = [this, tag](TObject*) { SystemMenuClick(tag); };
        // The menu and its handlers go with this object.
        SetItemPainter(*item);
        menu->Items().Add(item);
        return item;
    };
    add(L" Restore ", smRestore);
    if (m_look.Availability & caMaximizeBox)
        add(L" Maximize ", smMaximize);
    if (m_look.Availability & caMinimizeBox)
        add(L" Minimize ", smMinimize);
    add(L"-", smSeparator);
    // Shown only: nothing acts on the keys.
    add(L" Close ", smClose)->SetShortCut(scShift | VK_F4);
    m_systemMenu = std::move(menu);
}

void TWinSkinForm::Subclass()
{
    m_subclass.Attach(m_handle, *this);
}

void TWinSkinForm::RemoveSubclass()
{
    m_subclass.Remove();
}

void TWinSkinForm::HookForm()
{
    if (m_formHook.Hooked || !m_form)
        return;
    m_formHook.Saved = m_form->WindowProc;
    m_form->WindowProc = [this](TMessage& m) { FormWndProc(m); };
    m_formHook.Hooked = true;
}

void TWinSkinForm::UnhookForm()
{
    if (m_formHook.Hooked && m_form)
        m_form->WindowProc = std::move(m_formHook.Saved);
    m_formHook.Saved = nullptr;
    m_formHook.Hooked = false;
}

void TWinSkinForm::StartLeaveTimer() { m_leaveTimer.Start(m_handle, kLeaveTimerId, kLeaveTimerInterval); }

void TWinSkinForm::StopLeaveTimer() { m_leaveTimer.Stop(); }

void TWinSkinForm::RestoreFormColour()
{
    if (m_form && m_skinState != ssDetaching) {
        m_form->SetColor(m_formColour);
        m_skinners.CaptionColours().Restore();
    }
}

HWND TWinSkinForm::MdiClient() const { return m_mdiClient ? m_mdiClient->Client() : nullptr; }

POINT TWinSkinForm::WindowPointOf(POINT screen) const
{
    POINT p = screen;
    ScreenToClient(m_handle, &p);
    if (m_look.State != fwsMinimized) {
        p.x += m_sizes.Left;
        p.y += m_sizes.Caption + m_sizes.MenuBar;
    }
    return p;
}

bool TWinSkinForm::ActiveMdiChildMaximized() const
{
    HWND const client = MdiClient();
    if (m_formKind != fkMdiFrame || !client)
        return false;
    BOOL maximized = FALSE;
    HWND active = reinterpret_cast<HWND>(SendMessageW(client, WM_MDIGETACTIVE, 0, reinterpret_cast<LPARAM>(&maximized)));
    return active && maximized;
}

void TWinSkinForm::PaintMdiButtons(HDC dc, POINT barOrigin)
{
    m_captionButtons.PaintMdiButtons(dc, barOrigin, m_caption.Icon);
}

// The popup's loop keeps the object, as a handler of its own does.
void TWinSkinForm::BeginMenuLoop()
{
    ++m_deferred.Busy;
    m_menuTracking = true;
    if (TSkinHost* host = SkinHost())
        host->SetMenuActive(true);
}

void TWinSkinForm::EndMenuLoop()
{
    m_menuTracking = false;
    if (TSkinHost* host = SkinHost())
        host->SetMenuActive(false);
    LeaveBusy();
}

} // namespace tandrel
