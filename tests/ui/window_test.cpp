// The desktop windows driven as a user drives them: keys and clicks on the
// real widgets, message boxes and beeps recorded, settings in a temporary
// folder, print runs into PDF files read back with pdftotext.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "ical/darknights.h"
#include "month/monthcalc.h"
#include "render/qt/qtsurface.h"
#include "ui/formoptions.h"
#include "ui/picturebox.h"
#include "ui/printersetup.h"
#include "window.h"

namespace {

using Log = std::vector<std::string>;
const Log kInputError{"beep", "box:Error:Input error."};
const Log kWrongValue{"beep", "box:Error:Input error - wrong value."};

// Pixels that are not white in the columns from `x0` on.
int NonWhitePixels(const QImage& img, int x0 = 0) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = x0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++n;
    return n;
}

}  // namespace

TEST(MainWindow, EnterCalculatesBadMonthLeavesEverythingAlone) {
    Window t;
    t.start();
    QApplication::clipboard()->setText("before");
    const QImage blank = t.w->picture1()->backing();

    for (const char* bad : {"20011", "2001013", "200100", "200113", "189912", "210101"}) {
        t.rep.clear();
        Type(t.w->textDate(), bad);
        QTest::keyClick(t.w->textDate(), Qt::Key_Return);
        EXPECT_EQ(t.rep.log, kInputError) << bad;
    }
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "before");
    EXPECT_EQ(t.w->picture1()->backing(), blank);

    t.rep.clear();
    Type(t.w->textDate(), "200103");
    QTest::keyClick(t.w->textDate(), Qt::Key_Return);
    EXPECT_TRUE(t.rep.log.empty());
    const QString clip = QApplication::clipboard()->text();
    EXPECT_EQ(clip.count("\r\n"), 124);
    EXPECT_TRUE(clip.endsWith("\r\n"));
    EXPECT_GT(NonWhitePixels(t.w->picture1()->backing()), 1000);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // hourglass gone
}

// A larger window lays the page out again and draws into the new part
// without a new calculation; at the minimum size the input row is whole and
// each of the 32 rows is at least one text height.
TEST(MainWindow, PageFollowsThePictureBoxSize) {
    Window t;
    t.start();
    t.w->resize(700, 600);
    QTest::mouseClick(t.w->commandCalc(), Qt::LeftButton);
    const render::PageLayout before = t.w->layout();
    const int smallWidth = t.w->picture1()->backing().width();
    QApplication::clipboard()->setText("kept");

    t.w->resize(t.w->width() + 200, t.w->height() + 100);
    ASSERT_GT(t.w->picture1()->backing().width(), smallWidth);
    EXPECT_GT(t.w->layout().xg_d, before.xg_d);
    EXPECT_GT(t.w->layout().y_d, before.y_d);
    EXPECT_GT(NonWhitePixels(t.w->picture1()->backing(), smallWidth), 100);
    t.w->resize(t.w->width() - 200, t.w->height() - 100);
    EXPECT_DOUBLE_EQ(t.w->layout().xg_d, before.xg_d);
    EXPECT_DOUBLE_EQ(t.w->layout().y_d, before.y_d);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "kept");
    EXPECT_TRUE(t.rep.log.empty());

    t.w->resize(300, 200);
    EXPECT_EQ(t.w->size(), t.w->minimumSize());
    QTest::mouseClick(t.w->commandCalc(), Qt::LeftButton);
    EXPECT_LE(t.w->commandHelp()->geometry().right(), t.w->frame1()->contentsRect().right());
    EXPECT_GE(t.w->layout().y_d, QFontMetricsF(render::PictureFont(), &t.w->picture1()->image()).height());
}

