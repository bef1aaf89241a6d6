#pragma once
// Qt implementations of the drawing surface: the picture box's backing
// image on the screen, and the printer (or a PDF file when no printer is
// installed).
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPageLayout>
#include <QPrinter>
#include <memory>
#include <string>

#include "render/surface.h"

namespace render {

// The picture box: draws with a QPainter on a QImage (white background)
// in the picture box's design font; units are the image's pixels.
class QtImageSurface final : public OutputSurface {
public:
    QtImageSurface(QImage& image, const QFont& font);
    ~QtImageSurface() override;
    // Ends the painter so the image can be shown or saved; the next drawing
    // operation starts a new one.
    void finish();
    // ... every OutputSurface operation (see surface.h) ...
#define ALMUCAN_SURFACE_OVERRIDES                                                          \
    void Clear() override;                                                                 \
    double ScaleWidth() override;                                                          \
    double ScaleHeight() override;                                                         \
    double TextWidth(const std::string& s) override;                                       \
    double TextHeight(const std::string& s) override;                                      \
    void SetCurrentX(float x) override;                                                    \
    void SetCurrentY(float y) override;                                                    \
    void PrintText(const std::string& s) override;                                         \
    Color ForeColor() override;                                                            \
    void SetForeColor(Color c) override;                                                   \
    void FilledBox(float x, float y, float w, float h, Color c) override;                  \
    void Line(float x, float y, float dx, float dy, Color c) override;                     \
    void Circle(float x, float y, float r, Color c, std::optional<float> start,            \
                std::optional<float> end, std::optional<float> aspect) override;           \
    int FillStyle() override;                                                              \
    void SetFillStyle(int style) override;                                                 \
    Color FillColor() override;                                                            \
    void SetFillColor(Color c) override;                                                   \
    std::string FontName() override;                                                       \
    void SetFontName(const std::string& name) override;                                    \
    float FontSize() override;                                                             \
    void SetFontSize(float size) override;                                                 \
    int PaperSize() override;                                                              \
    int Orientation() override;                                                            \
    bool EndDoc() override;
    ALMUCAN_SURFACE_OVERRIDES

private:
    struct State;
    std::unique_ptr<State> d_;
};

// The printer: a QPainter on a QPrinter, or on a QPdfWriter (units: device
// pixels).  The
// document begins with the first drawing operation and EndDoc ends it.
// Paper code from the page layout: A4 9, US Letter 1, others 256;
// orientation 2 for landscape, else 1.
class QtPrinterSurface final : public OutputSurface {
public:
    // defaultFont: the printer's font before anything sets one.
    explicit QtPrinterSurface(QPagedPaintDevice& printer, const QFont& defaultFont = QFont());
    ~QtPrinterSurface() override;
    ALMUCAN_SURFACE_OVERRIDES
    // Several pages in one document: EndDoc then ends only the page (and
    // says whether it was drawn), the next drawing starts a new page, and
    // FinishPages ends the document.
    void KeepDocumentOpen() { keepOpen_ = true; }
    bool FinishPages();

private:
    struct State;
    std::unique_ptr<State> d_;
    bool keepOpen_ = false;
};

#undef ALMUCAN_SURFACE_OVERRIDES

// The design font of the picture box, the same on every machine.
QFont PictureFont();

// Paper code of a page layout: A4 9, US Letter 1, anything else 256.
int PaperCode(const QPageLayout& layout);

// The unprintable border of a PDF written in place of a printer, in points
// on each side: that of CUPS's own PDF printer, so a page looks the same
// printed to either.  The margins of the settings come on top of it.
inline constexpr double kPdfBorderPt = 10;

// The title of a month's print job and PDF document: "Almucan yyyymm".
QString DocumentTitle(const std::string& monthText);

// Prepares a printer to write a PDF file: high resolution, the sheet less
// kPdfBorderPt on each side as the drawable area (the page set-up applies
// the margins of the settings within it), paper A4 or US Letter, portrait
// or landscape.
void SetupPdfPrinter(QPrinter& printer, const QString& file, bool letter, bool landscape);

}  // namespace render
