// The command line's PNG image and PDF document of the month page, drawn in memory.
#include "render/qt/qtoutputs.h"

#include <QBuffer>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QString>
#include <cstdio>
#include <functional>
#include <new>

#include "render/nightspage.h"
#include "render/page.h"
#include "render/qt/qtsurface.h"
#include "render/yearchart.h"

namespace render {

namespace {

// Draws a screen page with `draw` on a white image of width x height
// pixels and encodes it as PNG into `bytes`.
bool DrawPng(const std::function<void(PageContext&)>& draw, const std::string& monthText, int width, int height,
             std::string& bytes, report::Reporter& rep) {
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) {
        rep.error("The image of " + std::to_string(width) + " x " + std::to_string(height) +
                  " pixels could not be allocated.");
        return false;
    }
    image.fill(Qt::white);
    {
        QtImageSurface screen(image, PictureFont());
        const OutputDevice device = OutputDevice::Screen;
        Output out(screen, nullptr, device);
        PageLayout layout;
        const PrintStyle style;
        PageContext ctx{out, layout, style, monthText, rep};
        draw(ctx);
        screen.finish();
    }
    QByteArray data;
    QBuffer buffer(&data);
    if (!buffer.open(QIODevice::WriteOnly) || !image.save(&buffer, "PNG")) {
        rep.error("The PNG image could not be encoded.");
        return false;
    }
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

}  // namespace

bool EncodePng(const month::Month& m, const std::string& monthText, int width, int height, std::string& bytes,
               report::Reporter& rep) {
    return DrawPng([&m](PageContext& ctx) { LayOutAndDraw(ctx, m); }, monthText, width, height, bytes, rep);
}

bool EncodeNightsPng(const MonthNights& n, const std::string& monthText, int width, int height, std::string& bytes,
                     report::Reporter& rep) {
    return DrawPng([&n](PageContext& ctx) { DrawNightsPage(ctx, n); }, monthText, width, height, bytes, rep);
}

namespace {

// The printable area of a printer: the sheet less the PDF border; the page
// set-up applies the settings' margins within it.
void SetUpPdfPage(QPdfWriter& writer, const std::string& paper, bool landscape) {
    writer.setResolution(1200);
    const QMarginsF border(kPdfBorderPt, kPdfBorderPt, kPdfBorderPt, kPdfBorderPt);
    writer.setPageLayout(QPageLayout(QPageSize(paper == "letter" ? QPageSize::Letter : QPageSize::A4),
                                     landscape ? QPageLayout::Landscape : QPageLayout::Portrait, border,
                                     QPageLayout::Point));
}

// Qt's PDF engine compresses each page when the next one starts, and the
// last page and the fonts when the document ends, through two buffers of
// its chunk size (16 MiB each) and zlib's state; when they cannot be had
// it aborts, or writes streams cut short after a warning.  So the same
// buffers, with room for zlib and for the document held so far to grow,
// are taken first and given back: that failing is reported, and
// afterwards the memory is there for the engine.
constexpr qsizetype kPdfChunk = qsizetype{16} << 20;  // bytes
constexpr qsizetype kPdfSlack = qsizetype{1} << 20;   // zlib's state and the page's last bytes

void RequireStreamRoom(const QByteArray& document) {
    // Each throws std::bad_alloc when the memory is not there.
    const QByteArray in(kPdfChunk, Qt::Uninitialized), out(kPdfChunk, Qt::Uninitialized),
        grown(document.size() + kPdfSlack, Qt::Uninitialized);
}

// The engine's warnings that a stream was cut short (zlib without
// memory), noted while a document is made; other messages go on to the
// handler before.
bool streamCutShort = false;
QtMessageHandler messagesBefore = nullptr;

void NoteStreamFailures(QtMsgType type, const QMessageLogContext& ctx, const QString& msg) {
    if (msg.startsWith(QLatin1String("QPdfStream::"))) {
        streamCutShort = true;
        return;
    }
    if (messagesBefore) {
        messagesBefore(type, ctx, msg);
    } else {
        std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, ctx, msg)));
    }
}

class StreamFailureWatch {
public:
    StreamFailureWatch() {
        streamCutShort = false;
        messagesBefore = qInstallMessageHandler(NoteStreamFailures);
    }
    ~StreamFailureWatch() { qInstallMessageHandler(messagesBefore); }
    StreamFailureWatch(const StreamFailureWatch&) = delete;
    StreamFailureWatch& operator=(const StreamFailureWatch&) = delete;
};

// Draws page i of a print run on a context.
using PdfPage = std::function<bool(PageContext&, std::size_t)>;

