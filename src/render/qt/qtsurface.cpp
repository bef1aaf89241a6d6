#include "render/qt/qtsurface.h"

#include "render/fontsize.h"
#include "render/paper.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainterPath>
#include <QPageSize>
#include <cmath>
#include <numbers>

namespace render {

namespace {

QColor ToQColor(Color c) {
    return QColor(static_cast<int>((c >> 16) & 255), static_cast<int>((c >> 8) & 255),
                  static_cast<int>(c & 255));
}

// Angle in radians (counterclockwise on the page) to degrees.
double Degrees(double rad) { return rad * 180.0 / std::numbers::pi; }

// Draws a circle, ellipse or pie segment the way the page's phase symbol
// needs it: r is the larger semi-axis, aspect = height / width.
void DrawCircle(QPainter& p, float x, float y, float r, Color c, std::optional<float> start,
                std::optional<float> end, std::optional<float> aspect, int fillStyle,
                Color fillColor) {
    double rx = r;
    double ry = r;
    if (aspect) {
        double a = *aspect;
        if (std::isnan(a) || a < 0) a = 1;
        if (a >= 1) {
            rx = std::isinf(a) ? 0.0 : r / a;
        } else {
            ry = r * a;
        }
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(ToQColor(c), 0));
    if (fillStyle == 0) {
        p.setBrush(ToQColor(fillColor));
    } else {
        p.setBrush(Qt::NoBrush);
    }
    QRectF box(x - rx, y - ry, 2 * rx, 2 * ry);
    if (start && end) {
        double a0 = Degrees(*start);
        double span = Degrees(*end) - a0;
        while (span <= 0) span += 360;
        while (span > 360) span -= 360;
        QPainterPath path;
        path.moveTo(x, y);
        path.arcTo(box, a0, span);
        path.closeSubpath();
        p.drawPath(path);
    } else {
        p.drawEllipse(box);
    }
    p.restore();
}

// A font size usable for drawing: a size of 0, a negative or an absurd one
// (a font size box holding letters) falls back to the default size.
double DrawingPointSize(float size, const QFont& fallback) {
    return DrawableFontSize(size, fallback.pointSizeF());
}

// Prints a text with its top-left corner at (x, y).
void DrawTopLeft(QPainter& p, const QFont& font, QPaintDevice* device, float x, float y,
                 Color fore, const std::string& s) {
    QFontMetricsF fm(font, device);
    p.setPen(ToQColor(fore));
    p.drawText(QPointF(x, y + fm.ascent()), QString::fromStdString(s));
}

}  // namespace

QFont PictureFont() {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPointSizeF(9);
    return f;
}

int PaperCode(const QPageLayout& layout) {
    switch (layout.pageSize().id()) {
        case QPageSize::A4: return kPaperCodeA4;
        case QPageSize::Letter: return kPaperCodeLetter;
        default: return kPaperCodeOther;
    }
}

void SetupPdfPrinter(QPrinter& printer, const QString& file, bool letter, bool landscape) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(kPdfBorderPt, kPdfBorderPt, kPdfBorderPt, kPdfBorderPt),
                           QPageLayout::Point);
}

QString DocumentTitle(const std::string& monthText) {
    return QStringLiteral("Almucan ") + QString::fromStdString(monthText);
}

// ---------------------------------------------------------------- screen

struct QtImageSurface::State {
    QImage* image = nullptr;
    QFont font;
    std::unique_ptr<QPainter> painter;
    Color fore = kBlack;
    Color fill = kBlack;
    int fillStyle = 1;  // transparent, as a new picture box has it
    float x = 0, y = 0;
    std::string fontName;
    float fontSize = 0;

    QPainter& P() {
        if (!painter) {
            painter = std::make_unique<QPainter>(image);
            painter->setFont(font);
        }
        return *painter;
    }
};

QtImageSurface::QtImageSurface(QImage& image, const QFont& font) : d_(std::make_unique<State>()) {
    d_->image = &image;
    d_->font = font;
    d_->fontName = font.family().toStdString();
    d_->fontSize = static_cast<float>(font.pointSizeF());
}

