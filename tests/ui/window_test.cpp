// The desktop windows driven as a user drives them: keys and clicks on the
// real widgets, message boxes and beeps recorded, settings in a temporary
// folder, today's date, the end of the program and the modal dialogs under
// the test's control.  Print runs go into PDF files, or through a print
// system of the test's own, read back with poppler's pdftotext and pdfinfo.
// The program's print system is that one or none (CUPS_SERVER, set in
// main): never the machine's.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProcess>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScrollArea>
#include <QTest>
#include <QLocale>
#include <QPageSize>
#include <QPageLayout>
#include <QStatusBar>
#include <QScreen>
#include <QToolButton>

#include <signal.h>
#include <sys/resource.h>

#include "month/format.h"
#include "month/monthcalc.h"
#include "private_cups.h"
#include "recording_reporter.h"
#include "render/qt/qtsurface.h"
#include "settings/location.h"
#include "ui/mainwindow.h"
#include "ui/optionsdialog.h"
#include "ui/pagewidget.h"
#include "ui/printdialog.h"
#include "ui/printersetup.h"
#include "ui/printtarget.h"

namespace {

using Log = std::vector<std::string>;

std::string Clipboard() { return QApplication::clipboard()->text().toStdString(); }
QByteArray ReadFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}
// Standard output of a short command; empty when it fails or takes longer
// than `ms`.
QString Output(const QString& program, const QStringList& args, int ms = 20000) {
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(ms) ? QString::fromUtf8(p.readAllStandardOutput()) : QString();  // else killed on return
}
void Type(QLineEdit* e, const QString& text) {
    e->clear();
    if (text.contains('\t'))
        e->insert(text);  // pasted: a typed tab moves the focus
    else
        QTest::keyClicks(e, text);
}
void Click(QWidget* button) { QTest::mouseClick(button, Qt::LeftButton); }
// Pixels that are not white in the columns from `x0` on.
int NonWhitePixels(const QImage& img, int x0 = 0) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = x0; x < img.width(); ++x) n += (img.pixel(x, y) & 0xFFFFFF) != 0xFFFFFF;
    return n;
}

// A settings file of ten lines (eleven with a zone): the location lines as
// the program writes them, margins 0, print font DejaVu Sans 10.
QByteArray Ini(const char* lon, const char* lat, const char* tz, const char* zone = nullptr) {
    return QByteArray("Almucan V0.9\r\n") + lon + "\r\n" + lat + "\r\n" + tz +
           "\r\n 0\r\n 0\r\n 0\r\n 0\r\nDejaVu Sans\r\n 10\r\n" + (zone ? QByteArray(zone) + "\r\n" : "");
}

// A started main window.  Prints go into PDF files in its settings folder
// unless it is given another target.
struct Window {
    QTemporaryDir dir;
    RecordingReporter rep;
    std::unique_ptr<ui::MainWindow> w;
    int exitCode = -1;
    QDate today;
    // What the "user" does in the next modal dialog (none: reject it); a
    // dialog opened from inside it (the print dialog's set-up) gets the
    // script set meanwhile.
    std::function<void(QDialog&)> script;

    // Starts on the settings file `ini` (none when empty).
    explicit Window(const QByteArray& ini = {}, QDate date = {2001, 6, 15},
                    std::unique_ptr<ui::PrintTarget> target = std::make_unique<ui::PrintTarget>(true))
        : today(date) {
        target->pdfFolder = dir.path();
        w = std::make_unique<ui::MainWindow>(rep, dir.path().toStdString(), std::move(target));
        w->setToday([this] { return today; });
        w->setExitHandler([this](int code) { exitCode = code; });
        w->setDialogRunner([this](QDialog& d) {
            d.show();
            if (auto run = std::exchange(script, nullptr)) run(d);
            else d.reject();
            return d.result();
        });
        if (!ini.isEmpty()) WriteFile(iniPath(), ini);
        w->start();
    }
    // The messages of `act`.
    Log did(const std::function<void()>& act) {
        rep.clear();
        act();
        return rep.log;
    }
    // Types `month` and Enter in the month box; the messages.
    Log enter(const char* month) {
        return did([&] {
            Type(w->monthEdit(), month);
            QTest::keyClick(w->monthEdit(), Qt::Key_Return);
        });
    }
    // File, Options: `act` in the dialog.
    void options(const std::function<void(ui::OptionsDialog&)>& act) {
        script = [act](QDialog& d) { act(static_cast<ui::OptionsDialog&>(d)); };
        w->optionsAction()->trigger();
    }
    // File, Print with the month box at `month`; `inDialog` acts in the
    // print dialog and closes it.
    void print(const char* month, const std::function<void(ui::PrintDialog&)>& inDialog) {
        w->monthEdit()->setText(month);
        w->calculateButton()->click();
        script = [&](QDialog& d) { inDialog(static_cast<ui::PrintDialog&>(d)); };
        w->printAction()->trigger();
    }
    // Setup in the print dialog `p`: chooses `paper` (one of the papers
    // offered) and the orientation and confirms with OK or Cancel.
    void setup(ui::PrintDialog& p, const QString& paper, bool landscape, bool ok) {
        script = [&](QDialog& d) {
            auto& u = static_cast<ui::PrinterSetupDialog&>(d);
            u.paperBox()->setCurrentIndex(u.paperBox()->findText(paper));
            (landscape ? u.landscapeButton() : u.portraitButton())->setChecked(true);
            Click(u.buttons()->button(ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel));
        };
        Click(p.setupButton());
    }
    QImage page() const { return w->pageWidget()->backing(); }
    QString iniPath() const { return dir.filePath("Almucan.INI"); }
    QByteArray ini() const { return ReadFile(iniPath()); }
};

}  // namespace

