#include "framework/core/FormReader.h"

#include "framework/core/Colors.h"
#include "framework/core/Strings.h"
#include "framework/core/SysUtils.h"

#include <nlohmann/json.hpp>
#include <windows.h>

#include <map>

namespace tandrel {

using TJson = nlohmann::ordered_json;

namespace {

std::map<std::string, TComponentFactory>& Registry()
{
    static std::map<std::string, TComponentFactory> registry;
    return registry;
}

// Identifiers a definition may write for integer values.
const std::map<std::string, long long>& IntegerIdents()
{
    static const std::map<std::string, long long> idents = {
        {"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET}, {"SYMBOL_CHARSET", SYMBOL_CHARSET},
        {"GB2312_CHARSET", GB2312_CHARSET}, {"CHINESEBIG5_CHARSET", CHINESEBIG5_CHARSET},
        {"SHIFTJIS_CHARSET", SHIFTJIS_CHARSET}, {"HANGEUL_CHARSET", HANGEUL_CHARSET}, {"OEM_CHARSET", OEM_CHARSET},
        {"crDefault", 0}, {"crArrow", -2}, {"crIBeam", -4}, {"crHourGlass", -11}, {"crHandPoint", -21},
    };
    return idents;
}

// A failure that already names its place in the definition.
class EDefinitionError : public EReadError {
    using EReadError::EReadError;
};

class TDefinitionReader {
public:
    explicit TDefinitionReader(TComponent& root) : m_root(root) {}

    void ReadRoot(const TJson& json)
    {
        if (!json.is_object())
            Fail("the definition is not an object");
        std::string cls = json.value("class", "");
        if (cls != m_root.ClassName())
            Fail("the definition is for " + cls + ", not " + m_root.ClassName());
        m_root.SetComponentStateFlags(csLoading | csReading, true);
        m_path = json.value("name", std::string(m_root.ClassName()));
        if (json.contains("name"))
            m_root.SetName(json["name"].get<std::string>());
        ReadProperties(m_root, json);
        ReadChildren(json, &m_root);
        // Loaded only once everything is read, children first.
        for (TComponent* c : m_loaded)
            c->Loaded();
        m_root.Loaded();
    }

private:
    [[noreturn]] void Fail(const std::string& what) const
    {
        throw EDefinitionError("Error reading " + (m_path.empty() ? std::string("definition") : m_path) + ": " + what);
    }

    void ReadChildren(const TJson& json, TComponent* parent)
    {
        if (!json.contains("components"))
            return;
        const TJson& list = json["components"];
        if (!list.is_array())
            Fail("components is not a list");
        for (const TJson& child : list)
            ReadComponent(child, parent);
    }

    void ReadComponent(const TJson& json, TComponent* parent)
    {
        if (!json.is_object() || !json.contains("class") || !json["class"].is_string())
            Fail("a component without a class");
        std::string cls = json["class"].get<std::string>();
        std::string name = json.value("name", "");
        std::string savedPath = m_path;
        m_path += "." + (name.empty() ? cls : name);
        auto it = Registry().find(cls);
        if (it == Registry().end())
            Fail("class " + cls + " not found");
        TComponent* component = it->second(&m_root);
        component->SetComponentStateFlags(csLoading | csReading, true);
        m_loaded.push_back(component);
        try {
            component->SetName(name);
        } catch (const EException& e) {
            Fail(e.what());
        }
        if (parent)
            component->SetParentComponent(parent);
        ReadProperties(*component, json);
        ReadChildren(json, component);
        m_path = savedPath;
    }

    void ReadProperties(TObject& object, const TJson& json)
    {
        for (auto it = json.begin(); it != json.end(); ++it) {
            const std::string& key = it.key();
            if (key == "class" || key == "name" || key == "components")
                continue;
            std::string savedPath = m_path;
            m_path += "." + key;
            const TPropertyInfo* p = object.ClassInfo().FindProperty(key);
            if (!p)
                Fail("property " + key + " does not exist in " + object.ClassName());
            try {
                ReadProperty(object, *p, it.value());
            } catch (const EDefinitionError&) {
                throw;
            } catch (const std::exception& e) {
                Fail(e.what());
            }
            m_path = savedPath;
        }
    }

    long long Ordinal(const TPropertyInfo& p, const TJson& v) const
    {
        switch (p.Kind) {
        case TPropertyKind::Integer:
            if (v.is_number_integer())
                return v.get<long long>();
            if (v.is_string()) {
                auto it = IntegerIdents().find(v.get<std::string>());
                if (it != IntegerIdents().end())
                    return it->second;
            }
            Fail("an integer is expected");
        case TPropertyKind::Boolean:
            if (!v.is_boolean())
                Fail("true or false is expected");
            return v.get<bool>() ? 1 : 0;
        case TPropertyKind::Enumeration: {
            if (!v.is_string())
                Fail("a value name is expected");
            int value = p.Enum->ValueOf(v.get<std::string>());
            if (value < 0)
                Fail("invalid value " + v.get<std::string>());
            return value;
        }
        case TPropertyKind::Set: {
            if (!v.is_array())
                Fail("a list of members is expected");
            long long bits = 0;
            for (const TJson& member : v) {
                int value = member.is_string() ? p.Enum->ValueOf(member.get<std::string>()) : -1;
                if (value < 0 || value > 62)
                    Fail("invalid set member " + member.dump());
                bits |= 1LL << value;
            }
            return bits;
        }
        case TPropertyKind::Colour: {
            std::optional<TColor> c;
            if (v.is_number_integer())
                c = static_cast<TColor>(v.get<long long>());
            else if (v.is_string())
                c = StringToColor(v.get<std::string>());
            if (!c)
                Fail("invalid colour " + v.dump());
            return *c;
        }
        default:
            Fail("not an ordinal property");
        }
    }

    void ReadProperty(TObject& object, const TPropertyInfo& p, const TJson& v)
    {
        switch (p.Kind) {
        case TPropertyKind::Integer:
        case TPropertyKind::Boolean:
        case TPropertyKind::Enumeration:
        case TPropertyKind::Set:
        case TPropertyKind::Colour:
            p.SetOrdinal(object, Ordinal(p, v));
            return;
        case TPropertyKind::String:
            if (!v.is_string())
                Fail("a string is expected");
            p.SetText(object, Utf8ToWide(v.get<std::string>()));
            return;
        case TPropertyKind::Strings: {
            auto* strings = dynamic_cast<TStrings*>(p.GetNested(object));
            if (!strings || !v.is_array())
                Fail("a list of lines is expected");
            std::vector<std::wstring> lines;
            for (const TJson& line : v) {
                if (!line.is_string())
                    Fail("a line is not a string");
                lines.push_back(Utf8ToWide(line.get<std::string>()));
            }
            strings->SetLines(std::move(lines));
            return;
        }
        case TPropertyKind::Object: {
            auto* nested = dynamic_cast<TPersistent*>(p.GetNested(object));
            if (!nested)
                Fail("no object to read into");
            if (v.is_string())
                nested->ReadBinaryData("", HexToBytes(v.get<std::string>()));
            else if (v.is_object() && v.contains("data"))
                nested->ReadBinaryData(v.value("class", ""), HexToBytes(v["data"].get<std::string>()));
            else if (v.is_object())
                ReadProperties(*nested, v);
            else
                Fail("an object is expected");
            return;
        }
        case TPropertyKind::Binary:
            if (!v.is_string())
                Fail("hex digits are expected");
            p.SetBytes(object, HexToBytes(v.get<std::string>()));
            return;
        case TPropertyKind::Event: {
            if (!v.is_string())
                Fail("a handler name is expected");
            const std::any* handler = m_root.FindHandler(v.get<std::string>());
            if (!handler)
                Fail("handler " + v.get<std::string>() + " not found");
            p.SetHandler(object, *handler);
            return;
        }
        }
    }

    TComponent& m_root;
    std::vector<TComponent*> m_loaded;
    std::string m_path;
};

} // namespace

void RegisterComponentClass(const std::string& className, TComponentFactory factory)
{
    Registry()[className] = std::move(factory);
}

bool IsComponentClassRegistered(const std::string& className) { return Registry().count(className) != 0; }

std::vector<unsigned char> HexToBytes(std::string_view hex)
{
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    };
    if (hex.size() % 2)
        throw EReadError("binary data has an odd number of hex digits");
    std::vector<unsigned char> bytes(hex.size() / 2);
    for (size_t i = 0; i < bytes.size(); ++i) {
        int hi = digit(hex[2 * i]);
        int lo = digit(hex[2 * i + 1]);
        if (hi < 0 || lo < 0)
            throw EReadError("binary data holds a character that is not a hex digit");
        bytes[i] = static_cast<unsigned char>(hi << 4 | lo);
    }
    return bytes;
}

void ReadComponentDefinition(TComponent& root, std::string_view json)
{
    TJson parsed;
    try {
        parsed = TJson::parse(json.begin(), json.end());
    } catch (const TJson::exception& e) {
        throw EReadError(std::string("Error reading ") + root.ClassName() + ": " + e.what());
    }
    try {
        TDefinitionReader(root).ReadRoot(parsed);
    } catch (const TJson::exception& e) {
        throw EReadError(std::string("Error reading ") + root.ClassName() + ": " + e.what());
    }
}

std::string_view FindComponentDefinition(const std::string& className)
{
    std::wstring name = Utf8ToWide(UpperCase(className));
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC resource = FindResourceW(module, name.c_str(), MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!resource)
        return {};
    HGLOBAL loaded = LoadResource(module, resource);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    DWORD size = SizeofResource(module, resource);
    if (!data || !size)
        return {};
    return {static_cast<const char*>(data), size};
}

} // namespace tandrel
