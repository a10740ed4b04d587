#include "framework/controls/ControlTypes.h"

#include "framework/core/Object.h"

namespace tandrel {

const TEnumInfo& AlignmentNames()
{
    static const TEnumInfo names {{"taLeftJustify", "taRightJustify", "taCenter"}};
    return names;
}

const TEnumInfo& LeftRightNames()
{
    static const TEnumInfo names {{"taLeftJustify", "taRightJustify"}};
    return names;
}

const TEnumInfo& BorderStyleNames()
{
    static const TEnumInfo names {{"bsNone", "bsSingle"}};
    return names;
}

const TEnumInfo& ScrollStyleNames()
{
    static const TEnumInfo names {{"ssNone", "ssHorizontal", "ssVertical", "ssBoth"}};
    return names;
}

} // namespace tandrel
