#pragma once
// The edit value of an editor: a small variant of the kinds an editor can
// be handed (nothing, null, integers of every width, floating point,
// currency, date, boolean, text).

#include <cstdint>
#include <string>
#include <variant>

namespace tandrel {

enum class TVarType {
    varEmpty, varNull, varSmallint, varInteger, varSingle, varDouble, varCurrency, varDate,
    varBoolean, varShortInt, varByte, varWord, varLongWord, varInt64, varString,
};

// Currency and dates keep their own kinds so that they are not read as numbers.
struct TVarCurrency {
    std::int64_t Scaled = 0;  // value × 10000
    bool operator==(const TVarCurrency&) const = default;
};
struct TVarDate {
    double Days = 0;
    bool operator==(const TVarDate&) const = default;
};
struct TVarNull {
    bool operator==(const TVarNull&) const = default;
};

class TVariant {
public:
    TVariant() = default;
    static TVariant Null() { return TVariant(TVarNull {}); }
    TVariant(std::int16_t v) : m_value(v) {}
    TVariant(std::int32_t v) : m_value(v) {}
    TVariant(float v) : m_value(v) {}
    TVariant(double v) : m_value(v) {}
    TVariant(TVarCurrency v) : m_value(v) {}
    TVariant(TVarDate v) : m_value(v) {}
    TVariant(bool v) : m_value(v) {}
    TVariant(std::int8_t v) : m_value(v) {}
    TVariant(std::uint8_t v) : m_value(v) {}
    TVariant(std::uint16_t v) : m_value(v) {}
    TVariant(std::uint32_t v) : m_value(v) {}
    TVariant(std::int64_t v) : m_value(v) {}
    TVariant(std::wstring v) : m_value(std::move(v)) {}
    TVariant(const wchar_t* v) : m_value(std::wstring(v)) {}

    TVarType VarType() const { return static_cast<TVarType>(m_value.index()); }
    bool IsNull() const { return VarType() == TVarType::varNull; }
    bool IsEmpty() const { return VarType() == TVarType::varEmpty; }
    bool IsNullOrEmpty() const { return IsNull() || IsEmpty(); }
    bool IsOrdinal() const;     // one of the integer kinds
    std::int64_t AsInt64() const;  // integer kinds only; 0 for the rest
    const std::wstring* AsString() const { return std::get_if<std::wstring>(&m_value); }

    // Same kind and same value.
    bool operator==(const TVariant& other) const { return m_value == other.m_value; }

private:
    explicit TVariant(TVarNull v) : m_value(v) {}

    // The order is the order of TVarType.
    std::variant<std::monostate, TVarNull, std::int16_t, std::int32_t, float, double, TVarCurrency, TVarDate, bool,
                 std::int8_t, std::uint8_t, std::uint16_t, std::uint32_t, std::int64_t, std::wstring>
        m_value;
};

} // namespace tandrel
