#include "editors/edit/cxVariants.h"

#include <type_traits>

namespace tandrel {

bool TVariant::IsOrdinal() const
{
    switch (VarType()) {
    case TVarType::varSmallint:
    case TVarType::varInteger:
    case TVarType::varShortInt:
    case TVarType::varByte:
    case TVarType::varWord:
    case TVarType::varLongWord:
    case TVarType::varInt64: return true;
    default: return false;
    }
}

std::int64_t TVariant::AsInt64() const
{
    return std::visit(
        [](const auto& v) -> std::int64_t {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_integral_v<T> && !std::is_same_v<T, bool>)
                return static_cast<std::int64_t>(v);
            else
                return 0;
        },
        m_value);
}

} // namespace tandrel
