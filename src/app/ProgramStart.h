#pragma once
// Start-up of the editor: the window classes, the application title and every
// window, made once in a fixed order and kept until the program ends.

namespace qx {

inline constexpr const char* kApplicationTitle = "K-ARX QX-73B DSP Processor Editor V1.0";

// Registers the editor's window classes with the property registry.
void registerEditorClasses();
// Sets the title and creates the windows, the main window first.
void createWindows();
// The whole program after the Qt application is made: start-up, the message
// loop until the main window closes; an exception is shown in the standard
// exception box. Returns the exit code, 0.
int runEditor();

} // namespace qx
