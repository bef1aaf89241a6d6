// The main window: the month box, the month page, the menus, and loading the settings.
#include "ui/form1.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QPainter>
#include <QPalette>
#include <QScreen>
#include <QStatusBar>
#include <QToolButton>
#include <QtMath>
#include <QFontMetricsF>
#include <exception>
#include <filesystem>
#include <cmath>
#include <optional>

#include "calendar/calendar.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "ical/darknights.h"
#include "month/monthcalc.h"
#include "render/qt/qtoutputs.h"
#include "render/qt/qtsurface.h"
#include "settings/settingsfile.h"
#include "ui/formoptions.h"
#include "ui/formprint.h"
#include "ui/picturebox.h"
#include "ui/texts.h"
#include "zone/zone.h"

namespace ui {

namespace {

// The hourglass for the length of one calculation, restored on every way
// out of it.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Design geometry of the window, in twips.
constexpr int kMargin = 120;
constexpr int kFrameHeight = 615;
constexpr int kPictureTop = 720;
constexpr int kClientWidth = 120 + 9015 + 120;
constexpr int kClientHeight = 720 + 6135 + 120;

// The window's size when it opens (smaller screens permitting), pixels.
constexpr QSize kDefaultWindow(1000, 720);

struct TwipsRect {
    int left, top, width, height;
};
constexpr TwipsRect kLabel1{240, 240, 495, 195};
constexpr TwipsRect kTextDate{960, 240, 975, 285};
constexpr TwipsRect kCommandPrev{1980, 240, 285, 285};
constexpr TwipsRect kCommandNext{2280, 240, 285, 285};
constexpr TwipsRect kCheckST{2700, 240, 1335, 255};
constexpr TwipsRect kCommandCalc{5640, 180, 1215, 375};
constexpr TwipsRect kCommandHelp{7560, 180, 1215, 375};

const char* const kMonthNames[] = {"January", "February", "March",     "April",   "May",      "June",
                                   "July",    "August",   "September", "October", "November", "December"};

// "29 Mar"
QString DayAndMonth(int day, int month) {
    return QString::number(day) + ' ' + QString::fromLatin1(kMonthNames[month - 1]).left(3);
}

// "Europe/Oslo (summer time from 29 Mar)", "Europe/Oslo (standard time)",
// or for the fixed zone "UTC+1" and "UTC+1 (summer time)".
QString ZoneText(const month::Clock& clock, const month::YearMonth& ym) {
    const std::string& name = clock.zoneName;
    if (name.empty()) {
        const QString hours = QString::fromStdString(text::GeneralNumber(clock.fixedHours));
        return QStringLiteral("UTC") + (clock.fixedHours < 0 ? "" : "+") + hours +
               (clock.summerTime ? QStringLiteral(" (summer time)") : QString());
    }
    QString t = QString::fromStdString(name);
    const std::optional<zone::SummerTime> st = zone::SummerTimeOf(name, ym.year, ym.month);
    if (!st) return t + QStringLiteral(" (standard time)");
    const bool beginsIn = st->fromYear == ym.year && st->fromMonth == ym.month;
    const bool endsIn = st->untilYear == ym.year && st->untilMonth == ym.month;
    const QString from = DayAndMonth(st->fromDay, st->fromMonth);
    const QString until = DayAndMonth(st->untilDay, st->untilMonth);
    if (beginsIn && endsIn) return t + " (summer time " + from + " - " + until + ")";
    if (endsIn) return t + " (summer time until " + until + ")";
    return t + " (summer time from " + from + ")";
}

// The palette of night vision: red on black.
QPalette NightPalette() {
    QPalette p;
    const QColor red(235, 30, 30), black(Qt::black), dark(45, 0, 0), mid(90, 0, 0);
    for (auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (auto role : {QPalette::Window, QPalette::Shadow}) p.setColor(group, role, black);
        for (auto role : {QPalette::Base, QPalette::AlternateBase, QPalette::Button, QPalette::ToolTipBase})
            p.setColor(group, role, dark);
        for (auto role : {QPalette::Light, QPalette::Midlight, QPalette::Mid, QPalette::Dark, QPalette::Highlight})
            p.setColor(group, role, mid);
        const QColor ink = group == QPalette::Disabled ? mid : red;
        for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::BrightText,
                          QPalette::ToolTipText, QPalette::HighlightedText, QPalette::PlaceholderText})
            p.setColor(group, role, ink);
    }
    return p;
}

}  // namespace

