#pragma once
// Lists of text lines.

#include "framework/core/Object.h"

#include <functional>
#include <string>
#include <vector>

namespace tandrel {

class TStrings : public TPersistent {
public:
    const char* ClassName() const override { return "TStrings"; }
    void Assign(const TPersistent& source) override;

    int Count() const { return static_cast<int>(m_lines.size()); }
    const std::wstring& Strings(int index) const;
    void SetStrings(int index, const std::wstring& text);
    int Add(const std::wstring& text);
    void Insert(int index, const std::wstring& text);
    void Delete(int index);
    void Clear();
    int IndexOf(const std::wstring& text) const;  // case-insensitive
    // Lines joined with CR LF after each; SetText splits on CR LF, CR or LF.
    std::wstring Text() const;
    void SetText(const std::wstring& text);
    const std::vector<std::wstring>& Lines() const { return m_lines; }
    void SetLines(std::vector<std::wstring> lines);

    void BeginUpdate() { ++m_updateCount; }
    void EndUpdate();

    std::function<void()> OnChange;

protected:
    void Changed();

private:
    std::vector<std::wstring> m_lines;
    int m_updateCount = 0;
    bool m_changedWhileUpdating = false;
};

class TStringList final : public TStrings {
public:
    const char* ClassName() const override { return "TStringList"; }
};

} // namespace tandrel
