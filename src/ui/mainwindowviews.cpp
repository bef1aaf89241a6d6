// The main window's views of a month: the View menu's Days, Nights and Year chart with the dark rule, each view drawn.
#include <QAction>
#include <QActionGroup>
#include <QFontMetricsF>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QtMath>
#include <array>
#include <optional>
#include <utility>

#include "calendar/calendar.h"
#include "render/nightspage.h"
#include "render/qt/qtsurface.h"
#include "render/yearchart.h"
#include "settings/settingsfile.h"
#include "ui/mainwindow.h"
#include "ui/pagewidget.h"

namespace ui {

namespace {

// The Moon limits offered, in percent of the disc lit.
constexpr std::array<double, 6> kMoonLimits = {0, 5, 10, 15, 25, 50};

// Text lines of the pages' least height on the screen.
constexpr double kPageLines = 35;

// The year chart's rows on the screen: a third of a text line, at least 4
// pixels, so the year is a few screens high and every night stays apart.
constexpr double kChartRowLines = 1.0 / 3;
constexpr int kChartRowMin = 4;
// Lines of the chart besides its rows: title, place line, hour labels above
// and below, half a line and up to two lines of key, and a little spare.
constexpr double kChartOtherLines = 7.5;

// A checkable action in `group` and `menu` that calls `chosen`.
template <typename F>
QAction* Choice(QMenu* menu, QActionGroup* group, const QString& text, F chosen) {
    QAction* a = menu->addAction(text);
    a->setCheckable(true);
    group->addAction(a);
    QObject::connect(a, &QAction::triggered, menu, chosen);
    return a;
}

}  // namespace

void MainWindow::createViewChoices() {
    auto* views = new QActionGroup(this);
    const std::array<std::pair<settings::View, const char*>, 4> names = {
        {{settings::View::Days, QT_TR_NOOP("&Days")},
         {settings::View::Nights, QT_TR_NOOP("N&ights")},
         {settings::View::YearChart, QT_TR_NOOP("&Year chart")},
         {settings::View::Compare, QT_TR_NOOP("&Compare sites")}}};
    for (std::size_t i = 0; i < names.size(); ++i) {
        const settings::View v = names[i].first;
        viewActions_[i] = Choice(viewMenu_, views, tr(names[i].second), [this, v] { chooseView(v); });
        viewActions_[i]->setShortcut(QKeySequence(Qt::CTRL | static_cast<Qt::Key>(Qt::Key_1 + static_cast<int>(i))));
    }
    viewMenu_->addSeparator();
    darknessMenu_ = viewMenu_->addMenu(tr("D&arkness"));
    auto* darkness = new QActionGroup(this);
    const std::array<std::pair<settings::Darkness, const char*>, 3> kinds = {
        {{settings::Darkness::Astronomical, QT_TR_NOOP("&Astronomical (Sun below -18\u00b0)")},
         {settings::Darkness::Nautical, QT_TR_NOOP("&Nautical (Sun below -12\u00b0)")},
         {settings::Darkness::Civil, QT_TR_NOOP("&Civil (Sun below -6\u00b0)")}}};
    for (std::size_t i = 0; i < kinds.size(); ++i) {
        const settings::Darkness d = kinds[i].first;
        darknessActions_[i] = Choice(darknessMenu_, darkness, tr(kinds[i].second), [this, d] { chooseDarkness(d); });
    }
    moonMenu_ = viewMenu_->addMenu(tr("&Moon limit"));
    auto* moon = new QActionGroup(this);
    for (std::size_t i = 0; i < kMoonLimits.size(); ++i) {
        const double p = kMoonLimits[i];
        const QString text = p == 0 ? tr("&0 % (no Moon up)") : tr("Moon up to &%1 %").arg(p);
        moonActions_[i] = Choice(moonMenu_, moon, text, [this, p] { chooseMoonLimit(p); });
    }
    comparedMenu_ = viewMenu_->addMenu(tr("Sites c&ompared"));
    viewMenu_->addSeparator();
}

QAction* MainWindow::viewAction(settings::View v) const { return viewActions_[static_cast<std::size_t>(v)]; }

void MainWindow::applyViewChoices() {
    viewAction(settings_.view)->setChecked(true);
    darknessActions_[static_cast<std::size_t>(settings_.darkness)]->setChecked(true);
    // A limit the menu does not offer (from the settings file) checks none.
    for (std::size_t i = 0; i < kMoonLimits.size(); ++i)
        moonActions_[i]->setChecked(kMoonLimits[i] == settings_.moonMaxPercent);
}

void MainWindow::chooseView(settings::View v) {
    if (ended_) return;
    if (settings_.view != v) {
        chartToMonth_ = true;
        settings_.view = v;
        settings::SaveSettings(settings_, reporter_);
    }
    applyViewChoices();
    redrawPage();
}

template <class T>
void MainWindow::chooseSetting(T& field, T value) {
    if (ended_) return;
    if (field != value) {
        field = value;
        settings::SaveSettings(settings_, reporter_);
    }
    applyViewChoices();
    redrawPage();
}

void MainWindow::chooseDarkness(settings::Darkness d) { chooseSetting(settings_.darkness, d); }

void MainWindow::chooseMoonLimit(double percent) { chooseSetting(settings_.moonMaxPercent, percent); }

void MainWindow::fitPageToView() {
    // The year chart is taller than the window and scrolls; the pages fit
    // it, but are never drawn lower than the headings and sub-headings rows,
    // 31 rows, the key and half a line above and below, one text height
    // each (the page set-up's spacing): a lower window scrolls them.
    const double line = QFontMetricsF(render::PictureFont(), &page_->image()).height();
    int height = qCeil(kPageLines * line) + 2 * page_->frameWidth();
    if (settings_.view == settings::View::YearChart) {
        const int row = qMax(kChartRowMin, qRound(line * kChartRowLines));
        height = 366 * row + qCeil(kChartOtherLines * line) + 2 * page_->frameWidth();
    }
    if (page_->minimumHeight() == height) return;
    page_->setMinimumHeight(height);
    // The new size at once, so the page is drawn to it now; the scroll
    // area's layout, which follows, only adds or removes the scroll bar.
    const QSignalBlocker drawnByTheCaller(page_);
    const QWidget* view = pageScroll_->viewport();
    page_->resize(view->width(), qMax(height, view->height()));
}

std::optional<std::size_t> MainWindow::todaysNight(const month::YearMonth& first, int months) const {
    // Nights are dated by their evenings, one a day from the first month's 1st.
    const QDate today = today_(), from(first.year, first.month, 1);
    const QDate until = from.addMonths(months);
    if (today < from || today >= until) return std::nullopt;
    return static_cast<std::size_t>(from.daysTo(today));
}

bool MainWindow::drawView(render::PageContext& ctx, const month::Month& m, bool printing) {
    switch (settings_.view) {
        case settings::View::Days:
            return render::LayOutAndDraw(ctx, m);
        case settings::View::Nights: {
            const month::Month& shown = nights_.keep(m);
            const std::vector<month::Night>& nights = nights_.monthNights(shown.ym, DarkRuleOf(settings_));
            const std::optional<std::size_t> today = printing ? std::nullopt : todaysNight(shown.ym, 1);
            const std::optional<int> todayDay = today ? std::optional<int>(static_cast<int>(*today) + 1) : std::nullopt;
            return render::DrawNightsPage(ctx, shown, nights_.at(calendar::ShiftedMonth(shown.ym, 1)), nights,
                                          todayDay);
        }
        case settings::View::YearChart:
            return drawChart(ctx, m, printing);
        case settings::View::Compare:
            return drawCompare(ctx, m, printing);
    }
    return true;
}

bool MainWindow::drawChart(render::PageContext& ctx, const month::Month& m, bool printing) {
    nights_.keep(m);
    const std::vector<month::Night>& nights = nights_.yearNights(m.ym.year, DarkRuleOf(settings_));
    render::YearChart chart{m.ym.year, &nights, &nights_.months(), printing && ctx.print.inkSaver, std::nullopt};
    if (!printing) chart.highlight = todaysNight({m.ym.year, 1}, 12);
    const bool ended = render::DrawYearChart(ctx, chart);
    if (!printing && std::exchange(chartToMonth_, false)) {
        // The month shown in sight, a third down the view: today's night in
        // the current month, else the month's first.
        const std::optional<std::size_t> today = todaysNight(m.ym, 1);
        const std::size_t night =
            today ? *chart.highlight : static_cast<std::size_t>(QDate(m.ym.year, m.ym.month, 1).dayOfYear() - 1);
        const double y = ctx.layout.top + static_cast<double>(night) * ctx.layout.rowHeight;
        pageScroll_->verticalScrollBar()->setValue(qRound(y) - pageScroll_->viewport()->height() / 3);
    }
    return ended;
}

std::string MainWindow::pageKind() const {
    switch (settings_.view) {
        case settings::View::Days:
            break;
        case settings::View::Nights:
            return "nights page";
        case settings::View::YearChart:
            return "year chart";
        case settings::View::Compare:
            return "compare page";
    }
    return "month page";
}

QString MainWindow::viewTitle(const month::YearMonth& ym, const QString& monthName) const {
    const month::DarkRule rule = DarkRuleOf(settings_);
    static const char* const kDarkness[] = {QT_TR_NOOP("astronomical darkness"), QT_TR_NOOP("nautical darkness"),
                                            QT_TR_NOOP("civil darkness")};
    const QString ruleText =
        tr(kDarkness[static_cast<std::size_t>(settings_.darkness)]) + ", " +
        (rule.moonMaxPercent > 0 ? tr("Moon up to %1 %").arg(rule.moonMaxPercent) : tr("no Moon up"));
    switch (settings_.view) {
        case settings::View::Days:
            break;
        case settings::View::Nights:
            return tr("Nights of %1 %2 (%3)").arg(monthName).arg(ym.year).arg(ruleText);
        case settings::View::YearChart:
            return tr("Year chart %1 (%2)").arg(ym.year).arg(ruleText);
        case settings::View::Compare:
            return tr("Sites compared, %1 %2 (%3)").arg(monthName).arg(ym.year).arg(ruleText);
    }
    return monthName + ' ' + QString::number(ym.year);
}

}  // namespace ui
