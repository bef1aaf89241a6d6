// The Qt drawing surfaces: the picture box's image and the printer or PDF writer (QPainter).
#include "render/qt/qtsurface.h"

#include "render/fontsize.h"
#include "render/paper.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainterPath>
#include <QPageSize>
#include <cmath>
#include <exception>
#include <initializer_list>
#include <numbers>

namespace render {

namespace {

QColor ToQColor(Color c) {
    return QColor(static_cast<int>((c >> 16) & 255), static_cast<int>((c >> 8) & 255), static_cast<int>(c & 255));
}

// Angle in radians (counterclockwise on the page) to degrees.
double Degrees(double rad) { return rad * 180.0 / std::numbers::pi; }

// Draws a circle, ellipse or pie segment the way the page's phase symbol
// needs it: r is the larger semi-axis, aspect = height / width.
void DrawCircle(QPainter& p, float x, float y, float r, Color c, std::optional<float> start, std::optional<float> end,
                std::optional<float> aspect, int fillStyle, Color fillColor) {
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
    if (fillStyle == kFillSolid) {
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
double DrawingPointSize(float size, const QFont& fallback) { return DrawableFontSize(size, fallback.pointSizeF()); }

// Prints a text with its top-left corner at (x, y).
void DrawTopLeft(QPainter& p, const QFont& font, QPaintDevice* device, float x, float y, Color fore,
                 const std::string& s) {
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
        case QPageSize::A4:
            return kPaperCodeA4;
        case QPageSize::Letter:
            return kPaperCodeLetter;
        default:
            return kPaperCodeOther;
    }
}

void SetupPdfPrinter(QPrinter& printer, const QString& file, bool letter, bool landscape) {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(file);
    printer.setPageSize(QPageSize(letter ? QPageSize::Letter : QPageSize::A4));
    printer.setPageOrientation(landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
    printer.setFullPage(false);
    printer.setPageMargins(QMarginsF(kPdfBorderPt, kPdfBorderPt, kPdfBorderPt, kPdfBorderPt), QPageLayout::Point);
}

QString DocumentTitle(const std::string& monthText) {
    return QStringLiteral("Almucan ") + QString::fromStdString(monthText);
}

// ---------------------------------------------------------------- shared

namespace {
// A coordinate or length a painter can take: finite and within a million
// device units of the page (a printed page is some 14,000 units across at
// 1,200 dpi).  Anything else comes from a broken layout and is not drawn.
bool Drawable(std::initializer_list<float> values) {
    for (float v : values)
        if (!std::isfinite(v) || std::fabs(v) > 1e6f) return false;
    return true;
}
}  // namespace

QtSurfaceBase::QtSurfaceBase(QPaintDevice* device, const QFont& font)
    : device_(device),
      font_(font),
      fontName_(font.family().toStdString()),
      fontSize_(static_cast<float>(font.pointSizeF())) {}

Color QtSurfaceBase::ink(Color c) const {
    if (!night_) return c;
    // Black text in bright red, grey (a Sunday after a Saturday) a little
    // dimmer but still readable on the black page (about 3.5:1).
    return c == kGrey ? RGB(200, 20, 20) : RGB(235, 30, 30);
}
Color QtSurfaceBase::shade(Color c) const {
    if (!night_) return c;
    // Night, dusk and dawn, daylight and the Moon from dark to light red;
    // the white hour lines become the black background.
    switch (c) {
        case kBlack:
            return RGB(55, 0, 0);
        case kDarkGrey:
            return RGB(100, 0, 0);
        case kLightGrey:
            return RGB(150, 10, 10);
        case kYellow:
            return RGB(210, 40, 20);
        case kWhite:
            return kBlack;
        default:
            return RGB(static_cast<int>(((c >> 16) & 255) * 3 / 4), 0, 0);
    }
}

double QtSurfaceBase::TextWidth(const std::string& s) {
    return QFontMetricsF(font_, device_).horizontalAdvance(QString::fromStdString(s));
}
double QtSurfaceBase::TextHeight(const std::string&) { return QFontMetricsF(font_, device_).height(); }
void QtSurfaceBase::PrintText(const std::string& s) {
    if (!Drawable({x_, y_})) return;
    if (QPainter* p = painter()) DrawTopLeft(*p, font_, device_, x_, y_, ink(fore_), s);
}
void QtSurfaceBase::FilledBox(float x, float y, float w, float h, Color c) {
    if (!Drawable({x, y, w, h})) return;
    if (QPainter* p = painter()) p->fillRect(QRectF(x, y, w, h).normalized(), ToQColor(shade(c)));
}
void QtSurfaceBase::Line(float x, float y, float dx, float dy, Color c) {
    if (!Drawable({x, y, dx, dy})) return;
    QPainter* p = painter();
    if (!p) return;
    p->setPen(QPen(ToQColor(shade(c)), 0));
    p->drawLine(QPointF(x, y), QPointF(x + dx, y + dy));
}
void QtSurfaceBase::Circle(float x, float y, float r, Color c, std::optional<float> start, std::optional<float> end,
                           std::optional<float> aspect) {
    // The aspect of a thin crescent's terminator may be very large: it
    // only needs to be a number.
    if (!Drawable({x, y, r, start.value_or(0), end.value_or(0)}) || !std::isfinite(aspect.value_or(1))) return;
    if (QPainter* p = painter()) DrawCircle(*p, x, y, r, shade(c), start, end, aspect, fillStyle_, shade(fill_));
}

// ---------------------------------------------------------------- screen

QtImageSurface::QtImageSurface(QImage& image, const QFont& font) : QtSurfaceBase(&image, font), image_(image) {
    fontSize_ = static_cast<float>(font.pointSizeF());
}

void QtImageSurface::SetFontSize(float size) {
    fontSize_ = size;
    if (size <= 0) return;
    font_.setPointSizeF(size);
    if (painter_) painter_->setFont(font_);
}

QtImageSurface::~QtImageSurface() { finish(); }

QPainter* QtImageSurface::painter() {
    if (!painter_) {
        painter_ = std::make_unique<QPainter>(&image_);
        painter_->setFont(font_);
    }
    return painter_.get();
}

void QtImageSurface::finish() {
    if (painter_) {
        painter_->end();
        painter_.reset();
    }
}

void QtImageSurface::Clear() { painter()->fillRect(image_.rect(), night_ ? Qt::black : Qt::white); }
double QtImageSurface::ScaleWidth() { return image_.width(); }
double QtImageSurface::ScaleHeight() { return image_.height(); }
int QtImageSurface::PaperSize() { return 0; }
int QtImageSurface::Orientation() { return kOrientationCodePortrait; }
bool QtImageSurface::EndDoc() {
    finish();
    return true;
}

// --------------------------------------------------------------- printer

QtPrinterSurface::QtPrinterSurface(QPagedPaintDevice& printer, const QFont& defaultFont)
    : QtSurfaceBase(&printer, defaultFont), printer_(printer), defaultFont_(defaultFont) {}

QtPrinterSurface::~QtPrinterSurface() {
    // Left by an exception (memory that ran out while a page was made):
    // ending the painter would finish the document, which needs that
    // memory again, and a second failure here would abort the program.
    // The document is given up, its painter with it.
    if (std::uncaught_exceptions() > 0) {
        (void)painter_.release();
        return;
    }
    if (painter_) painter_->end();
}

QPainter* QtPrinterSurface::painter() {
    if (painter_ && pageDone_) {
        pageDone_ = false;
        if (!printer_.newPage()) failed_ = true;
    }
    if (!painter_ && !failed_) {
        painter_ = std::make_unique<QPainter>();
        if (!painter_->begin(&printer_)) {
            painter_.reset();
            failed_ = true;
            return nullptr;
        }
        painter_->setFont(font_);
    }
    return painter_.get();
}

void QtPrinterSurface::applyFont() {
    font_.setFamily(QString::fromStdString(fontName_));
    font_.setPointSizeF(DrawingPointSize(fontSize_, defaultFont_));
    if (painter_) painter_->setFont(font_);
}

double QtPrinterSurface::ScaleWidth() { return printer_.width(); }
double QtPrinterSurface::ScaleHeight() { return printer_.height(); }
void QtPrinterSurface::SetFontName(const std::string& name) {
    fontName_ = name;
    applyFont();
}
void QtPrinterSurface::SetFontSize(float size) {
    fontSize_ = size;
    applyFont();
}
int QtPrinterSurface::PaperSize() { return PaperCode(printer_.pageLayout()); }
int QtPrinterSurface::Orientation() {
    return printer_.pageLayout().orientation() == QPageLayout::Landscape ? kOrientationCodeLandscape
                                                                         : kOrientationCodePortrait;
}
bool QtPrinterSurface::EndDoc() {
    // A page with nothing drawn still makes a (blank) document.
    QPainter* p = painter();
    if (keepOpen_) {
        pageDone_ = p != nullptr;
        return p != nullptr && !failed_;
    }
    bool ok = p != nullptr && !failed_;
    if (p) {
        try {
            ok = p->end() && ok;
        } catch (...) {
            // Out of memory while the document is finished: a painter whose
            // end failed would end again when destroyed, during the
            // unwinding, and abort the program; it is given up instead.
            (void)painter_.release();
            failed_ = false;
            throw;
        }
    }
    painter_.reset();
    failed_ = false;
    auto* printer = dynamic_cast<QPrinter*>(&printer_);
    if (printer && printer->printerState() == QPrinter::Error) ok = false;
    return ok;
}

bool QtPrinterSurface::FinishPages() {
    keepOpen_ = false;
    pageDone_ = false;
    return EndDoc();
}

}  // namespace render
