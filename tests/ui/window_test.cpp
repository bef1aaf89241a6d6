// The desktop windows driven as a user drives them: keys and clicks on the
// real widgets, message boxes and beeps recorded, settings in a temporary
// folder, print runs into PDF files read back with pdftotext.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QRadioButton>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QScreen>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <sys/resource.h>

#include "ical/darknights.h"
#include "recording_reporter.h"
#include "settings/settingsfile.h"
#include "ui/form1.h"
#include "ui/formoptions.h"
#include "ui/formprint.h"
#include "ui/picturebox.h"
#include "ui/printersetup.h"
#include "ui/printtarget.h"
#include "render/qt/qtsurface.h"

namespace {

// A main window on a temporary settings folder, printing into PDF files
// there, with today's date and the modal dialogs under the test's control.
struct Window {
    QTemporaryDir dir;
    RecordingReporter rep;
    std::unique_ptr<ui::Form1> w;
    int exitCode = -1;
    QDate today{2001, 6, 15};
    // What the "user" does in the next modal dialog.
    std::function<void(QDialog&)> script = [](QDialog& d) { d.reject(); };

    Window() {
        auto target = std::make_unique<ui::PrintTarget>(true);
        target->pdfFolder = dir.path();
        w = std::make_unique<ui::Form1>(rep, dir.path().toStdString(), std::move(target));
        w->setToday([this] { return today; });
        w->setExitHandler([this](int code) { exitCode = code; });
        w->setDialogRunner([this](QDialog& d) {
            d.show();
            script(d);
            return d.result();
        });
    }
    QString iniPath() const { return dir.filePath("Almucan.INI"); }
    QByteArray ini() const {
        QFile f(iniPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    void start() { w->start(); }
};

int NonWhitePixels(const QImage& img) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++n;
    return n;
}

void Type(QLineEdit* e, const QString& text) {
    e->clear();
    QTest::keyClicks(e, text);
}

}  // namespace

TEST(MainWindow, StartCreatesSettingsAndFillsTheMonth) {
    Window t;
    t.start();
    EXPECT_EQ(t.w->windowTitle().toStdString(), "Almucan V0.9 - Rise and Set for Sun and Moon");
    EXPECT_EQ(t.w->textDate()->text().toStdString(), "200106");
    EXPECT_TRUE(t.ini().startsWith("Almucan V0.9\r\n 16.33\r\n 48.25\r\n 1\r\n"));
    EXPECT_EQ(t.w->settings().outputDevice, settings::OutputDevice::Screen);
    EXPECT_TRUE(t.rep.boxes.empty());
}

TEST(MainWindow, EnterCalculatesBadMonthLeavesEverythingAlone) {
    Window t;
    t.start();
    QApplication::clipboard()->setText("before");
    const QImage blank = t.w->picture1()->backing();

    for (const char* bad : {"20011", "2001013", "200100", "200113", "189912", "210101"}) {
        t.rep.clear();
        Type(t.w->textDate(), bad);
        QTest::keyClick(t.w->textDate(), Qt::Key_Return);
        ASSERT_EQ(t.rep.log.size(), 2u) << bad;
        EXPECT_EQ(t.rep.log[0], "beep");
        EXPECT_EQ(t.rep.log[1], "box:Error:Input error.");
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

TEST(MainWindow, OpensLargeWithAMinimumThatKeepsTheMonthReadable) {
    Window t;
    t.start();
    // The offscreen screen is 800 x 600: the window takes what it can of
    // 1000 x 720, and never less than its minimum.
    const QSize avail = t.w->screen()->availableGeometry().size();
    EXPECT_EQ(t.w->width(), std::max(std::min(1000, avail.width()), t.w->minimumWidth()));
    EXPECT_EQ(t.w->height(), std::max(std::min(720, avail.height()), t.w->minimumHeight()));
    // At the minimum the input row is whole and each of the 32 rows is at
    // least one text height.
    t.w->resize(t.w->minimumSize());
    QTest::mouseClick(t.w->commandCalc(), Qt::LeftButton);
    const QRect help = t.w->commandHelp()->geometry();
    EXPECT_LE(help.right(), t.w->frame1()->contentsRect().right());
    EXPECT_GE(t.w->layout().y_d, QFontMetricsF(render::PictureFont(), &t.w->picture1()->image()).height());
    t.w->resize(300, 200);
    EXPECT_EQ(t.w->size(), t.w->minimumSize());
}

TEST(MainWindow, PageFollowsThePictureBoxSize) {
    Window t;
    t.start();
    t.w->resize(700, 600);
    QTest::mouseClick(t.w->commandCalc(), Qt::LeftButton);
    const render::PageLayout before = t.w->layout();
    const QSize small = t.w->picture1()->backing().size();
    QApplication::clipboard()->setText("kept");
    // Larger: laid out again and drawn into the new right-hand part, with
    // no new calculation (the clipboard keeps its text).
    t.w->resize(t.w->width() + 200, t.w->height() + 100);
    const QImage& img = t.w->picture1()->backing();
    ASSERT_GT(img.width(), small.width());
    EXPECT_GT(t.w->layout().xg_d, before.xg_d);
    EXPECT_GT(t.w->layout().y_d, before.y_d);
    int right = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = small.width(); x < img.width(); ++x)
            if ((img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF) ++right;
    EXPECT_GT(right, 100);
    // Smaller again: the same layout as the first drawing.
    t.w->resize(t.w->width() - 200, t.w->height() - 100);
    EXPECT_DOUBLE_EQ(t.w->layout().xg_d, before.xg_d);
    EXPECT_DOUBLE_EQ(t.w->layout().y_d, before.y_d);
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), "kept");
    EXPECT_TRUE(t.rep.log.empty());
}

TEST(MainWindow, SummerTimeRuleNeverUnchecks) {
    struct Case {
        int month;
        bool checked;
    };
    for (Case c : {Case{3, false}, Case{4, true}, Case{10, true}, Case{11, false}}) {
        Window t;
        t.today = QDate(2024, c.month, 1);
        t.start();
        EXPECT_EQ(t.w->checkST()->isChecked(), c.checked) << c.month;
        EXPECT_EQ(t.w->textDate()->text(), QString("2024%1").arg(c.month, 2, 10, QChar('0')));
    }
    // Unchecked by the user in June: after closing the options dialog it is
    // checked again and the month box is back at the current month.
    Window t;
    t.start();
    QTest::mouseClick(t.w->checkST(), Qt::LeftButton);
    ASSERT_FALSE(t.w->checkST()->isChecked());
    Type(t.w->textDate(), "199912");
    t.w->menuFOptions()->trigger();
    EXPECT_TRUE(t.w->checkST()->isChecked());
    EXPECT_EQ(t.w->textDate()->text().toStdString(), "200106");
    // In November the box keeps what the user left.
    t.today = QDate(2001, 11, 2);
    t.w->Form_Activate();
    EXPECT_TRUE(t.w->checkST()->isChecked());
}

TEST(MainWindow, HelpInfoAndExit) {
    Window t;
    t.start();
    QTest::mouseClick(t.w->commandHelp(), Qt::LeftButton);
    t.w->menuFInfo()->trigger();
    ASSERT_EQ(t.rep.boxes.size(), 2u);
    for (const auto& b : t.rep.boxes) {
        EXPECT_EQ(b.title, "Help");
        EXPECT_EQ(b.icon, report::Icon::Information);
    }
    EXPECT_TRUE(t.rep.boxes[0].text.starts_with(
        "Input the month (format yyyymm) and activate 'Summertime'\r\n"));
    EXPECT_TRUE(t.rep.boxes[0].text.ends_with("daylight (light grey) and moon (yellow)."));
    EXPECT_TRUE(t.rep.boxes[1].text.starts_with("Almucan V0.9\r\n"));

    // Exit ends at once and writes nothing.
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
    EXPECT_EQ(t.w->menuFExportDark()->text().remove('&').toStdString(), "Export dark nights...");
    Type(t.w->textDate(), "202406");
    QString asked;
    QString answer;
    t.w->setIcsFileChooser([&](const QString& suggested) {
        asked = suggested;
        return answer;
    });
    const QString good = t.dir.filePath("june.ics");
    struct Case {
        const char* month;
        QString file;
        bool asks;
        std::vector<std::string> log;  // the reporter's calls
    } cases[] = {
        {"200113", good, false, {"beep", "box:Error:Input error."}},
        {"202406", "", true, {}},  // the dialog cancelled
        {"202406", t.dir.filePath("no/such/june.ics"), true,
         {"box:Error:The dark nights could not be exported:\r\ncannot write " +
          t.dir.filePath("no/such/june.ics").toStdString() + ": No such file or directory"}},
        {"202406", good, true, {}},
    };
    for (const Case& c : cases) {
        t.rep.clear();
        asked.clear();
        answer = c.file;
        Type(t.w->textDate(), c.month);
        t.w->menuFExportDark()->trigger();
        EXPECT_EQ(t.rep.log, c.log) << c.month << " " << c.file.toStdString();
        EXPECT_EQ(!asked.isEmpty(), c.asks) << c.month;
    }
    EXPECT_TRUE(asked.endsWith("dark-nights-202406.ics")) << asked.toStdString();

    QFile f(good);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const std::string written = f.readAll().toStdString();
    const settings::Settings& st = t.w->settings();
    const month::Location loc{st.longitude, st.latitude, st.timeZone};
    const bool summer = t.w->checkST()->isChecked();
    report::SilentReporter quiet;
    std::string want = ical::DarkNightsCalendar({*month::CalculateMonth("202406", summer, loc, quiet)},
                                                ical::Place{loc, summer}, 0);
    // DTSTAMP is the time of the export.
    auto unstamped = [](std::string s) {
        for (std::size_t p; (p = s.find("DTSTAMP:")) != std::string::npos;)
            s.erase(p, s.find("\r\n", p) + 2 - p);
        return s;
    };
    EXPECT_EQ(QString::fromStdString(want).count("BEGIN:VEVENT"), 17);  // Vienna, June 2024
    EXPECT_EQ(unstamped(written), unstamped(want));
}

TEST(MainWindow, SettingsFileNotValidEndsTheProgram) {
    for (const char* header : {"Almucan V1.0\r\n", "Almucan V0.9 \r\n"}) {
        Window t;
        QFile f(t.iniPath());
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(header) + " 1\r\n 2\r\n 3\r\n 0\r\n 0\r\n 0\r\n 0\r\nX\r\n 10\r\n");
        f.close();
        t.start();
        ASSERT_EQ(t.rep.log.size(), 2u);
        EXPECT_EQ(t.rep.log[0], "beep");
        EXPECT_EQ(t.rep.log[1], "box:Error:INI-file " + t.iniPath().toStdString() +
                                    " not valid.\r\nPlease delete it.");
        EXPECT_EQ(t.exitCode, 1);
        // Nothing runs after the end.
        QTest::mouseClick(t.w->commandHelp(), Qt::LeftButton);
        EXPECT_EQ(t.rep.boxes.size(), 1u);
    }
}

