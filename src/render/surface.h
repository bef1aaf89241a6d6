#pragma once
// The drawing target of the month page: the main window's picture box or
// the printer.  Coordinates are in the target's own units, origin top-left,
// x to the right, y downwards; colours are 24-bit RGB (0xRRGGBB) compared
// exactly.
#include <cstdint>
#include <optional>
#include <string>

namespace render {

using Color = std::uint32_t;
constexpr Color RGB(int r, int g, int b) {
    return (static_cast<Color>(r & 255) << 16) | (static_cast<Color>(g & 255) << 8) | static_cast<Color>(b & 255);
}
inline constexpr Color kBlack = RGB(0, 0, 0);
inline constexpr Color kGrey = RGB(127, 127, 127);
inline constexpr Color kDarkGrey = RGB(100, 100, 100);
inline constexpr Color kLightGrey = RGB(200, 200, 200);
inline constexpr Color kYellow = RGB(255, 255, 0);
inline constexpr Color kWhite = RGB(255, 255, 255);

// Fill styles of circles and pie segments.
inline constexpr int kFillSolid = 0;
inline constexpr int kFillTransparent = 1;

class OutputSurface {
public:
    virtual ~OutputSurface() = default;

    // Erases the whole picture to its background.
    virtual void Clear() = 0;
    // Drawable extent in the target's units.
    virtual double ScaleWidth() = 0;
    virtual double ScaleHeight() = 0;
    // Extent of a text in the current font.
    virtual double TextWidth(const std::string& s) = 0;
    virtual double TextHeight(const std::string& s) = 0;
    // Current position, where PrintText puts a text's top-left corner.
    virtual void SetCurrentX(float x) = 0;
    virtual void SetCurrentY(float y) = 0;
    virtual void PrintText(const std::string& s) = 0;
    // Colour of printed text.
    virtual Color ForeColor() = 0;
    virtual void SetForeColor(Color c) = 0;
    // Rectangle with top-left corner (x, y) and extent (w, h), filled and
    // outlined in `c`.
    virtual void FilledBox(float x, float y, float w, float h, Color c) = 0;
    // Straight line from (x, y) to (x + dx, y + dy).
    virtual void Line(float x, float y, float dx, float dy, Color c) = 0;
    // Circle of radius r around (x, y), outlined in `c` and filled by the
    // fill style and colour.  With start and end (radians, counterclockwise
    // from the positive x axis as seen on the page) a pie segment with both
    // radii drawn; aspect = height / width of an ellipse (r is the larger
    // semi-axis).
    virtual void Circle(float x, float y, float r, Color c, std::optional<float> start, std::optional<float> end,
                        std::optional<float> aspect) = 0;
    // Fill style: kFillSolid or kFillTransparent (the default).
    virtual int FillStyle() = 0;
    virtual void SetFillStyle(int style) = 0;
    virtual Color FillColor() = 0;
    virtual void SetFillColor(Color c) = 0;
    // Text font (used on the printer).
    virtual std::string FontName() = 0;
    virtual void SetFontName(const std::string& name) = 0;
    virtual float FontSize() = 0;
    virtual void SetFontSize(float size) = 0;
    // Paper size code (1 US Letter, 9 DIN A4, others unknown) and
    // orientation (1 portrait, 2 landscape).
    virtual int PaperSize() = 0;
    virtual int Orientation() = 0;
    // Ends the print document and sends the page; false when that failed.
    virtual bool EndDoc() = 0;
};

}  // namespace render