QtImageSurface::~QtImageSurface() { finish(); }

void QtImageSurface::finish() {
    if (d_->painter) {
        d_->painter->end();
        d_->painter.reset();
    }
}

void QtImageSurface::Clear() { d_->P().fillRect(d_->image->rect(), Qt::white); }
double QtImageSurface::ScaleWidth() { return d_->image->width(); }
double QtImageSurface::ScaleHeight() { return d_->image->height(); }
double QtImageSurface::TextWidth(const std::string& s) {
    return QFontMetricsF(d_->font, d_->image).horizontalAdvance(QString::fromStdString(s));
}
double QtImageSurface::TextHeight(const std::string&) {
    return QFontMetricsF(d_->font, d_->image).height();
}
void QtImageSurface::SetCurrentX(float x) { d_->x = x; }
void QtImageSurface::SetCurrentY(float y) { d_->y = y; }
void QtImageSurface::PrintText(const std::string& s) {
    DrawTopLeft(d_->P(), d_->font, d_->image, d_->x, d_->y, d_->fore, s);
}
Color QtImageSurface::ForeColor() { return d_->fore; }
void QtImageSurface::SetForeColor(Color c) { d_->fore = c; }
void QtImageSurface::FilledBox(float x, float y, float w, float h, Color c) {
    d_->P().fillRect(QRectF(x, y, w, h).normalized(), ToQColor(c));
}
void QtImageSurface::Line(float x, float y, float dx, float dy, Color c) {
    QPainter& p = d_->P();
    p.setPen(QPen(ToQColor(c), 0));
    p.drawLine(QPointF(x, y), QPointF(x + dx, y + dy));
}
void QtImageSurface::Circle(float x, float y, float r, Color c, std::optional<float> start,
                            std::optional<float> end, std::optional<float> aspect) {
    DrawCircle(d_->P(), x, y, r, c, start, end, aspect, d_->fillStyle, d_->fill);
}
int QtImageSurface::FillStyle() { return d_->fillStyle; }
void QtImageSurface::SetFillStyle(int style) { d_->fillStyle = style; }
Color QtImageSurface::FillColor() { return d_->fill; }
void QtImageSurface::SetFillColor(Color c) { d_->fill = c; }
std::string QtImageSurface::FontName() { return d_->fontName; }
void QtImageSurface::SetFontName(const std::string& name) { d_->fontName = name; }
float QtImageSurface::FontSize() { return d_->fontSize; }
void QtImageSurface::SetFontSize(float size) { d_->fontSize = size; }
int QtImageSurface::PaperSize() { return 0; }
int QtImageSurface::Orientation() { return kOrientationCodePortrait; }
bool QtImageSurface::EndDoc() {
    finish();
    return true;
}

// --------------------------------------------------------------- printer

struct QtPrinterSurface::State {
    QPagedPaintDevice* printer = nullptr;
    QFont defaultFont;
    QFont font;  // the font text is drawn and measured in
    std::string fontName;
    float fontSize = 0;  // as set, even when not usable for drawing
    std::unique_ptr<QPainter> painter;
    bool failed = false;  // the document could not be started
    bool pageDone = false;  // the next drawing starts a new page
    Color fore = kBlack;
    Color fill = kBlack;
    int fillStyle = 1;
    float x = 0, y = 0;

    QPainter* P() {
        if (painter && pageDone) {
            pageDone = false;
            if (!printer->newPage()) failed = true;
        }
        if (!painter && !failed) {
            painter = std::make_unique<QPainter>();
            if (!painter->begin(printer)) {
                painter.reset();
                failed = true;
                return nullptr;
            }
            painter->setFont(font);
        }
        return painter.get();
    }
    void applyFont() {
        font.setFamily(QString::fromStdString(fontName));
        font.setPointSizeF(DrawingPointSize(fontSize, defaultFont));
        if (painter) painter->setFont(font);
    }
};

