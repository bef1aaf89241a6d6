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

PrinterSetupDialog::PrinterSetupDialog(const QPrinter& printer, bool toPdf,
                                       const QStringList& printers, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Almucan - Print Setup"));
    auto* form = new QFormLayout;

    if (toPdf) {
        TextFile = new QLineEdit(printer.outputFileName(), this);
        TextFile->setMinimumWidth(320);
        CommandBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
        CommandBrowse->setAutoDefault(false);
        connect(CommandBrowse, &QPushButton::clicked, this,
                &PrinterSetupDialog::CommandBrowse_Click);
        auto* fileRow = new QHBoxLayout;
        fileRow->addWidget(TextFile, 1);
        fileRow->addWidget(CommandBrowse);
        // The label of a row that is a layout gets no buddy by itself.
        LabelFile = new QLabel(QStringLiteral("PDF &file:"), this);
        LabelFile->setBuddy(TextFile);
        form->addRow(LabelFile, fileRow);
    } else {
        ComboPrinter = new QComboBox(this);
        ComboPrinter->addItems(printers);
        const int at = ComboPrinter->findText(printer.printerName());
        if (at >= 0) ComboPrinter->setCurrentIndex(at);
        LabelPrinter = new QLabel(QStringLiteral("P&rinter:"), this);
        LabelPrinter->setBuddy(ComboPrinter);
        form->addRow(LabelPrinter, ComboPrinter);
    }

    // Only the papers the margin check knows.
    ComboPaper = new QComboBox(this);
    for (QPageSize::PageSizeId id : {QPageSize::A4, QPageSize::Letter})
        ComboPaper->addItem(PaperName(QPageSize(id)), static_cast<int>(id));
    const int idx = ComboPaper->findData(static_cast<int>(printer.pageLayout().pageSize().id()));
    ComboPaper->setCurrentIndex(idx >= 0 ? idx : 0);
    form->addRow(QStringLiteral("P&aper:"), ComboPaper);

    auto* orientationBox = new QGroupBox(QStringLiteral("Orientation"), this);
    OptionPortrait = new QRadioButton(QStringLiteral("P&ortrait"), orientationBox);
    OptionLandscape = new QRadioButton(QStringLiteral("&Landscape"), orientationBox);
    auto* ol = new QHBoxLayout(orientationBox);
    ol->addWidget(OptionPortrait);
    ol->addWidget(OptionLandscape);
    (printer.pageLayout().orientation() == QPageLayout::Landscape ? OptionLandscape
                                                                  : OptionPortrait)
        ->setChecked(true);

    Buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(Buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(Buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* top = new QVBoxLayout(this);
    top->addLayout(form);
    top->addWidget(orientationBox);
    top->addWidget(Buttons);
}

void PrinterSetupDialog::CommandBrowse_Click() {
    QString f = QFileDialog::getSaveFileName(this, QStringLiteral("PDF file"), TextFile->text(),
                                             QStringLiteral("PDF files (*.pdf)"));
    if (!f.isEmpty()) TextFile->setText(f);
}

QString PrinterSetupDialog::fileName() const {
    if (!TextFile) return QString();
    QString f = TextFile->text().trimmed();
    // A name without a suffix gets ".pdf", so that the file opens as one.
    if (!f.isEmpty() && QFileInfo(f).suffix().isEmpty()) f += QStringLiteral(".pdf");
    return f;
}

QString PrinterSetupDialog::printerName() const {
    return ComboPrinter ? ComboPrinter->currentText() : QString();
}

QPageSize::PageSizeId PrinterSetupDialog::paper() const {
    return static_cast<QPageSize::PageSizeId>(ComboPaper->currentData().toInt());
}

QPageLayout::Orientation PrinterSetupDialog::orientation() const {
    return OptionLandscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void PrinterSetupDialog::apply(PrintTarget& target) const {
    QPrinter& printer = target.printer;
    if (!fileName().isEmpty()) printer.setOutputFileName(fileName());
    // A new printer first: the print system sets that printer's own paper,
    // which the choice below then replaces.  The name chosen is the
    // target's even when the printer has gone since the list was made: the
    // print run then says so.
    if (ComboPrinter) target.printerName = printerName();
    if (!printerName().isEmpty() && printerName() != printer.printerName())
        printer.setPrinterName(printerName());
    printer.setPageSize(QPageSize(paper()));
    printer.setPageOrientation(orientation());
}

}  // namespace ui
