// The printer set-up dialog: printer or PDF file, paper and orientation.
#include "ui/printersetup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

QString PaperName(const QPageSize& paper) {
    switch (paper.id()) {
        case QPageSize::A4:
            return QStringLiteral("A4");
        case QPageSize::Letter:
            return QStringLiteral("US Letter");
        default:
            return paper.name();
    }
}

PrinterSetupDialog::PrinterSetupDialog(const QPrinter& printer, bool toPdf, const QStringList& printers,
                                       QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(tr("Almucan - Print Setup"));
    auto* form = new QFormLayout;

    if (toPdf) {
        fileEdit_ = new QLineEdit(printer.outputFileName(), this);
        fileEdit_->setMinimumWidth(320);
        browseButton_ = new QPushButton(tr("&Browse..."), this);
        browseButton_->setAutoDefault(false);
        connect(browseButton_, &QPushButton::clicked, this, &PrinterSetupDialog::chooseFile);
        auto* fileRow = new QHBoxLayout;
        fileRow->addWidget(fileEdit_, 1);
        fileRow->addWidget(browseButton_);
        // The label of a row that is a layout gets no buddy by itself.
        fileLabel_ = new QLabel(tr("PDF &file:"), this);
        fileLabel_->setBuddy(fileEdit_);
        form->addRow(fileLabel_, fileRow);
    } else {
        printerBox_ = new QComboBox(this);
        printerBox_->addItems(printers);
        const int at = printerBox_->findText(printer.printerName());
        if (at >= 0) printerBox_->setCurrentIndex(at);
        printerLabel_ = new QLabel(tr("P&rinter:"), this);
        printerLabel_->setBuddy(printerBox_);
        form->addRow(printerLabel_, printerBox_);
    }

    // Only the papers the margin check knows.
    paperBox_ = new QComboBox(this);
    for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::Letter})
        paperBox_->addItem(PaperName(QPageSize(id)), static_cast<int>(id));
    const int idx = paperBox_->findData(static_cast<int>(printer.pageLayout().pageSize().id()));
    paperBox_->setCurrentIndex(idx >= 0 ? idx : 0);
    form->addRow(tr("P&aper:"), paperBox_);

    auto* orientationBox = new QGroupBox(tr("Orientation"), this);
    portraitButton_ = new QRadioButton(tr("P&ortrait"), orientationBox);
    landscapeButton_ = new QRadioButton(tr("&Landscape"), orientationBox);
    auto* ol = new QHBoxLayout(orientationBox);
    ol->addWidget(portraitButton_);
    ol->addWidget(landscapeButton_);
    (printer.pageLayout().orientation() == QPageLayout::Landscape ? landscapeButton_ : portraitButton_)
        ->setChecked(true);

    buttons_ = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons_, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addWidget(orientationBox);
    top->addWidget(buttons_);
}

void PrinterSetupDialog::chooseFile() {
    QString f = QFileDialog::getSaveFileName(this, tr("PDF file"), fileEdit_->text(), tr("PDF files (*.pdf)"));
    if (!f.isEmpty()) fileEdit_->setText(f);
}

QString PrinterSetupDialog::fileName() const {
    if (!fileEdit_) return QString();
    QString f = fileEdit_->text().trimmed();
    // A name without a suffix gets ".pdf", so that the file opens as one.
    if (!f.isEmpty() && QFileInfo(f).suffix().isEmpty()) f += QStringLiteral(".pdf");
    return f;
}

QString PrinterSetupDialog::printerName() const { return printerBox_ ? printerBox_->currentText() : QString(); }

QPageSize::PageSizeId PrinterSetupDialog::paper() const {
    return static_cast<QPageSize::PageSizeId>(paperBox_->currentData().toInt());
}

QPageLayout::Orientation PrinterSetupDialog::orientation() const {
    return landscapeButton_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void PrinterSetupDialog::apply(PrintTarget& target) const {
    QPrinter& printer = target.printer;
    if (!fileName().isEmpty()) printer.setOutputFileName(fileName());
    // A new printer first: the print system sets that printer's own paper,
    // which the choice below then replaces.  The name chosen is the
    // target's even when the printer has gone since the list was made: the
    // print run then says so.
    if (printerBox_) target.printerName = printerName();
    if (!printerName().isEmpty() && printerName() != printer.printerName()) printer.setPrinterName(printerName());
    printer.setPageSize(QPageSize(paper()));
    printer.setPageOrientation(orientation());
}

}  // namespace ui