Form1::Form1(report::Reporter& reporter, std::string settingsDir,
             std::unique_ptr<PrintTarget> print, QWidget* parent)
    : QMainWindow(parent),
      reporter_(reporter),
      settingsDir_(std::move(settingsDir)),
      print_(print ? std::move(print) : PrintTarget::ForThisMachine()),
      today_([] { return QDate::currentDate(); }),
      exitProgram_([](int code) { QCoreApplication::exit(code); }),
      chooseIcsFile_([this](const QString& suggested) {
          return QFileDialog::getSaveFileName(this, QStringLiteral("Export dark nights"), suggested,
                                              QStringLiteral("iCalendar files (*.ics)"));
      }) {
    createWidgets();
    createActions();
    createLayout();
    TextDate->setFocus();
}

Form1::~Form1() = default;

void Form1::createWidgets() {
    auto* body = new QWidget(this);
    setCentralWidget(body);
    Frame1 = new QGroupBox(body);
    // The input row keeps the small font of the design, so the controls
    // fit the design's twips.
    QFont small = font();
    small.setPointSizeF(8.25);
    Frame1->setFont(small);
    Label1 = new QLabel(QStringLiteral("Month:"), Frame1);
    TextDate = new QLineEdit(Frame1);
    TextDate->setToolTip(QStringLiteral("yyyymm / 1900 - 2100"));
    CheckST = new QCheckBox(QStringLiteral("Summer&time"), Frame1);
    CheckST->setToolTip(QStringLiteral("summertime"));
    CheckST->setChecked(false);
    CommandCalc = new QPushButton(QStringLiteral("&Calculate"), Frame1);
    CommandCalc->setToolTip(QStringLiteral("Start calculation"));
    CommandCalc->setDefault(true);
    CommandCalc->setAutoDefault(true);
    CommandHelp = new QPushButton(QStringLiteral("&Help"), Frame1);
    CommandHelp->setAutoDefault(true);
    CommandPrev = new QToolButton(Frame1);
    CommandPrev->setArrowType(Qt::LeftArrow);
    CommandPrev->setToolTip(QStringLiteral("Previous month (Page Up)"));
    CommandNext = new QToolButton(Frame1);
    CommandNext->setArrowType(Qt::RightArrow);
    CommandNext->setToolTip(QStringLiteral("Next month (Page Down)"));
    LabelStatus = new QLabel(this);
    statusBar()->addWidget(LabelStatus, 1);
    connect(CommandPrev, &QToolButton::clicked, this, &Form1::CommandPrev_Click);
    connect(CommandNext, &QToolButton::clicked, this, &Form1::CommandNext_Click);
    Picture1 = new PictureBox(body);
    connect(CommandCalc, &QPushButton::clicked, this, &Form1::CommandCalc_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &Form1::CommandHelp_Click);
    connect(Picture1, &PictureBox::resized, this, &Form1::Picture1_Resize);
}

