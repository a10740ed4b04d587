#include "framework/core/Object.h"

#include "framework/core/SysUtils.h"

namespace tandrel {

int TEnumInfo::ValueOf(std::string_view name) const
{
    std::string key = LowerCase(name);
    for (size_t i = 0; i < Names.size(); ++i)
        if (LowerCase(Names[i]) == key)
            return static_cast<int>(i);
    return -1;
}

const std::string& TEnumInfo::NameOf(int value) const
{
    static const std::string none;
    if (value < 0 || static_cast<size_t>(value) >= Names.size())
        return none;
    return Names[static_cast<size_t>(value)];
}

const TPropertyInfo* TClassInfo::FindProperty(std::string_view name) const
{
    std::string key = LowerCase(name);
    for (const TClassInfo* info = this; info; info = info->m_parent)
        for (const TPropertyInfo& p : info->m_properties)
            if (LowerCase(p.Name) == key)
                return &p;
    return nullptr;
}

const TClassInfo& TObject::StaticClassInfo()
{
    static const TClassInfo info("TObject", nullptr);
    return info;
}

const TClassInfo& TObject::ClassInfo() const { return StaticClassInfo(); }

void TPersistent::Assign(const TPersistent& source)
{
    throw EConvertError(std::string("Cannot assign a ") + source.ClassName() + " to a " + ClassName());
}

} // namespace tandrel

namespace tandrel {

void TPersistent::ReadBinaryData(const std::string&, const std::vector<unsigned char>&)
{
    throw EReadError(std::string(ClassName()) + " holds no binary data");
}

} // namespace tandrel
