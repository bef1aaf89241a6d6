// The main window's widgets, menus and geometry, its activation and settings.
#include "ui/mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QLocale>
#include <QPageLayout>
#include <QPageSize>
#include <QComboBox>
#include <QCoreApplication>
#include <QFileDialog>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QStatusBar>
#include <QToolButton>
#include <QtMath>
#include <filesystem>
#include <initializer_list>
#include <optional>

#include "render/qt/qtoutputs.h"
#include "render/qt/qtsurface.h"
#include "settings/settingsfile.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "ui/pagewidget.h"
#include "zone/zone.h"

namespace ui {

namespace {

// The window's geometry, in points (1/72 inch).
constexpr double kMargin = 6;
constexpr double kInputRowHeight = 30.75;
constexpr double kPageTop = 36;
constexpr double kClientWidth = 6 + 450.75 + 6;
constexpr double kClientHeight = 36 + 306.75 + 6;

// Lines of the page the smallest window shows (the page then scrolls).
constexpr double kLeastPageLines = 8;

// The window's size when it opens (smaller screens permitting), pixels.
constexpr QSize kDefaultWindow(1000, 720);

// A control's place in the input row, in points.
struct PointRect {
    double left, top, width, height;
};
constexpr PointRect kMonthLabel{12, 12, 24.75, 9.75};
constexpr PointRect kMonthEdit{48, 12, 48.75, 14.25};
constexpr PointRect kPreviousButton{99, 12, 14.25, 14.25};
constexpr PointRect kNextButton{114, 12, 14.25, 14.25};
constexpr PointRect kSummerTimeBox{135, 12, 66.75, 12.75};
constexpr PointRect kSiteBox{209, 9.75, 70, 17.25};
constexpr PointRect kCalculateButton{282, 9, 60.75, 18.75};
constexpr PointRect kHelpButton{378, 9, 60.75, 18.75};
// The input row's least width: to the Help button and a little beyond.
constexpr double kInputRowMinWidth = 378 + 66.75;

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

MainWindow::MainWindow(report::Reporter& reporter, std::string settingsDir, std::unique_ptr<PrintTarget> print,
                       QWidget* parent)
    : QMainWindow(parent),
      reporter_(reporter),
      settingsDir_(std::move(settingsDir)),
      print_(print ? std::move(print) : PrintTarget::ForThisMachine()),
      today_([] { return QDate::currentDate(); }),
      exitProgram_([](int code) { QCoreApplication::exit(code); }),
      chooseIcsFile_([this](const QString& suggested) {
          return QFileDialog::getSaveFileName(this, tr("Export dark nights"), suggested, tr("iCalendar files (*.ics)"));
      }) {
    createWidgets();
    createMenus();
    createLayout();
    monthEdit_->setFocus();
}

MainWindow::~MainWindow() = default;

void MainWindow::createWidgets() {
    auto* body = new QWidget(this);
    setCentralWidget(body);
    inputRow_ = new QGroupBox(body);
    // The input row has a small font (8.25 pt), so that the controls fit
    // their sizes in points.
    QFont small = font();
    small.setPointSizeF(8.25);
    inputRow_->setFont(small);
    monthLabel_ = new QLabel(tr("Month:"), inputRow_);
    monthEdit_ = new QLineEdit(inputRow_);
    monthEdit_->setToolTip(tr("yyyymm / 1900 - 2100"));
    summerTimeBox_ = new QCheckBox(tr("Summer&time"), inputRow_);
    summerTimeBox_->setToolTip(tr("summertime"));
    summerTimeBox_->setChecked(false);
    calculateButton_ = new QPushButton(tr("&Calculate"), inputRow_);
    calculateButton_->setToolTip(tr("Start calculation"));
    calculateButton_->setDefault(true);
    calculateButton_->setAutoDefault(true);
    helpButton_ = new QPushButton(tr("&Help"), inputRow_);
    helpButton_->setAutoDefault(true);
    previousButton_ = new QToolButton(inputRow_);
    previousButton_->setArrowType(Qt::LeftArrow);
    previousButton_->setToolTip(tr("Previous month (Page Up)"));
    nextButton_ = new QToolButton(inputRow_);
    nextButton_->setArrowType(Qt::RightArrow);
    nextButton_->setToolTip(tr("Next month (Page Down)"));
    siteBox_ = new QComboBox(inputRow_);
    siteBox_->setToolTip(tr("Site (keep sites in File > Options)"));
    connect(siteBox_, QOverload<int>::of(&QComboBox::activated), this, &MainWindow::chooseSite);
    statusLabel_ = new QLabel(this);
    statusBar()->addWidget(statusLabel_, 1);
    connect(previousButton_, &QToolButton::clicked, this, &MainWindow::previousMonth);
    connect(nextButton_, &QToolButton::clicked, this, &MainWindow::nextMonth);
    // The page fills the scroll area's view; only the year chart is taller.
    pageScroll_ = new QScrollArea(body);
    pageScroll_->setFrameShape(QFrame::NoFrame);
    pageScroll_->setFocusPolicy(Qt::NoFocus);
    pageScroll_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pageScroll_->setWidgetResizable(true);
    page_ = new PageWidget;
    pageScroll_->setWidget(page_);
    connect(calculateButton_, &QPushButton::clicked, this, &MainWindow::calculate);
    connect(helpButton_, &QPushButton::clicked, this, &MainWindow::showHelp);
    connect(page_, &PageWidget::resized, this, &MainWindow::redrawPage);
}

void MainWindow::createMenus() {
    fileMenu_ = menuBar()->addMenu(tr("&File"));
    optionsAction_ = fileMenu_->addAction(tr("&Options..."));
    printAction_ = fileMenu_->addAction(tr("&Print..."));
    printAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));
    exportDarkNightsAction_ = fileMenu_->addAction(tr("&Export dark nights..."));
    infoAction_ = fileMenu_->addAction(tr("&Info"));
    infoAction_->setShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F1));
    exitAction_ = fileMenu_->addAction(tr("E&xit"));
    exitAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    viewMenu_ = menuBar()->addMenu(tr("&View"));
    createViewChoices();
    todayAction_ = viewMenu_->addAction(tr("&Today"));
    todayAction_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_T));
    previousMonthAction_ = viewMenu_->addAction(tr("&Previous month"));
    previousMonthAction_->setShortcut(QKeySequence(Qt::Key_PageUp));
    nextMonthAction_ = viewMenu_->addAction(tr("&Next month"));
    nextMonthAction_->setShortcut(QKeySequence(Qt::Key_PageDown));
    viewMenu_->addSeparator();
    nightVisionAction_ = viewMenu_->addAction(tr("Night &vision"));
    nightVisionAction_->setCheckable(true);
    connect(todayAction_, &QAction::triggered, this, &MainWindow::showToday);
    connect(previousMonthAction_, &QAction::triggered, this, &MainWindow::previousMonth);
    connect(nextMonthAction_, &QAction::triggered, this, &MainWindow::nextMonth);
    connect(nightVisionAction_, &QAction::triggered, this, &MainWindow::toggleNightVision);
    connect(optionsAction_, &QAction::triggered, this, &MainWindow::showOptions);
    connect(printAction_, &QAction::triggered, this, &MainWindow::showPrintDialog);
    connect(exportDarkNightsAction_, &QAction::triggered, this, &MainWindow::exportDarkNights);
    connect(infoAction_, &QAction::triggered, this, &MainWindow::showInfo);
    connect(exitAction_, &QAction::triggered, this, &MainWindow::quit);
}

