#pragma once
// Start-up of the application, shared by the program and its tests.

namespace tandrel {

// Makes the framework's objects, titles the application and creates its two
// lasting forms: the pointer overlay first (it becomes the main form), then
// the hidden main panel; then binds the remembered second mouse.
void StartApplication();

// Frees the second mouse's binding, the forms and references made by StartApplication.
void StopApplication();

} // namespace tandrel
