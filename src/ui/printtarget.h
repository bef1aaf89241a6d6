#pragma once
// Where the print run goes: the system's default printer, or a PDF file
// when no printer is installed.  One instance lives as long as the main
// window, so the paper, orientation and file chosen in the printer set-up
// hold for the rest of the session.
#include <QDialog>
#include <QPrinter>
#include <QString>
#include <functional>
#include <memory>
#include <string>

#include "fileio/filewrite.h"
#include "settings/settings.h"

namespace ui {

// Shows a dialog modally and returns its result code.  The windows take
// one of these so that a test can drive its dialogs without a nested
// event loop.
using DialogRunner = std::function<int(QDialog&)>;
int ExecDialog(QDialog& d);

// The printer's paper and orientation codes (render/paper.h).
int PaperCode(const QPrinter& printer);
int OrientationCode(const QPrinter& printer);

struct PrintTarget {
    // toPdf: write PDF files instead of sending jobs to a printer.
    explicit PrintTarget(bool toPdf);
    // A PDF target when the machine has no printer, else the default printer.
    static std::unique_ptr<PrintTarget> ForThisMachine();

    // "Almucan-yyyymm.pdf" in pdfFolder (yyyymm the month box when it
    // holds a valid month, else just "Almucan.pdf"); for the Nights page
    // "Almucan-yyyymm-nights.pdf", for the year chart "Almucan-yyyy-year.pdf".
    QString defaultPdfPath(const std::string& monthText, settings::View view = settings::View::Days) const;
    // Text for the print dialog: the file or the printer that gets the page.
    QString destination() const;

    QPrinter printer;
    bool toPdf;
    // The print system's printer that gets the page (not used for PDF):
    // the default one at the start, then the one chosen in the set-up.
    // Kept apart from `printer`, which keeps its previous printer (the
    // default one, say) when told a name the print system does not know.
    QString printerName;
    // Set when the user picked the PDF file in the printer set-up; the
    // default name then no longer follows the month box.
    bool fileChosen = false;
    // Folder of the default PDF file (the user's documents folder).
    QString pdfFolder;
};

// One print run on a target.  A PDF goes to a temporary file beside the
// chosen one (beside the file it names, when it is a link), which replaces
// it only when the document is complete, so a failed run leaves an
// existing file as it was and a link stays a link.  A printer is looked up
// before the job, which does not begin when the print system does not know
// it; Qt does not say whether the print system took the job (a stopped
// print service is not reported), so the printer is looked up again after.
class PrintJob {
public:
    // Points the printer at the temporary file, or at the target's printer
    // when the print system knows it; see started().
    explicit PrintJob(PrintTarget& target);
    // Puts the printer's file name back and removes an unused temporary file.
    ~PrintJob();
    PrintJob(const PrintJob&) = delete;
    PrintJob& operator=(const PrintJob&) = delete;

    // False when the job cannot even begin; reason() says why.
    bool started() const { return started_; }
    // Ends the job after the page was drawn and the document ended;
    // `ended` tells whether that went well (painter and printer state).
    // True when the page was printed or the file is in place.
    bool finish(bool ended);
    // Why the job failed, in words for the user; may be empty.
    const QString& reason() const { return reason_; }

private:
    PrintTarget& target_;
    QString file_;                                      // the chosen PDF file
    QByteArray dest_;                                   // the file replaced: file_ with its links followed
    QString part_;                                      // the temporary file written instead
    std::unique_ptr<fileio::TemporaryName> partGuard_;  // removed on SIGTERM, SIGINT, SIGHUP
    bool started_ = true;
    QString reason_;
};

}  // namespace ui
