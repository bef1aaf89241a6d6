// Printing through the real print system: the main window's File, Print
// sends a month to a CUPS-PDF queue, and the PDF that the queue writes is
// read back with pdftotext -bbox.  cups_print.sh starts a private cupsd with
// that queue and names it in ALMUCAN_CUPS_QUEUE, the queue's output folder
// in ALMUCAN_CUPS_OUT and, for the last test, the cupsd's process in
// ALMUCAN_CUPSD_PID; the client library finds that cupsd through CUPS_SERVER.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QDeadlineTimer>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QThread>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include <signal.h>

#include "ui/printersetup.h"
#include "window.h"

namespace {

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
    const QString out = Output("pdftotext", {"-bbox", file, "-"});
    static const QRegularExpression page(R"re(<page width="([-\d.]+)" height="([-\d.]+)")re");
    static const QRegularExpression word(
        R"re(<word xMin="([-\d.]+)" yMin="([-\d.]+)" xMax="([-\d.]+)" yMax="([-\d.]+)">([^<]*)</word>)re");
    const QRegularExpressionMatch size = page.match(out);
    PdfWords r{size.captured(1).toDouble(), size.captured(2).toDouble(), {}};
    for (auto it = word.globalMatch(out); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        r.words.push_back({m.captured(5).replace("&apos;", "'"), m.captured(1).toDouble(), m.captured(2).toDouble(),
                           m.captured(3).toDouble(), m.captured(4).toDouble()});
    }
    return r;
}

// The main window printing to the queue.
std::unique_ptr<ui::PrintTarget> Queue(const QString& queue) {
    auto target = std::make_unique<ui::PrintTarget>(false);
    target->printer.setPrinterName(queue);
    return target;
}

class CupsPrint : public ::testing::Test {
protected:
    void SetUp() override {
        queue = qEnvironmentVariable("ALMUCAN_CUPS_QUEUE");
        out = qEnvironmentVariable("ALMUCAN_CUPS_OUT");
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

// March on A4 portrait, then February on US Letter landscape chosen in
// Setup (confirmed with OK in one print dialog, cancelled, and holding for
// the next): each reaches the queue whole, upright on its sheet.
TEST_F(CupsPrint, MonthsReachTheQueueAsPdfs) {
    Window t(Queue(queue));
    t.start();
    const struct {
        const char* month;
        int days;
        bool letterLandscape;
        double width, height;  // the sheet in points: A4, US Letter (8.5 x 11 in)
    } runs[] = {{"200103", 31, false, 595, 842}, {"200102", 28, true, 612, 792}};
    for (const auto& r : runs) {
        SCOPED_TRACE(r.month);
        QString offered;
        if (r.letterLandscape) {
            t.print(r.month, [&](ui::FormPrint& p) {
                t.script = [&](QDialog& d) {
                    auto& u = static_cast<ui::PrinterSetupDialog&>(d);
                    offered = u.ComboPrinter->currentText();
                    u.ComboPaper->setCurrentIndex(u.ComboPaper->findText("US Letter"));
                    u.OptionLandscape->setChecked(true);
                    QTest::mouseClick(u.Buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
                };
                QTest::mouseClick(p.commandSetup(), Qt::LeftButton);
                QTest::mouseClick(p.commandCancel(), Qt::LeftButton);
            });
            EXPECT_EQ(offered, queue);
        }
        const QStringList before = QDir(out).entryList({"*.pdf"}, QDir::Files);
        QString shown;
        t.print(r.month, [&](ui::FormPrint& p) {
            shown = p.labelOutput()->text();
            QTest::mouseClick(p.commandPrint(), Qt::LeftButton);
        });
        EXPECT_EQ(shown, "Printer: " + queue + (r.letterLandscape ? " - US Letter, landscape" : " - A4, portrait"));
        EXPECT_TRUE(t.rep.log.empty()) << t.rep.log.front();

        const QString pdf = WaitForPdf(queue, out, before);
        ASSERT_FALSE(pdf.isEmpty()) << "no PDF from the queue in " << out.toStdString();
        // CUPS-PDF names the file by the job's title, which is the
        // document's (CUPS-PDF puts it in brackets).
        EXPECT_TRUE(QFileInfo(pdf).fileName().startsWith(QString("Almucan_") + r.month)) << pdf.toStdString();
        EXPECT_TRUE(Output("pdfinfo", {pdf}).contains(
            QRegularExpression(QString("Title: +\\(?Almucan %1\\)?\n").arg(r.month))));
        PdfWords pw = Words(pdf);
        EXPECT_NEAR(pw.width, r.width, 1);
        EXPECT_NEAR(pw.height, r.height, 1);
        if (r.letterLandscape) {
            const auto month = std::find_if(pw.words.begin(), pw.words.end(),
                                            [](const Word& w) { return w.text == "Month:"; });
            ASSERT_NE(month, pw.words.end());
            EXPECT_GT(month->y1 - month->y0, 2 * (month->x1 - month->x0));  // written upwards
            pw = Upright(pw);
        }
        EXPECT_TRUE(Joined(pw).contains(QString("Month: %1 Long.: 16.33").arg(r.month))) << Joined(pw).toStdString();
        ExpectWholeMonthOnTheSheet(pw, r.days);
    }
}

// The print service stops while the print dialog is open: Print reports it.
TEST_F(CupsPrint, StoppedPrintServiceIsReported) {
    bool ok = false;
    const int pid = qEnvironmentVariable("ALMUCAN_CUPSD_PID").toInt(&ok);
    if (!ok) GTEST_SKIP() << "no cupsd to stop";
    Window t(Queue(queue));
    t.start();
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