void Form1::createActions() {
    MenuF = menuBar()->addMenu(QStringLiteral("&File"));
    MenuFOptions = MenuF->addAction(QStringLiteral("&Options..."));
    MenuFPrint = MenuF->addAction(QStringLiteral("&Print..."));
    MenuFPrint->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    MenuFExportDark = MenuF->addAction(QStringLiteral("&Export dark nights..."));
    MenuFInfo = MenuF->addAction(QStringLiteral("&Info"));
    MenuFInfo->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    MenuFExit = MenuF->addAction(QStringLiteral("E&xit"));
    MenuFExit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    MenuV = menuBar()->addMenu(QStringLiteral("&View"));
    MenuVToday = MenuV->addAction(QStringLiteral("&Today"));
    MenuVToday->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    MenuVPrev = MenuV->addAction(QStringLiteral("&Previous month"));
    MenuVPrev->setShortcut(QKeySequence(Qt::Key_PageUp));
    MenuVNext = MenuV->addAction(QStringLiteral("&Next month"));
    MenuVNext->setShortcut(QKeySequence(Qt::Key_PageDown));
    MenuV->addSeparator();
    MenuVNight = MenuV->addAction(QStringLiteral("Night &vision"));
    MenuVNight->setCheckable(true);
    connect(MenuVToday, &QAction::triggered, this, &Form1::MenuVToday_Click);
    connect(MenuVPrev, &QAction::triggered, this, &Form1::CommandPrev_Click);
    connect(MenuVNext, &QAction::triggered, this, &Form1::CommandNext_Click);
    connect(MenuVNight, &QAction::triggered, this, &Form1::MenuVNight_Click);
    connect(MenuFOptions, &QAction::triggered, this, &Form1::MenuFOptions_Click);
    connect(MenuFPrint, &QAction::triggered, this, &Form1::MenuFPrint_Click);
    connect(MenuFExportDark, &QAction::triggered, this, &Form1::MenuFExportDark_Click);
    connect(MenuFInfo, &QAction::triggered, this, &Form1::MenuFInfo_Click);
    connect(MenuFExit, &QAction::triggered, this, &Form1::MenuFExit_Click);
}

void Form1::createLayout() {
    setTabOrder(TextDate, CommandPrev);
    setTabOrder(CommandPrev, CommandNext);
    setTabOrder(CommandNext, CheckST);
    setTabOrder(CheckST, CommandCalc);
    setTabOrder(CommandCalc, CommandHelp);
    QWidget* body = centralWidget();
    body->installEventFilter(this);
    body->resize(twipsX(kClientWidth), twipsY(kClientHeight));
    placeControls();
    // Smallest window: the whole input row, and a picture box tall enough
    // for the heading row, 31 day rows, the graph's key and half a line
    // above and below, one text height each (the page set-up's spacing).
    const QFontMetricsF fm(render::PictureFont(), &Picture1->image());
    const int frame = 2 * Picture1->frameWidth();
    const int menu = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    const QSize minimum(twipsX(kCommandHelp.left + kCommandHelp.width + 3 * kMargin),
                        twipsY(kPictureTop + kMargin) + frame + menu +
                            qCeil(34 * fm.height()));
    setMinimumSize(minimum);
    // Opens large enough to show a month legibly, within the screen.
    QSize size = kDefaultWindow;
    if (QScreen* sc = screen()) size = size.boundedTo(sc->availableGeometry().size());
    resize(size.expandedTo(minimum));
}

// Twips to pixels at the screen's logical DPI, at least 96 so that a screen
// that reports 72 (the offscreen platform) still gets a readable picture.
int Form1::twipsX(int twips) const { return qRound(twips * qMax(96, logicalDpiX()) / 1440.0); }
int Form1::twipsY(int twips) const { return qRound(twips * qMax(96, logicalDpiY()) / 1440.0); }

void Form1::placeControls() {
    QWidget* body = centralWidget();
    const int w = body->width(), h = body->height();
    const int frameWidth = qMax(w - 2 * twipsX(kMargin), twipsX(kCommandHelp.left + 1335));
    Frame1->setGeometry(twipsX(kMargin), 0, frameWidth, twipsY(kFrameHeight));
    auto place = [this](QWidget* wd, const TwipsRect& r) {
        // A caption longer than the design width (another font) still shows whole.
        wd->setGeometry(twipsX(r.left), twipsY(r.top),
                        wd == Label1 || wd == CheckST
                            ? qMax(twipsX(r.width), wd->sizeHint().width())
                            : twipsX(r.width),
                        twipsY(r.height));
    };
    place(Label1, kLabel1);
    place(TextDate, kTextDate);
    place(CommandPrev, kCommandPrev);
    place(CommandNext, kCommandNext);
    place(CheckST, kCheckST);
    place(CommandCalc, kCommandCalc);
    place(CommandHelp, kCommandHelp);
    // The picture box fills the window below the input row.
    Picture1->setGeometry(twipsX(kMargin), twipsY(kPictureTop),
                          qMax(1, w - 2 * twipsX(kMargin)),
                          qMax(1, h - twipsY(kPictureTop) - twipsY(kMargin)));
}

