// The Qt surfaces offscreen: the screen page as an image and the printed
// page as a PDF file, read back with pdftotext and pdfinfo.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <cmath>
#include <cstdlib>
#include <map>
#include <regex>
#include <string>

#include "month/monthcalc.h"
#include "recording_reporter.h"
#include "render/page.h"
#include "render/qt/qtoutputs.h"
#include "render/qt/qtsurface.h"

namespace {

month::MonthResult June2024() {
    RecordingReporter rep;
    auto r = month::CalculateMonth("202406", false, {16.33, 48.25, 1}, rep);
    EXPECT_TRUE(r);
    return *r;
}

// The PDF of June 2024 at Vienna in summer time, written to a file, and
// the standard output of a poppler tool run with the file in place of "PDF".
std::string PdfTool(const char* tool, QStringList args, settings::Settings st,
                    const char* paper) {
    RecordingReporter rep;
    std::string bytes;
    EXPECT_TRUE(render::EncodePdf(June2024(), st, "202406", true, paper, false, bytes, rep));
    QTemporaryDir dir;
    QFile out(dir.filePath("page.pdf"));
    if (out.open(QIODevice::WriteOnly)) out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    out.close();
    QProcess p;
    p.start(tool, args.replaceInStrings("PDF", out.fileName()));
    p.waitForFinished(30000);
    return p.readAllStandardOutput().toStdString();
}

}  // namespace

TEST(QtPrinterSurface, OnePageWithEveryTimeAsItsOwnWordOnTheSheet) {
    // Margins 0: only the 10 pt border keeps the page off the sheet's edge.
    // At each font size the PDF is one page with the header and legends;
    // every cell of the table is a word of its own (the columns fit the
    // print font), the hour labels 0 and 24 are whole, and every word lies
    // inside the sheet (pdftotext -bbox gives the words' boxes in points).
    month::MonthResult r = June2024();
    std::map<std::string, int> cells;
    for (int d = 1; d <= r.dayRows; ++d)
        for (int c = 1; c <= 8; ++c) ++cells[r.tab[d][c]];
    cells.erase("");
    const std::regex page(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    const std::regex word(R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)<)re");
    for (const char* paper : {"a4", "letter"}) {
        for (int size = 6; size <= 14; ++size) {
            SCOPED_TRACE(std::string(paper) + " " + std::to_string(size) + " pt");
            settings::Settings st;
            st.fontName = "DejaVu Sans";
            st.fontSize = static_cast<float>(size);
            const std::string out = PdfTool("pdftotext", {"-bbox", "PDF", "-"}, st, paper);
            std::smatch m;
            ASSERT_TRUE(std::regex_search(out, m, page));
            const double width = std::stod(m[1]), height = std::stod(m[2]);
            EXPECT_EQ(out.find("<page", m.position() + 1), std::string::npos);  // one page
            std::string line;
            std::map<std::string, int> count;
            for (std::sregex_iterator i(out.begin(), out.end(), word), end; i != end; ++i) {
                const auto& w = *i;
                line += w[5].str() + " ";
                ++count[w[5]];
                EXPECT_TRUE(std::stod(w[1]) >= 0 && std::stod(w[2]) >= 0 &&
                            std::stod(w[3]) <= width && std::stod(w[4]) <= height)
                    << w.str();
            }
            for (const char* text : {"Rise and Set for Sun and Moon V0.9 ",
                                     "Month: 202406 Long.: 16.33 Lat.: 48.25 Time Zone: 1, Summertime ",
                                     "= Dark and no Moon", "= (always) above horizon"})
                EXPECT_NE(line.find(text), std::string::npos) << text;
            for (const auto& [text, n] : cells) EXPECT_GE(count[text], n) << text;
            EXPECT_GE(count["0"], 1);
            EXPECT_GE(count["24"], 1);
        }
    }
}

TEST(QtPrinterSurface, PdfTitleNamesTheMonth) {
    const std::string info = PdfTool("pdfinfo", {"PDF"}, settings::Settings(), "a4");
    std::smatch m;
    ASSERT_TRUE(std::regex_search(info, m, std::regex("Title: *(.*)\n"))) << info;
    EXPECT_EQ(m[1], "Almucan 202406");
}

