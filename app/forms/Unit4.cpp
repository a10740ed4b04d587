#include "app/forms/Unit4.h"

#include "framework/forms/Application.h"
#include "framework/graphics/Bitmap.h"
#include "framework/graphics/DcGuards.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/Icon.h"
#include "app/forms/TrayIcon.h"
#include "app/forms/U_About.h"
#include "skin/engine/SkinManage.h"

#include <shellapi.h>

#include <cstring>
#include <memory>

namespace tandrel {

TForm4* Form4 = nullptr;
std::function<void()> ShowMainPanel;

namespace {

void ShowPanel()
{
    if (ShowMainPanel)
        ShowMainPanel();
}

NOTIFYICONDATAA g_tray {};
bool g_trayShown = false;
TTrayObserver g_trayObserver;

constexpr char kTrayTip[] = "Welcome use Tandrel";

void NotifyTray(DWORD message)
{
    // The system's answer is of no use here: the icon is a convenience.
    Shell_NotifyIconA(message, &g_tray);
    g_trayShown = message == NIM_ADD;
    if (g_trayObserver)
        g_trayObserver(message, g_tray);
}

bool IsVisiblePixel(COLORREF c) { return c == RGB(255, 255, 255) || c == RGB(0, 0, 0); }

void CutRun(HRGN region, int start, int end, int y)
{
    TOwnedRegion run(CreateRectRgn(start, y, end, y + 1));
    CombineRgn(region, region, run.Get(), RGN_XOR);
}

} // namespace

TOwnedRegion BuildOverlayRegion(int formWidth, int formHeight, TBitmap& picture)
{
    TOwnedRegion region(CreateRectRgn(0, 0, formWidth, formHeight));
    TCanvas& surface = picture.Canvas();
    for (int y = 0; y < picture.Height(); ++y) {
        int start = -1;
        for (int x = 0; x < picture.Width(); ++x) {
            const bool visible = IsVisiblePixel(surface.Pixel(x, y));
            if (!visible && start < 0) {
                start = x;
            } else if (visible && start >= 0) {
                CutRun(region.Get(), start, x, y);
                start = -1;
            }
        }
        if (start >= 0)
            CutRun(region.Get(), start, picture.Width(), y);
    }
    return region;
}

std::unique_ptr<TBitmap> ScaleOverlayPicture(TBitmap& picture, int dpi)
{
    const int width = ScaleDpi(picture.Width(), dpi);
    const int height = ScaleDpi(picture.Height(), dpi);
    auto scaled = std::make_unique<TBitmap>(width, height, TPixelFormat::pf24bit);
    HDC const dc = scaled->Canvas().Handle();
    // Nearest neighbour: no blended colour, which the region would cut away.
    TStretchModeGuard mode(dc, COLORONCOLOR);
    StretchBlt(dc, 0, 0, width, height, picture.Canvas().Handle(), 0, 0, picture.Width(), picture.Height(), SRCCOPY);
    return scaled;
}

UINT TaskbarCreatedMessage()
{
    static const UINT message = RegisterWindowMessageW(L"TaskbarCreated");
    return message;
}

UINT ShowPanelMessage()
{
    static const UINT message = RegisterWindowMessageW(L"Tandrel.ShowPanel");
    return message;
}

UINT ExitRequestMessage()
{
    static const UINT message = RegisterWindowMessageW(kExitRequestName);
    return message;
}

const NOTIFYICONDATAA& TrayRecord() { return g_tray; }

void DeleteTrayIcon() { NotifyTray(NIM_DELETE); }

void ExitApplication()
{
    DeleteTrayIcon();
    Application->Terminate();
}

void SetTrayObserver(TTrayObserver observer) { g_trayObserver = std::move(observer); }

TForm4::TForm4(TComponent* owner) : TForm(owner)
{
    PublishHandler("FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    PublishHandler("FormShow", TNotifyEvent([this](TObject* s) { FormShow(s); }));
    PublishHandler("y1Click", TNotifyEvent([this](TObject* s) { y1Click(s); }));
    PublishHandler("About1Click", TNotifyEvent([this](TObject* s) { About1Click(s); }));
    PublishHandler("N1Click", TNotifyEvent([this](TObject* s) { N1Click(s); }));
}

// The tray shows the icon's handle: the icon goes only after the tray icon.
TForm4::~TForm4()
{
    if (g_trayShown)
        DeleteTrayIcon();
}

void TForm4::Loaded()
{
    TForm::Loaded();
    BindComponent(Image1, "Image1");
    BindComponent(PopupMenu1, "PopupMenu1");
    BindComponent(y1, "y1");
    BindComponent(About1, "About1");
    BindComponent(N1, "N1");
}

void TForm4::CreateParams(TCreateParams& params)
{
    TForm::CreateParams(params);
    params.Style ^= WS_DLGFRAME;
    params.WndParent = nullptr;  // not owned by the application's window
    // Never activated, and clicks go through to the window under the arrow:
    // the second mouse clicks at the tip, which is a pixel of this window.
    params.ExStyle |= WS_EX_NOACTIVATE | WS_EX_LAYERED | WS_EX_TRANSPARENT;
}

void TForm4::InitializeWindow()
{
    TForm::InitializeWindow();
    // A layered window shows nothing until it is given its opacity.
    SetLayeredWindowAttributes(Handle(), 0, 255, LWA_ALPHA);
}

POINT TForm4::Tip() const
{
    const POINT origin = ClientOrigin();
    return {origin.x + ScaleDpi(kOverlayTip.x, m_arrowDpi), origin.y + ScaleDpi(kOverlayTip.y, m_arrowDpi)};
}

void TForm4::MoveTipTo(POINT tip)
{
    const POINT now = Tip();
    SetBounds(Left() + tip.x - now.x, Top() + tip.y - now.y, Width(), Height());
}

void TForm4::FormCreate(TObject*)
{
    m_designArrow = std::make_unique<TBitmap>();
    m_designArrow->Assign(Image1->Picture().Bitmap());
    FitArrow(PixelsPerInch());
}

void TForm4::FitArrow(int dpi)
{
    if (dpi != m_arrowDpi)
        Image1->Picture().Bitmap().Assign(dpi == kDesignDpi ? *m_designArrow : *ScaleOverlayPicture(*m_designArrow, dpi));
    m_arrowDpi = dpi;
    HWND window = Handle();
    TOwnedRegion region = BuildOverlayRegion(Width(), Height(), Image1->Picture().Bitmap());
    // The picture sits in the client area, inside the dialog frame, while a
    // window region counts from the outer corner: move it by the frame, or
    // the frame and a strip of background would show instead of the arrow.
    RECT outer;
    GetWindowRect(window, &outer);
    POINT client = ClientOrigin();
    OffsetRgn(region.Get(), client.x - outer.left, client.y - outer.top);
    SetWindowRgn(window, region.Release(), TRUE);
}

void TForm4::FormShow(TObject*)
{
    g_tray.cbSize = NOTIFYICONDATAA_V1_SIZE;
    m_trayIcon = LoadTrayIcon(ProgramFolder());
    // Made at the size shown, not stretched there by the shell.
    m_trayPicture.Reset(m_trayIcon->CreateHandleOfSize(TrayIconSize()));
    g_tray.hIcon = m_trayPicture.Get();
    std::memset(g_tray.szTip, 0, sizeof g_tray.szTip);
    std::memcpy(g_tray.szTip, kTrayTip, sizeof kTrayTip);
    g_tray.uCallbackMessage = WM_TRAYNOTIFY;
    g_tray.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    g_tray.uID = 0;
    g_tray.hWnd = Handle();
    NotifyTray(NIM_ADD);
    HWND app = Application->Handle();
    ShowWindow(app, SW_HIDE);
    SetWindowLongPtrW(app, GWL_EXSTYLE, GetWindowLongPtrW(app, GWL_EXSTYLE) | WS_EX_TOOLWINDOW);
    // Windows are skinned when they are activated, and this one never is:
    // it asks for its skin (and so its tray menu's) when it is shown.
    if (SkinManager)
        SkinManager->SkinWindow(Handle());
}

void TForm4::WndProc(TMessage& m)
{
    if (m.Msg == WM_TRAYNOTIFY)
        return OnTrayNotify(m);
    if (m.Msg == WM_WINDOWPOSCHANGING)
        OnWindowPosChanging(m);
    else if (m.Msg == TaskbarCreatedMessage())
        return OnTaskbarCreated(m);
    else if (m.Msg == ShowPanelMessage())
        return OnShowPanel(m);
    else if (m.Msg == ExitRequestMessage())
        return OnExitRequest(m);
    else if (m.Msg == WM_DPICHANGED)
        return OnDpiChanged(m);
    TForm::WndProc(m);
}

// On a screen of another density the arrow is drawn and cut again there,
// its tip kept where it was: the second mouse has not moved.
void TForm4::OnDpiChanged(TMessage& m)
{
    const POINT tip = Tip();
    TForm::WndProc(m);
    FitArrow(PixelsPerInch());
    MoveTipTo(tip);
}

// Every move puts the overlay back on top of the topmost windows (the
// taskbar among them) and never activates it.
void TForm4::OnWindowPosChanging(TMessage& m)
{
    auto* pos = reinterpret_cast<WINDOWPOS*>(m.LParam);
    if (pos->flags & SWP_NOMOVE)
        return;
    pos->flags = (pos->flags & ~SWP_NOZORDER) | SWP_NOACTIVATE;
    pos->hwndInsertAfter = HWND_TOPMOST;
}

void TForm4::OnTaskbarCreated(TMessage&)
{
    if (g_trayShown)
        NotifyTray(NIM_ADD);
    SetWindowPos(Handle(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TForm4::OnShowPanel(TMessage& m)
{
    ShowPanel();
    m.Result = 1;
}

void TForm4::OnExitRequest(TMessage& m)
{
    ExitApplication();
    m.Result = 1;
}

void TForm4::OnTrayNotify(TMessage& m)
{
    switch (m.LParam) {
    case WM_LBUTTONDOWN:
        ShowPanel();
        break;
    case WM_RBUTTONDOWN: {
        POINT p;
        GetCursorPos(&p);
        // A tray menu closes when the user clicks elsewhere only if the window
        // it belongs to is in front (the overlay itself is never activated),
        // and the empty message lets the next one open at once.
        HWND owner = PopupListWindow();
        SetForegroundWindow(owner);
        PopupMenu1->Popup(p.x, p.y);
        PostMessageW(owner, WM_NULL, 0, 0);
        break;
    }
    default:
        break;
    }
}

void TForm4::y1Click(TObject*) { ShowPanel(); }

void TForm4::About1Click(TObject*) { ShowAboutWindow(this); }

void TForm4::N1Click(TObject*) { ExitApplication(); }

} // namespace tandrel