bool Form1::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) placeControls();
    return QMainWindow::eventFilter(watched, event);
}

void Form1::keyPressEvent(QKeyEvent* e) {
    // Calculate is the window's default button: Enter anywhere in the
    // input row runs it (a focused button takes Enter itself).
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!ended_) CommandCalc->click();
        e->accept();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void Form1::start() {
    show();
    Form_Activate();
    // Never a blank page: the month in the box at once.
    if (!ended_) CommandCalc_Click();
}

void Form1::endProgram(int code) {
    ended_ = true;
    exitCode_ = code;
    exitProgram_(code);
}

void Form1::Form_Activate() {
    if (ended_) return;
    settings_.version = text::kVersion;
    setWindowTitle(QString::fromStdString(text::WindowTitle(settings_.version)));
    TextDate->setText(today_().toString(QStringLiteral("yyyyMM")));
    // April to October is summer time; this never clears the box.
    const QString t = TextDate->text();
    const double m = text::value(t.right(2).toStdString());
    if (m >= 4 && m <= 10) CheckST->setChecked(true);
    loadSettings();
}

bool Form1::loadSettings() {
    settings_.settingsPath = settings::SettingsPathFor(settingsDir_);
    std::error_code dirError;  // a folder that cannot be made shows when the file is written
    std::filesystem::create_directories(settingsDir_, dirError);  // the name's bytes as given
    std::string fontName;
    float fontSize = 10;
    render::DefaultFont(fontName, fontSize);
    if (settings::LoadOrCreateSettings(settings_, fontName, fontSize, reporter_) ==
        settings::LoadResult::NotValid) {
        // The message has been shown; nothing else runs.
        endProgram(1);
        return false;
    }
    // A zone that is named but cannot be used leaves the fixed zone in
    // force; that is said once.
    const std::optional<zone::Error> problem = settings::ZoneProblem(settings_);
    if (problem && problem->message != zoneProblemShown_)
        reporter_.error(problem->message + (problem->kind == zone::Error::Kind::Unreadable
                                                ? "\r\nThe fixed time zone is in force."
                                                : ""));
    zoneProblemShown_ = problem ? problem->message : std::string();
    // A named zone brings its own summer time, day by day.
    const std::string zoneName = zone::InForce(settings_.place, false).clock.zoneName;
    CheckST->setEnabled(zoneName.empty());
    CheckST->setToolTip(zoneName.empty() ? QStringLiteral("summertime")
                                         : QString::fromStdString("summer time follows the time zone " +
                                                                  zoneName));
    applyNightVision();
    return true;
}

void Form1::applyNightVision() {
    MenuVNight->setChecked(settings_.nightVision);
    const QPalette p = settings_.nightVision ? NightPalette() : QPalette();
    // Menus open as windows of their own: they take the palette too.
    for (QWidget* w : std::initializer_list<QWidget*>{this, MenuF, MenuV}) w->setPalette(p);
}

month::Place Form1::placeInForce() const { return zone::InForce(settings_.place, CheckST->isChecked()); }

std::string Form1::boxMonthText() const { return std::string(text::trimmed(TextDate->text().toStdString())); }

render::PrintStyle Form1::printStyle() const {
    const settings::Settings& s = settings_;
    return {s.marginTop, s.marginBottom, s.marginLeft, s.marginRight, s.fontName, s.fontSize, s.inkSaver};
}