// Enter in the month box: a bad month beeps and says so, leaving the
// clipboard and the page as they were; a good one fills both.  A larger
// window then lays the page out again and draws into the new part without
// a new calculation; at the minimum size the input row is whole and each
// of the 32 rows is at least one text height.  Export writes the month shown.
TEST(MainWindow, BadMonthLeavesEverythingAlonePageFollowsTheWindowExportsIt) {
    Window t;
    QApplication::clipboard()->setText("before");
    const QImage blank = t.page();
    for (const char* month : {"20011", "200113"}) EXPECT_EQ(t.enter(month), (Log{"beep", "box:Error:Input error."}));
    EXPECT_EQ(Clipboard(), "before");
    EXPECT_EQ(t.page(), blank);

    t.w->resize(700, 600);
    EXPECT_EQ(t.enter("200103"), Log{});
    EXPECT_EQ(QApplication::clipboard()->text().count("\r\n"), 124);  // 4 event keys a day, 31 days
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);           // hourglass gone
    EXPECT_GT(NonWhitePixels(t.page()), 1000);
    const double rowHeight = t.w->layout().rowHeight;
    const int width = t.page().width();
    QApplication::clipboard()->setText("kept");
    t.w->resize(t.w->width() + 200, t.w->height() + 100);
    EXPECT_GT(t.w->layout().rowHeight, rowHeight);
    EXPECT_GT(NonWhitePixels(t.page(), width), 100);
    EXPECT_EQ(Clipboard(), "kept");

    t.w->resize(300, 200);
    EXPECT_EQ(t.w->size(), t.w->minimumSize());
    EXPECT_LE(t.w->helpButton()->geometry().right(), t.w->inputRow()->contentsRect().right());
    EXPECT_GE(t.w->layout().rowHeight, QFontMetricsF(render::PictureFont(), &t.w->pageWidget()->image()).height());

    // File > Export dark nights... with the file dialog's answer chosen
    // (none: cancelled): the month shown, the place of the settings and the
    // summer-time box make the calendar.  Vienna in June 2024 (UTC+2): 17
    // dark, moonless intervals, the first from 22:47 CET on the 1st.
    QString answer;
    t.w->setIcsFileChooser([&](const QString&) { return answer; });
    const QString good = t.dir.filePath("june.ics"), bad = t.dir.filePath("no/such/june.ics");
    t.enter("202406");
    for (const QString& file : {QString(), bad, good}) {
        answer = file;
        EXPECT_EQ(t.did([&] { t.w->exportDarkNightsAction()->trigger(); }),
                  file != bad ? Log{} : Log{"box:Error:The dark nights could not be exported:\r\ncannot write " +
                                            bad.toStdString() + ": No such file or directory"});
    }
    const QString ics = ReadFile(good);
    EXPECT_EQ(ics.count("BEGIN:VEVENT"), 17);
    for (const char* line : {"DTSTART:20240601T214700Z", "(local time\\, UTC+2)", "GEO:48.250000;16.330000"})
        EXPECT_TRUE(ics.contains(line)) << line;
}

// The Summertime box is checked from April to October at each activation, but
// never unchecked.  A settings file that is not valid ends the program after
// its message and nothing runs after the end; Exit ends it at once and
// writes nothing.
TEST(MainWindow, SummerTimeRuleAndTheEndOfTheProgram) {
    for (const auto& [month, summer] : {std::pair{3, false}, {4, true}, {10, true}, {11, false}}) {
        Window t({}, QDate(2024, month, 1));
        EXPECT_EQ(t.w->summerTimeBox()->isChecked(), summer) << month;
    }
    Window t;
    t.today = QDate(2001, 11, 2);
    t.w->activate();
    EXPECT_TRUE(t.w->summerTimeBox()->isChecked());
    QFile::remove(t.iniPath());
    t.w->exitAction()->trigger();
    EXPECT_EQ(t.exitCode, 0);
    EXPECT_FALSE(QFile::exists(t.iniPath()));

    Window bad(Ini(" 1", " 2", " 3").replace("V0.9", "V0.9 "));
    Click(bad.w->helpButton());
    EXPECT_EQ(bad.rep.boxes.size(), 1u);
    EXPECT_EQ(bad.exitCode, 1);
}

