#include "framework/core/Strings.h"

#include "framework/core/SysUtils.h"

#include <windows.h>

namespace tandrel {

void TStrings::Assign(const TPersistent& source)
{
    auto* other = dynamic_cast<const TStrings*>(&source);
    if (!other)
        return TPersistent::Assign(source);
    SetLines(other->m_lines);
}

const std::wstring& TStrings::Strings(int index) const
{
    if (index < 0 || index >= Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    return m_lines[static_cast<size_t>(index)];
}

void TStrings::SetStrings(int index, const std::wstring& text)
{
    Strings(index);
    m_lines[static_cast<size_t>(index)] = text;
    Changed();
}

int TStrings::Add(const std::wstring& text)
{
    m_lines.push_back(text);
    Changed();
    return Count() - 1;
}

void TStrings::Insert(int index, const std::wstring& text)
{
    if (index < 0 || index > Count())
        throw EStringListError("List index out of bounds (" + std::to_string(index) + ")");
    m_lines.insert(m_lines.begin() + index, text);
    Changed();
}

void TStrings::Delete(int index)
{
    Strings(index);
    m_lines.erase(m_lines.begin() + index);
    Changed();
}

void TStrings::Clear()
{
    if (m_lines.empty())
        return;
    m_lines.clear();
    Changed();
}

int TStrings::IndexOf(const std::wstring& text) const
{
    for (size_t i = 0; i < m_lines.size(); ++i)
        if (CompareStringW(LOCALE_USER_DEFAULT, NORM_IGNORECASE, m_lines[i].c_str(), -1, text.c_str(), -1) == CSTR_EQUAL)
            return static_cast<int>(i);
    return -1;
}

std::wstring TStrings::Text() const
{
    std::wstring text;
    for (const std::wstring& line : m_lines) {
        text += line;
        text += L"\r\n";
    }
    return text;
}

void TStrings::SetText(const std::wstring& text)
{
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            lines.emplace_back(text, start, i - start);
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
            start = i + 1;
        }
    }
    if (start < text.size())
        lines.emplace_back(text, start);
    SetLines(std::move(lines));
}

void TStrings::SetLines(std::vector<std::wstring> lines)
{
    m_lines = std::move(lines);
    Changed();
}

void TStrings::EndUpdate()
{
    if (m_updateCount > 0 && --m_updateCount == 0 && m_changedWhileUpdating) {
        m_changedWhileUpdating = false;
        Changed();
    }
}

void TStrings::Changed()
{
    if (m_updateCount > 0) {
        m_changedWhileUpdating = true;
        return;
    }
    if (OnChange)
        OnChange();
}

} // namespace tandrel
