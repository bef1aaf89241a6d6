#include "ui/printersetup.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace ui {

PrinterSetupDialog::PrinterSetupDialog(const QPrinter& printer, QWidget* parent)
    : QDialog(parent) {
    setWindowTitle(QStringLiteral("Almucan - Print Setup"));

    TextFile = new QLineEdit(printer.outputFileName(), this);
    TextFile->setMinimumWidth(320);
    CommandBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    CommandBrowse->setAutoDefault(false);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(TextFile, 1);
    fileRow->addWidget(CommandBrowse);

    ComboPaper = new QComboBox(this);
    const QPageSize::PageSizeId papers[] = {QPageSize::A4, QPageSize::Letter,
                                            QPageSize::Legal, QPageSize::A3, QPageSize::A5};
    for (QPageSize::PageSizeId id : papers)
        ComboPaper->addItem(QPageSize::name(id), static_cast<int>(id));
    QPageSize::PageSizeId current = printer.pageLayout().pageSize().id();
    int idx = ComboPaper->findData(static_cast<int>(current));
    if (idx < 0) {
        ComboPaper->addItem(printer.pageLayout().pageSize().name(), static_cast<int>(current));
        idx = ComboPaper->count() - 1;
    }
    ComboPaper->setCurrentIndex(idx);

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
    connect(CommandBrowse, &QPushButton::clicked, this, &PrinterSetupDialog::CommandBrowse_Click);

    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("PDF &file:"), fileRow);
    form->addRow(QStringLiteral("P&aper:"), ComboPaper);
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
    QString f = TextFile->text().trimmed();
    // A name without a suffix gets ".pdf", so that the file opens as one.
    if (!f.isEmpty() && QFileInfo(f).suffix().isEmpty()) f += QStringLiteral(".pdf");
    return f;
}

QPageSize::PageSizeId PrinterSetupDialog::paper() const {
    return static_cast<QPageSize::PageSizeId>(ComboPaper->currentData().toInt());
}

QPageLayout::Orientation PrinterSetupDialog::orientation() const {
    return OptionLandscape->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void PrinterSetupDialog::apply(QPrinter& printer) const {
    if (!fileName().isEmpty()) printer.setOutputFileName(fileName());
    printer.setPageSize(QPageSize(paper()));
    printer.setPageOrientation(orientation());
}

}  // namespace ui