void MainWindow::createLayout() {
    setTabOrder(monthEdit_, previousButton_);
    setTabOrder(previousButton_, nextButton_);
    setTabOrder(nextButton_, summerTimeBox_);
    setTabOrder(summerTimeBox_, siteBox_);
    setTabOrder(siteBox_, calculateButton_);
    setTabOrder(calculateButton_, helpButton_);
    QWidget* body = centralWidget();
    body->installEventFilter(this);
    body->resize(pixelsX(kClientWidth), pixelsY(kClientHeight));
    placeControls();
    // Smallest window: the whole input row, the menu and status lines, and
    // a few lines of the page, which scrolls when the window is lower than
    // the page's own least height (fitPageToView): so the window fits a
    // small screen, or a large one at twice the scale.
    const QFontMetricsF fm(render::PictureFont(), &page_->image());
    const int frame = 2 * page_->frameWidth();
    const int menu = menuBar()->sizeHint().height() + statusBar()->sizeHint().height();
    const QSize minimum(pixelsX(kHelpButton.left + kHelpButton.width + 3 * kMargin),
                        pixelsY(kPageTop + kMargin) + frame + menu + qCeil(kLeastPageLines * fm.height()));
    setMinimumSize(minimum);
    // Opens large enough to show a month legibly, within the screen.
    QSize size = kDefaultWindow;
    if (QScreen* sc = screen()) size = size.boundedTo(sc->availableGeometry().size());
    resize(size.expandedTo(minimum));
}

