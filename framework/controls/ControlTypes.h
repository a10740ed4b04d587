#pragma once
// Small enumerations that several control families share.

namespace tandrel {

struct TEnumInfo;

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
// Which side of a check or radio box its caption takes.
enum class TLeftRight { taLeftJustify, taRightJustify };
enum class TBorderStyle { bsNone, bsSingle };
enum class TScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };

// Value names for published properties of these kinds.
const TEnumInfo& AlignmentNames();
const TEnumInfo& LeftRightNames();
const TEnumInfo& BorderStyleNames();
const TEnumInfo& ScrollStyleNames();

} // namespace tandrel
