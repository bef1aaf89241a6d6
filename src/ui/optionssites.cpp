// The location dialog's kept sites: saved from the boxes, chosen into them, renamed and deleted.
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "text/numbers.h"
#include "text/strings.h"
#include "ui/optionsdialog.h"
#include "zone/zone.h"

namespace ui {

void OptionsDialog::createSiteWidgets() {
    sitesGroup_ = new QGroupBox(tr("Sites"), this);
    siteList_ = new QListWidget(sitesGroup_);
    siteList_->setToolTip(tr("Kept sites: double-click a name to rename it"));
    saveSiteButton_ = new QPushButton(tr("Save as s&ite"), sitesGroup_);
    saveSiteButton_->setToolTip(tr("Keep the place above as a site under its name"));
    useSiteButton_ = new QPushButton(tr("&Use"), sitesGroup_);
    deleteSiteButton_ = new QPushButton(tr("&Delete"), sitesGroup_);
    for (QPushButton* b : {saveSiteButton_, useSiteButton_, deleteSiteButton_}) b->setAutoDefault(false);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {saveSiteButton_, useSiteButton_, deleteSiteButton_}) buttons->addWidget(b);
    buttons->addStretch(1);
    auto* row = new QHBoxLayout(sitesGroup_);
    row->addWidget(siteList_, 1);
    row->addLayout(buttons);
    connect(saveSiteButton_, &QPushButton::clicked, this, &OptionsDialog::saveAsSite);
    connect(useSiteButton_, &QPushButton::clicked, this, &OptionsDialog::useSite);
    connect(deleteSiteButton_, &QPushButton::clicked, this, &OptionsDialog::deleteSite);
    connect(siteList_, &QListWidget::itemDoubleClicked, this, [this] { useSite(); });
    connect(siteList_, &QListWidget::itemChanged, this, &OptionsDialog::renameSite);
}

void OptionsDialog::fillSiteList() {
    const QSignalBlocker quiet(siteList_);
    siteList_->clear();
    for (const zone::Place& site : sites_.sites()) {
        auto* item = new QListWidgetItem(QString::fromStdString(site.name), siteList_);
        item->setData(Qt::UserRole, QString::fromStdString(site.name));
        item->setFlags(item->flags() | Qt::ItemIsEditable);
    }
    const bool any = siteList_->count() > 0;
    if (any) siteList_->setCurrentRow(0);
    useSiteButton_->setEnabled(any);
    deleteSiteButton_->setEnabled(any);
}

void OptionsDialog::writeSites() {
    if (!settings::SaveSites(settings::SitesPathFor(settings_.settingsPath), sites_, reporter_))
        sites_ = settings::LoadSites(settings::SitesPathFor(settings_.settingsPath));
    fillSiteList();
}

void OptionsDialog::saveAsSite() {
    settings::Settings checked = settings_;
    std::string error = checkBoxes(checked);
    if (error.empty() && checked.place.name.empty()) error = "Place: type the site's name";
    if (error.empty()) error = sites_.put(checked.place);
    if (!error.empty()) {
        reporter_.beep();
        reporter_.error("Input error - wrong value.\r\n" + text::printable(error));
        return;
    }
    writeSites();
    const QList<QListWidgetItem*> found =
        siteList_->findItems(QString::fromStdString(checked.place.name), Qt::MatchExactly);
    if (!found.isEmpty()) siteList_->setCurrentItem(found.front());
}

void OptionsDialog::useSite() {
    const QListWidgetItem* item = siteList_->currentItem();
    if (!item) return;
    const std::optional<zone::Place> site = sites_.find(item->data(Qt::UserRole).toString().toStdString());
    if (!site) return;
    chosenName_ = site->name;
    chosenLabel_ = QString::fromStdString(site->name);
    placeEdit_->setText(chosenLabel_);
    longitudeEdit_->setText(QString::fromStdString(text::BoxNumberText(site->longitude)));
    latitudeEdit_->setText(QString::fromStdString(text::BoxNumberText(site->latitude)));
    timeZoneEdit_->setText(QString::fromStdString(text::BoxNumberText(site->clock.fixedHours)));
    if (site->clock.named())
        zoneBox_->setEditText(QString::fromStdString(site->clock.zoneName));
    else
        zoneBox_->setCurrentIndex(0);
    chosenLongitude_ = longitudeEdit_->text();
    chosenLatitude_ = latitudeEdit_->text();
}

void OptionsDialog::deleteSite() {
    const QListWidgetItem* item = siteList_->currentItem();
    if (item && sites_.remove(item->data(Qt::UserRole).toString().toStdString())) writeSites();
}

void OptionsDialog::renameSite(QListWidgetItem* item) {
    const std::string from = item->data(Qt::UserRole).toString().toStdString();
    const std::string to = item->text().trimmed().toStdString();
    if (from == to) return;
    if (!sites_.rename(from, to)) {
        reporter_.beep();
        const std::string why = settings::SiteNameProblem(to);
        reporter_.error("Input error - wrong value.\r\nSite: " +
                        text::printable(why.empty() ? "another site has the name '" + to + "'" : why));
        fillSiteList();
        return;
    }
    writeSites();
}

}  // namespace ui