// Start writes the settings file and puts this month in the box; the
// Summertime box is checked from April to October and is checked again when
// the options dialog closes, but left as the user set it in November.
TEST(MainWindow, SummerTimeRuleNeverUnchecks) {
    for (int month : {3, 4, 10, 11}) {
        Window t;
        t.today = QDate(2024, month, 1);
        t.start();
        EXPECT_EQ(t.w->checkST()->isChecked(), month >= 4 && month <= 10) << month;
        EXPECT_EQ(t.w->textDate()->text(), QString("2024%1").arg(month, 2, 10, QChar('0')));
    }
    Window t;
    t.start();
    EXPECT_TRUE(t.ini().startsWith("Almucan V0.9\r\n 16.33\r\n 48.25\r\n 1\r\n"));
    QTest::mouseClick(t.w->checkST(), Qt::LeftButton);
    ASSERT_FALSE(t.w->checkST()->isChecked());
    Type(t.w->textDate(), "199912");
    t.w->menuFOptions()->trigger();
    EXPECT_TRUE(t.w->checkST()->isChecked());
    EXPECT_EQ(t.w->textDate()->text().toStdString(), "200106");
    t.today = QDate(2001, 11, 2);
    t.w->Form_Activate();
    EXPECT_TRUE(t.w->checkST()->isChecked());
}

// A settings file that is not valid ends the program after its message;
// Exit ends it at once and writes nothing.
TEST(MainWindow, SettingsFileNotValidOrExitEndsTheProgram) {
    for (const char* header : {"Almucan V1.0\r\n", "Almucan V0.9 \r\n"}) {
        Window t;
        WriteFile(t.iniPath(), QByteArray(header) + " 1\r\n 2\r\n 3\r\n 0\r\n 0\r\n 0\r\n 0\r\nX\r\n 10\r\n");
        t.start();
        EXPECT_EQ(t.rep.log, (Log{"beep", "box:Error:INI-file " + t.iniPath().toStdString() +
                                              " not valid.\r\nPlease delete it."}));
        EXPECT_EQ(t.exitCode, 1);
        // Nothing runs after the end.
        QTest::mouseClick(t.w->commandHelp(), Qt::LeftButton);
        EXPECT_EQ(t.rep.boxes.size(), 1u);
    }
    Window t;
    t.start();
    QTest::mouseClick(t.w->commandHelp(), Qt::LeftButton);
    t.w->menuFInfo()->trigger();
    ASSERT_EQ(t.rep.boxes.size(), 2u);
    EXPECT_EQ(t.rep.boxes[1].title, "Help");
    QFile::remove(t.iniPath());
    t.w->menuFExit()->trigger();
    EXPECT_EQ(t.exitCode, 0);
    EXPECT_FALSE(QFile::exists(t.iniPath()));
    EXPECT_TRUE(t.w->ended());
}

// File > Export dark nights... with the file dialog replaced by a chosen
// name: the month in the box, the place of the settings and the summer-time
// box give the same calendar as the writer on the month's table.
TEST(MainWindow, ExportDarkNightsWritesTheMonthsCalendar) {
    Window t;
    t.start();
    QString asked;
    QString answer;
    t.w->setIcsFileChooser([&](const QString& suggested) {
        asked = suggested;
        return answer;
    });
    const QString good = t.dir.filePath("june.ics");
    const QString bad = t.dir.filePath("no/such/june.ics");
    const struct {
        const char* month;
        QString file;
        bool asks;
        Log log;
    } cases[] = {
        {"200113", good, false, kInputError},
        {"202406", "", true, {}},  // the dialog cancelled
        {"202406", bad, true,
         {"box:Error:The dark nights could not be exported:\r\ncannot write " + bad.toStdString() +
          ": No such file or directory"}},
        {"202406", good, true, {}},
    };
    for (const auto& c : cases) {
        t.rep.clear();
        asked.clear();
        answer = c.file;
        Type(t.w->textDate(), c.month);
        t.w->menuFExportDark()->trigger();
        EXPECT_EQ(t.rep.log, c.log) << c.month << " " << c.file.toStdString();
        EXPECT_EQ(!asked.isEmpty(), c.asks) << c.month;
    }
    EXPECT_TRUE(asked.endsWith("dark-nights-202406.ics")) << asked.toStdString();

    const settings::Settings& st = t.w->settings();
    const month::Location loc{st.longitude, st.latitude, st.timeZone};
    const bool summer = t.w->checkST()->isChecked();
    report::SilentReporter quiet;
    const std::string want = ical::DarkNightsCalendar({*month::CalculateMonth("202406", summer, loc, quiet)},
                                                      ical::Place{loc, summer}, 0);
    // DTSTAMP is the time of the export.
    auto unstamped = [](std::string s) {
        for (std::size_t p; (p = s.find("DTSTAMP:")) != std::string::npos;)
            s.erase(p, s.find("\r\n", p) + 2 - p);
        return s;
    };
    EXPECT_EQ(QString::fromStdString(want).count("BEGIN:VEVENT"), 17);  // Vienna, June 2024
    EXPECT_EQ(unstamped(ReadFile(good).toStdString()), unstamped(want));
}

