#pragma once
// The printer set-up used when the print run writes a PDF file: the file,
// the paper and the orientation.
#include <QDialog>
#include <QPageLayout>
#include <QPageSize>

class QComboBox;
class QLineEdit;
class QPrinter;
class QPushButton;
class QRadioButton;
class QDialogButtonBox;

namespace ui {

class PrinterSetupDialog final : public QDialog {
    Q_OBJECT
public:
    // Shows the printer's current file, paper and orientation.
    explicit PrinterSetupDialog(const QPrinter& printer, QWidget* parent = nullptr);

    // Puts the chosen file, paper and orientation into the printer.
    void apply(QPrinter& printer) const;
    QString fileName() const;
    QPageSize::PageSizeId paper() const;
    QPageLayout::Orientation orientation() const;

    QLineEdit* TextFile = nullptr;
    QPushButton* CommandBrowse = nullptr;
    QComboBox* ComboPaper = nullptr;
    QRadioButton* OptionPortrait = nullptr;
    QRadioButton* OptionLandscape = nullptr;
    QDialogButtonBox* Buttons = nullptr;

public slots:
    void CommandBrowse_Click();
};

}  // namespace ui
