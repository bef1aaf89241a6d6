// The print target (printer or PDF file) and one print run on it.
#include "ui/printtarget.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

#include <sys/stat.h>

#include "calendar/calendar.h"
#include "fileio/filewrite.h"
#include "month/monthcalc.h"
#include "render/paper.h"
#include "render/qt/qtsurface.h"

namespace ui {

int ExecDialog(QDialog& d) { return d.exec(); }

int PaperCode(const QPrinter& printer) { return render::PaperCode(printer.pageLayout()); }

int OrientationCode(const QPrinter& printer) {
    return printer.pageLayout().orientation() == QPageLayout::Landscape ? render::kOrientationCodeLandscape
                                                                        : render::kOrientationCodePortrait;
}

PrintTarget::PrintTarget(bool pdf) : printer(QPrinter::HighResolution), toPdf(pdf) {
    if (toPdf) {
        // A printer's printable area: the page set-up applies the margins
        // of the settings within it.
        render::SetupPdfPrinter(printer, QString(), false, false);
    } else {
        printerName = printer.printerName();
    }
    pdfFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (pdfFolder.isEmpty()) pdfFolder = QDir::homePath();
}

std::unique_ptr<PrintTarget> PrintTarget::ForThisMachine() {
    return std::make_unique<PrintTarget>(QPrinterInfo::availablePrinters().isEmpty());
}

QString PrintTarget::defaultPdfPath(const std::string& monthText, settings::View view) const {
    QString name = QStringLiteral("Almucan.pdf");
    // Only a month of six plain digits names the file; other texts that
    // the month check accepts ("20011/") would not make a safe file name.
    bool digits = monthText.size() == 6;
    for (char c : monthText) digits = digits && c >= '0' && c <= '9';
    if (digits && calendar::CheckMonthText(monthText)) {
        const QString month = QString::fromStdString(monthText);
        name = view == settings::View::Nights      ? QStringLiteral("Almucan-%1-nights.pdf").arg(month)
               : view == settings::View::YearChart ? QStringLiteral("Almucan-%1-year.pdf").arg(month.left(4))
                                                   : QStringLiteral("Almucan-%1.pdf").arg(month);
    }
    return QDir(pdfFolder).filePath(name);
}

QString PrintTarget::destination() const { return toPdf ? printer.outputFileName() : printerName; }

PrintJob::PrintJob(PrintTarget& target) : target_(target) {
    if (!target_.toPdf) {
        // Told a name the print system does not know, Qt keeps the printer
        // it had, and the page would go there: the name is looked up first.
        const QString& name = target_.printerName;
        const bool known = !name.isEmpty() && QPrinterInfo::availablePrinterNames().contains(name);
        if (known && target_.printer.printerName() != name) target_.printer.setPrinterName(name);
        if (name.isEmpty())
            reason_ = QCoreApplication::translate("ui::PrintJob", "No printer is available.");
        else if (!known || target_.printer.printerName() != name ||
                 target_.printer.outputFormat() != QPrinter::NativeFormat)
            reason_ = QCoreApplication::translate("ui::PrintJob", "The printer %1 is not available.").arg(name);
        started_ = reason_.isEmpty();
        return;
    }
    file_ = target_.printer.outputFileName();
    QDir().mkpath(QFileInfo(file_).absolutePath());
    const std::optional<std::string> dest = fileio::WriteTarget(QFile::encodeName(file_).toStdString());
    if (!dest) {
        started_ = false;
        reason_ = QCoreApplication::translate("ui::PrintJob", "Can't write %1: %2")
                      .arg(file_, QString::fromStdString(fileio::Reason(ELOOP)));
        return;
    }
    dest_ = QByteArray::fromStdString(*dest);
    QTemporaryFile part(QFile::decodeName(dest_) + QStringLiteral(".XXXXXX"));
    part.setAutoRemove(false);
    if (!part.open()) {
        started_ = false;
        reason_ = QCoreApplication::translate("ui::PrintJob", "Can't write %1: %2").arg(file_, part.errorString());
        return;
    }
    part_ = part.fileName();
    partGuard_ = std::make_unique<fileio::TemporaryName>(QFile::encodeName(part_).toStdString());
    part.close();
    target_.printer.setOutputFileName(part_);
}

PrintJob::~PrintJob() {
    if (!target_.toPdf) return;
    target_.printer.setOutputFileName(file_);
    if (!part_.isEmpty()) QFile::remove(part_);
}

namespace {

// A PDF that was written to its end finishes with "%%EOF" (and a line end).
bool EndsLikePdf(const QString& path) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() < 6) return false;
    f.seek(f.size() - std::min<qint64>(f.size(), 64));
    return f.readAll().contains("%%EOF");
}

}  // namespace

bool PrintJob::finish(bool ended) {
    if (!started_) return false;
    if (!target_.toPdf) {
        const QString& name = target_.printerName;
        if (QPrinterInfo::printerInfo(name).isNull())
            reason_ = QCoreApplication::translate("ui::PrintJob", "The printer %1 cannot be reached.").arg(name);
        else if (!ended)
            reason_ = QCoreApplication::translate("ui::PrintJob", "The printer %1 reported an error.").arg(name);
        return reason_.isEmpty();
    }
    if (!ended || !EndsLikePdf(part_)) {
        reason_ = QCoreApplication::translate("ui::PrintJob", "Can't write %1: the document is incomplete.").arg(file_);
        return false;
    }
    // The finished document goes through the one file writer: its own
    // temporary file, flushed with its folder, renamed over the target.
    QFile done(part_);
    if (!done.open(QIODevice::ReadOnly)) {
        reason_ = QCoreApplication::translate("ui::PrintJob", "Can't write %1: %2").arg(file_, done.errorString());
        return false;
    }
    const QByteArray bytes = done.readAll();
    done.close();
    const std::string why = fileio::ReplaceFile(
        dest_.toStdString(), std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
    if (!why.empty()) {
        reason_ =
            QCoreApplication::translate("ui::PrintJob", "Can't write %1: %2").arg(file_, QString::fromStdString(why));
        return false;
    }
    QFile::remove(part_);
    part_.clear();
    return true;
}

}  // namespace ui