// The window follows the user, step by step from a first start in June
// 2026 (the 15th) in Vienna's zone, this month in the box: the month buttons, PageUp/PageDown and
// Today recalculate; the status line says what the page shows (Vienna's
// summer time from 29 March 2026, the EU rule); Options Cancel changes
// nothing, not even the month box; Tromsø chosen by name and saved with
// Enter recalculates the page shown; Print and Export name the month shown;
// night vision is remembered; Ctrl+Q quits.  Today's row is marked only in
// today's month.  Only Calculate (Enter, the button) and a print run replace
// what the user copied with the month's event keys: browsing leaves it.
TEST(MainWindow, FollowsTheUser) {
    QApplication::clipboard()->setText("kept");
    Window t(Ini(" 16.33", " 48.25", " 1", "Europe/Vienna"), QDate(2026, 6, 15));
    const std::string vienna = " - 48.25 N 16.33 E - Europe/Vienna", summer = " (summer time from 29 Mar)";
    QString printLabel, exportName;
    t.w->setIcsFileChooser([&](const QString& suggested) { exportName = QFileInfo(suggested).fileName(); return QString(); });
    // Keys as the window system delivers them: shortcuts first.
    t.w->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(t.w.get()));
    auto key = [&](QKeyCombination k) { QTest::keySequence(t.w->monthEdit(), QKeySequence(k)); };
    const struct {
        std::function<void()> act;
        const char *box, *shown;
        std::string status;
        bool marked = false;  // today's row
        bool copied = false;  // the clipboard replaced
    } steps[] = {
        {[] {}, "202606", "202606", "June 2026" + vienna + summer, true},
        {[&] { key(Qt::Key_PageDown); }, "202607", "202607", "July 2026" + vienna + summer},
        {[&] { Click(t.w->nextButton()); }, "202608", "202608", "August 2026" + vienna + summer},
        {[&] { key(Qt::Key_PageUp); }, "202607", "202607", "July 2026" + vienna + summer},
        {[&] { t.enter("202610"); }, "202610", "202610", "October 2026" + vienna + " (summer time until 25 Oct)", false, true},
        {[&] { Click(t.w->previousButton()); }, "202609", "202609", "September 2026" + vienna + summer},
        {[&] { t.enter("202612"); }, "202612", "202612", "December 2026" + vienna + " (standard time)", false, true},
        {[&] { key(Qt::Key_T | Qt::ControlModifier); }, "202606", "202606", "June 2026" + vienna + summer, true},
        {[&] { Click(t.w->calculateButton()); }, "202606", "202606", "June 2026" + vienna + summer, true, true},
        {[&] {  // Options, Cancel
             Type(t.w->monthEdit(), "203001");
             t.options([](ui::OptionsDialog& o) { Type(o.longitudeEdit(), "1"); Click(o.cancelButton()); });
         }, "203001", "202606", "June 2026" + vienna + summer, true},
        {[&] {  // Options, Tromsø from the list, Enter
             t.options([](ui::OptionsDialog& o) {
                 QTest::keyClicks(o.placeEdit(), "tromso");
                 QAbstractItemView* list = o.placeEdit()->completer()->popup();
                 ASSERT_TRUE(list->isVisible());
                 QTest::keyClick(list, Qt::Key_Down);
                 QTest::keyClick(list, Qt::Key_Return);
                 EXPECT_EQ(QStringList({o.placeEdit()->text(), o.longitudeEdit()->text(), o.latitudeEdit()->text(), o.timeZoneEdit()->text(), o.zoneBox()->currentText()}).join('|'),
                           "Tromsø, Troms og Finnmark, Norway|18.95508|69.6489|1|Europe/Oslo");
                 QTest::keyClick(o.placeEdit(), Qt::Key_Return);
             });
         }, "203001", "202606", "June 2026 - Tromsø 69.65 N 18.96 E - Europe/Oslo" + summer, true},
        {[&] {  // Print, Export
             t.script = [&](QDialog& d) { printLabel = static_cast<ui::PrintDialog&>(d).destinationLabel()->text(); d.reject(); };
             t.w->printAction()->trigger();
             t.w->exportDarkNightsAction()->trigger();
         }, "203001", "202606", "June 2026 - Tromsø 69.65 N 18.96 E - Europe/Oslo" + summer, true},
        {[&] {  // a print run, into the PDF file: it says where
             t.script = [](QDialog& d) { Click(static_cast<ui::PrintDialog&>(d).printButton()); };
             t.w->printAction()->trigger();
             EXPECT_EQ(t.rep.boxes.size(), 1u);
             t.rep.clear();
         }, "203001", "202606", "June 2026 - Tromsø 69.65 N 18.96 E - Europe/Oslo" + summer, true, true},
    };
    std::string copied;  // by the last step that copied
    for (const auto& s : steps) {
        SCOPED_TRACE("step " + std::to_string(&s - steps));
        s.act();
        EXPECT_EQ(t.w->monthEdit()->text().toStdString(), s.box);
        EXPECT_EQ(t.w->shownMonth(), s.shown);
        EXPECT_EQ(t.w->statusText().toStdString(), s.status);
        EXPECT_EQ(t.page().pixelColor(t.page().width() / 8, qRound(t.w->layout().top + 15.9 * t.w->layout().rowHeight)) ==
                      QColor(255, 236, 150), s.marked);
        EXPECT_EQ(t.rep.log, Log{});
        EXPECT_EQ(Clipboard() != "kept", s.copied);
        if (s.copied) copied = Clipboard();
        QApplication::clipboard()->setText("kept");
    }
    // The page printed is Tromsø's, and Tromsø is in the file by name.
    report::SilentReporter quiet;
    const auto r = month::CalculateMonth("202606", month::Place{18.95508, 69.6489, {1, false, "Europe/Oslo"}, "Tromsø"}, quiet);
    EXPECT_EQ(copied, month::ClipboardText(*r));
    EXPECT_TRUE(t.ini().endsWith("Europe/Oslo\r\nTromsø\r\n")) << t.ini().toStdString();
    EXPECT_TRUE(printLabel.contains("Almucan-202606.pdf")) << printLabel.toStdString();
    EXPECT_EQ(exportName, "dark-nights-202606.ics");

    // Night vision: a black window and page; line 13 of the file.
    t.w->nightVisionAction()->trigger();
    EXPECT_TRUE(t.ini().endsWith("Tromsø\r\n1\r\n"));
    EXPECT_EQ(t.w->palette().color(QPalette::Window), QColor(Qt::black));
    EXPECT_EQ(t.page().pixelColor(1, 1), QColor(Qt::black));
    QTest::keyClick(t.w.get(), Qt::Key_Q, Qt::ControlModifier);
    EXPECT_EQ(t.exitCode, 0);
}