bool DrawPdf(std::size_t pages, const PdfPage& draw, const PrintStyle& style,
             const std::vector<std::string>& monthTexts, const std::string& paper, bool landscape, std::string& bytes,
             report::Reporter& rep) {
    const StreamFailureWatch watch;
    QByteArray data;
    QBuffer buffer(&data);
    bool ok = buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        SetUpPdfPage(writer, paper, landscape);
        // "Almucan yyyymm" for a month, "Almucan yyyy" for a year's pages.
        std::string titled = monthTexts.empty() ? std::string() : monthTexts.front();
        if (monthTexts.size() > 1) titled = titled.substr(0, 4);
        writer.setTitle(DocumentTitle(titled));
        QImage pictureImage(1, 1, QImage::Format_RGB32);
        QtImageSurface picture(pictureImage, PictureFont());
        QtPrinterSurface prn(writer, QGuiApplication::font());
        prn.KeepDocumentOpen();
        const OutputDevice device = OutputDevice::Printer;
        Output out(picture, &prn, device);
        // Each month is a print run of its own on the next page.
        for (std::size_t i = 0; i < pages && i < monthTexts.size(); ++i) {
            if (i > 0) RequireStreamRoom(data);
            PageLayout layout;
            PageContext ctx{out, layout, style, monthTexts[i], rep};
            ctx.shades = PageShades(style.inkSaver);
            ok = draw(ctx, i) && ok;
        }
        RequireStreamRoom(data);
        ok = prn.FinishPages() && ok;
    }
    if (streamCutShort) throw std::bad_alloc();
    if (!ok || data.isEmpty()) {
        rep.error("The PDF document could not be made.");
        return false;
    }
    bytes.assign(data.constData(), static_cast<std::size_t>(data.size()));
    return true;
}

// DrawPdf; too little memory for the pages is reported, like a PNG image
// too large.
bool TryDrawPdf(std::size_t pages, const PdfPage& draw, const PrintStyle& style,
                const std::vector<std::string>& monthTexts, const std::string& paper, bool landscape,
                std::string& bytes, report::Reporter& rep) {
    try {
        return DrawPdf(pages, draw, style, monthTexts, paper, landscape, bytes, rep);
    } catch (const std::bad_alloc&) {
        bytes.clear();
        rep.error("The PDF document of " + std::to_string(pages) + (pages == 1 ? " page" : " pages") +
                  " could not be allocated.");
        return false;
    }
}

}  // namespace

bool EncodePdf(const std::vector<month::Month>& months, const PrintStyle& style,
               const std::vector<std::string>& monthTexts, const std::string& paper, bool landscape, std::string& bytes,
               report::Reporter& rep) {
    const PdfPage draw = [&months](PageContext& ctx, std::size_t i) { return LayOutAndDraw(ctx, months[i]); };
    return TryDrawPdf(months.size(), draw, style, monthTexts, paper, landscape, bytes, rep);
}

bool EncodeNightsPdf(const std::vector<MonthNights>& months, const PrintStyle& style,
                     const std::vector<std::string>& monthTexts, const std::string& paper, bool landscape,
                     std::string& bytes, report::Reporter& rep) {
    const PdfPage draw = [&months](PageContext& ctx, std::size_t i) { return DrawNightsPage(ctx, months[i]); };
    return TryDrawPdf(months.size(), draw, style, monthTexts, paper, landscape, bytes, rep);
}

bool EncodeYearChartPng(const YearChart& chart, int width, int height, std::string& bytes, report::Reporter& rep) {
    return DrawPng([&chart](PageContext& ctx) { DrawYearChart(ctx, chart); }, std::to_string(chart.year), width, height,
                   bytes, rep);
}

bool EncodeYearChartPdf(const YearChart& chart, const PrintStyle& style, const std::string& paper, bool landscape,
                        std::string& bytes, report::Reporter& rep) {
    // One page, titled "Almucan yyyy".
    const PdfPage draw = [&chart](PageContext& ctx, std::size_t) { return DrawYearChart(ctx, chart); };
    return TryDrawPdf(1, draw, style, {std::to_string(chart.year)}, paper, landscape, bytes, rep);
}

PrintFontExtent PdfPrintFont(const std::string& fontName, float fontSize, const std::string& paper, bool landscape) {
    // A writer that is never painted on writes nothing.
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    SetUpPdfPage(writer, paper, landscape);
    QtPrinterSurface prn(writer, QGuiApplication::font());
    return MeasurePrintFont(prn, fontName, fontSize);
}

void DefaultFont(std::string& name, float& size) {
    QFont f = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    name = f.family().toStdString();
    size = f.pointSizeF() > 0 ? static_cast<float>(f.pointSizeF()) : 10.0f;
}

}  // namespace render