// ------------------------------------------------------------- options

namespace {

// Opens File, Options, notes what the boxes show, types into the boxes
// given (nullptr leaves a box as shown) and presses Save.
struct OptionsRun {
    std::string shown;    // "longitude|latitude|time zone|zone" as the dialog opened
    bool marked = false;  // the zone marked as unknown as the dialog opened
    bool closed = false;
    Log log;
};
OptionsRun SaveOptions(Window& t, const char* lon, const char* lat, const char* tz, const char* zone = nullptr) {
    OptionsRun r;
    t.rep.clear();
    t.script = [&](QDialog& d) {
        auto& o = static_cast<ui::FormOptions&>(d);
        r.shown = QStringList{o.TextLong->text(), o.TextLat->text(), o.TextTZ->text(), o.ComboZone->currentText()}
                      .join('|')
                      .toStdString();
        r.marked = !o.Label8->text().isEmpty();
        for (auto [box, text] : {std::pair{o.TextLong, lon}, {o.TextLat, lat}, {o.TextTZ, tz}})
            if (text) Type(box, text);
        if (zone) o.ComboZone->setEditText(zone);
        QTest::mouseClick(o.CommandSave, Qt::LeftButton);
        r.closed = !o.isVisible();
        r.log = t.rep.log;
        if (!r.closed) QTest::keyClick(&o, Qt::Key_Escape);
    };
    t.w->menuFOptions()->trigger();
    return r;
}

}  // namespace

TEST(OptionsDialog, BoundsZeroAndWholeHours) {
    Window t;
    t.start();
    const struct {
        const char *lon, *lat, *tz;
        bool ok;
    } cases[] = {
        {"180", "90", "12", true},     {"-180", "-90", "-12", true},
        {"180.5", "10", "1", false},   {"10", "90.01", "1", false},
        {"10", "10", "13", false},     {"10", "10", "5.5", false},
        {"0", "0", "0", true},         {"0.0", "10", "1", false},
        {"-0", "10", "1", false},      {"00", "10", "1", false},
        {" 0", "10", "1", false},      {"10", "abc", "1", false},
        {"12abc", "10", "1", true},    {"16,33", "48.25", "1", true},
    };
    for (const auto& c : cases) {
        const OptionsRun r = SaveOptions(t, c.lon, c.lat, c.tz);
        EXPECT_EQ(r.closed, c.ok) << c.lon << " " << c.lat << " " << c.tz;
        EXPECT_EQ(r.log, c.ok ? Log{} : kWrongValue);
    }
    // The last good Save wrote 16 (the comma ended the number).
    EXPECT_TRUE(t.ini().startsWith("Almucan V0.9\r\n 16\r\n 48.25\r\n 1\r\n"));
    EXPECT_EQ(t.w->settings().longitude, 16);

    // Longitude 0 is shown as "0" and saves again as it is.
    SaveOptions(t, "0", "-33.5", "-5");
    const OptionsRun again = SaveOptions(t, nullptr, nullptr, nullptr);
    EXPECT_EQ(again.shown, "0|-33.5|-5|(fixed: Time Zone above)");
    EXPECT_TRUE(again.closed);
    EXPECT_TRUE(again.log.empty());

    // A right longitude, a wrong latitude, then Cancel: the file and, after
    // the reload, the location in use are unchanged.
    const QByteArray before = t.ini();
    EXPECT_FALSE(SaveOptions(t, "20", "95", "1").closed);
    EXPECT_EQ(t.ini(), before);
    EXPECT_EQ(t.w->settings().longitude, 0);
    EXPECT_EQ(t.w->settings().latitude, -33.5);
}

