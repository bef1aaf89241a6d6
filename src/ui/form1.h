#pragma once
// Form1, the main window: month box with previous and next month buttons,
// summer-time box, Calculate and Help, the picture box with the month page,
// the File and View menus and a status line saying what the page shows.
#include <QDate>
#include <QMainWindow>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "report/reporter.h"
#include "month/monthcalc.h"
#include "settings/settings.h"
#include "render/page.h"
#include "ui/printtarget.h"

namespace render {
class QtImageSurface;
}

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolButton;

namespace ui {

class PictureBox;

class Form1 final : public QMainWindow {
    Q_OBJECT
public:
    // settingsDir: the folder of the settings file.  print: where print
    // runs go (the machine's printer or a PDF file when null).
    Form1(report::Reporter& reporter, std::string settingsDir,
          std::unique_ptr<PrintTarget> print = nullptr, QWidget* parent = nullptr);
    ~Form1() override;

    // Shows the window, runs its first activation and calculates the month
    // in the box.
    void start();

    // Today's date for the month box (the clock by default).
    void setToday(std::function<QDate()> today) { today_ = std::move(today); }
    // Ends the program with an exit code (QCoreApplication::exit by default).
    void setExitHandler(std::function<void(int)> exitProgram) {
        exitProgram_ = std::move(exitProgram);
    }
    // Shows the modal dialogs (QDialog::exec by default).
    void setDialogRunner(DialogRunner run) { runDialog_ = std::move(run); }
    // Asks for the iCalendar file to export into, with a suggested name;
    // an empty name cancels (a save-file dialog by default).
    void setIcsFileChooser(std::function<QString(const QString& suggested)> choose) {
        chooseIcsFile_ = std::move(choose);
    }

    // Calculate on the picture box (the month in the box) or, for the
    // print dialog, the printer (the month shown on the page).  The
    // month's event keys go to the clipboard.
    void Calculate(render::OutputDevice device);

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
    QGroupBox* frame1() const { return Frame1; }
    QLineEdit* textDate() const { return TextDate; }
    QCheckBox* checkST() const { return CheckST; }
    QPushButton* commandCalc() const { return CommandCalc; }
    QPushButton* commandHelp() const { return CommandHelp; }
    QToolButton* commandPrev() const { return CommandPrev; }
    QToolButton* commandNext() const { return CommandNext; }
    QAction* menuVToday() const { return MenuVToday; }
    QAction* menuVNight() const { return MenuVNight; }
    PictureBox* picture1() const { return Picture1; }
    QAction* menuFOptions() const { return MenuFOptions; }
    QAction* menuFPrint() const { return MenuFPrint; }
    QAction* menuFExportDark() const { return MenuFExportDark; }
    QAction* menuFInfo() const { return MenuFInfo; }
    QAction* menuFExit() const { return MenuFExit; }

public slots:
    // Version, title, month box, summer-time box, settings file.
    void Form_Activate();
    // One month: check, lay out, calculate, clipboard, draw or print.
    void CommandCalc_Click();
    void CommandHelp_Click();
    void MenuFOptions_Click();
    void MenuFPrint_Click();
    // The dark-and-no-Moon intervals of the month in the box into an
    // iCalendar file.
    void MenuFExportDark_Click();
    void MenuFInfo_Click();
    void MenuFExit_Click();
    // The month before or after the one in the box, calculated.
    void CommandPrev_Click();
    void CommandNext_Click();
    // This month, calculated.
    void MenuVToday_Click();
    // Night vision on or off, remembered in the settings file.
    void MenuVNight_Click();
    // Lays the page out for the picture box's present size and draws the
    // last calculated month again (nothing before the first calculation).
    void Picture1_Resize();

protected:
    void keyPressEvent(QKeyEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Widgets of the input row and the picture box, with their buttons'
    // handlers; the File menu and its handlers; tab order, geometry and
    // the window's sizes.
    void createWidgets();
    void createActions();
    void createLayout();
    void placeControls();
    // Steps after the month check: lay out, calculate, clipboard (when
    // `copy`), draw or print.  False when the page could not be printed;
    // `failure` then says why where that is known.
    bool drawMonth(const std::string& monthText, const month::Place& place, bool printing, bool copy,
                   QString& failure);
    // Calculate of a given month for a place and its clock (the
    // summer-time box applied); `copy`: the event keys to the clipboard.
    void calculate(const std::string& monthText, month::Place place, render::OutputDevice device, bool copy);
    // The month in the box on the picture box, the clipboard left alone:
    // the first page, the month steps and Today, which only browse.
    void showBoxMonth();
    // Activation's loading step: the settings file read (or created), the
    // summer-time box's state and night vision.  False when
    // the file is not valid (the program ends).
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
    // Draws `last_` on the picture box after a fresh page set-up.
    // The settings' place with the summer-time box applied.
    month::Place placeInForce() const;
    // The month box's text without the blanks around it.
    std::string boxMonthText() const;
    // The month shown on the page (the box's before the first page).
    std::string pageMonthText() const { return last_ ? lastMonthText_ : boxMonthText(); }
    // The printed page's margins, font and shades from the settings.
    render::PrintStyle printStyle() const;
    void drawScreenPage();
    int twipsX(int twips) const;
    int twipsY(int twips) const;

    report::Reporter& reporter_;
    std::string settingsDir_;
    std::unique_ptr<PrintTarget> print_;
    settings::Settings settings_;
    render::PageLayout layout_;
    // The last month drawn on the screen, kept to draw it again when the
    // picture box changes size.
    std::optional<month::Month> last_;
    std::string lastMonthText_;
    // The last zone problem shown (an unknown or unreadable zone named by
    // the settings): shown once, not at every activation.
    std::string zoneProblemShown_;
    std::function<QDate()> today_;
    std::function<void(int)> exitProgram_;
    DialogRunner runDialog_ = ExecDialog;
    std::function<QString(const QString&)> chooseIcsFile_;
    bool ended_ = false;
    int exitCode_ = 0;

    QGroupBox* Frame1 = nullptr;
    QLabel* Label1 = nullptr;
    QLineEdit* TextDate = nullptr;
    QCheckBox* CheckST = nullptr;
    QPushButton* CommandCalc = nullptr;
    QPushButton* CommandHelp = nullptr;
    QToolButton* CommandPrev = nullptr;
    QToolButton* CommandNext = nullptr;
    QLabel* LabelStatus = nullptr;
    PictureBox* Picture1 = nullptr;
    QMenu* MenuF = nullptr;
    QAction* MenuFOptions = nullptr;
    QAction* MenuFPrint = nullptr;
    QAction* MenuFExportDark = nullptr;
    QAction* MenuFInfo = nullptr;
    QAction* MenuFExit = nullptr;
    QMenu* MenuV = nullptr;
    QAction* MenuVToday = nullptr;
    QAction* MenuVPrev = nullptr;
    QAction* MenuVNext = nullptr;
    QAction* MenuVNight = nullptr;
};

}  // namespace ui
