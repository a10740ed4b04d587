#include "framework/core/Colors.h"

#include "framework/core/SysUtils.h"

#include <charconv>
#include <utility>

namespace tandrel {

COLORREF ColorToRGB(TColor colour)
{
    if ((colour & 0xFF000000u) == clSystemColor)
        return GetSysColor(static_cast<int>(colour & 0xFF));
    return colour & 0x00FFFFFFu;
}

namespace {
unsigned g_systemColoursGeneration = 0;
}

unsigned SystemColoursGeneration() { return g_systemColoursGeneration; }
void SystemColoursChanged() { ++g_systemColoursGeneration; }

namespace {
const std::pair<const char*, TColor> kColourNames[] = {
    {"clBlack", clBlack}, {"clMaroon", clMaroon}, {"clGreen", clGreen}, {"clOlive", clOlive},
    {"clNavy", clNavy}, {"clPurple", clPurple}, {"clTeal", clTeal}, {"clGray", clGray},
    {"clSilver", clSilver}, {"clRed", clRed}, {"clLime", clLime}, {"clYellow", clYellow},
    {"clBlue", clBlue}, {"clFuchsia", clFuchsia}, {"clAqua", clAqua}, {"clWhite", clWhite},
    {"clNone", clNone}, {"clDefault", clDefault},
    {"clScrollBar", clScrollBar}, {"clBackground", clBackground}, {"clActiveCaption", clActiveCaption},
    {"clInactiveCaption", clInactiveCaption}, {"clMenu", clMenu}, {"clWindow", clWindow},
    {"clWindowFrame", clWindowFrame}, {"clMenuText", clMenuText}, {"clWindowText", clWindowText},
    {"clCaptionText", clCaptionText}, {"clActiveBorder", clActiveBorder}, {"clInactiveBorder", clInactiveBorder},
    {"clAppWorkSpace", clAppWorkSpace}, {"clHighlight", clHighlight}, {"clHighlightText", clHighlightText},
    {"clBtnFace", clBtnFace}, {"clBtnShadow", clBtnShadow}, {"clGrayText", clGrayText},
    {"clBtnText", clBtnText}, {"clInactiveCaptionText", clInactiveCaptionText},
    {"clBtnHighlight", clBtnHighlight}, {"cl3DDkShadow", cl3DDkShadow}, {"cl3DLight", cl3DLight},
    {"clInfoText", clInfoText}, {"clInfoBk", clInfoBk},
};
}

std::optional<TColor> StringToColor(std::string_view text)
{
    std::string key = LowerCase(text);
    for (const auto& [name, value] : kColourNames)
        if (LowerCase(name) == key)
            return value;
    int base = 10;
    if (!text.empty() && text[0] == '$') {
        text.remove_prefix(1);
        base = 16;
    } else if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        text.remove_prefix(2);
        base = 16;
    }
    long long value = 0;
    auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value, base);
    if (ec != std::errc() || end != text.data() + text.size() || text.empty() || value < -0x80000000LL ||
        value > 0xFFFFFFFFLL)
        return std::nullopt;
    return static_cast<TColor>(value);
}

} // namespace tandrel
