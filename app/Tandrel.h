#pragma once
// Start-up of the application, shared by the program and its tests.

namespace tandrel {

// Makes the framework's objects, titles the application and creates its two
// lasting forms: the pointer overlay first (it becomes the main form), then
// the hidden main panel.
void StartApplication();

// Frees the forms and references made by StartApplication.
void StopApplication();

} // namespace tandrel
