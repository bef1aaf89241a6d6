#pragma once
// The print dialog: margins, print font and ink saver, the printer set-up
// and the print run.
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

class PrintDialog final : public QDialog {
    Q_OBJECT
public:
    // runPrint runs the main window's print run; monthText is the month
    // shown in the main window, naming the default PDF file; runDialog
    // shows the printer set-up.
    PrintDialog(settings::Settings& settings, report::Reporter& reporter, PrintTarget& target,
                std::function<void()> runPrint, std::string monthText, DialogRunner runDialog = ExecDialog,
                QWidget* parent = nullptr);

    // True when the margins in the boxes suit the printer's paper and the
    // page fits within them in the font of the boxes;
    // otherwise reports why and gives false.
    bool checkPrinting();

    // The controls, for tests.
    QLineEdit* topMarginEdit() const { return topMarginEdit_; }
    QLineEdit* bottomMarginEdit() const { return bottomMarginEdit_; }
    QLineEdit* leftMarginEdit() const { return leftMarginEdit_; }
    QLineEdit* rightMarginEdit() const { return rightMarginEdit_; }
    QComboBox* fontBox() const { return fontBox_; }
    QLineEdit* fontSizeEdit() const { return fontSizeEdit_; }
    QCheckBox* inkSaverBox() const { return inkSaverBox_; }
    QLabel* destinationLabel() const { return destinationLabel_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* setupButton() const { return setupButton_; }
    QPushButton* printButton() const { return printButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

public slots:
    // Fills the boxes from the settings, the font list from the machine's
    // families, and shows where the page goes.
    void fillFromSettings();
    // The font sample in the font and size of the boxes.
    void showFontSample();
    // The printer set-up: printer or PDF file, paper and orientation.
    void setUpPrinter();
    // Checks the boxes and writes them to the settings file.
    void save();
    // Checks the boxes and prints with them, leaving the saved layout
    // alone, then closes.
    void print();
    void showHelp();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The controls with their slots; the groups' grids, the button
    // column and the tab order.
    void createWidgets();
    void createLayout();
    // The boxes' margins and font into the settings.
    void storeLayout();
    // Where the page goes, its paper and orientation.
    void showDestination();

    settings::Settings& settings_;
    report::Reporter& reporter_;
    PrintTarget& target_;
    std::function<void()> runPrint_;
    std::string monthText_;
    DialogRunner runDialog_;

    QGroupBox* marginGroup_ = nullptr;
    QGroupBox* fontGroup_ = nullptr;
    QLabel* topMarginLabel_ = nullptr;
    QLabel* bottomMarginLabel_ = nullptr;
    QLabel* leftMarginLabel_ = nullptr;
    QLabel* rightMarginLabel_ = nullptr;
    QLabel* fontNameLabel_ = nullptr;
    QLabel* fontSizeLabel_ = nullptr;
    QLineEdit* topMarginEdit_ = nullptr;
    QLineEdit* bottomMarginEdit_ = nullptr;
    QLineEdit* leftMarginEdit_ = nullptr;
    QLineEdit* rightMarginEdit_ = nullptr;
    QComboBox* fontBox_ = nullptr;
    QLineEdit* fontSizeEdit_ = nullptr;
    QLabel* fontSample_ = nullptr;
    // The ink-saving style of the printed page (settings line 14).
    QCheckBox* inkSaverBox_ = nullptr;
    // Where the page goes (the PDF file or the printer), its paper and
    // orientation.
    QLabel* destinationLabel_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* setupButton_ = nullptr;
    QPushButton* printButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

// The font families of the machine, sorted alphabetically (ignoring case),
// without duplicates.
QStringList SortedFontFamilies();

}  // namespace ui