TEST(QtImageSurface, PageColoursLandWhereTheyBelong) {
    month::MonthResult r = June2024();
    QImage img(1000, 700, QImage::Format_RGB32);
    img.fill(Qt::red);
    RecordingReporter rep;
    settings::Settings st;
    render::PageLayout L;
    {
        render::QtImageSurface screen(img, render::PictureFont());
        render::Output out(screen, nullptr, st);
        render::PageContext ctx{out, L, st, "202406", false, rep};
        render::LayOutAndDraw(ctx, r.tab, r.dayRows);
    }
    EXPECT_TRUE(rep.log.empty());
    // Cleared to white outside the graph.
    EXPECT_EQ(img.pixelColor(999, 699), QColor(Qt::white));
    // 1 June, from the table's times: night until 01:01, twilight until
    // 03:58, daylight to 19:48, the Moon 01:20-13:40 in the upper part of
    // the row; below the bars the background shows.
    EXPECT_EQ(r.tab[1][3], "0358");
    const struct {
        double hour, rowPart;
        QColor colour;
    } points[] = {
        {0.5, 0.6, QColor(0, 0, 0)},     {2.7, 0.6, QColor(100, 100, 100)},
        {16.5, 0.6, QColor(200, 200, 200)}, {6.5, 0.6, QColor(200, 200, 200)},
        {6.5, 0.2, QColor(255, 255, 0)},    {16.5, 0.9, QColor(Qt::white)},
    };
    for (const auto& p : points) {
        const double x = L.xg_st + p.hour * L.xg_d, y = L.y_st + (1 + p.rowPart) * L.y_d;
        EXPECT_EQ(img.pixelColor(static_cast<int>(x), static_cast<int>(y)), p.colour)
            << p.hour << " h, " << p.rowPart << " row";
    }
}

TEST(QtPrinterSurface, PaperCodesAndOrientation) {
    QPrinter printer(QPrinter::HighResolution);
    render::SetupPdfPrinter(printer, "unused.pdf", false, true);
    render::QtPrinterSurface s(printer);
    EXPECT_EQ(s.PaperSize(), 9);
    EXPECT_EQ(s.Orientation(), 2);
    EXPECT_GT(s.ScaleWidth(), s.ScaleHeight());
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);
    EXPECT_EQ(s.PaperSize(), 1);
    EXPECT_EQ(s.Orientation(), 1);
    printer.setPageSize(QPageSize(QPageSize::A5));
    EXPECT_NE(s.PaperSize(), 1);
    EXPECT_NE(s.PaperSize(), 9);
}

TEST(QtPrinterSurface, AbsurdFontSizeDrawsWithTheDefaultAndUnwritableFileFails) {
    QPrinter printer(QPrinter::HighResolution);
    render::SetupPdfPrinter(printer, "/nonexistent-dir/x.pdf", false, false);
    render::QtPrinterSurface s(printer);
    s.SetFontSize(0);
    EXPECT_FLOAT_EQ(s.FontSize(), 0);  // kept as set
    EXPECT_GT(s.TextHeight("GgQq"), 0);
    s.SetFontSize(1e30f);
    EXPECT_GT(s.TextHeight("GgQq"), 0);
    EXPECT_LT(s.TextHeight("GgQq"), s.ScaleHeight() / 10);
    s.SetCurrentX(10);
    s.SetCurrentY(10);
    s.PrintText("x");
    EXPECT_FALSE(s.EndDoc());
}

// A broken layout (margins of 1e308, a NaN) must not reach the painter:
// such boxes, lines, circles and texts draw nothing, the rest still draws.
TEST(QtImageSurface, CoordinatesOffThePageDrawNothing) {
    const float nan = std::nanf(""), inf = INFINITY;
    const struct {
        float x, y, w;
        bool drawn;
    } cases[] = {{10, 10, 20, true}, {nan, 10, 20, false}, {10, inf, 20, false},
                 {10, 10, 2e6f, false}, {-2e6f, 10, 20, false}};
    for (const auto& c : cases) {
        QImage img(50, 50, QImage::Format_RGB32);
        img.fill(Qt::white);
        render::QtImageSurface s(img, render::PictureFont());
        s.FilledBox(c.x, c.y, c.w, 5, render::kBlack);
        s.Line(c.x, c.y, c.w, 0, render::kBlack);
        s.SetFillStyle(render::kFillSolid);
        s.Circle(c.x, c.y, c.w, render::kBlack, std::nullopt, std::nullopt, std::nullopt);
        s.SetCurrentX(c.x);
        s.SetCurrentY(c.y);
        s.PrintText("x");
        s.finish();
        EXPECT_EQ(img.pixel(12, 12) != QColor(Qt::white).rgb(), c.drawn) << c.x << " " << c.y << " " << c.w;
    }
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
