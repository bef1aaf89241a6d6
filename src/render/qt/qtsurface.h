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

// What both Qt surfaces share: the current position, colours, fill and
// font state, and text, boxes, lines and circles drawn with a QPainter on
// the surface's paint device.
class QtSurfaceBase : public OutputSurface {
public:
    double TextWidth(const std::string& s) override;
    double TextHeight(const std::string& s) override;
    void SetCurrentX(float x) override { x_ = x; }
    void SetCurrentY(float y) override { y_ = y; }
    void PrintText(const std::string& s) override;
    Color ForeColor() override { return fore_; }
    void SetForeColor(Color c) override { fore_ = c; }
    void FilledBox(float x, float y, float w, float h, Color c) override;
    void Line(float x, float y, float dx, float dy, Color c) override;
    void Circle(float x, float y, float r, Color c, std::optional<float> start, std::optional<float> end,
                std::optional<float> aspect) override;
    int FillStyle() override { return fillStyle_; }
    void SetFillStyle(int style) override { fillStyle_ = style; }
    Color FillColor() override { return fill_; }
    void SetFillColor(Color c) override { fill_ = c; }
    std::string FontName() override { return fontName_; }
    float FontSize() override { return fontSize_; }

protected:
    QtSurfaceBase(QPaintDevice* device, const QFont& font);
    // Colours as drawn: the page's own, or in night vision text in red and
    // the shades of the graph and phase symbol in dark reds on black.
    Color ink(Color c) const;
    Color shade(Color c) const;
    // The painter of the current page, begun on first use; null when the
    // device cannot be painted on.
    virtual QPainter* painter() = 0;

    QPaintDevice* device_;
    QFont font_;  // the font text is drawn and measured in
    std::string fontName_;
    float fontSize_ = 0;  // as set, even when not usable for drawing
    Color fore_ = kBlack;
    Color fill_ = kBlack;
    int fillStyle_ = kFillTransparent;  // as a new picture box has it
    float x_ = 0, y_ = 0;
    bool night_ = false;
};

// The picture box: draws on a QImage (white background) in the picture
// box's design font; units are the image's pixels.
class QtImageSurface final : public QtSurfaceBase {
public:
    QtImageSurface(QImage& image, const QFont& font);
    ~QtImageSurface() override;
    // Ends the painter so the image can be shown or saved; the next drawing
    // operation starts a new one.
    void finish();
    // Night vision: black background, red text, dark red shades.
    void SetNightVision(bool on) { night_ = on; }

    void Clear() override;
    double ScaleWidth() override;
    double ScaleHeight() override;
    void SetFontName(const std::string& name) override { fontName_ = name; }
    // The design font drawn at another size (points); 0 or less keeps it.
    void SetFontSize(float size) override;
    int PaperSize() override;
    int Orientation() override;
    bool EndDoc() override;

private:
    QPainter* painter() override;
    QImage& image_;
    std::unique_ptr<QPainter> painter_;
};

// The printer: a QPainter on a QPrinter, or on a QPdfWriter (units: device
// pixels).  The document begins with the first drawing operation and
// EndDoc ends it.  Paper code from the page layout: A4 9, US Letter 1,
// others 256; orientation 2 for landscape, else 1.
class QtPrinterSurface final : public QtSurfaceBase {
public:
    // defaultFont: the printer's font before anything sets one.
    explicit QtPrinterSurface(QPagedPaintDevice& printer, const QFont& defaultFont = QFont());
    ~QtPrinterSurface() override;

    void Clear() override {}
    double ScaleWidth() override;
    double ScaleHeight() override;
    void SetFontName(const std::string& name) override;
    void SetFontSize(float size) override;
    int PaperSize() override;
    int Orientation() override;
    bool EndDoc() override;

    // Several pages in one document: EndDoc then ends only the page (and
    // says whether it was drawn), the next drawing starts a new page, and
    // FinishPages ends the document.
    void KeepDocumentOpen() { keepOpen_ = true; }
    bool FinishPages();

private:
    QPainter* painter() override;
    void applyFont();
    QPagedPaintDevice& printer_;
    QFont defaultFont_;
    std::unique_ptr<QPainter> painter_;
    bool failed_ = false;    // the document could not be started
    bool pageDone_ = false;  // the next drawing starts a new page
    bool keepOpen_ = false;
};

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
