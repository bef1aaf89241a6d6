// Printing through the real print system: the main window's File, Print
// sends a month to a CUPS-PDF queue, and the PDF that the queue writes is
// read back with pdftotext -bbox.  cups_print.sh starts a private cupsd with
// that queue and names it in ALMUCAN_CUPS_QUEUE, the queue's output folder
// in ALMUCAN_CUPS_OUT and, for the last test, the cupsd's process in
// ALMUCAN_CUPSD_PID; the client library finds that cupsd through CUPS_SERVER.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <signal.h>

#include "recording_reporter.h"
#include "ui/form1.h"
#include "ui/formprint.h"
#include "ui/printersetup.h"
#include "ui/printtarget.h"

namespace {

QString Env(const char* name) { return qEnvironmentVariable(name); }

// Standard output of a short command; empty when it fails or takes longer
// than `ms`.
QString Output(const QString& program, const QStringList& args, int ms = 20000) {
    QProcess p;
    p.start(program, args);
    if (!p.waitForFinished(ms)) {
        p.kill();
        p.waitForFinished(1000);
        return QString();
    }
    return QString::fromUtf8(p.readAllStandardOutput());
}

// Waits until the queue holds no unfinished job and a new PDF has appeared
// in the output folder; returns that PDF or an empty name after 25 s.
QString WaitForPdf(const QString& queue, const QString& outDir, const QStringList& before) {
    QDeadlineTimer deadline(25000);
    while (!deadline.hasExpired()) {
        const QStringList now = QDir(outDir).entryList({"*.pdf"}, QDir::Files, QDir::Time);
        const bool idle = Output("lpstat", {"-o", queue}, 5000).trimmed().isEmpty();
        for (const QString& f : now)
            if (idle && !before.contains(f)) return QDir(outDir).filePath(f);
        QThread::msleep(100);
    }
    return QString();
}

struct Word {
    QString text;
    double x0, y0, x1, y1;
};
struct PdfWords {
    double width = 0, height = 0;
    std::vector<Word> words;
};
// The words of a one-page PDF with their boxes in points.
PdfWords Words(const QString& file) {
    const std::string out = Output("pdftotext", {"-bbox", file, "-"}).toStdString();
    PdfWords r;
    const std::size_t page = out.find("<page");
    if (page == std::string::npos) return r;
    std::sscanf(out.c_str() + page, "<page width=\"%lf\" height=\"%lf\"", &r.width, &r.height);
    for (std::size_t i = 0; (i = out.find("<word ", i)) != std::string::npos;) {
        Word w{};
        std::sscanf(out.c_str() + i, "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"",
                    &w.x0, &w.y0, &w.x1, &w.y1);
        const std::size_t a = out.find('>', i) + 1, b = out.find("</word>", a);
        w.text = QString::fromStdString(out.substr(a, b - a)).replace("&apos;", "'");
        r.words.push_back(w);
        i = b;
    }
    return r;
}

// The main window printing to the queue; settings in a temporary folder.
struct Window {
    QTemporaryDir dir;
    RecordingReporter rep;
    std::unique_ptr<ui::Form1> w;
    // What the "user" does in the next modal dialog.
    std::function<void(QDialog&)> script = [](QDialog& d) { d.reject(); };

    explicit Window(const QString& queue) {
        auto target = std::make_unique<ui::PrintTarget>(false);
        target->printer.setPrinterName(queue);
        w = std::make_unique<ui::Form1>(rep, dir.path().toStdString(), std::move(target));
        w->setToday([] { return QDate(2001, 3, 15); });
        w->setExitHandler([](int) {});
        w->setDialogRunner([this](QDialog& d) {
            d.show();
            // A set-up opened from the print dialog gets its own script.
            auto run = std::exchange(script, [](QDialog& x) { x.reject(); });
            run(d);
            return d.result();
        });
        w->start();
    }
    // File, Print with the month box at `month`; `inDialog` acts in the
    // print dialog (it ends with Print or Cancel).
    void print(const char* month, const std::function<void(ui::FormPrint&)>& inDialog) {
        w->textDate()->setText(month);
        script = [&](QDialog& d) { inDialog(static_cast<ui::FormPrint&>(d)); };
        w->menuFPrint()->trigger();
    }
};

class CupsPrint : public ::testing::Test {
protected:
    void SetUp() override {
        queue = Env("ALMUCAN_CUPS_QUEUE");
        out = Env("ALMUCAN_CUPS_OUT");
        if (queue.isEmpty() || out.isEmpty()) GTEST_SKIP() << "no print queue (run cups_print.sh)";
    }
    QString queue, out;
};

// Every day row's number in the left column, top to bottom, and every word
// on the sheet.
void ExpectWholeMonthOnTheSheet(const PdfWords& pw, int days) {
    ASSERT_FALSE(pw.words.empty());
    std::vector<const Word*> rows;
    for (int d = 1; d <= days; ++d) {
        const QString num = QString("%1").arg(d, 2, 10, QChar('0'));
        const Word* found = nullptr;
        for (const Word& w : pw.words)
            if (w.text == num && (rows.empty() || (std::abs(w.x0 - rows[0]->x0) < 2 &&
                                                   w.y0 > rows.back()->y0)))
                if (!found || w.x0 < found->x0) found = &w;
        ASSERT_NE(found, nullptr) << "day row " << d;
        rows.push_back(found);
    }
    for (const Word& w : pw.words)
        EXPECT_TRUE(w.x0 >= 0 && w.y0 >= 0 && w.x1 <= pw.width && w.y1 <= pw.height)
            << w.text.toStdString() << " at " << w.x0 << "," << w.y0 << "-" << w.x1 << "," << w.y1;
}

// A landscape page reaches the sheet turned by a quarter, its text running
// upwards: the words in the page's own upright frame.
PdfWords Upright(const PdfWords& pw) {
    PdfWords r{pw.height, pw.width, {}};
    for (const Word& w : pw.words)
        r.words.push_back({w.text, pw.height - w.y1, w.x0, pw.height - w.y0, w.x1});
    return r;
}

QString Joined(const PdfWords& pw) {
    QStringList all;
    for (const Word& w : pw.words) all << w.text;
    return all.join(' ');
}

}  // namespace