// Points to pixels at the screen's logical DPI, at least 96 so that a
// screen that reports 72 (the offscreen platform) still gets a readable
// page.
int MainWindow::pixelsX(double points) const { return qRound(points * qMax(96, logicalDpiX()) / 72.0); }
int MainWindow::pixelsY(double points) const { return qRound(points * qMax(96, logicalDpiY()) / 72.0); }

void MainWindow::placeControls() {
    QWidget* body = centralWidget();
    const int w = body->width(), h = body->height();
    const int rowWidth = qMax(w - 2 * pixelsX(kMargin), pixelsX(kInputRowMinWidth));
    inputRow_->setGeometry(pixelsX(kMargin), 0, rowWidth, pixelsY(kInputRowHeight));
    auto place = [this](QWidget* wd, const PointRect& r) {
        // A caption wider than its place (another font) still shows whole.
        wd->setGeometry(pixelsX(r.left), pixelsY(r.top),
                        wd == monthLabel_ || wd == summerTimeBox_ ? qMax(pixelsX(r.width), wd->sizeHint().width())
                                                                  : pixelsX(r.width),
                        pixelsY(r.height));
    };
    place(monthLabel_, kMonthLabel);
    place(monthEdit_, kMonthEdit);
    place(previousButton_, kPreviousButton);
    place(nextButton_, kNextButton);
    place(summerTimeBox_, kSummerTimeBox);
    place(siteBox_, kSiteBox);
    place(calculateButton_, kCalculateButton);
    place(helpButton_, kHelpButton);
    // The page fills the window below the input row.
    pageScroll_->setGeometry(pixelsX(kMargin), pixelsY(kPageTop), qMax(1, w - 2 * pixelsX(kMargin)),
                             qMax(1, h - pixelsY(kPageTop) - pixelsY(kMargin)));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == centralWidget() && event->type() == QEvent::Resize) placeControls();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::keyPressEvent(QKeyEvent* e) {
    // Calculate is the window's default button: Enter anywhere in the
    // input row runs it (a focused button takes Enter itself).
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter) {
        if (!ended_) calculateButton_->click();
        e->accept();
        return;
    }
    QMainWindow::keyPressEvent(e);
}

void MainWindow::start() {
    activate();
    restoreWindowPlace();
    show();
    fitIntoScreen();
    // Never a blank page: the month in the box at once.
    showBoxMonth();
}

void MainWindow::endProgram(int code) {
    ended_ = true;
    exitCode_ = code;
    exitProgram_(code);
}

void MainWindow::activate() {
    if (ended_) return;
    settings_.version = text::kVersion;
    // The title's words in the window's language; "Almucan V0.9" stays.
    QString title = QString::fromStdString(text::WindowTitle(settings_.version));
    const QString words = QStringLiteral("Rise and Set for Sun and Moon");
    setWindowTitle(title.replace(words, tr("Rise and Set for Sun and Moon")));
    monthEdit_->setText(today_().toString(QStringLiteral("yyyyMM")));
    // April to October is summer time; this never clears the box.
    const QString t = monthEdit_->text();
    const double m = text::value(t.right(2).toStdString());
    if (m >= 4 && m <= 10) summerTimeBox_->setChecked(true);
    loadSettings();
}

