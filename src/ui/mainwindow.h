#pragma once
// The main window: month box with previous and next month buttons,
// summer-time box, Calculate and Help, the page of the view shown (the
// month's days, its nights or the year chart), the File and View menus and
// a status line saying what the page shows.
#include <QDate>
#include <QFont>
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "report/reporter.h"
#include "month/monthcalc.h"
#include "settings/settings.h"
#include "render/page.h"
#include "settings/sites.h"
#include "ui/nightstore.h"
#include "ui/printtarget.h"

namespace render {
class QtImageSurface;
}

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QScrollArea;
class QToolButton;

namespace ui {

class PageWidget;

class MainWindow final : public QMainWindow {
    Q_OBJECT
public:
    // settingsDir: the folder of the settings file.  print: where print
    // runs go (the machine's printer or a PDF file when null).
    MainWindow(report::Reporter& reporter, std::string settingsDir, std::unique_ptr<PrintTarget> print = nullptr,
               QWidget* parent = nullptr);
    ~MainWindow() override;

    // Shows the window, activates it and calculates the month in the box.
    void start();

    // Today's date for the month box (the clock by default).
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }
    // Ends the program with an exit code (QCoreApplication::exit by default).
    void setExitHandler(std::function<void(int)> exitProgram) { exitProgram_ = std::move(exitProgram); }
    // Shows the modal dialogs (QDialog::exec by default).
    void setDialogRunner(DialogRunner run) { runDialog_ = std::move(run); }
    // Asks for the iCalendar file to export into, with a suggested name;
    // an empty name cancels (a save-file dialog by default).
    void setIcsFileChooser(std::function<QString(const QString& suggested)> choose) {
        chooseIcsFile_ = std::move(choose);
    }

    // The print run of the print dialog: the month shown on the page (the
    // box's before the first page) on the printer, its event keys to the
    // clipboard.
    void printMonth();

    // The month shown on the page ("202406"), empty before the first
    // calculation; the status line that says what it shows.
    const std::string& shownMonth() const { return lastMonthText_; }
    QString statusText() const;

    settings::Settings& settings() { return settings_; }
    const render::PageLayout& layout() const { return layout_; }
    PrintTarget& printTarget() { return *print_; }
    // True once the program has been told to end; no handler runs then.
    bool ended() const { return ended_; }
    int exitCode() const { return exitCode_; }

