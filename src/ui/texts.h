#pragma once
// The help and info texts of the windows, lines joined by CR LF.
#include <string>

namespace ui {

// Help box of the main window.
std::string MainHelpText();
// Info box of the main window (File, Info) for the given version text.
std::string InfoText(const std::string& version);
// Help box of the location dialog.
std::string OptionsHelpText();
// Help box of the print dialog.
std::string PrintHelpText();

}  // namespace ui
