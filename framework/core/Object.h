#pragma once
// Root of the object model: class names and published properties.

#include <any>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tandrel {

class TObject;
class TClassInfo;

// The value names of an enumeration (or of the members of a set), in ordinal order.
struct TEnumInfo {
    std::vector<std::string> Names;
    int ValueOf(std::string_view name) const;  // -1 when unknown (case-insensitive)
    const std::string& NameOf(int value) const;
};

enum class TPropertyKind {
    Integer,      // int; the JSON value is a number
    Boolean,      // bool
    Enumeration,  // int ordinal; JSON holds the value's name
    Set,          // bit mask of ordinals; JSON holds an array of names
    String,       // UTF-16 text; JSON holds UTF-8
    Colour,       // TColor; JSON holds a number or a colour name such as "clNavy"
    Strings,      // a TStrings object; JSON holds an array of lines
    Object,       // a nested TPersistent whose own properties follow
    Binary,       // raw bytes; JSON holds them as hex digits
    Event,        // a handler named by the definition's root
};

// One published property. Setters take the value already converted to the
// kind's C++ type; the form reader does the converting.
struct TPropertyInfo {
    std::string Name;
    TPropertyKind Kind = TPropertyKind::Integer;
    const TEnumInfo* Enum = nullptr;  // Enumeration and Set
    std::function<void(TObject&, long long)> SetOrdinal;               // Integer, Boolean, Enumeration, Set, Colour
    std::function<long long(const TObject&)> GetOrdinal;
    std::function<void(TObject&, const std::wstring&)> SetText;        // String
    std::function<std::wstring(const TObject&)> GetText;
    std::function<TObject*(TObject&)> GetNested;                       // Strings, Object
    std::function<void(TObject&, const std::vector<unsigned char>&)> SetBytes;  // Binary
    std::function<void(TObject&, const std::any& handler)> SetHandler; // Event; see TComponent::FindHandler
};

// The published interface of one class: its own properties plus its parent's.
class TClassInfo {
public:
    TClassInfo(std::string name, const TClassInfo* parent) : m_name(std::move(name)), m_parent(parent) {}
    const std::string& Name() const { return m_name; }
    const TClassInfo* Parent() const { return m_parent; }
    const TPropertyInfo* FindProperty(std::string_view name) const;  // case-insensitive, own first
    void Add(TPropertyInfo info) { m_properties.push_back(std::move(info)); }
    const std::vector<TPropertyInfo>& OwnProperties() const { return m_properties; }

private:
    std::string m_name;
    const TClassInfo* m_parent;
    std::vector<TPropertyInfo> m_properties;
};

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;

    virtual const char* ClassName() const { return "TObject"; }
    virtual const TClassInfo& ClassInfo() const;
    static const TClassInfo& StaticClassInfo();
};

// Something that can copy its state from another of its kind.
class TPersistent : public TObject {
public:
    const char* ClassName() const override { return "TPersistent"; }
    virtual void Assign(const TPersistent& source);
    // Stored binary content (a picture's image file, say); className names the
    // kind of content where a property can hold several. Objects without such
    // content refuse it.
    virtual void ReadBinaryData(const std::string& className, const std::vector<unsigned char>& bytes);
};

} // namespace tandrel
