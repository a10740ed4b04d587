#include "framework/controls/RichEdit.h"

#include "framework/core/Publisher.h"

#include <richedit.h>

#include <memory>

namespace tandrel {

namespace {

// The rich edit library, loaded once for the process: the framework's window
// class is built on the procedure it registers, so it must not move.
class TRichEditLibrary {
public:
    TRichEditLibrary()
    {
        static const struct {
            const wchar_t* Module;
            const wchar_t* Class;
        } kCandidates[] = {{L"Msftedit.dll", L"RICHEDIT50W"}, {L"riched20.dll", L"RichEdit20W"}};
        WNDCLASSEXW info {};
        info.cbSize = sizeof info;
        for (const auto& c : kCandidates) {
            HMODULE module = LoadLibraryW(c.Module);
            if (module && GetClassInfoExW(nullptr, c.Class, &info)) {
                m_module = module;
                m_class = c.Class;
                return;
            }
            if (module)
                FreeLibrary(module);
        }
        throw EInvalidOperation("No rich edit library is available");
    }
    ~TRichEditLibrary() { FreeLibrary(m_module); }
    TRichEditLibrary(const TRichEditLibrary&) = delete;
    TRichEditLibrary& operator=(const TRichEditLibrary&) = delete;
    const wchar_t* ClassName() const { return m_class; }

private:
    HMODULE m_module = nullptr;
    const wchar_t* m_class = nullptr;
};

std::unique_ptr<TRichEditLibrary> g_library;

const TRichEditLibrary& Library()
{
    if (!g_library)
        g_library = std::make_unique<TRichEditLibrary>();
    return *g_library;
}

} // namespace

void FinalizeRichEdit() { g_library.reset(); }

const wchar_t* TRichEdit::WindowClassName() { return Library().ClassName(); }

const TClassInfo& TRichEdit::StaticClassInfo()
{
    static const TClassInfo info = [] {
        TClassInfo i("TRichEdit", &TCustomMemo::StaticClassInfo());
        TPublisher<TRichEdit>(i).Boolean("PlainText", &TRichEdit::PlainText, &TRichEdit::SetPlainText);
        return i;
    }();
    return info;
}

TRichEdit::TRichEdit(TComponent* owner) : TCustomMemo(owner) {}

void TRichEdit::SetPlainText(bool plain)
{
    SetWindowProperty(m_plainText, plain);
}

void TRichEdit::CreateParams(TCreateParams& p)
{
    TCustomMemo::CreateParams(p);
    p.BaseClassName = WindowClassName();
}

void TRichEdit::InitializeWindow()
{
    // The text mode can change only while the control is empty.
    const std::wstring text = GetText();
    if (m_plainText) {
        SetWindowTextW(m_handle, L"");
        SendMessageW(m_handle, EM_SETTEXTMODE, TM_PLAINTEXT, 0);
        SetWindowTextW(m_handle, text.c_str());
    }
    TCustomMemo::InitializeWindow();
    // A limit of 0 means 32,767 characters to a rich edit, not "none".
    SendMessageW(m_handle, EM_EXLIMITTEXT, 0, MaxLength() > 0 ? MaxLength() : 0x7FFFFFFE);
    // A rich edit tells of changes only when asked to.
    SendMessageW(m_handle, EM_SETEVENTMASK, 0, ENM_CHANGE);
    // Wrap at the window's edge, or never.
    SendMessageW(m_handle, EM_SETTARGETDEVICE, 0, WordWrap() ? 0 : 1);
}

} // namespace tandrel