// View > Days, Nights and Year chart, with the darkness and the Moon limit:
// the status line names the view and its rule; the month steps move through
// the months in every view (the year chart shows the month's year, taller
// than the window: it scrolls); Days draws the page it drew before.
// Browsing never touches the clipboard.  Print prints the view shown.  The
// choices are saved and read back at the next start.
TEST(MainWindow, ViewsFollowTheMenuAndAreRemembered) {
    QApplication::clipboard()->setText("kept");
    Window t;  // 15 June 2001 at Vienna, UTC+1 with the summer-time box
    const QImage days = t.page();
    const std::string where = " - 48.25 N 16.33 E - UTC+1 (summer time)", rule = " (nautical darkness, Moon up to 15 %)";
    auto view = [&](settings::View v) { t.w->viewAction(v)->trigger(); };
    const struct {
        std::function<void()> act;
        std::string status;
        bool chart = false;  // the page taller than the window
    } steps[] = {
        {[&] { view(settings::View::Nights); }, "Nights of June 2001 (astronomical darkness, no Moon up)"},
        {[&] { t.w->darknessMenu()->actions()[1]->trigger(); t.w->moonLimitMenu()->actions()[3]->trigger(); },
         "Nights of June 2001" + rule},
        {[&] { view(settings::View::Days); }, "June 2001"},
        {[&] { view(settings::View::YearChart); }, "Year chart 2001" + rule, true},
        {[&] { for (int i = 0; i < 7; ++i) Click(t.w->nextButton()); }, "Year chart 2002" + rule, true},
        {[&] { t.w->todayAction()->trigger(); }, "Year chart 2001" + rule, true},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(s.status);
        s.act();
        QApplication::processEvents();
        EXPECT_EQ(t.w->statusText().toStdString(), s.status + where);
        EXPECT_EQ(t.page().height() > t.w->pageScroll()->viewport()->height(), s.chart);
        EXPECT_EQ(t.page() == days, s.status == "June 2001");
        EXPECT_EQ(Clipboard(), "kept");
        EXPECT_EQ(t.rep.log, Log{});
    }
    // Print writes the view shown, under its own name.
    const QString pdf = t.dir.filePath("Almucan-2001-year.pdf");
    t.script = [](QDialog& d) { Click(static_cast<ui::PrintDialog&>(d).printButton()); };
    EXPECT_EQ(t.did([&] { t.w->printAction()->trigger(); }),
              Log{"box:Almucan - Print:The year chart was written to\r\n   " + pdf.toStdString()});
    EXPECT_TRUE(Output("pdftotext", {pdf, "-"}).contains("Year: 2001")) << pdf.toStdString();
    // The next start reads the choices back.
    Window again(t.ini());
    EXPECT_EQ(again.w->statusText().toStdString(), "Year chart 2001" + rule + where);
    EXPECT_TRUE(again.w->viewAction(settings::View::YearChart)->isChecked());
}