QtPrinterSurface::QtPrinterSurface(QPagedPaintDevice& printer, const QFont& defaultFont)
    : d_(std::make_unique<State>()) {
    d_->printer = &printer;
    d_->defaultFont = defaultFont;
    d_->font = defaultFont;
    d_->fontName = defaultFont.family().toStdString();
    d_->fontSize = static_cast<float>(defaultFont.pointSizeF());
}

QtPrinterSurface::~QtPrinterSurface() {
    if (d_->painter) d_->painter->end();
}

void QtPrinterSurface::Clear() {}
double QtPrinterSurface::ScaleWidth() { return d_->printer->width(); }
double QtPrinterSurface::ScaleHeight() { return d_->printer->height(); }
double QtPrinterSurface::TextWidth(const std::string& s) {
    return QFontMetricsF(d_->font, d_->printer).horizontalAdvance(QString::fromStdString(s));
}
double QtPrinterSurface::TextHeight(const std::string&) {
    return QFontMetricsF(d_->font, d_->printer).height();
}
void QtPrinterSurface::SetCurrentX(float x) { d_->x = x; }
void QtPrinterSurface::SetCurrentY(float y) { d_->y = y; }
void QtPrinterSurface::PrintText(const std::string& s) {
    QPainter* p = d_->P();
    if (!p) return;
    DrawTopLeft(*p, d_->font, d_->printer, d_->x, d_->y, d_->fore, s);
}
Color QtPrinterSurface::ForeColor() { return d_->fore; }
void QtPrinterSurface::SetForeColor(Color c) { d_->fore = c; }
void QtPrinterSurface::FilledBox(float x, float y, float w, float h, Color c) {
    if (QPainter* p = d_->P()) p->fillRect(QRectF(x, y, w, h).normalized(), ToQColor(c));
}
void QtPrinterSurface::Line(float x, float y, float dx, float dy, Color c) {
    QPainter* p = d_->P();
    if (!p) return;
    p->setPen(QPen(ToQColor(c), 0));
    p->drawLine(QPointF(x, y), QPointF(x + dx, y + dy));
}
void QtPrinterSurface::Circle(float x, float y, float r, Color c, std::optional<float> start,
                              std::optional<float> end, std::optional<float> aspect) {
    if (QPainter* p = d_->P()) DrawCircle(*p, x, y, r, c, start, end, aspect, d_->fillStyle, d_->fill);
}
int QtPrinterSurface::FillStyle() { return d_->fillStyle; }
void QtPrinterSurface::SetFillStyle(int style) { d_->fillStyle = style; }
Color QtPrinterSurface::FillColor() { return d_->fill; }
void QtPrinterSurface::SetFillColor(Color c) { d_->fill = c; }
std::string QtPrinterSurface::FontName() { return d_->fontName; }
void QtPrinterSurface::SetFontName(const std::string& name) {
    d_->fontName = name;
    d_->applyFont();
}
float QtPrinterSurface::FontSize() { return d_->fontSize; }
void QtPrinterSurface::SetFontSize(float size) {
    d_->fontSize = size;
    d_->applyFont();
}
int QtPrinterSurface::PaperSize() { return PaperCode(d_->printer->pageLayout()); }
int QtPrinterSurface::Orientation() {
    return d_->printer->pageLayout().orientation() == QPageLayout::Landscape
               ? kOrientationCodeLandscape
               : kOrientationCodePortrait;
}
bool QtPrinterSurface::EndDoc() {
    // A page with nothing drawn still makes a (blank) document.
    QPainter* p = d_->P();
    if (keepOpen_) {
        d_->pageDone = p != nullptr;
        return p != nullptr && !d_->failed;
    }
    bool ok = p != nullptr && !d_->failed;
    if (p) ok = p->end() && ok;
    d_->painter.reset();
    d_->failed = false;
    auto* printer = dynamic_cast<QPrinter*>(d_->printer);
    if (printer && printer->printerState() == QPrinter::Error) ok = false;
    return ok;
}

bool QtPrinterSurface::FinishPages() {
    keepOpen_ = false;
    d_->pageDone = false;
    return EndDoc();
}

}  // namespace render