    // The controls, for tests and the screenshot tool.
    QGroupBox* inputRow() const { return inputRow_; }
    QLineEdit* monthEdit() const { return monthEdit_; }
    QCheckBox* summerTimeBox() const { return summerTimeBox_; }
    QPushButton* calculateButton() const { return calculateButton_; }
    QPushButton* helpButton() const { return helpButton_; }
    QToolButton* previousButton() const { return previousButton_; }
    QToolButton* nextButton() const { return nextButton_; }
    PageWidget* pageWidget() const { return page_; }
    QAction* optionsAction() const { return optionsAction_; }
    QAction* printAction() const { return printAction_; }
    QAction* exportDarkNightsAction() const { return exportDarkNightsAction_; }
    QAction* infoAction() const { return infoAction_; }
    QAction* exitAction() const { return exitAction_; }
    QAction* todayAction() const { return todayAction_; }
    QAction* nightVisionAction() const { return nightVisionAction_; }
    // View > Days, Nights, Year chart; the Darkness and Moon limit menus.
    QAction* viewAction(settings::View v) const;
    QMenu* darknessMenu() const { return darknessMenu_; }
    QMenu* moonLimitMenu() const { return moonMenu_; }
    QScrollArea* pageScroll() const { return pageScroll_; }
    // The kept sites beside the month box; View > Sites compared.
    QComboBox* siteBox() const { return siteBox_; }
    QMenu* comparedSitesMenu() const { return comparedMenu_; }

public slots:
    // Version, title, month box (today's month), summer-time box (checked
    // from April to October, never cleared), settings file.
    void activate();
    // The month in the box: checked, laid out, calculated, its event keys
    // to the clipboard, drawn on the page.
    void calculate();
    void showHelp();
    // The location dialog; the page follows a saved place.
    void showOptions();
    void showPrintDialog();
    // The dark-and-no-Moon intervals of the month shown into an iCalendar
    // file.
    void exportDarkNights();
    void showInfo();
    // Ends the program with exit code 0.
    void quit();
    // The month before or after the one in the box, calculated.
    void previousMonth();
    void nextMonth();
    // This month, calculated.
    void showToday();
    // Night vision as the View menu's item says, remembered in the
    // settings file.
    void toggleNightVision();
    // Lays the page out for the page widget's present size and draws the
    // last calculated month again (nothing before the first calculation).
    void redrawPage();
    // The view shown, the darkness and the Moon limit of the dark hours, as
    // the View menu's items say, remembered in the settings file; the page
    // drawn again.
    void chooseView(settings::View v);
    void chooseDarkness(settings::Darkness d);
    void chooseMoonLimit(double percent);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    // The window's place and size kept in the settings file.
    void closeEvent(QCloseEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A View menu choice kept in `field` of the settings: saved when it
    // changes, the menu's checks set again and the page drawn again.
    template <class T>
    void chooseSetting(T& field, T value);
    // Widgets of the input row and the page, with their buttons' slots;
    // the File and View menus and their slots; tab order, geometry and the
    // window's sizes.
    void createWidgets();
    void createMenus();
    // View > Days, Nights, Year chart, Darkness and Moon limit.
    void createViewChoices();
    // The View menu's checks as the settings say.
    void applyViewChoices();
    void createLayout();
    void placeControls();
    // The window's place and size (and maximized state) of the last run,
    // within the screen; kept again when the window closes.
    void restoreWindowPlace();
    void keepWindowPlace();
    // The shown window, its frame included, moved and shrunk into the
    // screen's available area (as far as its least size allows).
    void fitIntoScreen();
    // The print target's paper and orientation as last chosen.
    void applyPaper();
    // Steps after the month check: lay out, calculate, clipboard (when
    // `copy`), draw or print.  False when the page could not be printed;
    // `failure` then says why where that is known.
    bool drawMonth(const std::string& monthText, const month::Place& place, bool printing, bool copy, QString& failure);
    // One month for a place and its clock (the summer-time box applied)
    // on the screen or the printer; `copy`: the event keys to the clipboard.
    void calculateMonth(const std::string& monthText, month::Place place, render::OutputDevice device, bool copy);
    // The month in the box on the page, the clipboard left alone: the
    // first page, the month steps and Today, which only browse.
    void showBoxMonth();
    // The settings file read (or created), the summer-time box's state and
    // night vision.  False when the file is not valid (the program ends).
    bool loadSettings();
    // The month `months` away from the one in the box (or the page's),
    // calculated; a beep beyond 1900..2100.
    void stepMonth(int months);
    // After the page is drawn on the screen: today's row marked, the
    // status line set.
    void finishScreenPage(render::QtImageSurface& screen);
    // The window's colours for the present night-vision setting.
    void applyNightVision();
    void endProgram(int code);
    // The settings' place with the summer-time box applied.
    month::Place placeInForce() const;
    // The month box's text without the blanks around it.
    std::string boxMonthText() const;
    // The month shown on the page (the box's before the first page).
    std::string pageMonthText() const { return last_ ? lastMonthText_ : boxMonthText(); }
    // The screen page's font: the picture font, larger in a large window.
    QFont pageFont() const;
    // The printed page's margins, font and shades from the settings.
    render::PrintStyle printStyle() const;
    // Draws `last_` on the page after a fresh page set-up.
    void drawScreenPage();
    // The view shown of month m on ctx's surface (the screen or the
    // printer): the Days page, the Nights page or the year chart of m's
    // year, today's night marked on the screen.  False when ending the print
    // document failed.
    bool drawView(render::PageContext& ctx, const month::Month& m, bool printing);
    // The kept sites read again (their problems said once) into the site
    // box and the Sites compared menu; the box shows the place in use.
    void loadSites();
    // The site box's entry `index` made the place in use, saved and shown.
    void chooseSite(int index);
    // A site checked or unchecked in View > Sites compared (at most four).
    void toggleComparedSite(const std::string& name, bool on);
    // The sites the Compare view shows: those checked, else the first four.
    std::vector<zone::Place> comparedSites() const;
    // The Compare view of m's month: each compared site's nights.
    bool drawCompare(render::PageContext& ctx, const month::Month& m, bool printing);
    // The year chart of m's year, the view scrolled to m when it is new.
    bool drawChart(render::PageContext& ctx, const month::Month& m, bool printing);
    // The page as tall as the view needs: the window's for the pages, the
    // year chart's own, which then scrolls.
    void fitPageToView();
    // Today's night among the nights of `months` months from `first`.
    std::optional<std::size_t> todaysNight(const month::YearMonth& first, int months) const;
    // The status line's first part: the month ("June 2026"), or the view
    // and its dark rule.
    QString viewTitle(const month::YearMonth& ym, const QString& monthName) const;
    // What the print run calls the page: "month page", "nights page" or
    // "year chart".
    std::string pageKind() const;
    // A length in points as pixels across and down the screen.
    int pixelsX(double points) const;
    int pixelsY(double points) const;

    report::Reporter& reporter_;
    std::string settingsDir_;
    std::unique_ptr<PrintTarget> print_;
    settings::Settings settings_;
    render::PageLayout layout_;
    // The last month drawn on the screen, kept to draw it again when the
    // page widget changes size.
    std::optional<month::Month> last_;
    std::string lastMonthText_;
    // The months and nights of the Nights page and the year chart.
    NightStore nights_;
    // The kept sites, the last problems said of their file, and each
    // compared site's months, calculated once.
    QComboBox* siteBox_ = nullptr;
    QMenu* comparedMenu_ = nullptr;
    settings::SitesFile sites_;
    std::string sitesProblemsShown_;
    std::map<std::string, month::Months> siteMonths_;
    // The year chart is scrolled to the month shown when next drawn (a new
    // month or view), not when the window only changes size.
    bool chartToMonth_ = false;
    // The last zone problem shown (an unknown or unreadable zone named by
    // the settings): shown once, not at every activation.
    std::string zoneProblemShown_;
    std::function<QDate()> today_;
    std::function<void(int)> exitProgram_;
    DialogRunner runDialog_ = ExecDialog;
    std::function<QString(const QString&)> chooseIcsFile_;
    bool ended_ = false;
    int exitCode_ = 0;

    QGroupBox* inputRow_ = nullptr;
    QLabel* monthLabel_ = nullptr;
    QLineEdit* monthEdit_ = nullptr;
    QCheckBox* summerTimeBox_ = nullptr;
    QPushButton* calculateButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QToolButton* previousButton_ = nullptr;
    QToolButton* nextButton_ = nullptr;
    QLabel* statusLabel_ = nullptr;
    PageWidget* page_ = nullptr;
    QScrollArea* pageScroll_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QAction* optionsAction_ = nullptr;
    QAction* printAction_ = nullptr;
    QAction* exportDarkNightsAction_ = nullptr;
    QAction* infoAction_ = nullptr;
    QAction* exitAction_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QAction* todayAction_ = nullptr;
    QAction* previousMonthAction_ = nullptr;
    QAction* nextMonthAction_ = nullptr;
    QAction* nightVisionAction_ = nullptr;
    std::array<QAction*, 4> viewActions_{};
    QMenu* darknessMenu_ = nullptr;
    std::array<QAction*, 3> darknessActions_{};
    QMenu* moonMenu_ = nullptr;
    std::array<QAction*, 6> moonActions_{};
};

}  // namespace ui
