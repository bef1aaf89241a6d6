// The Qt surfaces offscreen: the screen page as an image and the printed
// page as a PDF document, read back with pdftotext.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QProcess>
#include <cmath>
#include <map>
#include <regex>

#include "month/format.h"
#include "render/page.h"
#include "render/qt/qtoutputs.h"
#include "render/qt/qtsurface.h"

static report::SilentReporter quiet;
// June 2024 at Vienna.
static const month::Month june = month::CalculateMonth("202406", {16.33, 48.25, {1, false, ""}, ""}, quiet).value();
static const month::MonthTab juneTable = month::Table(june);

TEST(QtPrinterSurface, OnePageWithEveryTimeAsItsOwnWordOnTheSheet) {
    // June 2024 at Vienna, margins 0: only the 10 pt border
    // keeps the page off the sheet's edge.  At each font size the PDF has
    // the header, legends and key (its title and month line: the rows
    // pdf-year and png-and-pdf of tests/cli/reliability_binary.cmake); every cell
    // of the table is a word of its own (the columns fit the print font),
    // the hour labels 0 and 24 are whole, and every word lies inside the
    // sheet (A4 595.28 x 841.89 pt, US Letter 612 x 792 pt; pdftotext -bbox
    // gives the words' boxes in points); the hour labels, on the line of
    // the sub-headings, never touch ("24", moved left to stay whole, once
    // met "21": pdftotext read "2124"), portrait and landscape.  Sizes of 0
    // and 1e30 (a hostile settings file) draw in the default size.
    std::map<std::string, int> cells;
    for (int d = 1; d <= june.dayRows; ++d)
        for (int c = 1; c <= 8; ++c) ++cells[juneTable[static_cast<std::size_t>(d)][static_cast<std::size_t>(c)]];
    cells.erase("");
    const std::regex word(R"re(<word xMin="([\d.-]+)" yMin="([\d.-]+)" xMax="([\d.-]+)" yMax="([\d.-]+)">([^<]*)<)re");
    for (auto [paper, width, height] : {std::tuple("a4", 595.28, 841.89), std::tuple("letter", 612.0, 792.0)}) {
        for (float size : {6.f, 7.f, 8.f, 9.f, 10.f, 11.f, 12.f, 13.f, 14.f, 0.f, 1e30f}) {
          for (bool landscape : {false, true}) {
            const double sheetW = landscape ? height : width, sheetH = landscape ? width : height;
            SCOPED_TRACE(std::string(paper) + " " + std::to_string(size) + " pt" + (landscape ? " landscape" : ""));
            const render::PrintStyle st{0, 0, 0, 0, "DejaVu Sans", size, false};
            std::string bytes;
            ASSERT_TRUE(render::EncodePdf({june}, st, {"202406"}, paper, landscape, bytes, quiet));
            QProcess p;
            p.start("pdftotext", {"-bbox", "-", "-"});
            p.write(bytes.data(), static_cast<qint64>(bytes.size()));
            p.closeWriteChannel();
            p.waitForFinished(30000);
            const std::string out = p.readAllStandardOutput().toStdString();
            std::string line;
            std::map<std::string, int> count;
            std::string labelsY;  // the sub-headings' line
            std::vector<std::pair<double, double>> labels;  // left and right edges
            for (std::sregex_iterator i(out.begin(), out.end(), word), end; i != end; ++i) {
                const auto& w = *i;
                line += w[5].str() + " ";
                ++count[w[5]];
                if (w[5] == "Beg.") labelsY = w[2];
                if (w[2] == labelsY && std::isdigit(static_cast<unsigned char>(w[5].str()[0]))) {
                    labels.emplace_back(std::stod(w[1]), std::stod(w[3]));
                    EXPECT_LE(std::stoi(w[5]), 24) << "labels read as one word";
                }
                EXPECT_TRUE(std::stod(w[1]) >= 0 && std::stod(w[2]) >= 0 && std::stod(w[3]) <= sheetW &&
                            std::stod(w[4]) <= sheetH) << w.str();
            }
            for (const char* text : {"Rise and Set for Sun and Moon V0.9 ", "= Dark and no Moon", "= (always) above horizon", "Graph: night twilight day Moon up"})
                EXPECT_NE(line.find(text), std::string::npos) << text;
            for (const auto& [text, n] : cells) EXPECT_GE(count[text], n) << text;
            EXPECT_TRUE(count["0"] >= 1 && count["24"] >= 1);
            EXPECT_GE(labels.size(), 3u);
            for (std::size_t k = 1; k < labels.size(); ++k) EXPECT_GT(labels[k].first - labels[k - 1].second, 0.5) << k;
          }
        }
    }
}

TEST(QtImageSurface, PageColoursLandWhereTheyBelong) {
    QImage img(1000, 700, QImage::Format_RGB32);
    img.fill(Qt::red);
    const render::PrintStyle st;
    const render::OutputDevice screenDevice = render::OutputDevice::Screen;
    render::PageLayout L;
    render::QtImageSurface screen(img, render::PictureFont());
    render::Output out(screen, nullptr, screenDevice);
    render::PageContext ctx{out, L, st, "202406", quiet};
    render::LayOutAndDraw(ctx, june);
    screen.finish();
    // Cleared to white outside the graph.
    EXPECT_EQ(img.pixelColor(999, 699), QColor(Qt::white));
    // 1 June, from the table's times: night until 01:01, twilight until
    // 03:58, daylight to 19:48, twilight again to 22:47, then night; the
    // Moon 01:20-13:40 in the upper part of the row; below the bars the
    // background shows.
    const std::tuple<double, double, QColor> points[] = {  // hour, part of the row down, colour
        {0.5, 0.6, QColor(0, 0, 0)},        {2.7, 0.6, QColor(100, 100, 100)},
        {16.5, 0.6, QColor(200, 200, 200)}, {6.5, 0.6, QColor(200, 200, 200)},
        {6.5, 0.2, QColor(255, 255, 0)},    {16.5, 0.9, QColor(Qt::white)},
        {21.5, 0.6, QColor(100, 100, 100)}, {23.5, 0.6, QColor(0, 0, 0)},
    };
    for (const auto& [hour, part, colour] : points) {
        const double x = L.graphLeft + hour * L.hourWidth, y = L.top + (1 + part) * L.rowHeight;
        EXPECT_EQ(img.pixelColor(static_cast<int>(x), static_cast<int>(y)), colour) << hour << " h, " << part;
    }
}

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (!std::getenv("QT_QPA_PLATFORM")) setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
