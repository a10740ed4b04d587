#pragma once
// Small enumerations that several control families share.

#include <windows.h>

namespace tandrel {

struct TEnumInfo;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
// Which side of a check or radio box its caption takes.
enum class TLeftRight { taLeftJustify, taRightJustify };
enum class TBorderStyle { bsNone, bsSingle };
// The extended window style that draws a border style.
constexpr DWORD BorderExStyle(TBorderStyle style) { return style == TBorderStyle::bsSingle ? WS_EX_CLIENTEDGE : 0; }
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Value names for published properties of these kinds.
const TEnumInfo& AlignmentNames();
const TEnumInfo& LeftRightNames();
const TEnumInfo& BorderStyleNames();
const TEnumInfo& ScrollStyleNames();

} // namespace tandrel