bool Form1::drawMonth(const std::string& monthText, const month::Place& place, bool printing, QString& failure) {

    render::QtImageSurface screen(Picture1->image(), render::PictureFont());
    screen.SetNightVision(settings_.nightVision);
    // The job outlives the printer surface, which ends its painter first.
    std::optional<PrintJob> job;
    std::unique_ptr<render::QtPrinterSurface> paper;
    if (printing) {
        job.emplace(*print_);
        if (!job->started()) {
            failure = job->reason();
            return false;
        }
        print_->printer.setDocName(render::DocumentTitle(monthText));
        paper = std::make_unique<render::QtPrinterSurface>(print_->printer);
    }
    const render::OutputDevice device = printing ? render::OutputDevice::Printer : render::OutputDevice::Screen;
    render::Output out(screen, paper.get(), device);
    const render::PrintStyle style = printStyle();
    render::PageContext ctx{out, layout_, style, monthText, reporter_};
    // The ink saver is a style of the printed page only.
    if (printing) ctx.shades = render::PageShades(style.inkSaver);

    std::optional<month::MonthResult> result =
        month::CalculateMonth(monthText, place, reporter_);
    if (!result) return true;  // refused; CalculateMonth has said so
    QGuiApplication::clipboard()->setText(QString::fromStdString(result->clipboard));
    const bool ended = render::LayOutAndDraw(ctx, *result);
    if (!printing) {
        last_ = std::move(result);
        lastMonthText_ = monthText;
        finishScreenPage(screen);
        return true;
    }
    paper.reset();
    if (job->finish(ended)) return true;
    failure = job->reason();
    return false;
}

void Form1::drawScreenPage() {
    render::QtImageSurface screen(Picture1->image(), render::PictureFont());
    screen.SetNightVision(settings_.nightVision);
    const render::OutputDevice device = render::OutputDevice::Screen;
    render::Output out(screen, nullptr, device);
    const render::PrintStyle style = printStyle();
    render::PageContext ctx{out, layout_, style, lastMonthText_, reporter_};
    render::LayOutAndDraw(ctx, *last_);
    finishScreenPage(screen);
}

void Form1::finishScreenPage(render::QtImageSurface& screen) {
    screen.finish();
    const month::YearMonth ym = last_->ym;
    const QDate today = today_();
    if (today.year() == ym.year && today.month() == ym.month) {
        // Today's row of the table: the white behind it light yellow (by
        // day) or the black dark red (night vision); the text stays.
        QPainter p(&Picture1->image());
        const render::PageLayout& L = layout_;
        p.setCompositionMode(settings_.nightVision ? QPainter::CompositionMode_Lighten
                                                   : QPainter::CompositionMode_Darken);
        p.fillRect(QRectF(L.x_st, L.y_st + today.day() * L.y_d, L.xg_st - L.x_st, L.y_d),
                   settings_.nightVision ? QColor(70, 0, 0) : QColor(255, 236, 150));
    }
    const month::Place& place = last_->place;
    const double lat = place.latitude, lon = place.longitude;
    QString where = QString::fromStdString(place.name);
    if (!where.isEmpty()) where += ' ';
    where += QString::number(std::fabs(lat), 'f', 2) + (lat < 0 ? " S " : " N ") +
             QString::number(std::fabs(lon), 'f', 2) + (lon < 0 ? " W" : " E");
    LabelStatus->setText(QString::fromLatin1(kMonthNames[ym.month - 1]) + ' ' + QString::number(ym.year) +
                         " - " + where + " - " + ZoneText(place.clock, ym));
}

QString Form1::statusText() const { return LabelStatus->text(); }

void Form1::Picture1_Resize() {
    if (ended_ || !last_) return;
    drawScreenPage();
    Picture1->update();
}

void Form1::CommandCalc_Click() { Calculate(render::OutputDevice::Screen); }

void Form1::Calculate(render::OutputDevice device) {
    if (ended_) return;
    if (device == render::OutputDevice::Printer && last_)
        calculate(lastMonthText_, last_->place, device);
    else
        calculate(boxMonthText(), placeInForce(), device);
}

