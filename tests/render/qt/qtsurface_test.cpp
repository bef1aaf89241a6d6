// The Qt surfaces offscreen: the screen page as an image and the printed
// page as a PDF file, read back with pdftotext and pdfinfo.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>
#include <utility>
#include <vector>

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

QColor At(const QImage& img, double x, double y) {
    return img.pixelColor(static_cast<int>(x), static_cast<int>(y));
}

std::string Output(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    p.waitForFinished(30000);
    return p.readAllStandardOutput().toStdString();
}

// The words of a PDF with their boxes (points), from pdftotext -bbox, the
// size of its last page and the number of pages.
struct Word {
    std::string text;
    double x0, y0, x1, y1;
};
struct PdfWords {
    double width = 0, height = 0;
    int pages = 0;
    std::vector<Word> words;
    std::string Line() const {  // all words, one blank apart
        std::string r;
        for (const Word& w : words) r += w.text + " ";
        return r;
    }
};
std::string Unescape(std::string t) {
    for (auto [from, to] : {std::pair{"&amp;", "&"}, {"&lt;", "<"}, {"&gt;", ">"},
                            {"&quot;", "\""}, {"&apos;", "'"}, {"&#39;", "'"}}) {
        for (std::size_t i; (i = t.find(from)) != std::string::npos;)
            t.replace(i, std::strlen(from), to);
    }
    return t;
}
PdfWords Words(const QString& file) {
    const std::string out = Output("pdftotext", {"-bbox", file, "-"});
    PdfWords r;
    for (std::size_t i = 0; (i = out.find("<page ", i)) != std::string::npos; ++i, ++r.pages)
        std::sscanf(out.c_str() + i, "<page width=\"%lf\" height=\"%lf\"", &r.width, &r.height);
    for (std::size_t i = 0; (i = out.find("<word ", i)) != std::string::npos;) {
        Word w;
        std::sscanf(out.c_str() + i, "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"",
                    &w.x0, &w.y0, &w.x1, &w.y1);
        std::size_t a = out.find('>', i) + 1, b = out.find("</word>", a);
        w.text = Unescape(out.substr(a, b - a));
        r.words.push_back(w);
        i = b;
    }
    return r;
}

QString WriteFile(const QTemporaryDir& dir, const QString& name, const std::string& bytes) {
    QString file = dir.filePath(name);
    QFile out(file);
    if (out.open(QIODevice::WriteOnly)) out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    return file;
}

}  // namespace

TEST(QtPrinterSurface, OnePageWithEveryTimeAsItsOwnWordOnTheSheet) {
    // Margins 0: only the 10 pt border keeps the page off the sheet's edge.
    // At each font size the PDF is one page with the header and legends;
    // every cell of the table is a word of its own (the columns fit the
    // print font), the hour labels 0 and 24 are whole, and every word lies
    // inside the sheet.
    QTemporaryDir dir;
    month::MonthResult r = June2024();
    std::map<std::string, int> cells;
    for (int d = 1; d <= r.dayRows; ++d)
        for (int c = 1; c <= 8; ++c) ++cells[r.tab[d][c]];
    cells.erase("");
    for (const char* paper : {"a4", "letter"}) {
        for (int size = 6; size <= 14; ++size) {
            SCOPED_TRACE(std::string(paper) + " " + std::to_string(size) + " pt");
            settings::Settings st;
            st.fontName = "DejaVu Sans";
            st.fontSize = static_cast<float>(size);
            RecordingReporter rep;
            std::string bytes;
            ASSERT_TRUE(render::EncodePdf(r, st, "202406", true, paper, false, bytes, rep));
            PdfWords pw = Words(WriteFile(dir, "page.pdf", bytes));
            EXPECT_EQ(pw.pages, 1);
            const std::string line = pw.Line();
            for (const char* text :
                 {"Rise and Set for Sun and Moon V0.9 ",
                  "Month: 202406 Long.: 16.33 Lat.: 48.25 Time Zone: 1, Summertime ",
                  "'D.a.n.M.' = Dark and no Moon"})
                EXPECT_NE(line.find(text), std::string::npos) << text;
            // Above 12 pt, with no margin, the second legend runs off the
            // sheet: the page puts it on a 42nd row of a 41-row page.
            if (size <= 12) {
                EXPECT_NE(line.find("'a.h.' = (always) above horizon"), std::string::npos);
            }
            std::map<std::string, int> count;
            for (const Word& w : pw.words) {
                ++count[w.text];
                EXPECT_TRUE(w.x0 >= 0 && w.y0 >= 0 && w.x1 <= pw.width && w.y1 <= pw.height)
                    << w.text << " at " << w.x0 << "," << w.y0 << "-" << w.x1 << "," << w.y1;
            }
            for (const auto& [text, n] : cells) EXPECT_GE(count[text], n) << text;
            EXPECT_GE(count["0"], 1);
            EXPECT_GE(count["24"], 1);
        }
    }
}

TEST(QtPrinterSurface, PdfTitleNamesTheMonth) {
    QTemporaryDir dir;
    settings::Settings st;
    RecordingReporter rep;
    std::string bytes;
    ASSERT_TRUE(render::EncodePdf(June2024(), st, "202406", false, "a4", false, bytes, rep));
    std::string info = Output("pdfinfo", {WriteFile(dir, "t.pdf", bytes)});
    std::size_t title = info.find("Title:");
    ASSERT_NE(title, std::string::npos) << info;
    title = info.find_first_not_of(' ', title + 6);
    EXPECT_EQ(info.substr(title, info.find('\n', title) - title), "Almucan 202406");
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
    auto rowY = [&](int row, double frac) { return L.y_st + row * L.y_d + frac * L.y_d; };
    auto hourX = [&](double h) { return L.xg_st + h * L.xg_d; };
    // Cleared to white outside the graph.
    EXPECT_EQ(At(img, 999, 699), QColor(Qt::white));
    // 1 June: daylight 03:58-19:48, Moon 01:20-13:40 (the table's times).
    EXPECT_EQ(r.tab[1][3], "0358");
    EXPECT_EQ(At(img, hourX(16.5), rowY(1, 0.6)), QColor(200, 200, 200));  // daylight
    EXPECT_EQ(At(img, hourX(6.5), rowY(1, 0.2)), QColor(255, 255, 0));     // Moon band, upper
    EXPECT_EQ(At(img, hourX(6.5), rowY(1, 0.6)), QColor(200, 200, 200));   // below the band
    EXPECT_EQ(At(img, hourX(0.5), rowY(1, 0.6)), QColor(0, 0, 0));         // night
    EXPECT_EQ(At(img, hourX(2.7), rowY(1, 0.6)), QColor(100, 100, 100));   // twilight
    // Below the bar height of a row the background shows.
    EXPECT_EQ(At(img, hourX(16.5), rowY(1, 0.9)), QColor(Qt::white));
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

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
