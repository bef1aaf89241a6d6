// The main window's month page: calculating, drawing, printing and exporting a month.
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QLocale>
#include <QPainter>
#include <cmath>
#include <exception>
#include <optional>

#include "ical/darknights.h"
#include "month/format.h"
#include "month/monthcalc.h"
#include "render/qt/qtsurface.h"
#include "text/numbers.h"
#include "ui/mainwindow.h"
#include "ui/pagewidget.h"
#include "zone/zone.h"

namespace ui {

namespace {

// The hourglass for the length of one calculation, restored on every way
// out of it.
class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// The day and the month's short name in the window's language: "29 Mar".
QString DayAndMonth(int day, int month) {
    return QString::number(day) + ' ' + QLocale().monthName(month, QLocale::ShortFormat);
}

// The page's size in the window as it opens, pixels.
constexpr QSizeF kOpeningPage(980, 620);

QString Translated(const char* text) { return QCoreApplication::translate("ui::MainWindow", text); }

// The zone's name with its summer time in the month ("Europe/Oslo (summer
// time from 29 Mar)", "Europe/Oslo (standard time)"), or for the fixed
// zone its offset ("UTC+1", "UTC+1 (summer time)").
QString ZoneText(const month::Clock& clock, const month::YearMonth& ym) {
    const std::string& name = clock.zoneName;
    if (name.empty()) {
        const QString hours = QString::fromStdString(text::GeneralNumber(clock.fixedHours));
        return QStringLiteral("UTC") + (clock.fixedHours < 0 ? "" : "+") + hours +
               (clock.summerTime ? Translated(QT_TRANSLATE_NOOP("ui::MainWindow", " (summer time)")) : QString());
    }
    QString t = QString::fromStdString(name);
    const std::optional<zone::SummerTime> st = zone::SummerTimeOf(name, ym.year, ym.month);
    if (!st) return t + Translated(QT_TRANSLATE_NOOP("ui::MainWindow", " (standard time)"));
    const bool beginsIn = st->fromYear == ym.year && st->fromMonth == ym.month;
    const bool endsIn = st->untilYear == ym.year && st->untilMonth == ym.month;
    const QString from = DayAndMonth(st->fromDay, st->fromMonth);
    const QString until = DayAndMonth(st->untilDay, st->untilMonth);
    if (beginsIn && endsIn)
        return t + Translated(QT_TRANSLATE_NOOP("ui::MainWindow", " (summer time %1 - %2)")).arg(from, until);
    if (endsIn) return t + Translated(QT_TRANSLATE_NOOP("ui::MainWindow", " (summer time until %1)")).arg(until);
    return t + Translated(QT_TRANSLATE_NOOP("ui::MainWindow", " (summer time from %1)")).arg(from);
}

}  // namespace

QFont MainWindow::pageFont() const {
    // The page's text grows with a window larger than the one it opens in
    // (1000 x 720), so a large window shows a larger page, not more white:
    // by the smaller of the two ratios, up to two and a half times.  The
    // year chart keeps its size: it scrolls.
    QFont f = render::PictureFont();
    if (settings_.view == settings::View::YearChart) return f;
    const double grow =
        qBound(1.0, qMin(page_->width() / kOpeningPage.width(), page_->height() / kOpeningPage.height()), 2.5);
    if (grow > 1) f.setPointSizeF(f.pointSizeF() * grow);
    return f;
}

render::PrintStyle MainWindow::printStyle() const { return settings::PrintStyleOf(settings_); }

bool MainWindow::drawMonth(const std::string& monthText, const month::Place& place, bool printing, bool copy,
                           QString& failure) {
    fitPageToView();
    render::QtImageSurface screen(page_->image(), pageFont());
    screen.SetNightVision(settings_.nightVision);
    // The job outlives the printer surface, which ends its painter first.
    std::optional<PrintJob> job;
    std::unique_ptr<render::QtPrinterSurface> paper;
    if (printing) {
        job.emplace(*print_);
        if (!job->started()) {
            failure = job->reason();
            return false;
        }
        QString title = render::DocumentTitle(monthText);
        if (settings_.view == settings::View::Nights) title += QStringLiteral(" nights");
        if (settings_.view == settings::View::YearChart)
            title = render::DocumentTitle(monthText.substr(0, 4)) + QStringLiteral(" year chart");
        print_->printer.setDocName(title);
        paper = std::make_unique<render::QtPrinterSurface>(print_->printer);
    }
    const render::OutputDevice device = printing ? render::OutputDevice::Printer : render::OutputDevice::Screen;
    render::Output out(screen, paper.get(), device);
    const render::PrintStyle style = printStyle();
    // A print run lays out a page of its own: the window's layout stays the
    // screen page's.
    render::PageLayout paperLayout;
    render::PageContext ctx{out, printing ? paperLayout : layout_, style, monthText, reporter_};
    // The ink saver is a style of the printed page only.
    if (printing) ctx.shades = render::PageShades(style.inkSaver);

    std::optional<month::Month> result = month::CalculateMonth(monthText, place, reporter_, EphemerisOf(settings_));
    if (!result) return true;  // refused; CalculateMonth has said so
    if (copy) QGuiApplication::clipboard()->setText(QString::fromStdString(month::ClipboardText(*result)));
    const bool ended = drawView(ctx, *result, printing);
    if (!printing) {
        last_ = std::move(result);
        lastMonthText_ = monthText;
        finishScreenPage(screen);
        return true;
    }
    paper.reset();
    if (job->finish(ended)) return true;
    failure = job->reason();
    return false;
}

void MainWindow::drawScreenPage() {
    fitPageToView();
    render::QtImageSurface screen(page_->image(), pageFont());
    screen.SetNightVision(settings_.nightVision);
    const render::OutputDevice device = render::OutputDevice::Screen;
    render::Output out(screen, nullptr, device);
    const render::PrintStyle style = printStyle();
    render::PageContext ctx{out, layout_, style, lastMonthText_, reporter_};
    drawView(ctx, *last_, false);
    finishScreenPage(screen);
}

void MainWindow::finishScreenPage(render::QtImageSurface& screen) {
    screen.finish();
    const month::YearMonth ym = last_->ym;
    const QDate today = today_();
    // (The Nights page and the year chart mark today's night themselves.)
    if (settings_.view == settings::View::Days && today.year() == ym.year && today.month() == ym.month) {
        // Today's row of the table: the white behind it light yellow (by
        // day) or the black dark red (night vision); the text stays.
        QPainter p(&page_->image());
        const render::PageLayout& L = layout_;
        p.setCompositionMode(settings_.nightVision ? QPainter::CompositionMode_Lighten
                                                   : QPainter::CompositionMode_Darken);
        p.fillRect(QRectF(L.tableLeft, L.top + today.day() * L.rowHeight, L.graphLeft - L.tableLeft, L.rowHeight),
                   settings_.nightVision ? QColor(70, 0, 0) : QColor(255, 236, 150));
    }
    const month::Place& place = last_->place;
    const double lat = place.latitude, lon = place.longitude;
    QString where = QString::fromStdString(place.name);
    if (!where.isEmpty()) where += ' ';
    where += QString::number(std::fabs(lat), 'f', 2) + (lat < 0 ? tr(" S ") : tr(" N ")) +
             QString::number(std::fabs(lon), 'f', 2) + (lon < 0 ? tr(" W") : tr(" E"));
    // The standard ephemeris goes unsaid, as it always has.
    const QString precise =
        last_->ephemeris == month::Ephemeris::Precise ? tr(" - precise ephemeris (IAU 2006/2000A, ERFA)") : QString();
    statusLabel_->setText(viewTitle(ym, QLocale().standaloneMonthName(ym.month)) + " - " + where + " - " +
                          ZoneText(place.clock, ym) + precise);
}

QString MainWindow::statusText() const { return statusLabel_->text(); }

void MainWindow::redrawPage() {
    if (ended_ || !last_) return;
    drawScreenPage();
    page_->update();
}

void MainWindow::calculate() {
    if (!ended_) calculateMonth(boxMonthText(), placeInForce(), render::OutputDevice::Screen, true);
}

void MainWindow::printMonth() {
    if (ended_) return;
    if (last_)
        calculateMonth(lastMonthText_, last_->place, render::OutputDevice::Printer, true);
    else
        calculateMonth(boxMonthText(), placeInForce(), render::OutputDevice::Printer, true);
}

void MainWindow::showBoxMonth() {
    if (!ended_) calculateMonth(boxMonthText(), placeInForce(), render::OutputDevice::Screen, false);
}

void MainWindow::calculateMonth(const std::string& monthText, month::Place place, render::OutputDevice device,
                                bool copy) {
    // A refused month changes nothing else: page, clipboard, pointer.
    if (!month::AcceptMonthText(monthText, reporter_)) return;
    const bool printing = device == render::OutputDevice::Printer;
    if (!printing) chartToMonth_ = true;
    bool pageOk = true;
    QString printFailure;
    std::string failure;
    {
        WaitCursor hourglass;
        try {
            pageOk = drawMonth(monthText, place, printing, copy, printFailure);
        } catch (const std::exception& ex) {
            failure = *ex.what() ? ex.what() : "unknown error";
        } catch (...) {
            failure = "unknown error";
        }
    }
    page_->update();

    // Reported after the hourglass is gone.
    if (!failure.empty()) {
        reporter_.error("The calculation failed:\r\n" + failure);
        return;
    }
    if (!printing) return;
    if (!pageOk) {
        std::string text = "The page could not be printed.";
        if (!printFailure.isEmpty()) text += "\r\n" + printFailure.toStdString();
        reporter_.error(text);
    } else if (print_->toPdf) {
        reporter_.message("The " + pageKind() + " was written to\r\n   " + print_->destination().toStdString(),
                          "Almucan - Print", report::Icon::Information);
    }
}

void MainWindow::exportDarkNights() {
    if (ended_) return;
    // The month shown on the page, or with the year chart its year.
    const std::string monthText = pageMonthText();
    if (!month::AcceptMonthText(monthText, reporter_)) return;
    const bool year = settings_.view == settings::View::YearChart;
    const QString suggested =
        QString::fromStdString("dark-nights-" + (year ? monthText.substr(0, 4) : monthText) + ".ics");
    const QString file = chooseIcsFile_(QDir::home().filePath(suggested));
    if (file.isEmpty()) return;
    const month::Place place = last_ ? last_->place : placeInForce();
    std::string error;
    bool written = true;
    {
        WaitCursor hourglass;
        auto r = month::CalculateMonth(monthText, place, reporter_, EphemerisOf(settings_));
        // The file's name goes to the system in the local encoding.
        const std::string path = QFile::encodeName(file).toStdString();
        if (r) {
            month::Months months(place, r->ephemeris);
            const month::YearMonth shown = months.keep(std::move(*r)).ym;
            std::vector<month::YearMonth> yms;
            if (!year) yms.push_back(shown);
            for (int m = 1; year && m <= 12; ++m) yms.push_back({shown.year, m});
            written = ical::WriteIcs(yms, months, path, error, DarkRuleOf(settings_));
        }
    }
    if (!written) reporter_.error("The dark nights could not be exported:\r\n" + error);
}

}  // namespace ui
