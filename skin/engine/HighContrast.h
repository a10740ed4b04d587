#pragma once
// Whether the system asks for its own high-contrast colours. While it does,
// the skin steps aside and the system draws. The query can be replaced:
// Wine cannot switch high contrast on, so tests answer for the system.

namespace tandrel {

using THighContrastQuery = bool (*)();

// The answer of the query in place (the system's, unless replaced).
bool HighContrastOn();
// Puts another query in place and returns the one it replaces; none puts
// the system's back.
THighContrastQuery SetHighContrastQuery(THighContrastQuery query);

} // namespace tandrel