bool MainWindow::loadSettings() {
    settings_.settingsPath = settings::SettingsPathFor(settingsDir_);
    std::error_code dirError;  // a folder that cannot be made shows when the file is written
    std::filesystem::create_directories(settingsDir_, dirError);  // the name's bytes as given
    std::string fontName;
    float fontSize = 10;
    render::DefaultFont(fontName, fontSize);
    settings::LoadResult loaded = settings::LoadSettings(settings_, fontName, fontSize, reporter_);
    if (loaded == settings::LoadResult::Created) {
        // A new file takes the paper of the user's country (US Letter in
        // the United States, A4 in most of the world), and is read back.
        settings_.paper = settings::PaperOfCountry(QLocale::territoryToCode(QLocale().territory()).toStdString());
        if (settings_.paper != settings::Paper::A4) settings::SaveSettings(settings_, reporter_);
        loaded = settings::LoadSettings(settings_, fontName, fontSize, reporter_);
    }
    if (loaded == settings::LoadResult::NotValid) {
        // The message has been shown; nothing else runs.
        endProgram(1);
        return false;
    }
    // A zone that is named but cannot be used leaves the fixed zone in
    // force; that is said once.
    const std::optional<zone::Error> problem = settings::ZoneProblem(settings_);
    if (problem && problem->message != zoneProblemShown_)
        reporter_.error(problem->message +
                        (problem->kind == zone::Error::Kind::Unreadable ? "\r\nThe fixed time zone is in force." : ""));
    zoneProblemShown_ = problem ? problem->message : std::string();
    // A named zone brings its own summer time, day by day.
    const std::string zoneName = zone::InForce(settings_.place, false).clock.zoneName;
    summerTimeBox_->setEnabled(zoneName.empty());
    summerTimeBox_->setToolTip(
        zoneName.empty() ? tr("summertime") : QString::fromStdString("summer time follows the time zone " + zoneName));
    applyNightVision();
    applyViewChoices();
    loadSites();
    fitPageToView();
    return true;
}

void MainWindow::applyNightVision() {
    nightVisionAction_->setChecked(settings_.nightVision);
    // The palette of the whole program, so the dialogs and message boxes
    // open in it too; the day palette is the one the program started with.
    static const QPalette day = QApplication::palette();
    const QPalette p = settings_.nightVision ? NightPalette() : day;
    QApplication::setPalette(p);
    // Menus open as windows of their own: they take the palette too.
    for (QWidget* w :
         std::initializer_list<QWidget*>{this, fileMenu_, viewMenu_, darknessMenu_, moonMenu_, comparedMenu_})
        w->setPalette(p);
}

void MainWindow::restoreWindowPlace() {
    if (ended_) return;
    applyPaper();
    if (settings_.maximized) setWindowState(windowState() | Qt::WindowMaximized);
    if (!settings_.window) return;
    // A smaller screen (or another scale factor) than last time gets the
    // window moved and shrunk once it shows (fitIntoScreen).
    const auto& [x, y, w, h] = *settings_.window;
    setGeometry(x, y, w, h);
}

void MainWindow::fitIntoScreen() {
    const QScreen* sc = screen();
    if (!sc || isMaximized()) return;
    // The frame the window system adds is known once the window shows.
    const QRect room = sc->availableGeometry();
    const QSize extra = frameGeometry().size() - size();
    const QSize fits = size().boundedTo(room.size() - extra).expandedTo(minimumSize());
    if (fits != size()) resize(fits);
    QRect f = frameGeometry();
    f.moveLeft(qBound(room.left(), f.left(), qMax(room.left(), room.right() - f.width() + 1)));
    f.moveTop(qBound(room.top(), f.top(), qMax(room.top(), room.bottom() - f.height() + 1)));
    if (f.topLeft() != frameGeometry().topLeft()) move(f.topLeft());
}

void MainWindow::keepWindowPlace() {
    const QRect r = normalGeometry().isValid() ? normalGeometry() : geometry();
    const std::array<int, 4> now{r.x(), r.y(), r.width(), r.height()};
    const bool maximized = isMaximized();
    if (settings_.window == now && settings_.maximized == maximized) return;
    settings::UpdateSettings(
        settings_,
        [&](settings::Settings& s) {
            s.window = now;
            s.maximized = maximized;
        },
        reporter_);
}

void MainWindow::applyPaper() {
    print_->printer.setPageSize(
        QPageSize(settings_.paper == settings::Paper::Letter ? QPageSize::Letter : QPageSize::A4));
    print_->printer.setPageOrientation(settings_.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (!ended_) keepWindowPlace();
    QMainWindow::closeEvent(e);
}

month::Place MainWindow::placeInForce() const { return zone::InForce(settings_.place, summerTimeBox_->isChecked()); }

std::string MainWindow::boxMonthText() const { return std::string(text::trimmed(monthEdit_->text().toStdString())); }

}  // namespace ui
