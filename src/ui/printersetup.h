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
    PrinterSetupDialog(const QPrinter& printer, bool toPdf, const QStringList& printers, QWidget* parent = nullptr);

    // Puts the chosen printer or file, paper and orientation into the target.
    void apply(PrintTarget& target) const;
    QString fileName() const;
    QString printerName() const;
    QPageSize::PageSizeId paper() const;
    QPageLayout::Orientation orientation() const;

    // The controls, for tests.
    QLineEdit* fileEdit() const { return fileEdit_; }
    QComboBox* printerBox() const { return printerBox_; }
    QComboBox* paperBox() const { return paperBox_; }
    QRadioButton* portraitButton() const { return portraitButton_; }
    QRadioButton* landscapeButton() const { return landscapeButton_; }
    QDialogButtonBox* buttons() const { return buttons_; }

public slots:
    // Asks for the PDF file with a save-file dialog.
    void chooseFile();

private:
    // Either the file row (PDF) or the printer list is present.
    QLabel* fileLabel_ = nullptr;
    QLineEdit* fileEdit_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QLabel* printerLabel_ = nullptr;
    QComboBox* printerBox_ = nullptr;
    QComboBox* paperBox_ = nullptr;
    QRadioButton* portraitButton_ = nullptr;
    QRadioButton* landscapeButton_ = nullptr;
    QDialogButtonBox* buttons_ = nullptr;
};

// The paper's name for the print dialog: A4 and US Letter by those
// names, others by Qt's name for them.
QString PaperName(const QPageSize& paper);

}  // namespace ui
