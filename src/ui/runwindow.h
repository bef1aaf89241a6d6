#pragma once
// Starting the desktop program.
#include <string>

namespace ui {

// Creates the application and the main window, with the settings file in
// settingsDir (the per-user configuration folder when empty), and runs
// until the window is closed or the program is ended; returns the exit code.
int RunWindow(int& argc, char** argv, const std::string& settingsDir);

}  // namespace ui
