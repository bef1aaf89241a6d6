#pragma once
// "Almucan - Print": margins, print font, printer set-up and the print run.
#include <QDialog>
#include <functional>
#include <string>

#include "report/reporter.h"
#include "settings/settings.h"
#include "ui/printtarget.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QCheckBox;
class QLineEdit;
class QPushButton;

namespace ui {

class FormPrint final : public QDialog {
    Q_OBJECT
public:
    // runPrint runs the main window's Calculate on the printer; monthText is the main window's month box,
    // naming the default PDF file; runDialog shows the printer set-up.
    FormPrint(settings::Settings& settings, report::Reporter& reporter, PrintTarget& target,
              std::function<void()> runPrint, std::string monthText,
              DialogRunner runDialog = ExecDialog, QWidget* parent = nullptr);

    // True when the margins in the boxes suit the printer's paper and the
    // page fits within them in the font of the boxes;
    // otherwise reports why and gives false.
    bool CheckPrinting();

    // The controls, for tests.
    QLineEdit* textMT() const { return TextMT; }
    QLineEdit* textMB() const { return TextMB; }
    QLineEdit* textML() const { return TextML; }
    QLineEdit* textMR() const { return TextMR; }
    QComboBox* comboFont() const { return ComboFont; }
    QLineEdit* textFS() const { return TextFS; }
    QCheckBox* checkInk() const { return CheckInk; }
    QLabel* labelOutput() const { return LabelOutput; }
    QPushButton* commandSave() const { return CommandSave; }
    QPushButton* commandSetup() const { return CommandSetup; }
    QPushButton* commandPrint() const { return CommandPrint; }
    QPushButton* commandCancel() const { return CommandCancel; }

public slots:
    void Form_Load();
    void ComboFont_Click();
    void TextFS_LostFocus();
    void CommandSetup_Click();
    void CommandSave_Click();
    void CommandPrint_Click();
    void CommandCancel_Click();
    void CommandHelp_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls with their handlers; the frames' grids, the button
    // column and the tab order.
    void createWidgets();
    void createLayout();
    // The boxes' margins and font into the settings.
    void storeLayout();
    void showOutput();

    settings::Settings& settings_;
    report::Reporter& reporter_;
    PrintTarget& target_;
    std::function<void()> runPrint_;
    std::string monthText_;
    DialogRunner runDialog_;

    QGroupBox* Frame1 = nullptr;
    QGroupBox* Frame2 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLabel* Label7 = nullptr;
    QLineEdit* TextMT = nullptr;
    QLineEdit* TextMB = nullptr;
    QLineEdit* TextML = nullptr;
    QLineEdit* TextMR = nullptr;
    QComboBox* ComboFont = nullptr;
    QLineEdit* TextFS = nullptr;
    QLabel* LabelTextSample = nullptr;
    // The ink-saving style of the printed page (settings line 14).
    QCheckBox* CheckInk = nullptr;
    // Where the page goes (the PDF file or the printer), its paper and
    // orientation: "Printer: PDF - A4, portrait".
    QLabel* LabelOutput = nullptr;
    QPushButton* CommandHelp = nullptr;
    QPushButton* CommandSave = nullptr;
    QPushButton* CommandSetup = nullptr;
    QPushButton* CommandPrint = nullptr;
    QPushButton* CommandCancel = nullptr;
};

// The font families of the machine, sorted alphabetically (ignoring case),
// without duplicates.
QStringList SortedFontFamilies();

}  // namespace ui
