#pragma once
// The printed page's style as the settings give it: margins, print font
// and the ink saver.  A plain record the page drawing takes without
// knowing the settings record or its file.
#include <string>

namespace settings {

struct PrintStyle {
    double marginTop = 0;  // millimetres
    double marginBottom = 0;
    double marginLeft = 0;
    double marginRight = 0;
    std::string fontName;   // the print font
    float fontSize = 10;    // points
    bool inkSaver = false;  // the ink-saving shades
};

}  // namespace settings
