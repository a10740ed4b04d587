#pragma once
// Fills a class's published-property table from member functions.
//
//   static const TClassInfo info = [] {
//       TClassInfo i("TLabel", &TGraphicControl::StaticClassInfo());
//       TPublisher<TLabel>(i).Boolean("AutoSize", &TLabel::AutoSize, &TLabel::SetAutoSize);
//       return i;
//   }();

#include "framework/core/Object.h"
#include "framework/core/SysUtils.h"

#include <any>
#include <functional>
#include <type_traits>

namespace tandrel {

template <class C>
class TPublisher {
public:
    explicit TPublisher(TClassInfo& info) : m_info(info) {}

    template <class G, class S>
    TPublisher& Integer(const char* name, G get, S set) { return Ordinal(name, TPropertyKind::Integer, nullptr, get, set); }

    template <class G, class S>
    TPublisher& Boolean(const char* name, G get, S set) { return Ordinal(name, TPropertyKind::Boolean, nullptr, get, set); }

    template <class G, class S>
    TPublisher& Enumeration(const char* name, const TEnumInfo& values, G get, S set)
    {
        return Ordinal(name, TPropertyKind::Enumeration, &values, get, set);
    }

    template <class G, class S>
    TPublisher& Set(const char* name, const TEnumInfo& members, G get, S set)
    {
        return Ordinal(name, TPropertyKind::Set, &members, get, set);
    }

    template <class G, class S>
    TPublisher& Colour(const char* name, G get, S set) { return Ordinal(name, TPropertyKind::Colour, nullptr, get, set); }

    template <class G, class S>
    TPublisher& String(const char* name, G get, S set)
    {
        TPropertyInfo p;
        p.Name = name;
        p.Kind = TPropertyKind::String;
        p.GetText = [get](const TObject& o) { return std::wstring(std::invoke(get, static_cast<const C&>(o))); };
        p.SetText = [set](TObject& o, const std::wstring& v) { std::invoke(set, static_cast<C&>(o), v); };
        m_info.Add(std::move(p));
        return *this;
    }

    // A nested object read in place: a font, a picture, a string list.
    template <class G>
    TPublisher& Object(const char* name, G get, TPropertyKind kind = TPropertyKind::Object)
    {
        TPropertyInfo p;
        p.Name = name;
        p.Kind = kind;
        p.GetNested = [get](TObject& o) -> TObject* { return std::invoke(get, static_cast<C&>(o)); };
        m_info.Add(std::move(p));
        return *this;
    }

    template <class G>
    TPublisher& Strings(const char* name, G get) { return Object(name, get, TPropertyKind::Strings); }

    template <class S>
    TPublisher& Binary(const char* name, S set)
    {
        TPropertyInfo p;
        p.Name = name;
        p.Kind = TPropertyKind::Binary;
        p.SetBytes = [set](TObject& o, const std::vector<unsigned char>& v) { std::invoke(set, static_cast<C&>(o), v); };
        m_info.Add(std::move(p));
        return *this;
    }

    // An event stored as a std::function member; the definition names a
    // handler that the root component has published under that name. The
    // member may be inherited.
    template <class F, class B>
    TPublisher& Event(const char* name, F B::*member)
    {
        static_assert(std::is_base_of_v<B, C>);
        TPropertyInfo p;
        p.Name = name;
        p.Kind = TPropertyKind::Event;
        std::string propName = name;
        p.SetHandler = [member, propName](TObject& o, const std::any& handler) {
            const F* f = std::any_cast<F>(&handler);
            if (!f)
                throw EReadError("Handler of the wrong kind for " + propName);
            static_cast<C&>(o).*member = *f;
        };
        m_info.Add(std::move(p));
        return *this;
    }

private:
    template <class G, class S>
    TPublisher& Ordinal(const char* name, TPropertyKind kind, const TEnumInfo* values, G get, S set)
    {
        TPropertyInfo p;
        p.Name = name;
        p.Kind = kind;
        p.Enum = values;
        p.GetOrdinal = [get](const TObject& o) {
            return static_cast<long long>(std::invoke(get, static_cast<const C&>(o)));
        };
        p.SetOrdinal = [set](TObject& o, long long v) {
            using Arg = ArgumentOf<S>;
            std::invoke(set, static_cast<C&>(o), static_cast<Arg>(v));
        };
        m_info.Add(std::move(p));
        return *this;
    }

    template <class S>
    struct SetterArgument;
    template <class R, class K, class A>
    struct SetterArgument<R (K::*)(A)> { using Type = std::remove_cvref_t<A>; };
    template <class S>
    using ArgumentOf = typename SetterArgument<S>::Type;

    TClassInfo& m_info;
};

} // namespace tandrel
