// The Qt surfaces offscreen: the screen page as an image and the printed
// page as a PDF file, read back with pdftotext.
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
#include <utility>
#include <vector>
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

QColor At(const QImage& img, double x, double y) {
    return img.pixelColor(static_cast<int>(x), static_cast<int>(y));
}

std::string PdfText(const QString& file) {
    std::string cmd = "pdftotext '" + file.toStdString() + "' -";
    std::string out;
    if (FILE* p = popen(cmd.c_str(), "r")) {
        char buf[4096];
        std::size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        pclose(p);
    }
    // Runs of blanks and line breaks within a line of text collapse to one
    // blank in the extracted text; compare with single blanks.
    std::string squeezed;
    for (char ch : out) {
        if (ch == ' ' && !squeezed.empty() && squeezed.back() == ' ') continue;
        squeezed += ch;
    }
    return squeezed;
}

// The words of a one-page PDF with their boxes (points), from pdftotext
// -bbox, and the page's size.
struct Word {
    std::string text;
    double x0, y0, x1, y1;
};
struct PdfWords {
    double width = 0, height = 0;
    std::vector<Word> words;
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
    QProcess p;
    p.start("pdftotext", {"-bbox", file, "-"});
    p.waitForFinished(30000);
    const std::string out = p.readAllStandardOutput().toStdString();
    PdfWords r;
    std::sscanf(out.c_str() + out.find("<page"), "<page width=\"%lf\" height=\"%lf\"", &r.width,
                &r.height);
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

TEST(QtPrinterSurface, EveryTimeIsItsOwnWordAndEveryWordOnTheSheet) {
    // Margins 0: only the 10 pt border keeps the page off the sheet's edge.
    // At each font size every cell of the table is a word of its own (the
    // columns fit the print font), the hour labels 0 and 24 are whole, and
    // every word lies inside the sheet.
    QTemporaryDir dir;
    month::MonthResult r = June2024();
    for (const char* paper : {"a4", "letter"}) {
        for (int size = 6; size <= 14; ++size) {
            settings::Settings st;
            st.fontName = "DejaVu Sans";
            st.fontSize = static_cast<float>(size);
            RecordingReporter rep;
            std::string bytes;
            ASSERT_TRUE(render::EncodePdf(r, st, "202406", true, paper, false, bytes, rep));
            PdfWords pw = Words(WriteFile(dir, "page.pdf", bytes));
            ASSERT_GT(pw.words.size(), 300u) << paper << size;
            std::map<std::string, int> count;
            for (const Word& w : pw.words) {
                ++count[w.text];
                EXPECT_TRUE(w.x0 >= 0 && w.y0 >= 0 && w.x1 <= pw.width && w.y1 <= pw.height)
                    << paper << " " << size << " pt: " << w.text << " at " << w.x0 << ","
                    << w.y0 << "-" << w.x1 << "," << w.y1;
            }
            std::map<std::string, int> cells;
            for (int d = 1; d <= r.dayRows; ++d)
                for (int c = 1; c <= 8; ++c) ++cells[r.tab[d][c]];
            cells.erase("");
            for (const auto& [text, n] : cells) EXPECT_GE(count[text], n) << size << " pt: " << text;
            EXPECT_GE(count["0"], 1) << size;
            EXPECT_GE(count["24"], 1) << size;
        }
    }
}

TEST(QtPrinterSurface, PdfTitleNamesTheMonth) {
    QTemporaryDir dir;
    month::MonthResult r = June2024();
    settings::Settings st;
    RecordingReporter rep;
    std::string bytes;
    ASSERT_TRUE(render::EncodePdf(r, st, "202406", false, "a4", false, bytes, rep));
    QProcess p;
    p.start("pdfinfo", {WriteFile(dir, "t.pdf", bytes)});
    ASSERT_TRUE(p.waitForFinished(30000));
    std::string title;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
        if (line.startsWith("Title:")) title = line.mid(6).trimmed().toStdString();
    EXPECT_EQ(title, "Almucan 202406");
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

TEST(QtPrinterSurface, PdfHoldsOnePageWithTitleMonthLineAndLegends) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QString file = dir.filePath("june.pdf");
    month::MonthResult r = June2024();
    settings::Settings st;
    st.marginTop = 10;
    st.marginLeft = 15;
    st.marginRight = 10;
    st.marginBottom = 10;
    st.fontName = "DejaVu Sans";
    st.fontSize = 9;
    RecordingReporter rep;
    std::string bytes;
    ASSERT_TRUE(render::EncodePdf(r, st, "202406", true, "letter", false, bytes, rep));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes.data(), static_cast<qint64>(bytes.size()));
    out.close();
    std::string text = PdfText(file);
    EXPECT_NE(text.find("Rise and Set for Sun and Moon V0.9"), std::string::npos) << text;
    EXPECT_NE(text.find("Month: 202406 Long.: 16.33 Lat.: 48.25 Time Zone: 1, Summertime"),
              std::string::npos);
    EXPECT_NE(text.find("'D.a.n.M.' = Dark and no Moon"), std::string::npos);
    EXPECT_NE(text.find("'a.h.' = (always) above horizon"), std::string::npos);
    EXPECT_EQ(text.find('\f'), text.rfind('\f'));  // one page
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