void Form1::calculate(const std::string& monthText, month::Place place, render::OutputDevice device) {
    // A refused month changes nothing else: picture, clipboard, pointer.
    if (!month::AcceptMonthText(monthText, reporter_)) return;
    const bool printing = device == render::OutputDevice::Printer;
    bool pageOk = true;
    QString printFailure;
    std::string failure;
    {
        WaitCursor hourglass;
        try {
            pageOk = drawMonth(monthText, place, printing, printFailure);
        } catch (const std::exception& ex) {
            failure = *ex.what() ? ex.what() : "unknown error";
        } catch (...) {
            failure = "unknown error";
        }
    }
    Picture1->update();

    // Reported after the hourglass is gone.
    if (!failure.empty()) {
        reporter_.error("The calculation failed:\r\n" + failure);
        return;
    }
    if (!printing) return;
    if (!pageOk) {
        std::string text = "The page could not be printed.";
        if (!printFailure.isEmpty()) text += "\r\n" + printFailure.toStdString();
        reporter_.error(text);
    } else if (print_->toPdf) {
        reporter_.message("The month page was written to\r\n   " +
                              print_->destination().toStdString(),
                          "Almucan - Print", report::Icon::Information);
    }
}

void Form1::CommandHelp_Click() {
    if (!ended_) reporter_.help(MainHelpText());
}

void Form1::MenuFOptions_Click() {
    if (ended_) return;
    int result = QDialog::Rejected;
    {
        FormOptions dlg(settings_, reporter_, this);
        result = runDialog_(dlg);
    }
    // The file holds what was saved: fields a refused Save had taken are
    // put back.  The page follows a saved place.
    if (loadSettings() && result == QDialog::Accepted && last_)
        calculate(lastMonthText_, placeInForce(), render::OutputDevice::Screen);
}

void Form1::MenuFPrint_Click() {
    if (ended_) return;
    {
        FormPrint dlg(settings_, reporter_, *print_, [this] { Calculate(render::OutputDevice::Printer); },
                      pageMonthText(), runDialog_, this);
        runDialog_(dlg);
    }
    loadSettings();
}

void Form1::MenuFExportDark_Click() {
    if (ended_) return;
    // The month shown on the page.
    const std::string monthText = pageMonthText();
    if (!month::AcceptMonthText(monthText, reporter_)) return;
    const QString suggested = QString::fromStdString("dark-nights-" + monthText + ".ics");
    const QString file = chooseIcsFile_(QDir::home().filePath(suggested));
    if (file.isEmpty()) return;
    const month::Place place = last_ ? last_->place : placeInForce();
    std::string error;
    bool written = true;
    {
        WaitCursor hourglass;
        auto r = month::CalculateMonth(monthText, place, reporter_);
        // The file's name goes to the system in the local encoding.
        const std::string path = QFile::encodeName(file).toStdString();
        if (r) written = ical::WriteIcs({*r}, path, error);
    }
    if (!written) reporter_.error("The dark nights could not be exported:\r\n" + error);
}

void Form1::MenuFInfo_Click() {
    if (!ended_) reporter_.help(InfoText(settings_.version));
}

void Form1::MenuFExit_Click() { endProgram(0); }

void Form1::stepMonth(int months) {
    if (ended_) return;
    std::optional<month::YearMonth> ym = calendar::CheckMonthText(TextDate->text().toStdString());
    if (!ym && last_) ym = last_->ym;
    if (!ym) {
        CommandCalc_Click();  // says what is wrong with the box
        return;
    }
    const month::YearMonth to = calendar::ShiftedMonth(*ym, months);
    if (to.year < 1900 || to.year > 2100) {
        reporter_.beep();
        return;
    }
    TextDate->setText(QString::fromStdString(text::padded(to.year, 4) + text::padded(to.month, 2)));
    CommandCalc_Click();
}

void Form1::CommandPrev_Click() { stepMonth(-1); }
void Form1::CommandNext_Click() { stepMonth(1); }

void Form1::MenuVToday_Click() {
    if (ended_) return;
    TextDate->setText(today_().toString(QStringLiteral("yyyyMM")));
    CommandCalc_Click();
}

void Form1::MenuVNight_Click() {
    if (ended_) return;
    settings_.nightVision = MenuVNight->isChecked();
    settings::SaveSettings(settings_, reporter_);
    applyNightVision();
    if (last_) {
        drawScreenPage();
        Picture1->update();
    }
}

}  // namespace ui
