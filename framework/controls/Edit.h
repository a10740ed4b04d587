#pragma once
// The system edit control, single or multi-line.

#include "framework/controls/ControlTypes.h"
#include "framework/core/Strings.h"
#include "framework/controls/ChangingControl.h"

namespace tandrel {

class TCustomEdit : public TChangingControl {
public:
    explicit TCustomEdit(TComponent* owner);
    const char* ClassName() const override { return "TCustomEdit"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    std::wstring Text() const { return GetText(); }
    void SetTextValue(const std::wstring& text) { SetText(text); }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle style);
    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int length);

protected:
    void CreateParams(TCreateParams& params) override;
    void InitializeWindow() override;
    void ReflectedCommand(WORD code, WORD id) override;

private:
    bool m_readOnly = false;
    TBorderStyle m_borderStyle = TBorderStyle::bsSingle;
    int m_maxLength = 0;
};

class TEdit : public TCustomEdit {
public:
    explicit TEdit(TComponent* owner) : TCustomEdit(owner) {}
    const char* ClassName() const override { return "TEdit"; }
};

// Multi-line text. Lines follows the window's text, edits included.
class TCustomMemo : public TCustomEdit {
public:
    explicit TCustomMemo(TComponent* owner);
    const char* ClassName() const override { return "TCustomMemo"; }
    const TClassInfo& ClassInfo() const override { return StaticClassInfo(); }
    static const TClassInfo& StaticClassInfo();

    TStrings& Lines();
    TStrings* LinesObject() { return &Lines(); }
    TScrollStyle ScrollBars() const { return m_scrollBars; }
    void SetScrollBars(TScrollStyle style);
    bool WordWrap() const { return m_wordWrap; }
    void SetWordWrap(bool wordWrap);
    bool WantTabs() const { return m_wantTabs; }
    void SetWantTabs(bool want) { m_wantTabs = want; }

protected:
    void CreateParams(TCreateParams& params) override;
    void WndProc(TMessage& message) override;

private:
    TStringList m_lines;
    TScrollStyle m_scrollBars = TScrollStyle::ssNone;
    bool m_wordWrap = true;
    bool m_wantTabs = false;
    bool m_syncing = false;
};

class TMemo : public TCustomMemo {
public:
    explicit TMemo(TComponent* owner) : TCustomMemo(owner) {}
    const char* ClassName() const override { return "TMemo"; }
};

} // namespace tandrel
