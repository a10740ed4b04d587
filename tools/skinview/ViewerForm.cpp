#include "tools/skinview/ViewerForm.h"

#include "framework/controls/Label.h"
#include "framework/core/SysUtils.h"
#include "framework/graphics/Dpi.h"
#include "framework/graphics/GdiObjects.h"
#include "tools/skinview/SkinSource.h"
#include "tools/skinview/pages/ControlsPage.h"
#include "tools/skinview/pages/EditsPage.h"
#include "tools/skinview/pages/TabsPage.h"

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>
#include <shlobj.h>

#include <cstring>

namespace fs = std::filesystem;

namespace tandrel {

namespace {

constexpr int Gap = 8;
constexpr int ProblemsHeight = 112;

// A 16 x 16 menu glyph: a rounded tile of one colour with a light mark.
void AddGlyph(TImageList& images, COLORREF tile)
{
    TBitmap glyph(16, 16, TPixelFormat::pf24bit);
    HDC const dc = glyph.Canvas().Handle();
    RECT const all {0, 0, 16, 16};
    {
        TOwnedBrush fuchsia(CreateSolidBrush(RGB(255, 0, 255)));
        FillRect(dc, &all, fuchsia.Get());
    }
    TOwnedBrush fill(CreateSolidBrush(tile));
    TOwnedPen edge(CreatePen(PS_SOLID, 1, RGB(GetRValue(tile) / 2, GetGValue(tile) / 2, GetBValue(tile) / 2)));
    TOwnedBrush mark(CreateSolidBrush(RGB(255, 255, 255)));
    HGDIOBJ const oldBrush = SelectObject(dc, fill.Get());
    HGDIOBJ const oldPen = SelectObject(dc, edge.Get());
    RoundRect(dc, 1, 1, 15, 15, 5, 5);
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    RECT const dot {5, 5, 11, 11};
    FillRect(dc, &dot, mark.Get());
    images.AddMasked(glyph, clFuchsia);
}

TMenuItem* AddItem(TComponent& owner, TMenuItem& parent, const wchar_t* caption, TNotifyEvent onClick = {})
{
    auto* item = new TMenuItem(&owner);
    item->SetCaption(caption);
    item->OnClick = std::move(onClick);
    parent.Add(item);
    return item;
}

TMenuItem* AddTop(TComponent& owner, TMainMenu& menu, const wchar_t* caption)
{
    auto* item = new TMenuItem(&owner);
    item->SetCaption(caption);
    menu.Items().Add(item);
    return item;
}

// Frees a dropped-files handle however the handling ends.
class TDropHandle {
public:
    explicit TDropHandle(HDROP drop) : m_drop(drop) {}
    ~TDropHandle() { DragFinish(m_drop); }
    TDropHandle(const TDropHandle&) = delete;
    TDropHandle& operator=(const TDropHandle&) = delete;
    HDROP Get() const { return m_drop; }

private:
    HDROP m_drop;
};

} // namespace

std::vector<std::uint8_t> BuiltInSkin()
{
    HMODULE const module = GetModuleHandleW(nullptr);
    HRSRC const resource = FindResourceW(module, L"DEFAULT_SKIN", MAKEINTRESOURCEW(10)); // RT_RCDATA
    HGLOBAL const loaded = resource ? LoadResource(module, resource) : nullptr;
    const auto* bytes = loaded ? static_cast<const std::uint8_t*>(LockResource(loaded)) : nullptr;
    if (!bytes)
        return {};
    return {bytes, bytes + SizeofResource(module, resource)};
}

TViewerForm::TViewerForm(TComponent* owner) : TForm(owner), m_samples(*this)
{
    SetCaption(Title);
    SetBounds(40, 30, 800, 640);
    SetClientWidth(800);
    SetClientHeight(620);

    m_images = new TImageList(this);
    AddGlyph(*m_images, RGB(52, 120, 200));
    AddGlyph(*m_images, RGB(220, 130, 40));
    BuildMenu();
    BuildPages();

    m_problemBox = new TGroupBox(this);
    m_problemBox->SetParent(this);
    m_problemBox->SetCaption(L"Problems found in the skin");
    m_problems = Put<TListBox>(*m_problemBox, *this, 10, 20, 100, 80);
    m_status = new TStatusBar(this);
    m_status->SetParent(this);
    m_status->AddPanel(L"", 320);
    m_status->AddPanel(L"", 200);
    m_status->AddPanel(L"Drop a skin file or folder here", 260);
    Layout();
    // Built in pixels at 96 pixels per inch, then scaled to the screen's.
    ScaleForDpi(WindowDpi(nullptr));

    // The skin of every window of the program: the built-in one to begin with.
    std::vector<std::uint8_t> const builtIn = BuiltInSkin();
    std::vector<unsigned char> property(4 + builtIn.size());
    auto const length = static_cast<std::int32_t>(builtIn.size());
    std::memcpy(property.data(), &length, 4);
    std::copy(builtIn.begin(), builtIn.end(), property.begin() + 4);
    m_skin = new TSkinData(this);
    m_skin->SetComponentStateFlags(csLoading | csReading, true);
    m_skin->SetActive(true);
    m_skin->SetSkinFormtype(sfMainform);
    m_skin->ReadSkinStream(property);
    m_skin->Loaded();
    // Already loaded: only checked, for the problems panel.
    try {
        ShowSkin(CheckSkinStream(L"built in", builtIn), {});
    } catch (const std::exception& error) {
        ShowFailure(L"built in", error.what());
    }
}

void TViewerForm::BuildMenu()
{
    m_menu = new TMainMenu(this);
    m_menu->SetImages(m_images);

    TMenuItem* file = AddTop(*this, *m_menu, L"&File");
    TMenuItem* open = AddItem(*this, *file, L"&Open skin...", [this](TObject*) { ChooseFile(); });
    open->SetImageIndex(0);
    open->SetShortCut(scCtrl | 'O');
    AddItem(*this, *file, L"Open skin &folder...", [this](TObject*) { ChooseFolder(); })
        ->SetShortCut(scCtrl | scShift | 'O');
    AddItem(*this, *file, L"&Reload", [this](TObject*) { Reload(); })->SetShortCut(VK_F5);
    AddItem(*this, *file, L"&Built-in skin", [this](TObject*) {
        m_path.clear();
        OpenSkinStream(L"built in", BuiltInSkin());
    });
    AddItem(*this, *file, L"-");
    AddItem(*this, *file, L"E&xit", [this](TObject*) { Close(); });

    TMenuItem* sample = AddTop(*this, *m_menu, L"&Sample");
    TMenuItem* checked = AddItem(*this, *sample, L"&Checked item");
    checked->SetChecked(true);
    checked->OnClick = [checked](TObject*) { checked->SetChecked(!checked->Checked()); };
    TMenuItem* image = AddItem(*this, *sample, L"Item with an &image");
    image->SetImageIndex(1);
    image->SetShortCut(scCtrl | 'I');
    AddItem(*this, *sample, L"&Default item")->SetDefault(true);
    AddItem(*this, *sample, L"D&isabled item")->SetEnabled(false);
    AddItem(*this, *sample, L"-");
    TMenuItem* more = AddItem(*this, *sample, L"&Submenu");
    AddItem(*this, *more, L"&First");
    AddItem(*this, *more, L"&Second")->SetChecked(true);

    TMenuItem* windows = AddTop(*this, *m_menu, L"&Windows");
    AddItem(*this, *windows, L"&MDI frame", [this](TObject*) { m_samples.ShowMdiFrame(); });
    AddItem(*this, *windows, L"&Dialog window", [this](TObject*) { m_samples.ShowDialog(); });
    AddItem(*this, *windows, L"Message &box", [this](TObject*) { m_samples.ShowMessageBox(); })
        ->SetShortCut(scCtrl | 'M');

    TMenuItem* help = AddTop(*this, *m_menu, L"&Help");
    AddItem(*this, *help, L"&About the skin viewer", [this](TObject*) {
        MessageBoxW(Handle(),
                    L"Shows a skin on every kind of window and control the skin engine draws.\n"
                    L"Open a skin package (.skn) or a skin folder, or drop one on the window.",
                    Title, MB_OK | MB_ICONINFORMATION);
    });
    SetMenu(m_menu);

    m_popup = new TPopupMenu(this);
    m_popup->SetImages(m_images);
    AddItem(*this, m_popup->Items(), L"Cu&t")->SetShortCut(scCtrl | 'X');
    TMenuItem* copy = AddItem(*this, m_popup->Items(), L"&Copy");
    copy->SetShortCut(scCtrl | 'C');
    copy->SetImageIndex(0);
    AddItem(*this, m_popup->Items(), L"&Paste")->SetEnabled(false);
    AddItem(*this, m_popup->Items(), L"-");
    AddItem(*this, m_popup->Items(), L"&Word wrap")->SetChecked(true);
}

void TViewerForm::BuildPages()
{
    m_pages = new TPageControl(this);
    m_pages->SetParent(this);
    auto sheet = [this](const wchar_t* caption) {
        auto* page = new TTabSheet(this);
        page->SetCaption(caption);
        page->SetPageControl(m_pages);
        return page;
    };

    TTabSheet* buttons = sheet(L"Buttons and lists");
    BuildControlsPage(*buttons, *this);
    // The states the shared page leaves out, in the column beside it.
    auto* disabledBit = Put<TBitBtn>(*buttons, *this, 650, 10, 110, 25, L"Disabled");
    disabledBit->SetKind(TBitBtnKind::bkOK);
    disabledBit->SetCaption(L"Disabled");
    disabledBit->SetEnabled(false);
    Put<TSpeedButton>(*buttons, *this, 650, 45, 110, 25, L"Disabled")->SetEnabled(false);
    Put<TCheckBox>(*buttons, *this, 650, 80, 110, 20, L"Unchecked");
    auto* offCheck = Put<TCheckBox>(*buttons, *this, 650, 105, 110, 20, L"Disabled");
    offCheck->SetChecked(true);
    offCheck->SetEnabled(false);
    Put<TRadioButton>(*buttons, *this, 650, 130, 110, 20, L"Unchosen");
    Put<TRadioButton>(*buttons, *this, 650, 155, 110, 20, L"Disabled")->SetEnabled(false);

    BuildEditsPage(*sheet(L"Edits"), *this);
    BuildTabsPage(*sheet(L"Tabs and bars"), *this);
    BuildWindowsPage(*sheet(L"Windows and menus"));
    m_pages->SetActivePage(buttons);
}

void TViewerForm::BuildWindowsPage(TTabSheet& sheet)
{
    auto* about = new TLabel(this);
    about->SetParent(&sheet);
    about->SetAutoSize(false);
    about->SetWordWrap(true);
    about->SetBounds(10, 10, 620, 60);
    about->SetCaption(L"The menu bar above shows skinned menus: check marks, images, shortcuts, a default "
                      L"item, a disabled one and a submenu. These buttons open the other kinds of window "
                      L"the skin draws; each keeps the skin when another one is opened.");
    int top = 80;
    auto button = [&](const wchar_t* caption, TNotifyEvent onClick) {
        auto* b = Put<TButton>(sheet, *this, 10, top, 200, 28, caption);
        b->OnClick = std::move(onClick);
        top += 38;
        return b;
    };
    button(L"MDI frame with two children", [this](TObject*) { m_samples.ShowMdiFrame(); });
    button(L"Dialog window", [this](TObject*) { m_samples.ShowDialog(); });
    button(L"Message box", [this](TObject*) { m_samples.ShowMessageBox(); });
    TButton* popup = button(L"Popup menu", {});
    popup->OnClick = [this, popup](TObject*) {
        RECT r;
        GetWindowRect(popup->Handle(), &r);
        m_popup->Popup(r.left, r.bottom);
    };
}

void TViewerForm::Layout()
{
    // Laid out at 96 pixels per inch, like the pages, and drawn at the form's.
    auto const px = [this](int length) { return ScaleDpi(length, PixelsPerInch()); };
    int const width = ClientWidth();
    int const height = ClientHeight();
    int const gap = px(Gap);
    int const problems = px(ProblemsHeight);
    int const statusHeight = m_status->HandleAllocated() ? m_status->Height() : px(22);
    int const pagesHeight = std::max(px(100), height - statusHeight - problems - 3 * gap);
    m_pages->SetBounds(gap, gap, width - 2 * gap, pagesHeight);
    m_problemBox->SetBounds(gap, gap + pagesHeight + gap, width - 2 * gap, problems);
    m_problems->SetBounds(px(10), px(20), width - 2 * gap - px(20), problems - px(30));
}

void TViewerForm::InitializeWindow()
{
    TForm::InitializeWindow();
    DragAcceptFiles(Handle(), TRUE);
}

void TViewerForm::WndProc(TMessage& m)
{
    if (m.Msg == WM_DROPFILES)
        return OnDropFiles(m);
    TForm::WndProc(m);
    if (m.Msg == WM_SIZE && m_status)
        Layout();
}

void TViewerForm::OnDropFiles(TMessage& m)
{
    fs::path dropped;
    {
        TDropHandle const drop(reinterpret_cast<HDROP>(m.WParam));
        UINT const length = DragQueryFileW(drop.Get(), 0, nullptr, 0);
        if (length == 0)
            return;
        std::wstring name(length + 1, L'\0');
        DragQueryFileW(drop.Get(), 0, name.data(), length + 1);
        name.resize(length);
        dropped = name;
    }
    m.Result = 0;
    OpenSkin(dropped);
}

void TViewerForm::ChooseFile()
{
    std::wstring name(32768, L'\0');
    OPENFILENAMEW dialog {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Handle();
    dialog.lpstrFilter = L"Skins and skin descriptions (*.skn, *.ini)\0*.skn;*.ini\0All files\0*.*\0";
    dialog.lpstrFile = name.data();
    dialog.nMaxFile = static_cast<DWORD>(name.size());
    dialog.lpstrTitle = L"Open a skin";
    dialog.Flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (!GetOpenFileNameW(&dialog))
        return;
    fs::path chosen(name.c_str());
    // A description stands for the folder it lies in.
    std::wstring extension = chosen.extension().wstring();
    CharLowerW(extension.data());
    OpenSkin(extension == L".ini" ? chosen.parent_path() : chosen);
}

void TViewerForm::ChooseFolder()
{
    wchar_t display[MAX_PATH] {};
    BROWSEINFOW browse {};
    browse.hwndOwner = Handle();
    browse.pszDisplayName = display;
    browse.lpszTitle = L"Choose a skin folder: its description and bitmaps are packed as they are now.";
    browse.ulFlags = BIF_RETURNONLYFSDIRS;
    PIDLIST_ABSOLUTE const list = SHBrowseForFolderW(&browse);
    if (!list)
        return;
    wchar_t folder[MAX_PATH] {};
    bool const named = SHGetPathFromIDListW(list, folder);
    CoTaskMemFree(list);
    if (named)
        OpenSkin(fs::path(folder));
}

bool TViewerForm::OpenSkin(const fs::path& path)
{
    try {
        return Apply(ReadSkinSource(path), path);
    } catch (const ESkinSourceError& error) {
        ShowFailure(path.filename().wstring(), error.what());
        return false;
    }
}

bool TViewerForm::OpenSkinStream(const std::wstring& name, std::vector<std::uint8_t> stream)
{
    try {
        return Apply(CheckSkinStream(name, std::move(stream)), {});
    } catch (const std::exception& error) {
        ShowFailure(name, error.what());
        return false;
    }
}

bool TViewerForm::Reload()
{
    if (m_path.empty())
        return OpenSkinStream(L"built in", BuiltInSkin());
    return OpenSkin(fs::path(m_path));
}

bool TViewerForm::Apply(const TSkinSource& source, const fs::path& path)
{
    try {
        m_skin->ChangeSkin(source.Stream);
    } catch (const std::exception& error) {
        ShowFailure(source.Name, error.what());
        for (const auto& problem : source.Problems)
            m_problems->Items().Add(Utf8ToWide(problem));
        return false;
    }
    ShowSkin(source, path);
    return true;
}

void TViewerForm::ShowSkin(const TSkinSource& source, const fs::path& path)
{
    m_path = path;
    m_skinTitle = source.SkinName.empty() ? source.Name : Utf8ToWide(source.SkinName) + L" (" + source.Name + L")";
    SetCaption(std::wstring(Title) + L" - " + m_skinTitle);

    TStrings& lines = m_problems->Items();
    lines.BeginUpdate();
    lines.Clear();
    for (const auto& problem : source.Problems)
        lines.Add(Utf8ToWide(problem));
    for (const auto& note : source.Notes)
        lines.Add(L"note: " + Utf8ToWide(note));
    if (source.Problems.empty())
        lines.Insert(0, L"No problems: " + std::to_wstring(source.ImagesChecked) + L" images checked.");
    lines.EndUpdate();
    m_status->Panel(0).SetText(L"Skin: " + m_skinTitle);
    std::size_t const count = source.Problems.size();
    m_status->Panel(1).SetText(count == 0 ? L"No problems"
                                           : std::to_wstring(count) + (count == 1 ? L" problem" : L" problems"));
}

void TViewerForm::ShowFailure(const std::wstring& what, const std::string& why)
{
    TStrings& lines = m_problems->Items();
    lines.Clear();
    lines.Add(L"Cannot load " + what + L": " + Utf8ToWide(why));
    lines.Add(L"The skin in use (" + m_skinTitle + L") stays on.");
    m_status->Panel(1).SetText(L"Loading " + what + L" failed");
}

std::vector<std::wstring> TViewerForm::ProblemLines() const
{
    std::vector<std::wstring> lines;
    TStrings& items = m_problems->Items();
    for (int i = 0; i < items.Count(); ++i)
        lines.push_back(items.Strings(i));
    return lines;
}

} // namespace tandrel
