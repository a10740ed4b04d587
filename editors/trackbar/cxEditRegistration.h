#pragma once
// Start and end of the editor framework: the root look-and-feel, the
// visual-styles access, and the classes form definitions may name.

namespace tandrel {

// Call once the framework is up and before any form is created; calling it
// again does nothing.
void InitializeEditors();
// Frees what InitializeEditors made, once the forms are gone.
void FinalizeEditors();

} // namespace tandrel
