// The main window's kept sites: the site box beside the month box, and the Compare view of the sites' nights.
#include <QAction>
#include <QComboBox>
#include <QMenu>
#include <QSignalBlocker>
#include <algorithm>

#include "calendar/calendar.h"
#include "render/comparepage.h"
#include "settings/settingsfile.h"
#include "text/numbers.h"
#include "text/strings.h"
#include "ui/mainwindow.h"

namespace ui {

namespace {

bool SameSite(const zone::Place& a, const zone::Place& b) {
    return a.name == b.name && a.longitude == b.longitude && a.latitude == b.latitude &&
           a.clock.zoneName == b.clock.zoneName && (a.clock.named() || a.clock.fixedHours == b.clock.fixedHours);
}

// What the site box shows for a place that is no kept site: its name, or
// its coordinates.
QString PlaceLabel(const zone::Place& p) {
    if (!p.name.empty()) return QString::fromStdString(p.name);
    return QString::fromStdString(text::BoxNumberText(p.longitude) + ", " + text::BoxNumberText(p.latitude));
}

}  // namespace

void MainWindow::loadSites() {
    const std::string path = settings::SitesPathFor(settings_.settingsPath);
    sites_ = settings::LoadSites(path);
    std::string problems;
    for (const std::string& p : sites_.problems) problems += "\r\n" + p;
    if (!problems.empty() && problems != sitesProblemsShown_) reporter_.error(text::printable(path) + ":" + problems);
    sitesProblemsShown_ = problems;
    const QSignalBlocker quiet(siteBox_);
    siteBox_->clear();
    const std::vector<zone::Place> sites = sites_.sites();
    int current = -1;
    for (std::size_t i = 0; i < sites.size(); ++i) {
        siteBox_->addItem(QString::fromStdString(sites[i].name), static_cast<int>(i));
        if (current < 0 && SameSite(sites[i], settings_.place)) current = static_cast<int>(i);
    }
    if (current < 0) {
        siteBox_->insertItem(0, PlaceLabel(settings_.place), -1);
        current = 0;
    }
    siteBox_->setCurrentIndex(current);
    comparedMenu_->clear();
    const std::vector<zone::Place> compared = comparedSites();
    for (const zone::Place& site : sites) {
        QAction* a = comparedMenu_->addAction(QString::fromStdString(site.name));
        a->setCheckable(true);
        a->setChecked(
            std::any_of(compared.begin(), compared.end(), [&](const zone::Place& c) { return c.name == site.name; }));
        connect(a, &QAction::toggled, this, [this, name = site.name](bool on) { toggleComparedSite(name, on); });
    }
    comparedMenu_->setEnabled(!sites.empty());
}

void MainWindow::chooseSite(int index) {
    if (ended_) return;
    const int i = siteBox_->itemData(index).toInt();
    const std::vector<zone::Place> sites = sites_.sites();
    if (i < 0 || static_cast<std::size_t>(i) >= sites.size()) return;
    settings_.place = sites[static_cast<std::size_t>(i)];
    settings::SaveSettings(settings_, reporter_);
    // The file holds the place in use: read back, the page follows it.
    if (!loadSettings()) return;
    if (last_)
        calculateMonth(lastMonthText_, placeInForce(), render::OutputDevice::Screen, false);
    else
        showBoxMonth();
}

std::vector<zone::Place> MainWindow::comparedSites() const {
    const std::vector<zone::Place> sites = sites_.sites();
    std::vector<zone::Place> chosen;
    for (const std::string& name : settings_.comparedSites)
        if (const auto site = sites_.find(name); site && chosen.size() < render::kMostComparedSites)
            chosen.push_back(*site);
    if (chosen.empty())
        chosen.assign(sites.begin(),
                      sites.begin() + static_cast<long>(std::min(sites.size(), render::kMostComparedSites)));
    return chosen;
}

void MainWindow::toggleComparedSite(const std::string& name, bool on) {
    if (ended_) return;
    std::vector<std::string> names;
    for (const zone::Place& site : comparedSites())
        if (site.name != name) names.push_back(site.name);
    if (on && names.size() >= render::kMostComparedSites) {
        reporter_.beep();
        loadSites();  // the check taken back
        return;
    }
    if (on) names.push_back(name);
    settings_.comparedSites = names;
    settings::SaveSettings(settings_, reporter_);
    redrawPage();
}

bool MainWindow::drawCompare(render::PageContext& ctx, const month::Month& m, bool printing) {
    const month::DarkRule rule = DarkRuleOf(settings_);
    std::vector<render::SiteNights> shown;
    for (const zone::Place& site : comparedSites()) {
        // A site's months are kept while its place stays the same.
        const std::string key = site.name + '\t' + QString::number(site.longitude, 'g', 17).toStdString() + '\t' +
                                QString::number(site.latitude, 'g', 17).toStdString() + '\t' + site.clock.zoneName +
                                '\t' + QString::number(site.clock.fixedHours).toStdString() + '\t' +
                                std::string(month::EphemerisName(EphemerisOf(settings_)));
        month::Months& store =
            siteMonths_.try_emplace(key, zone::InForce(site, false), EphemerisOf(settings_)).first->second;
        const month::Month& cur = store.at(m.ym);
        shown.push_back({site.name, &cur, month::Nights(cur, store.at(calendar::ShiftedMonth(m.ym, 1)), rule)});
    }
    const std::optional<std::size_t> today = printing ? std::nullopt : todaysNight(m.ym, 1);
    return render::DrawComparePage(ctx, shown, today ? std::optional<int>(static_cast<int>(*today) + 1) : std::nullopt);
}

}  // namespace ui