TEST(OptionsDialog, SaveThatCannotWriteIsReported) {
    Window t;
    t.start();
    // A non-empty folder where the settings file belongs: the new file
    // cannot be renamed over it, whoever runs the test.
    ASSERT_TRUE(QFile::remove(t.iniPath()));
    ASSERT_TRUE(QDir(t.dir.path()).mkpath("Almucan.INI/keep"));
    const OptionsRun r = SaveOptions(t, "20", "50", "2");
    EXPECT_TRUE(r.closed);
    EXPECT_EQ(r.log, (Log{"beep", "box:Error:Can't write\r\n   " + t.iniPath().toStdString() + "\r\nto disk."}));
    EXPECT_TRUE(QDir(t.iniPath() + "/keep").exists());
}

// The Options dialog's zone box: an unknown name is shown marked and
// refused by Save; a known one is written on line 11 with line 4 its
// standard offset in whole hours (Kolkata's +5:30 gives 6); the first entry
// is the fixed zone and writes ten lines again.
TEST(OptionsDialog, ZoneBoxShowsChecksAndSaves) {
    Window t;
    WriteFile(t.iniPath(), kTenLines + "Mars/Olympus\r\n");
    t.start();
    EXPECT_TRUE(t.w->checkST()->isEnabled());  // unknown: the fixed zone
    const QByteArray six = QByteArray(kTenLines).replace("\r\n 1\r\n", "\r\n 6\r\n");
    const struct {
        const char* typed;
        const char* shown;  // the boxes as the dialog opens
        bool marked, closes;
        QByteArray ini;
    } steps[] = {
        {"Mars/Olympus", "16.33|48.25|1|Mars/Olympus", true, false, kTenLines + "Mars/Olympus\r\n"},
        {"Asia/Kolkata", "16.33|48.25|1|Mars/Olympus", true, true, six + "Asia/Kolkata\r\n"},
        {"(fixed: Time Zone above)", "16.33|48.25|6|Asia/Kolkata", false, true, six},
    };
    for (const auto& s : steps) {
        const OptionsRun r = SaveOptions(t, nullptr, nullptr, nullptr, s.typed);
        SCOPED_TRACE(s.typed);
        EXPECT_EQ(r.shown, s.shown);
        EXPECT_EQ(r.marked, s.marked);
        EXPECT_EQ(r.closed, s.closes);
        EXPECT_EQ(r.log, s.closes ? Log{} : kWrongValue);
        EXPECT_EQ(t.ini(), s.ini);
    }
}

// While a zone is named the Summertime box is off and Calculate follows the
// zone (the switch of 29 March included), whatever the box says.
TEST(MainWindow, NamedZoneSetsTheSummertimeBoxAside) {
    Window t;
    WriteFile(t.iniPath(), kTenLines + "Europe/Vienna\r\n");
    t.start();
    EXPECT_FALSE(t.w->checkST()->isEnabled());
    t.w->textDate()->setText("202603");
    t.w->checkST()->setChecked(true);
    QTest::mouseClick(t.w->commandCalc(), Qt::LeftButton);
    report::SilentReporter quiet;
    const auto r = month::CalculateMonth("202603", false, month::Location{16.33, 48.25, 1, "Europe/Vienna"}, quiet);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), r->clipboard);
    EXPECT_TRUE(t.rep.log.empty());
}

// --------------------------------------------------------------- print