// ------------------------------------------------------------- options

namespace {

// Opens File, Options, types the three values and presses Save; returns
// the recorded log and whether the dialog closed.
struct OptionsRun {
    std::vector<std::string> log;
    bool closed = false;
};
OptionsRun SaveOptions(Window& t, const QString& lon, const QString& lat, const QString& tz) {
    OptionsRun r;
    t.rep.clear();
    t.script = [&](QDialog& d) {
        auto& o = static_cast<ui::FormOptions&>(d);
        Type(o.TextLong, lon);
        Type(o.TextLat, lat);
        Type(o.TextTZ, tz);
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
    struct Case {
        const char *lon, *lat, *tz;
        bool ok;
    };
    const Case cases[] = {
        {"180", "90", "12", true},     {"-180", "-90", "-12", true},
        {"180.5", "10", "1", false},   {"10", "90.01", "1", false},
        {"10", "10", "13", false},     {"10", "10", "5.5", false},
        {"0", "0", "0", true},         {"0.0", "10", "1", false},
        {"-0", "10", "1", false},      {"00", "10", "1", false},
        {" 0", "10", "1", false},      {"10", "abc", "1", false},
        {"12abc", "10", "1", true},    {"16,33", "48.25", "1", true},
    };
    for (const Case& c : cases) {
        OptionsRun r = SaveOptions(t, c.lon, c.lat, c.tz);
        EXPECT_EQ(r.closed, c.ok) << c.lon << " " << c.lat << " " << c.tz;
        if (c.ok) {
            EXPECT_TRUE(r.log.empty());
        } else {
            ASSERT_EQ(r.log.size(), 2u);
            EXPECT_EQ(r.log[0], "beep");
            EXPECT_EQ(r.log[1], "box:Error:Input error - wrong value.");
        }
    }
    // The last good Save wrote 16 (the comma ended the number).
    EXPECT_TRUE(t.ini().startsWith("Almucan V0.9\r\n 16\r\n 48.25\r\n 1\r\n"));
    EXPECT_EQ(t.w->settings().longitude, 16);
}

TEST(OptionsDialog, FieldsShownAndCancelWritesNothing) {
    Window t;
    t.start();
    SaveOptions(t, "0", "-33.5", "-5");
    QString shown;
    t.script = [&](QDialog& d) {
        auto& o = static_cast<ui::FormOptions&>(d);
        shown = o.TextLong->text() + "|" + o.TextLat->text() + "|" + o.TextTZ->text();
        // Longitude 0 shown as "0" saves at once.
        QTest::mouseClick(o.CommandSave, Qt::LeftButton);
    };
    t.rep.clear();
    t.w->menuFOptions()->trigger();
    EXPECT_EQ(shown.toStdString(), "0|-33.5|-5");
    EXPECT_TRUE(t.rep.log.empty());

    // A right longitude, a wrong latitude, then Cancel: the file and, after
    // the reload, the location in use are unchanged.
    const QByteArray before = t.ini();
    OptionsRun r = SaveOptions(t, "20", "95", "1");
    EXPECT_FALSE(r.closed);
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
    OptionsRun r = SaveOptions(t, "20", "50", "2");
    EXPECT_TRUE(r.closed);
    ASSERT_EQ(r.log.size(), 2u);
    EXPECT_EQ(r.log[0], "beep");
    EXPECT_EQ(r.log[1], "box:Error:Can't write\r\n   " + t.iniPath().toStdString() +
                            "\r\nto disk.");
    EXPECT_TRUE(QDir(t.iniPath() + "/keep").exists());
}

// --------------------------------------------------------------- print

namespace {

struct PrintDialog {
    Window t;
    std::unique_ptr<ui::FormPrint> p;
    PrintDialog() {
        t.start();
        p = std::make_unique<ui::FormPrint>(t.w->settings(), t.rep, t.w->printTarget(),
                                            [this] { t.w->Calculate(settings::OutputDevice::Printer); },
                                            t.w->textDate()->text().toStdString());
    }
    void paper(QPageSize::PageSizeId id, QPageLayout::Orientation o) {
        t.w->printTarget().printer.setPageSize(QPageSize(id));
        t.w->printTarget().printer.setPageOrientation(o);
    }
    bool check(const char* top, const char* bottom, const char* left, const char* right) {
        p->textMT()->setText(top);
        p->textMB()->setText(bottom);
        p->textML()->setText(left);
        p->textMR()->setText(right);
        t.rep.clear();
        return p->CheckPrinting();
    }
};

}  // namespace

TEST(PrintDialog, MarginChecksForA4AndLetter) {
    PrintDialog d;
    EXPECT_EQ(d.p->textMT()->text().toStdString(), "0");
    d.paper(QPageSize::A4, QPageLayout::Portrait);
    EXPECT_TRUE(d.check("0", "0", "0", "0"));
    EXPECT_TRUE(d.check("0", "0", "55", "55"));
    EXPECT_FALSE(d.check("0", "0", "55.5", "55.5"));
    EXPECT_EQ(d.t.rep.log, (std::vector<std::string>{"beep", "box:Error:Margins too large."}));

    d.paper(QPageSize::Letter, QPageLayout::Portrait);
    EXPECT_TRUE(d.check("0", "0", "57.9", "57.9"));
    EXPECT_FALSE(d.check("0", "0", "57.95", "57.95"));

    d.paper(QPageSize::A4, QPageLayout::Landscape);
    EXPECT_TRUE(d.check("55", "55", "0", "0"));
    EXPECT_FALSE(d.check("55.5", "55.5", "0", "0"));
    EXPECT_TRUE(d.check("0", "0", "98.5", "98.5"));

    for (const char* bad : {"", "abc", "0.0", "-1"}) {
        EXPECT_FALSE(d.check(bad, "0", "0", "0")) << bad;
        EXPECT_EQ(d.t.rep.log,
                  (std::vector<std::string>{"box:Error:Wrong value(s) for margin(s)."}));
    }

    d.paper(QPageSize::A5, QPageLayout::Portrait);
    EXPECT_FALSE(d.check("0", "0", "0", "0"));
    EXPECT_EQ(d.t.rep.log, (std::vector<std::string>{
                               "box:Error:Unknown paper format.\r\nPlease choose US Letter or "
                               "DIN A4 at printer setup."}));
    // Save is refused the same way and writes nothing.
    const QByteArray before = d.t.ini();
    d.t.rep.clear();
    QTest::mouseClick(d.p->commandSave(), Qt::LeftButton);
    EXPECT_EQ(d.t.rep.boxes.size(), 1u);
    EXPECT_EQ(d.t.ini(), before);
}

TEST(PrintDialog, SaveWritesLayoutLettersGiveSizeZero) {
    PrintDialog d;
    d.check("10", "12.5", "5", "0");
    d.p->comboFont()->setEditText("No Such Font Family");
    d.p->textFS()->setText("abc");
    QTest::mouseClick(d.p->commandSave(), Qt::LeftButton);
    EXPECT_TRUE(d.t.rep.log.empty());
    EXPECT_TRUE(d.t.ini().endsWith(" 10\r\n 12.5\r\n 5\r\n 0\r\nNo Such Font Family\r\n 0\r\n"))
        << d.t.ini().toStdString();
    EXPECT_EQ(d.t.w->settings().fontSize, 0.0f);
}

TEST(PrintDialog, PrintWritesPdfAndKeepsSavedLayout) {
    PrintDialog d;
    d.t.w->textDate()->setText("200103");
    d.p = std::make_unique<ui::FormPrint>(d.t.w->settings(), d.t.rep, d.t.w->printTarget(),
                                          [&d] { d.t.w->Calculate(settings::OutputDevice::Printer); }, "200103");
    const QByteArray before = d.t.ini();
    d.check("20", "20", "15", "15");
    // A font size of 0 must not upset the print run.
    d.p->textFS()->setText("0");
    QTest::mouseClick(d.p->commandPrint(), Qt::LeftButton);
    const QString pdf = d.t.dir.filePath("Almucan-200103.pdf");
    ASSERT_TRUE(QFile::exists(pdf));
    EXPECT_EQ(QDir(d.t.dir.path()).entryList({"Almucan-200103.pdf*"}).size(), 1);  // no temporary file left
    ASSERT_EQ(d.t.rep.boxes.size(), 1u);
    EXPECT_NE(d.t.rep.boxes[0].text.find(pdf.toStdString()), std::string::npos);
    EXPECT_EQ(d.t.w->settings().marginLeft, 0);
    EXPECT_EQ(d.t.w->settings().outputDevice, settings::OutputDevice::Screen);
    EXPECT_EQ(d.t.ini(), before);

    QProcess pt;
    pt.start("pdftotext", {"-layout", pdf, "-"});
    ASSERT_TRUE(pt.waitForFinished(30000));
    const QString text = QString::fromUtf8(pt.readAllStandardOutput());
    EXPECT_TRUE(text.contains("Month: 200103")) << text.toStdString();
    EXPECT_TRUE(text.contains("Rise and Set for Sun and Moon"));
    // The job's title is the PDF's.
    pt.start("pdfinfo", {pdf});
    ASSERT_TRUE(pt.waitForFinished(30000));
    EXPECT_TRUE(QString::fromUtf8(pt.readAllStandardOutput())
                    .contains(QRegularExpression("^Title: +Almucan 200103$",
                                                 QRegularExpression::MultilineOption)));
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
         [](ui::PrintTarget& p, const QString&) {
             p.printer.setOutputFileName("/proc/no/such/dir/x.pdf");
         },
         RLIM_INFINITY, failed + "Can't write /proc/no/such/dir/x.pdf: "},
        {"PDF cut short (disk full)",
         [](ui::PrintTarget& p, const QString& dir) {
             p.printer.setOutputFileName(dir + "/x.pdf");
         },
         4000, failed + "Can't write %1/x.pdf: the document is incomplete."},
        {"a printer the print system does not know (Qt drops its name)",
         [](ui::PrintTarget& p, const QString&) {
             p.toPdf = false;
             p.printer.setOutputFormat(QPrinter::NativeFormat);
             p.printer.setPrinterName("NoSuchPrinter");
         },
         RLIM_INFINITY, failed + "No printer is available."},
    };
    for (const auto& c : cases) {
        PrintDialog d;
        const QString dir = d.t.dir.path();
        // An earlier PDF of the same name stays as it was.
        QFile old(dir + "/x.pdf");
        ASSERT_TRUE(old.open(QIODevice::WriteOnly));
        old.write("old page");
        old.close();
        d.t.w->printTarget().fileChosen = true;
        c.setup(d.t.w->printTarget(), dir);
        d.t.w->textDate()->setText("200103");
        d.t.rep.clear();
        std::signal(SIGXFSZ, SIG_IGN);
        rlimit keep{};
        ::getrlimit(RLIMIT_FSIZE, &keep);
        rlimit limit = keep;
        limit.rlim_cur = std::min(c.maxFileBytes, keep.rlim_max);
        ::setrlimit(RLIMIT_FSIZE, &limit);
        d.t.w->Calculate(settings::OutputDevice::Printer);
        ::setrlimit(RLIMIT_FSIZE, &keep);
        ASSERT_EQ(d.t.rep.boxes.size(), 1u) << c.what;
        EXPECT_EQ(d.t.rep.boxes[0].title, "Error");
        std::string want = c.message;
        if (const auto at = want.find("%1"); at != std::string::npos) want.replace(at, 2, dir.toStdString());
        EXPECT_EQ(d.t.rep.boxes[0].text.rfind(want, 0), 0u) << c.what << ": " << d.t.rep.boxes[0].text;
        EXPECT_EQ(d.t.w->settings().outputDevice, settings::OutputDevice::Screen);
        QFile again(dir + "/x.pdf");
        ASSERT_TRUE(again.open(QIODevice::ReadOnly));
        EXPECT_EQ(again.readAll(), "old page") << c.what;
        // No temporary file is left beside it.
        EXPECT_EQ(QDir(dir).entryList({"x.pdf*"}, QDir::Files).size(), 1) << c.what;
    }
}

