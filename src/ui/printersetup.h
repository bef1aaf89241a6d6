#pragma once
// The printer set-up of the print dialog: where the page goes (a printer of
// the print system, or a PDF file when there is none), the paper and the
// orientation.
#include <QDialog>
#include <QPageLayout>
#include <QPageSize>
#include <QStringList>

#include "ui/printtarget.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QDialogButtonBox;

namespace ui {

class PrinterSetupDialog final : public QDialog {
    Q_OBJECT
public:
    // Shows the printer's current destination, paper and orientation.
    // printers: the print system's printers to choose from; when `toPdf`
    // the dialog asks for the PDF file instead.
    PrinterSetupDialog(const QPrinter& printer, bool toPdf, const QStringList& printers,
                       QWidget* parent = nullptr);

    // Puts the chosen printer or file, paper and orientation into the target.
    void apply(PrintTarget& target) const;
    QString fileName() const;
    QString printerName() const;
    QPageSize::PageSizeId paper() const;
    QPageLayout::Orientation orientation() const;

    // Either the file row (PDF) or the printer list is present.
    QLabel* LabelFile = nullptr;
    QLineEdit* TextFile = nullptr;
    QPushButton* CommandBrowse = nullptr;
    QLabel* LabelPrinter = nullptr;
    QComboBox* ComboPrinter = nullptr;
    QComboBox* ComboPaper = nullptr;
    QRadioButton* OptionPortrait = nullptr;
    QRadioButton* OptionLandscape = nullptr;
    QDialogButtonBox* Buttons = nullptr;

public slots:
    void CommandBrowse_Click();
};

// "A4", "US Letter" or the paper's own name.
QString PaperName(const QPageSize& paper);

}  // namespace ui