// The paper and orientation of the print target and the margin texts reach
// the check: at least 100 mm must stay free each way (A4 210 x 297 mm, US
// Letter 215.9 x 279.4 mm).
TEST(PrintDialog, MarginChecksForA4AndLetter) {
    Window t;
    t.start();
    const Log tooLarge{"beep", "box:Error:Margins too large."};
    const Log wrong{"box:Error:Wrong value(s) for margin(s)."};
    const struct {
        QPageSize::PageSizeId paper;
        bool landscape;
        const char *top, *left;  // bottom and right the same
        Log log;
    } cases[] = {
        {QPageSize::A4, false, "0", "55", {}},
        {QPageSize::A4, false, "0", "55.5", tooLarge},
        {QPageSize::Letter, false, "0", "57.9", {}},
        {QPageSize::Letter, false, "0", "57.95", tooLarge},
        {QPageSize::A4, true, "55.5", "0", tooLarge},
        {QPageSize::A4, true, "0", "98.5", {}},
        {QPageSize::A4, false, "abc", "0", wrong},
        {QPageSize::A4, false, "0.0", "0", wrong},
        {QPageSize::A4, false, "-1", "0", wrong},
        {QPageSize::A5, false, "0", "0",
         {"box:Error:Unknown paper format.\r\nPlease choose US Letter or DIN A4 at printer setup."}},
    };
    const QByteArray before = t.ini();
    t.print("200106", [&](ui::FormPrint& p) {
        for (const auto& c : cases) {
            QPrinter& printer = t.w->printTarget().printer;
            printer.setPageSize(QPageSize(c.paper));
            printer.setPageOrientation(c.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
            for (QLineEdit* box : {p.textMT(), p.textMB()}) box->setText(c.top);
            for (QLineEdit* box : {p.textML(), p.textMR()}) box->setText(c.left);
            t.rep.clear();
            EXPECT_EQ(p.CheckPrinting(), c.log.empty()) << c.top << " " << c.left;
            EXPECT_EQ(t.rep.log, c.log) << c.top << " " << c.left;
        }
        // Save is refused the same way (A5 still set).
        t.rep.clear();
        QTest::mouseClick(p.commandSave(), Qt::LeftButton);
        EXPECT_EQ(t.rep.boxes.size(), 1u);
        p.reject();
    });
    EXPECT_EQ(t.ini(), before);
}

// Save writes the layout; letters in the font size give size 0.
TEST(PrintDialog, SaveWritesLayoutLettersGiveSizeZero) {
    Window t;
    t.start();
    t.print("200106", [](ui::FormPrint& p) {
        p.textMT()->setText("10");
        p.textMB()->setText("12.5");
        p.textML()->setText("5");
        p.comboFont()->setEditText("No Such Font Family");
        p.textFS()->setText("abc");
        QTest::mouseClick(p.commandSave(), Qt::LeftButton);
    });
    EXPECT_TRUE(t.rep.log.empty());
    EXPECT_TRUE(t.ini().endsWith(" 10\r\n 12.5\r\n 5\r\n 0\r\nNo Such Font Family\r\n 0\r\n")) << t.ini().toStdString();
    EXPECT_EQ(t.w->settings().fontSize, 0.0f);
}

// Print writes the month to a PDF named by it, says where, and leaves the
// saved layout alone.
TEST(PrintDialog, PrintWritesPdfAndKeepsSavedLayout) {
    Window t;
    t.start();
    const QByteArray before = t.ini();
    t.print("200103", [](ui::FormPrint& p) {
        p.textML()->setText("15");
        p.textFS()->setText("0");  // a font size of 0 must not upset the run
        QTest::mouseClick(p.commandPrint(), Qt::LeftButton);
    });
    const QString pdf = t.dir.filePath("Almucan-200103.pdf");
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(QDir(t.dir.path()).entryList({"Almucan-200103.pdf*"}).size(), 1);  // no temporary file left
    ASSERT_EQ(t.rep.boxes.size(), 1u);
    EXPECT_NE(t.rep.boxes[0].text.find(pdf.toStdString()), std::string::npos);
    EXPECT_EQ(t.w->settings().marginLeft, 0);
    EXPECT_EQ(t.w->settings().outputDevice, settings::OutputDevice::Screen);
    EXPECT_EQ(t.ini(), before);

    QProcess pt;
    pt.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pt.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(pt.readAllStandardOutput()).contains("Month: 200103"));
    // The job's title is the PDF's.
    pt.start("pdfinfo", {pdf});
    ASSERT_TRUE(pt.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(pt.readAllStandardOutput())
                    .contains(QRegularExpression("^Title: +Almucan 200103$", QRegularExpression::MultilineOption)));
}

