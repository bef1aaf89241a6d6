#include "ui/printtarget.h"

#include <QDir>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QStandardPaths>

#include "month/monthcalc.h"
#include "render/qt/qtsurface.h"

namespace ui {

int ExecDialog(QDialog& d) { return d.exec(); }

int PaperCode(const QPrinter& printer) {
    switch (printer.pageLayout().pageSize().id()) {
    case QPageSize::A4:
        return kPaperA4;
    case QPageSize::Letter:
        return kPaperLetter;
    default:
        return kPaperUnknown;
    }
}

int OrientationCode(const QPrinter& printer) {
    return printer.pageLayout().orientation() == QPageLayout::Landscape ? kOrientationLandscape
                                                                        : kOrientationPortrait;
}

PrintTarget::PrintTarget(bool pdf) : printer(QPrinter::HighResolution), toPdf(pdf) {
    if (toPdf) {
        // The whole sheet is drawable: the page set-up applies the margins
        // of the settings itself.
        render::SetupPdfPrinter(printer, QString(), false, false);
    }
    pdfFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (pdfFolder.isEmpty()) pdfFolder = QDir::homePath();
}

std::unique_ptr<PrintTarget> PrintTarget::ForThisMachine() {
    return std::make_unique<PrintTarget>(QPrinterInfo::availablePrinters().isEmpty());
}

QString PrintTarget::defaultPdfPath(const std::string& monthText) const {
    QString name = QStringLiteral("Almucan.pdf");
    // Only a month of six plain digits names the file; other texts that
    // the month check accepts ("20011/") would not make a safe file name.
    bool digits = monthText.size() == 6;
    for (char c : monthText) digits = digits && c >= '0' && c <= '9';
    if (digits && month::CheckMonthText(monthText))
        name = QStringLiteral("Almucan-%1.pdf").arg(QString::fromStdString(monthText));
    return QDir(pdfFolder).filePath(name);
}

QString PrintTarget::destination() const {
    if (toPdf) return printer.outputFileName();
    return printer.printerName();
}

}  // namespace ui
