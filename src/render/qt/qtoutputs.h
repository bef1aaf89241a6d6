#pragma once
// The command line's graphic outputs: the screen page as a PNG image and
// the printed page as a PDF file.  Both need a QGuiApplication.
#include <string>

#include "astro/reporter.h"
#include "month/monthcalc.h"
#include "month/settings.h"

namespace render {

// Draws the page as the window shows it, on a white image of
// width x height pixels, and saves it as PNG.  False after reporting.
bool WritePng(const month::MonthResult& r, month::Settings& s, const std::string& monthText,
              bool summerTime, int width, int height, const std::string& file,
              astro::Reporter& rep);

// Prints the page into a PDF file exactly as a print run does (margins
// and print font of the settings); paper "a4" or "letter".
bool WritePdf(const month::MonthResult& r, month::Settings& s, const std::string& monthText,
              bool summerTime, const std::string& paper, bool landscape, const std::string& file,
              astro::Reporter& rep);

// The application's default font: the print font of a new settings file.
void DefaultFont(std::string& name, float& size);

}  // namespace render
