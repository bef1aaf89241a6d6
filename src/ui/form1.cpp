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
#include <QScreen>
#include <QtMath>
#include <QFontMetricsF>
#include <exception>
#include <filesystem>
#include <optional>

#include "text/valuerule.h"
#include "ical/darknights.h"
#include "month/monthcalc.h"
#include "render/qt/qtoutputs.h"
#include "render/qt/qtsurface.h"
#include "settings/settingsfile.h"
#include "ui/formoptions.h"
#include "ui/formprint.h"
#include "ui/picturebox.h"
#include "ui/texts.h"

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
constexpr TwipsRect kCheckST{2400, 240, 1335, 255};
constexpr TwipsRect kCommandCalc{5640, 180, 1215, 375};
constexpr TwipsRect kCommandHelp{7560, 180, 1215, 375};

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
    connect(MenuFOptions, &QAction::triggered, this, &Form1::MenuFOptions_Click);
    connect(MenuFPrint, &QAction::triggered, this, &Form1::MenuFPrint_Click);
    connect(MenuFExportDark, &QAction::triggered, this, &Form1::MenuFExportDark_Click);
    connect(MenuFInfo, &QAction::triggered, this, &Form1::MenuFInfo_Click);
    connect(MenuFExit, &QAction::triggered, this, &Form1::MenuFExit_Click);
}

void Form1::createLayout() {
    setTabOrder(TextDate, CheckST);
    setTabOrder(CheckST, CommandCalc);
    setTabOrder(CommandCalc, CommandHelp);
    QWidget* body = centralWidget();
    body->installEventFilter(this);
    body->resize(twipsX(kClientWidth), twipsY(kClientHeight));
    placeControls();
    // Smallest window: the whole input row, and a picture box tall enough
    // for the heading row, 31 day rows and half a line above and below,
    // one text height each (the page set-up's spacing).
    const QFontMetricsF fm(render::PictureFont(), &Picture1->image());
    const int frame = 2 * Picture1->frameWidth();
    const int menu = menuBar()->sizeHint().height();
    const QSize minimum(twipsX(kCommandHelp.left + kCommandHelp.width + 3 * kMargin),
                        twipsY(kPictureTop + kMargin) + frame + menu +
                            qCeil(33 * fm.height()));
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
}

void Form1::endProgram(int code) {
    ended_ = true;
    exitCode_ = code;
    exitProgram_(code);
}

void Form1::Form_Activate() {
    if (ended_) return;
    settings_.version = settings::kVersion;
    setWindowTitle(QString::fromStdString(settings::WindowTitle(settings_.version)));
    TextDate->setText(today_().toString(QStringLiteral("yyyyMM")));
    // April to October is summer time; this never clears the box.
    const QString t = TextDate->text();
    const double m = text::value(t.right(2).toStdString());
    if (m >= 4 && m <= 10) CheckST->setChecked(true);

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
        return;
    }
    settings_.outputDevice = settings::OutputDevice::Screen;
    // A zone that is named but cannot be used leaves the fixed zone in
    // force; that is said once.
    const std::optional<zone::Error> problem = settings::ZoneProblem(settings_);
    if (problem && problem->message != zoneProblemShown_)
        reporter_.error(problem->message + (problem->kind == zone::Error::Kind::Unreadable
                                                ? "\r\nThe fixed time zone is in force."
                                                : ""));
    zoneProblemShown_ = problem ? problem->message : std::string();
    // A named zone brings its own summer time, day by day.
    const std::string zoneName = settings::ZoneInForce(settings_);
    CheckST->setEnabled(zoneName.empty());
    CheckST->setToolTip(zoneName.empty() ? QStringLiteral("summertime")
                                         : QString::fromStdString("summer time follows the time zone " +
                                                                  zoneName));
}