// Save in the Options dialog, step by step on one settings file: the bounds
// of the location (a refusal names the box and why), the zone box (an
// unknown name is refused; a known one is written on line 11
// with line 4 its standard offset in whole hours, Kolkata's +5:30 giving 6;
// the first entry is the fixed zone and writes ten lines again), and a file
// that cannot be written.  A refused Save changes nothing.  While a zone is
// named the Summertime box is off (the page follows the zone:
// MainWindow.FollowsTheUser).
// Sites: Options' Save as site keeps the boxes' place under the place
// box's name (none: refused) and leaves the settings file alone; a site is
// renamed in the list and deleted.  The site box lists the place in use
// and the sites; choosing one makes it the place in use.  View > Compare
// sites shows the kept sites' nights; the precise ephemeris chosen in
// Options is named on the status line.
TEST(MainWindow, SitesKeptChosenAndCompared) {
    Window t(Ini(" 16.33", " 48.25", " 1"));
    const QByteArray before = t.ini();
    Log log;
    t.options([&](ui::OptionsDialog& o) {
        Type(o.placeEdit(), "");
        log = t.did([&] { Click(o.saveSiteButton()); });
        for (auto [name, lon] : {std::pair{"Dark site", "15.5"}, {"Hut", "11.9"}, {"Old", "10"}}) {
            Type(o.placeEdit(), name);
            Type(o.longitudeEdit(), lon);
            Click(o.saveSiteButton());
        }
        o.siteList()->item(1)->setText("Hut 2");
        o.siteList()->setCurrentRow(2);
        Click(o.deleteSiteButton());
        o.reject();
    });
    EXPECT_EQ(log, (Log{"beep", "box:Error:Input error - wrong value.\r\nPlace: type the site's name"}));
    EXPECT_EQ(ReadFile(t.dir.filePath("Almucan-sites.tsv")), "Dark site\t15.5\t48.25\t1\nHut 2\t11.9\t48.25\t1\n");
    EXPECT_EQ(t.ini(), before);
    QComboBox* box = t.w->siteBox();
    ASSERT_EQ(box->count(), 3);  // the place in use, then the sites
    EXPECT_EQ(box->currentIndex(), 0);
    emit box->activated(2);
    EXPECT_EQ(t.ini().split('\n')[1].trimmed(), "11.9");
    EXPECT_EQ(t.ini().split('\n')[11].trimmed(), "Hut 2");
    EXPECT_EQ(box->count(), 2);  // the place in use is a site now
    EXPECT_EQ(box->currentText(), "Hut 2");
    t.w->viewAction(settings::View::Compare)->trigger();
    EXPECT_TRUE(t.w->statusText().startsWith("Sites compared, June 2001")) << t.w->statusText().toStdString();
    EXPECT_NE(t.ini().indexOf("view=compare"), -1);
    EXPECT_GT(NonWhitePixels(t.page()), 1000);
    // Options > Precise ephemeris: saved, and the page and status line follow.
    t.options([](ui::OptionsDialog& o) {
        o.preciseBox()->setChecked(true);
        Click(o.saveButton());
    });
    EXPECT_NE(t.ini().indexOf("ephemeris=precise"), -1);
    EXPECT_TRUE(t.w->statusText().endsWith(" - precise ephemeris (IAU 2006/2000A, ERFA)"));
}

