#pragma once
// Dialog templates built in memory, for tests of the system's own dialogs.

#include "tests/support/TestSupport.h"

#include <windows.h>

#include <cstddef>
#include <string>
#include <vector>

namespace tandrel::test {

struct TDialogItem {
    DWORD Style; // WS_CHILD and WS_VISIBLE are added
    WORD Id;
    // A class name, or a single character below 0x100: the atom of a
    // predefined class (0x80 button, 0x81 edit, 0x84 scroll bar, 0x85 combo box).
    std::wstring Class;
    std::wstring Text;
    short X, Y, Cx, Cy;
};

// A visible modal dialog with a caption: the header, then each item on a
// DWORD boundary. The template is the vector's data.
inline std::vector<WORD> DialogTemplate(const std::wstring& caption, short cx, short cy,
                                        const std::vector<TDialogItem>& items)
{
    std::vector<WORD> t(sizeof(DLGTEMPLATE) / sizeof(WORD));
    auto const put = [&](const std::wstring& text) {
        t.insert(t.end(), text.begin(), text.end());
        t.push_back(0);
    };
    auto* header = reinterpret_cast<DLGTEMPLATE*>(t.data());
    header->style = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE;
    header->cdit = static_cast<WORD>(items.size());
    header->cx = cx;
    header->cy = cy;
    t.push_back(0); // no menu
    t.push_back(0); // the dialog class
    put(caption);
    for (const TDialogItem& item : items) {
        t.resize((t.size() + 1) & ~std::size_t {1});
        std::size_t const at = t.size();
        t.resize(at + sizeof(DLGITEMTEMPLATE) / sizeof(WORD));
        auto* d = reinterpret_cast<DLGITEMTEMPLATE*>(&t[at]);
        d->style = WS_CHILD | WS_VISIBLE | item.Style;
        d->x = item.X;
        d->y = item.Y;
        d->cx = item.Cx;
        d->cy = item.Cy;
        d->id = item.Id;
        if (item.Class.size() == 1 && item.Class[0] < 0x100) {
            t.push_back(0xFFFF);
            t.push_back(item.Class[0]);
        } else {
            put(item.Class);
        }
        put(item.Text);
        t.push_back(0); // no creation data
    }
    return t;
}

// Runs the dialog modally with `procedure` (by default one that only takes
// the focus it is given) until a test step ends it; it is ended with
// IDCANCEL after ten seconds whatever happens. Answers EndDialog's code.
inline INT_PTR RunTemplateDialog(const std::vector<WORD>& dialog, const wchar_t* caption,
                                 DLGPROC procedure = [](HWND, UINT msg, WPARAM, LPARAM) -> INT_PTR {
                                     return msg == WM_INITDIALOG;
                                 })
{
    std::wstring const title = caption;
    RunSoon([title] {
        if (HWND box = FindWindowW(L"#32770", title.c_str()))
            EndDialog(box, IDCANCEL);
    }, 10000);
    return DialogBoxIndirectParamW(GetModuleHandleW(nullptr), reinterpret_cast<const DLGTEMPLATE*>(dialog.data()),
                                   nullptr, procedure, 0);
}

} // namespace tandrel::test