TEST_F(CupsPrint, MonthReachesTheQueueAsAPdf) {
    Window t(queue);
    const QStringList before = QDir(out).entryList({"*.pdf"}, QDir::Files);
    QString shown;
    t.print("200103", [&](ui::FormPrint& p) {
        shown = p.labelOutput()->text();
        QTest::mouseClick(p.commandPrint(), Qt::LeftButton);
    });
    EXPECT_EQ(shown, "Printer: " + queue + " - A4, portrait");
    EXPECT_TRUE(t.rep.log.empty()) << t.rep.log.front();

    const QString pdf = WaitForPdf(queue, out, before);
    ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue in " << out.toStdString();
    // CUPS-PDF names the file by the job's title.
    EXPECT_TRUE(QFileInfo(pdf).fileName().startsWith("Almucan_200103")) << pdf.toStdString();
    // The job's title is the document's (CUPS-PDF puts it in brackets).
    EXPECT_TRUE(Output("pdfinfo", {pdf}).contains(
        QRegularExpression("Title: +\\(?Almucan 200103\\)?\n")));
    const PdfWords pw = Words(pdf);
    EXPECT_NEAR(pw.width, 595, 1);  // A4 in points
    EXPECT_NEAR(pw.height, 842, 1);
    const QString text = Joined(pw);
    for (const char* line : {"Rise and Set for Sun and Moon V0.9", "Month: 200103 Long.: 16.33",
                             "'D.a.n.M.' = Dark and no Moon", "'a.h.' = (always) above horizon"})
        EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();
    ExpectWholeMonthOnTheSheet(pw, 31);
}

// US Letter landscape chosen in Setup (confirmed with OK) holds for the
// next print dialog and reaches the queue.
TEST_F(CupsPrint, SetupPaperHoldsAndReachesTheQueue) {
    Window t(queue);
    QString offered, button;
    t.print("200102", [&](ui::FormPrint& p) {
        t.script = [&](QDialog& d) {
            auto& u = static_cast<ui::PrinterSetupDialog&>(d);
            offered = u.ComboPrinter->currentText();
            button = u.Buttons->button(QDialogButtonBox::Ok)->text().remove('&');
            u.ComboPaper->setCurrentIndex(u.ComboPaper->findText("US Letter"));
            u.OptionLandscape->setChecked(true);
            QTest::mouseClick(u.Buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
        };
        QTest::mouseClick(p.commandSetup(), Qt::LeftButton);
        QTest::mouseClick(p.commandCancel(), Qt::LeftButton);
    });
    EXPECT_EQ(offered, queue);
    EXPECT_EQ(button, "OK");

    const QStringList before = QDir(out).entryList({"*.pdf"}, QDir::Files);
    QString shown;
    t.print("200102", [&](ui::FormPrint& p) {
        shown = p.labelOutput()->text();
        QTest::mouseClick(p.commandPrint(), Qt::LeftButton);
    });
    EXPECT_EQ(shown, "Printer: " + queue + " - US Letter, landscape");
    EXPECT_TRUE(t.rep.log.empty());
    const QString pdf = WaitForPdf(queue, out, before);
    ASSERT_FALSE(pdf.isEmpty());
    const PdfWords sheet = Words(pdf);
    EXPECT_NEAR(sheet.width, 612, 1);  // a US Letter sheet, 8.5 x 11 inches
    EXPECT_NEAR(sheet.height, 792, 1);
    const auto month = std::find_if(sheet.words.begin(), sheet.words.end(),
                                    [](const Word& w) { return w.text == "Month:"; });
    ASSERT_NE(month, sheet.words.end());
    EXPECT_GT(month->y1 - month->y0, 2 * (month->x1 - month->x0));  // written upwards
    const PdfWords pw = Upright(sheet);
    EXPECT_TRUE(Joined(pw).contains("Month: 200102 Long.: 16.33"));
    ExpectWholeMonthOnTheSheet(pw, 28);
}

// The print service stops while the print dialog is open: Print reports it.
TEST_F(CupsPrint, StoppedPrintServiceIsReported) {
    bool ok = false;
    const int pid = Env("ALMUCAN_CUPSD_PID").toInt(&ok);
    if (!ok) GTEST_SKIP() << "no cupsd to stop";
    Window t(queue);
    bool stopped = false;
    t.print("200103", [&](ui::FormPrint& p) {
        ::kill(pid, SIGTERM);
        // The stopped cupsd stays a zombie of the script: ask the client.
        QDeadlineTimer deadline(10000);
        while (!(stopped = Output("lpstat", {"-r"}, 5000).contains("not running")) &&
               !deadline.hasExpired())
            QThread::msleep(50);
        QTest::mouseClick(p.commandPrint(), Qt::LeftButton);
    });
    ASSERT_TRUE(stopped);
    ASSERT_EQ(t.rep.boxes.size(), 1u);
    EXPECT_EQ(t.rep.boxes[0].title, "Error");
    EXPECT_EQ(t.rep.boxes[0].text, "The page could not be printed.\r\nThe printer " +
                                       queue.toStdString() + " cannot be reached.");
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
