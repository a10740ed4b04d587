#pragma once
// Reads stored form definitions: JSON objects of property values in stored
// order, with nested components, as the build puts them in the resources.
//
//   { "class": "TForm1", "name": "Form1", "Caption": "Tandrel", ...,
//     "components": [ { "class": "TLabel", "name": "Label1", ... } ] }

#include "framework/core/Component.h"

#include <functional>
#include <string>
#include <string_view>

namespace tandrel {

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

// Classes a definition may name for its nested components.
void RegisterComponentClass(const std::string& className, TComponentFactory factory);
template <class T>
void RegisterComponentClass(const std::string& className)
{
    RegisterComponentClass(className, [](TComponent* owner) -> TComponent* { return new T(owner); });
}
bool IsComponentClassRegistered(const std::string& className);

// Reads a definition into root: its own properties, then its components
// (owned by root), then Loaded on each component and on root, once all is
// read. Raises EReadError naming the component and property at fault.
void ReadComponentDefinition(TComponent& root, std::string_view json);

// The definition stored for a class (an RCDATA resource named after the
// class in upper case), or empty when the class has none.
std::string_view FindComponentDefinition(const std::string& className);

// Hex digits of a binary property value.
std::vector<unsigned char> HexToBytes(std::string_view hex);

} // namespace tandrel