TEST(PrintDialog, FailedPrintRunsAreReported) {
    const std::string failed = "The page could not be printed.\r\n";
    const struct {
        const char* what;
        std::function<void(ui::PrintTarget&, const QString& dir)> setup;
        rlim_t maxFileBytes;  // limit on the size of any file written
        std::string message;  // the start of the message box's text
    } cases[] = {
        {"PDF in a folder that cannot exist",
         [](ui::PrintTarget& p, const QString&) { p.printer.setOutputFileName("/proc/no/such/dir/x.pdf"); },
         RLIM_INFINITY, failed + "Can't write /proc/no/such/dir/x.pdf: "},
        {"PDF cut short (disk full)",
         [](ui::PrintTarget& p, const QString& dir) { p.printer.setOutputFileName(dir + "/x.pdf"); },
         4000, failed + "Can't write %1/x.pdf: the document is incomplete."},
        {"a printer the print system does not know (Qt drops its name)",
         [](ui::PrintTarget& p, const QString&) {
             p.toPdf = false;
             p.printer.setOutputFormat(QPrinter::NativeFormat);
             p.printer.setPrinterName("NoSuchPrinter");
         },
         RLIM_INFINITY, failed + "No printer is available."},
    };
    std::signal(SIGXFSZ, SIG_IGN);
    for (const auto& c : cases) {
        Window t;
        t.start();
        const QString dir = t.dir.path();
        // An earlier PDF of the same name stays as it was.
        WriteFile(dir + "/x.pdf", "old page");
        t.w->printTarget().fileChosen = true;
        c.setup(t.w->printTarget(), dir);
        t.w->textDate()->setText("200103");
        t.rep.clear();
        rlimit keep{};
        ::getrlimit(RLIMIT_FSIZE, &keep);
        rlimit limit = keep;
        limit.rlim_cur = std::min(c.maxFileBytes, keep.rlim_max);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        t.w->Calculate(settings::OutputDevice::Printer);
        ::setrlimit(RLIMIT_FSIZE, &keep);
        ASSERT_EQ(t.rep.boxes.size(), 1u) << c.what;
        EXPECT_EQ(t.rep.boxes[0].title, "Error");
        std::string want = c.message;
        if (const auto at = want.find("%1"); at != std::string::npos) want.replace(at, 2, dir.toStdString());
        EXPECT_EQ(t.rep.boxes[0].text.rfind(want, 0), 0u) << c.what << ": " << t.rep.boxes[0].text;
        EXPECT_EQ(t.w->settings().outputDevice, settings::OutputDevice::Screen);
        EXPECT_EQ(ReadFile(dir + "/x.pdf"), "old page") << c.what;
        // No temporary file is left beside it.
        EXPECT_EQ(QDir(dir).entryList({"x.pdf*"}, QDir::Files).size(), 1) << c.what;
    }
}

// Setup shows only the papers the margin check knows, and what it sets
// (confirmed with OK, not with Cancel) holds for later dialogs of the run.
TEST(PrintDialog, SetupChoosesPaperAndOrientationForTheRun) {
    Window t;
    t.start();
    const struct {
        int paper;  // index in the paper list
        bool landscape, ok;
        const char* shownBefore;  // paper and orientation the set-up opens with
        const char* after;        // the print dialog's line afterwards
    } steps[] = {
        {1, true, true, "A4 portrait", "US Letter, landscape"},
        {0, false, false, "US Letter landscape", "US Letter, landscape"},
        {0, true, true, "US Letter landscape", "A4, landscape"},
    };
    for (const auto& s : steps) {
        QString opened, line;
        QStringList papers;
        t.print("200106", [&](ui::FormPrint& p) {
            t.script = [&](QDialog& dlg) {
                auto& u = static_cast<ui::PrinterSetupDialog&>(dlg);
                for (int i = 0; i < u.ComboPaper->count(); ++i) papers << u.ComboPaper->itemText(i);
                opened = u.ComboPaper->currentText() + (u.OptionLandscape->isChecked() ? " landscape" : " portrait");
                u.ComboPaper->setCurrentIndex(s.paper);
                (s.landscape ? u.OptionLandscape : u.OptionPortrait)->setChecked(true);
                QTest::mouseClick(u.Buttons->button(s.ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                                  Qt::LeftButton);
            };
            QTest::mouseClick(p.commandSetup(), Qt::LeftButton);
            line = p.labelOutput()->text();
            p.reject();
        });
        EXPECT_EQ(papers, QStringList({"A4", "US Letter"}));
        EXPECT_EQ(opened.toStdString(), s.shownBefore);
        EXPECT_EQ(line, "PDF file: " + t.dir.filePath("Almucan-200106.pdf") + " - " + s.after);
    }
    EXPECT_TRUE(t.rep.log.empty());
}