// Setup shows only the papers the margin check knows, confirms with "OK",
// and what it sets holds for later dialogs of the run.
TEST(PrintDialog, SetupChoosesPaperAndOrientationForTheRun) {
    PrintDialog d;
    const QString file = d.t.dir.filePath("Almucan-200106.pdf");
    EXPECT_EQ(d.p->labelOutput()->text(), "PDF file: " + file + " - A4, portrait");
    struct Step {
        int paper;  // index in the paper list
        bool landscape, ok;
        const char* shownBefore;  // paper and orientation the set-up opens with
        const char* after;        // the print dialog's line afterwards
    };
    const Step steps[] = {
        {1, true, true, "A4 portrait", "US Letter, landscape"},
        {0, false, false, "US Letter landscape", "US Letter, landscape"},  // Cancel
        {0, true, true, "US Letter landscape", "A4, landscape"},
    };
    for (const Step& s : steps) {
        QString opened;
        d.t.script = [&](QDialog& dlg) {
            auto& u = static_cast<ui::PrinterSetupDialog&>(dlg);
            QStringList papers;
            for (int i = 0; i < u.ComboPaper->count(); ++i) papers << u.ComboPaper->itemText(i);
            EXPECT_EQ(papers, QStringList({"A4", "US Letter"}));
            EXPECT_EQ(u.Buttons->button(QDialogButtonBox::Ok)->text().remove('&'), "OK");
            EXPECT_EQ(u.LabelFile->buddy(), u.TextFile);
            EXPECT_EQ(u.ComboPrinter, nullptr);
            opened = u.ComboPaper->currentText() +
                     (u.OptionLandscape->isChecked() ? " landscape" : " portrait");
            u.ComboPaper->setCurrentIndex(s.paper);
            (s.landscape ? u.OptionLandscape : u.OptionPortrait)->setChecked(true);
            QTest::mouseClick(u.Buttons->button(s.ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel),
                              Qt::LeftButton);
        };
        d.p = std::make_unique<ui::FormPrint>(d.t.w->settings(), d.t.rep, d.t.w->printTarget(),
                                              [] {}, "200106", [&](QDialog& dlg) {
                                                  dlg.show();
                                                  d.t.script(dlg);
                                                  return dlg.result();
                                              });
        QTest::mouseClick(d.p->commandSetup(), Qt::LeftButton);
        EXPECT_EQ(opened.toStdString(), s.shownBefore);
        EXPECT_EQ(d.p->labelOutput()->text(), "PDF file: " + file + " - " + s.after);
    }
    EXPECT_TRUE(d.t.rep.log.empty());
}

// With a printer the set-up lists the print system's printers instead of a file.
TEST(PrintDialog, SetupWithPrintersOffersThePrinters) {
    QPrinter printer;
    ui::PrinterSetupDialog u(printer, false, {"Laser", "PDF"});
    EXPECT_EQ(u.TextFile, nullptr);
    ASSERT_NE(u.ComboPrinter, nullptr);
    EXPECT_EQ(u.LabelPrinter->buddy(), u.ComboPrinter);
    u.ComboPrinter->setCurrentIndex(1);
    EXPECT_EQ(u.printerName(), "PDF");
    EXPECT_EQ(u.fileName(), "");
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