// The window on the screen it opens on (ctest runs this on a 1920 x 1080
// screen at the scale factors 1, 1.5 and 2): inside the available area
// with its month box and status line; its place, size and paper kept in
// the settings file and found again by the next window, moved back onto
// the screen when it no longer fits; a new file's paper is the country's.
TEST(MainWindow, FitsTheScreenKeepsItsPlaceAndPaper) {
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    Window t;
    QLocale::setDefault(QLocale::c());
    const QRect room = t.w->screen()->availableGeometry();
    const QRect frame = t.w->frameGeometry();
    EXPECT_TRUE(room.contains(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
    for (QWidget* w : {static_cast<QWidget*>(t.w->statusBar()), static_cast<QWidget*>(t.w->monthEdit())})
        EXPECT_TRUE(t.w->rect().contains(QRect(w->mapTo(t.w.get(), QPoint(0, 0)), w->size())));
    EXPECT_TRUE(t.ini().endsWith("\r\npaper=letter\r\n"));  // en_US
    t.w->setGeometry(room.x() + 10, room.y() + 20, room.width() * 2 / 3, room.height() * 2 / 3);
    const QRect kept = t.w->geometry();  // at least the window's least size
    t.w->close();
    EXPECT_NE(t.ini().indexOf(QStringLiteral("window=%1,%2,%3,%4").arg(kept.x()).arg(kept.y()).arg(kept.width()).arg(kept.height()).toUtf8()), -1);
    for (const QByteArray& line : {QByteArray(), QByteArray("window=-5000,0,9000,9000\r\n")}) {
        if (!line.isEmpty())
            WriteFile(t.iniPath(), QString::fromUtf8(t.ini()).replace(QRegularExpression("window=[^\r]*\r\n"), QString::fromUtf8(line)).toUtf8());
        RecordingReporter rep;
        ui::MainWindow again(rep, t.dir.path().toStdString(), std::make_unique<ui::PrintTarget>(true));
        again.start();
        if (line.isEmpty())
            EXPECT_EQ(again.geometry(), kept);
        else
            EXPECT_TRUE(room.contains(again.frameGeometry()));
        EXPECT_EQ(again.printTarget().printer.pageLayout().pageSize().id(), QPageSize::Letter);
    }
}

TEST(OptionsDialog, SaveChecksAndWritesZoneSetsSummerTimeAside) {
    Window t(Ini(" 16.33", " 48.25", " 1", "Mars/Olympus"));
    EXPECT_TRUE(t.w->summerTimeBox()->isEnabled());  // unknown zone: the fixed one is in use, said once
    t.options([](ui::OptionsDialog& o) { o.reject(); });  // and activated again
    EXPECT_EQ(t.rep.log, Log{"box:Error:Settings, line 11: unknown time zone 'Mars/Olympus'. The fixed time zone is in force."});
    Log log;  // the messages of Save
    auto save = [&](const char* lon, const char* lat, const char* tz, const char* zone, bool closes,
                    const char* place = nullptr) {
        t.options([&](ui::OptionsDialog& o) {  // the messages of Save alone, before the dialog closes
            for (auto [box, text] : {std::pair{o.longitudeEdit(), lon}, {o.latitudeEdit(), lat}, {o.timeZoneEdit(), tz},
                                     {o.placeEdit(), place}})
                if (text) Type(box, text);
            if (zone) o.zoneBox()->setEditText(zone);
            log = t.did([&] { Click(o.saveButton()); });
            EXPECT_EQ(o.isVisible(), !closes);
            o.reject();
        });
    };
    // Typed (nullptr leaves the box): longitude, latitude, time zone, zone;
    // Save closes the dialog; the file written (when given).
    const std::tuple<const char*, const char*, const char*, const char*, bool, QByteArray> steps[] = {
        {nullptr, nullptr, nullptr, "Mars/Olympus", false, {}},
        {nullptr, nullptr, nullptr, "Asia/Kolkata", true, Ini(" 16.33", " 48.25", " 6", "Asia/Kolkata")},
        {nullptr, nullptr, nullptr, "(fixed: Time Zone above)", true, Ini(" 16.33", " 48.25", " 6")},
        {"180", "90", "12", nullptr, true, {}},   {"-180", "-90", "-12", nullptr, true, {}},
        {"10", "10", "13", nullptr, false, {}},   {"0", "-33.5", "-5", nullptr, true, {}},
        {"20", "95", "1", "Europe/Vienna", false, {}}, {"16.33", "48.25", "1", "Europe/Vienna", true, {}}};
    for (const auto& [lon, lat, tz, zone, closes, ini] : steps) {
        SCOPED_TRACE(std::string(lon ? lon : "") + "|" + (lat ? lat : "") + "|" + (zone ? zone : ""));
        const QByteArray before = t.ini();
        save(lon, lat, tz, zone, closes);
        EXPECT_EQ(log.empty(), closes);  // the message of a refusal: "52,52" below
        EXPECT_EQ(t.ini() != before, closes);  // every Save here that passes changes the file
        if (!ini.isEmpty()) { EXPECT_EQ(t.ini(), ini); }
        EXPECT_EQ(t.w->settings().place.longitude, t.ini().split('\n')[1].toDouble());  // the place in use is the file's
    }
    save("10", "52,52", "1", nullptr, false);
    EXPECT_EQ(log, (Log{"beep", "box:Error:Input error - wrong value.\r\n" +
                                    text::fieldMessage(settings::kLatitudeField, "use a point: 52.52")}));
    // The place box: a name no city has is the place's own; a city's name
    // fills its coordinates (Tromsø in the place
    // database, 18.955 E 69.649 N) unless they were typed; coordinates typed under a city's
    // name keep the name; a tab is refused.
    const std::tuple<const char*, const char*, const char*, bool, const char*> names[] = {
        {"Dark site", "15.5", "47.9", true, "Dark site|15.5|47.9"},
        {"Tromso", nullptr, nullptr, true, "Tromsø|18.95|69.64"},
        {nullptr, "19", nullptr, true, "Tromsø|19|69.64"},
        {"Dark\tsite", nullptr, nullptr, false, "Tromsø|19|69.64"}};
    for (const auto& [place, lon, lat, closes, kept] : names) {
        save(lon, lat, nullptr, nullptr, closes, place);
        const QList<QByteArray> lines = t.ini().split('\n');
        EXPECT_EQ(lines[11].trimmed() + "|" + lines[1].trimmed().left(5) + "|" + lines[2].trimmed().left(5), kept);
    }
    EXPECT_EQ(log, (Log{"beep", "box:Error:Input error - wrong value.\r\nPlace: a name cannot hold a tab"}));

    EXPECT_FALSE(t.w->summerTimeBox()->isEnabled());

    // A non-empty folder where the settings file belongs: the new file
    // cannot be renamed over it, whoever runs the test.  Save says so and closes.
    ASSERT_TRUE(QFile::remove(t.iniPath()) && QDir(t.dir.path()).mkpath("Almucan.INI/keep"));
    save("20", "50", "2", nullptr, true);
    EXPECT_EQ(log, (Log{"beep", "box:Error:Can't write\r\n   " + t.iniPath().toStdString() + "\r\nto disk."}));
}

// One print run's dialogs: the paper and orientation chosen in Setup (OK
// keeps them for the run, Cancel does not)
// and the margin texts reach the check, which wants at least 100 mm free
// each way (A4 210 x 297 mm, US Letter 215.9 x 279.4 mm) and the page's 43
// rows each a line of the font high: DejaVu Sans's line is 1.164 em (its
// ascent and descent, 1901 + 483 of 2048 units), so on A4 landscape 11 pt
// (195 mm) fits and 12 pt (213 mm) does not; a refused margin
// or font size names the box and why.  Save is refused the same way, then
// writes the layout; Print writes the month to a PDF named and titled by
// it, says where, and leaves the saved layout alone.
TEST(PrintDialog, SetupAndMarginsReachTheCheckSaveAndPrint) {
    Window t;
    const Log tooLarge{"beep", "box:Error:Margins too large."}, fontTooLarge{"beep", "box:Error:Font too large for the page."};
    // The paper chosen in Setup (nullptr: Setup not opened), landscape, OK;
    // the top and left margins (bottom and right the same), the font size;
    // the messages of the check.  The table of 8 pt fits in 100 mm across.
    const std::tuple<const char*, bool, bool, const char*, const char*, const char*, Log> steps[] = {
        {"US Letter", false, true, "0", "57.9", "8", {}},
        {"A4", false, false, "0", "57.9", "8", {}},
        {"A4", false, true, "0", "57.9", "8", tooLarge},
        {"A4", true, true, "0", "98.5", "8", {}},
        {nullptr, false, false, "55.5", "0", "8", tooLarge},
        {nullptr, false, false, "0", "0", "11", {}},
        {nullptr, false, false, "0", "0", "12", fontTooLarge},
        {nullptr, false, false, "0", "0", "1638", fontTooLarge},
        {nullptr, false, false, "0", "0", "0", {"box:Error:Wrong value for the font size.\r\n" +
                                                text::fieldMessage(settings::kFontSizeField, "out of range")}},
        {nullptr, false, false, "10,5", "0", "10", {"box:Error:Wrong value(s) for margin(s).\r\n" +
            text::fieldMessage(settings::Named(settings::kMarginField, "Top"), "use a point: 10.5")}}};
    const QByteArray before = t.ini();
    t.print("200106", [&](ui::PrintDialog& p) {
        p.fontBox()->setEditText("DejaVu Sans");
        for (const auto& [paper, landscape, ok, top, left, size, log] : steps) {
            SCOPED_TRACE(std::string(paper ? paper : "-") + "|" + top + "|" + left + "|" + size);
            if (paper) t.setup(p, paper, landscape, ok);
            for (auto [box, text] : {std::pair{p.topMarginEdit(), top}, {p.bottomMarginEdit(), top},
                                     {p.leftMarginEdit(), left}, {p.rightMarginEdit(), left}, {p.fontSizeEdit(), size}})
                box->setText(text);
            EXPECT_EQ(t.did([&] { EXPECT_EQ(p.checkPrinting(), log.empty()); }), log);
        }
        Click(p.saveButton());  // "10,5" still there
        // Setup's last choice (A4, landscape) remembered, nothing else.
        EXPECT_TRUE(t.ini().startsWith(before) && t.ini().endsWith("\r\norientation=landscape\r\n")) << t.ini().toStdString();
        for (auto [box, text] : {std::pair{p.topMarginEdit(), "10"}, {p.bottomMarginEdit(), "12.5"}, {p.leftMarginEdit(), "5"}, {p.fontSizeEdit(), "9"}})
            box->setText(text);
        p.fontBox()->setEditText("No Such Font Family");
        EXPECT_EQ(t.did([&] { Click(p.saveButton()); }), Log{});
        p.reject();
    });
    const QByteArray saved = t.ini();
    EXPECT_TRUE(saved.contains(" 10\r\n 12.5\r\n 5\r\n 0\r\nNo Such Font Family\r\n 9\r\n")) << saved.toStdString();
    EXPECT_TRUE(saved.endsWith("orientation=landscape\r\n"));

    // The month's file name is a link to a file yet to be made: it stays a link.
    const QString pdf = t.dir.filePath("Almucan-200103.pdf");
    ASSERT_TRUE(QDir(t.dir.path()).mkdir("pages") && QFile::link("pages/march.pdf", pdf));
    t.print("200103", [&](ui::PrintDialog& p) {
        EXPECT_EQ(p.destinationLabel()->text(), "PDF file: " + pdf + " - A4, landscape");
        p.leftMarginEdit()->setText("15");
        // The saved family is not installed: the box shows another, which
        // depends on the fonts of the machine; the page is printed in one known.
        p.fontBox()->setEditText("DejaVu Sans");
        Click(p.printButton());
    });
    EXPECT_EQ(QDir(t.dir.path()).entryList({"Almucan*.pdf*"}), QStringList{"Almucan-200103.pdf"});  // no temporary file
    EXPECT_EQ(QDir(t.dir.filePath("pages")).entryList(QDir::Files), QStringList{"march.pdf"});
    EXPECT_TRUE(QFileInfo(pdf).isSymLink());
    EXPECT_EQ(t.rep.log, Log{"box:Almucan - Print:The month page was written to\r\n   " + pdf.toStdString()});
    EXPECT_EQ(t.ini(), saved);
    EXPECT_TRUE(Output("pdftotext", {"-layout", pdf, "-"}).contains("Month: 200103"));
    const QString info = Output("pdfinfo", {pdf});  // A4 landscape: 842 x 595 pt
    for (const char* line : {"^Title: +Almucan 200103$", "^Page size: +842 x 595 pts \\(A4\\)$"})
        EXPECT_TRUE(info.contains(QRegularExpression(line, QRegularExpression::MultilineOption))) << line << info.toStdString();
}

// A print run that fails says why, prints nothing, leaves an earlier file
// of the same name as it was and no temporary file beside it.
TEST(PrintDialog, FailedPrintRunsAreReported) {
    // The PDF (nullptr: a printer the print system does not know, where Qt
    // drops the name and keeps the system's default printer), a limit on the
    // size of any file written, the reason (after "Can't write <file>: " for
    // a PDF).
    const std::tuple<const char*, rlim_t, const char*> cases[] = {
        {"x.pdf", 4000, "the document is incomplete."},  // disk full
        {nullptr, RLIM_INFINITY, "The printer NoSuchPrinter is not available."}};
    const PrivateCups cups;  // a default printer for Qt to fall back on, when it starts
    signal(SIGXFSZ, SIG_IGN);
    rlimit keep{};
    ::getrlimit(RLIMIT_FSIZE, &keep);
    for (const auto& [pdf, maxFileBytes, reason] : cases) {
        SCOPED_TRACE(reason);
        Window t;
        const QString file = QDir(t.dir.path()).filePath(pdf ? pdf : "");
        WriteFile(t.dir.filePath("x.pdf"), "old page");
        t.w->monthEdit()->setText("200103");
        ui::PrintTarget& target = t.w->printTarget();
        target.fileChosen = true;
        target.toPdf = pdf != nullptr;
        if (pdf) target.printer.setOutputFileName(file);
        else target.printer.setOutputFormat(QPrinter::NativeFormat), target.printerName = "NoSuchPrinter";
        const rlimit limit{std::min(maxFileBytes, keep.rlim_max), keep.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        t.w->printMonth();
        ::setrlimit(RLIMIT_FSIZE, &keep);
        EXPECT_EQ(cups.documents(), QStringList{});  // nothing printed
        ASSERT_EQ(t.rep.boxes.size(), 1u);
        EXPECT_EQ(t.rep.log[0].rfind("box:Error:The page could not be printed.\r\n" +
                                         (pdf ? "Can't write " + file.toStdString() + ": " : "") + reason, 0), 0u)
            << t.rep.log[0];
        EXPECT_EQ(ReadFile(t.dir.filePath("x.pdf")), "old page");
        EXPECT_EQ(QDir(t.dir.path()).entryList({"x.pdf*"}), QStringList{"x.pdf"});
    }
}

// A print run through a print system (CUPS) of the test's own, whose only
// printer is the machine's printer for the window: Setup lists it and
// takes US Letter; the job's document is the month's page on Letter paper
// (612 x 792 pt), with the graph's key.
TEST(PrintDialog, PrintsThroughThePrintSystem) {
    const PrivateCups cups;
    if (!cups.started()) GTEST_SKIP() << "no print system of the test's own: " << cups.why().toStdString();
    ASSERT_EQ(QPrinterInfo::availablePrinterNames(), QStringList{PrivateCups::kQueue});
    Window t({}, {2001, 6, 15}, ui::PrintTarget::ForThisMachine());
    ASSERT_FALSE(t.w->printTarget().toPdf);
    t.print("200103", [&](ui::PrintDialog& p) {
        EXPECT_TRUE(p.destinationLabel()->text().startsWith(QString("Printer: %1 - ").arg(PrivateCups::kQueue)));
        t.setup(p, "US Letter", false, true);
        Click(p.printButton());
    });
    EXPECT_EQ(t.w->printTarget().printerName, PrivateCups::kQueue);
    EXPECT_EQ(t.rep.log, Log{});
    const QString job = cups.waitForJob();
    ASSERT_FALSE(job.isEmpty()) << cups.log().toStdString();
    const QString text = Output("pdftotext", {job, "-"}).simplified();
    for (const char* line : {"Month: 200103 Long.: 16.33 Lat.: 48.25", "Graph: night twilight day Moon up"})
        EXPECT_TRUE(text.contains(line)) << line << "\n" << text.toStdString();
    EXPECT_TRUE(Output("pdfinfo", {job}).contains(QRegularExpression("^Page size: +612 x 792 pts", QRegularExpression::MultilineOption)));
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The print system is one a test starts on this socket, or none; no
    // system message bus either, through which the print system's client
    // would look for the network's printers.
    const QTemporaryDir printSystem;
    qputenv("CUPS_SERVER", QFile::encodeName(printSystem.filePath("cups.sock")));
    qputenv("DBUS_SYSTEM_BUS_ADDRESS", "unix:path=" + QFile::encodeName(printSystem.filePath("no-bus")));
    // A first start takes the system's zone: UTC keeps the defaults (Vienna).
    qputenv("TZ", "UTC");
    // The language and the paper of a new settings file: the C locale's
    // (English, A4) whatever the desk's; a test sets its own.
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
