#pragma once
// The system rich edit control as a memo: lines, scroll bars, read-only and
// word wrap as the memo has them, over the newest rich edit class present.

#include "framework/controls/Edit.h"

namespace tandrel {

class TRichEdit : public TCustomMemo {
public:
    explicit TRichEdit(TComponent* owner);
    const char* ClassName() const override { return "TRichEdit"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    // Holds text without formatting; takes effect when the window is made.
    bool PlainText() const { return m_plainText; }
    void SetPlainText(bool plain);
    // The window class in use ("RICHEDIT50W" or "RichEdit20W").
    static const wchar_t* WindowClassName();

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;

private:
    bool m_plainText = false;
};

// Frees the rich edit library once no rich edit window is left.
void FinalizeRichEdit();

} // namespace tandrel
