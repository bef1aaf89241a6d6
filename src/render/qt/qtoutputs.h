#pragma once
// The command line's graphic outputs: the screen page as a PNG image and
// the printed page as a PDF document, drawn in memory (the caller writes
// the bytes to their file).  Both need a QGuiApplication.
#include <string>
#include <vector>

#include "report/reporter.h"
#include "month/monthcalc.h"
#include "render/nightspage.h"
#include "render/page.h"
#include "render/yearchart.h"

namespace render {

// Draws the page as the window shows it on a white image of width x height
// pixels and encodes it as PNG into `bytes`.  False after reporting (an
// image too large for the memory, an encoder failure).
bool EncodePng(const month::Month& m, const std::string& monthText, int width, int height, std::string& bytes,
               report::Reporter& rep);

// Prints the months into a PDF document, one page each, exactly as a print
// run does (margins and print font of `style`, which the caller has
// checked); paper "a4" or "letter".  False after reporting.
bool EncodePdf(const std::vector<month::Month>& months, const PrintStyle& style,
               const std::vector<std::string>& monthTexts, const std::string& paper, bool landscape, std::string& bytes,
               report::Reporter& rep);

// The Nights page of a month as EncodePng draws the month page, and the
// Nights pages of months, one page each, as EncodePdf prints them.
bool EncodeNightsPng(const MonthNights& n, const std::string& monthText, int width, int height, std::string& bytes,
                     report::Reporter& rep);
bool EncodeNightsPdf(const std::vector<MonthNights>& months, const PrintStyle& style,
                     const std::vector<std::string>& monthTexts, const std::string& paper, bool landscape,
                     std::string& bytes, report::Reporter& rep);

// The year chart as an image of width x height pixels encoded as PNG, and
// as a one-page PDF document in the margins and print font of `style` on
// its paper ("a4" or "letter").  False after reporting.
bool EncodeYearChartPng(const YearChart& chart, int width, int height, std::string& bytes, report::Reporter& rep);
bool EncodeYearChartPdf(const YearChart& chart, const PrintStyle& style, const std::string& paper, bool landscape,
                        std::string& bytes, report::Reporter& rep);

// The print font measured on the PDF page EncodePdf draws ("a4" or
// "letter", portrait or landscape), for the print layout check.
PrintFontExtent PdfPrintFont(const std::string& fontName, float fontSize, const std::string& paper, bool landscape);

// The system's general font: the print font of a new settings file,
// for the window and the command line alike.
void DefaultFont(std::string& name, float& size);

}  // namespace render