bool Form1::drawMonth(const std::string& monthText, bool printing, QString& failure) {
    const bool summer = CheckST->isChecked();
    const month::Location loc = month::LocationOf(settings_);

    render::QtImageSurface screen(Picture1->image(), render::PictureFont());
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
    render::Output out(screen, paper.get(), settings_);
    render::PageContext ctx{out, layout_, settings_, monthText, summer, reporter_};

    std::optional<month::MonthResult> result =
        month::CalculateMonth(monthText, summer, loc, reporter_);
    if (!result) return true;  // refused; CalculateMonth has said so
    QGuiApplication::clipboard()->setText(QString::fromStdString(result->clipboard));
    const bool ended = render::LayOutAndDraw(ctx, result->tab, result->dayRows);
    if (!printing) {
        last_ = std::move(result);
        lastMonthText_ = monthText;
        lastSummer_ = summer;
        return true;
    }
    paper.reset();
    if (job->finish(ended)) return true;
    failure = job->reason();
    return false;
}

void Form1::drawScreenPage() {
    render::QtImageSurface screen(Picture1->image(), render::PictureFont());
    settings::Settings st = settings_;
    st.outputDevice = settings::OutputDevice::Screen;
    render::Output out(screen, nullptr, st);
    render::PageContext ctx{out, layout_, st, lastMonthText_, lastSummer_, reporter_};
    render::LayOutAndDraw(ctx, last_->tab, last_->dayRows);
}

void Form1::Picture1_Resize() {
    if (ended_ || !last_) return;
    drawScreenPage();
    Picture1->update();
}

void Form1::CommandCalc_Click() { Calculate(settings::OutputDevice::Screen); }

void Form1::Calculate(settings::OutputDevice device) {
    if (ended_) return;
    const std::string monthText = TextDate->text().toStdString();
    // A refused month changes nothing else: picture, clipboard, pointer, selector.
    if (!month::AcceptMonthText(monthText, reporter_)) return;
    const bool printing = device == settings::OutputDevice::Printer;
    settings_.outputDevice = device;
    bool pageOk = true;
    QString printFailure;
    std::string failure;
    {
        WaitCursor hourglass;
        try {
            pageOk = drawMonth(monthText, printing, printFailure);
        } catch (const std::exception& ex) {
            failure = *ex.what() ? ex.what() : "unknown error";
        } catch (...) {
            failure = "unknown error";
        }
        settings_.outputDevice = settings::OutputDevice::Screen;
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
    {
        FormOptions dlg(settings_, reporter_, this);
        runDialog_(dlg);
    }
    Form_Activate();
}

void Form1::MenuFPrint_Click() {
    if (ended_) return;
    {
        FormPrint dlg(settings_, reporter_, *print_, [this] { Calculate(settings::OutputDevice::Printer); },
                      TextDate->text().toStdString(), runDialog_, this);
        runDialog_(dlg);
    }
    Form_Activate();
}

void Form1::MenuFExportDark_Click() {
    if (ended_) return;
    const std::string monthText = TextDate->text().toStdString();
    if (!month::AcceptMonthText(monthText, reporter_)) return;
    const QString suggested = QString::fromStdString("dark-nights-" + monthText + ".ics");
    const QString file = chooseIcsFile_(QDir::home().filePath(suggested));
    if (file.isEmpty()) return;
    const bool summer = CheckST->isChecked();
    const month::Location loc = month::LocationOf(settings_);
    std::string error;
    bool written = true;
    {
        WaitCursor hourglass;
        auto r = month::CalculateMonth(monthText, summer, loc, reporter_);
        // The file's name goes to the system in the local encoding.
        const std::string path = QFile::encodeName(file).toStdString();
        if (r) written = ical::WriteIcs({*r}, loc, summer, path, error);
    }
    if (!written) reporter_.error("The dark nights could not be exported:\r\n" + error);
}

void Form1::MenuFInfo_Click() {
    if (!ended_) reporter_.help(InfoText(settings_.version));
}

void Form1::MenuFExit_Click() { endProgram(0); }

}  // namespace ui
