// The location dialog: place search, coordinates and zone checked and saved.
#include "ui/optionsdialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QStringListModel>
#include <QVBoxLayout>
#include <cmath>

#include "text/numbers.h"
#include "text/strings.h"
#include "settings/settingsfile.h"
#include "settings/location.h"
#include "ui/texts.h"
#include "zone/zone.h"

namespace ui {

OptionsDialog::OptionsDialog(settings::Settings& settings, report::Reporter& reporter, QWidget* parent)
    : QDialog(parent), settings_(settings), reporter_(reporter) {
    setWindowTitle(tr("Almucan - Options"));
    createWidgets();
    createLayout();
    placeEdit_->setFocus();
}

void OptionsDialog::createWidgets() {
    locationGroup_ = new QGroupBox(tr("Location"), this);
    placeLabel_ = new QLabel(tr("Place:"), locationGroup_);
    placeEdit_ = new QLineEdit(locationGroup_);
    placeEdit_->setPlaceholderText(tr("city name, e.g. Tromsø"));
    placeModel_ = new QStringListModel(this);
    auto* completer = new QCompleter(placeModel_, this);
    // The list is the place database's answer to the text: shown as it is.
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    placeEdit_->setCompleter(completer);
    connect(placeEdit_, &QLineEdit::textEdited, this, &OptionsDialog::offerPlaces);
    connect(completer, QOverload<const QString&>::of(&QCompleter::activated), this, &OptionsDialog::chooseOffered);
    longitudeLabel_ = new QLabel(tr("Long.:"), locationGroup_);
    longitudeEdit_ = new QLineEdit(locationGroup_);
    longitudeHint_ = new QLabel(tr("decimal, East = +"), locationGroup_);
    latitudeLabel_ = new QLabel(tr("Lat.:"), locationGroup_);
    latitudeEdit_ = new QLineEdit(locationGroup_);
    latitudeHint_ = new QLabel(tr("decimal, North = +"), locationGroup_);
    timeZoneLabel_ = new QLabel(tr("Time Zone:"), locationGroup_);
    timeZoneEdit_ = new QLineEdit(locationGroup_);
    timeZoneHint_ = new QLabel(tr("East = +"), locationGroup_);
    for (QLineEdit* e : {longitudeEdit_, latitudeEdit_, timeZoneEdit_}) e->setFixedWidth(90);
    zoneLabel_ = new QLabel(tr("Zone:"), locationGroup_);
    zoneBox_ = new QComboBox(locationGroup_);
    zoneBox_->setEditable(true);
    zoneBox_->setInsertPolicy(QComboBox::NoInsert);
    zoneBox_->addItem(fixedZoneEntry());
    for (const std::string& n : zone::Names()) zoneBox_->addItem(QString::fromStdString(n));
    // Typing any part of a name ("vienna") offers the names that hold it.
    zoneBox_->completer()->setCompletionMode(QCompleter::PopupCompletion);
    zoneBox_->completer()->setFilterMode(Qt::MatchContains);
    zoneBox_->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    zoneProblem_ = new QLabel(locationGroup_);
    preciseBox_ = new QCheckBox(tr("&Precise ephemeris"), locationGroup_);
    preciseBox_->setToolTip(tr("IAU 2006/2000A with ERFA: the minute of the published almanacs"));
    connect(zoneBox_, &QComboBox::currentTextChanged, this, &OptionsDialog::showZoneValidity);

    helpButton_ = new QPushButton(tr("&Help"), this);
    saveButton_ = new QPushButton(tr("&Save"), this);
    saveButton_->setToolTip(tr("save data"));
    cancelButton_ = new QPushButton(tr("&Cancel"), this);
    // Enter saves; Esc cancels.
    for (QPushButton* b : {helpButton_, saveButton_, cancelButton_}) b->setAutoDefault(false);
    saveButton_->setDefault(true);
    connect(saveButton_, &QPushButton::clicked, this, &OptionsDialog::save);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpButton_, &QPushButton::clicked, this, &OptionsDialog::showHelp);
    createSiteWidgets();
}

void OptionsDialog::createLayout() {
    auto* grid = new QGridLayout(locationGroup_);
    grid->addWidget(placeLabel_, 0, 0);
    grid->addWidget(placeEdit_, 0, 1, 1, 2);
    grid->addWidget(longitudeLabel_, 1, 0);
    grid->addWidget(longitudeEdit_, 1, 1);
    grid->addWidget(longitudeHint_, 1, 2);
    grid->addWidget(latitudeLabel_, 2, 0);
    grid->addWidget(latitudeEdit_, 2, 1);
    grid->addWidget(latitudeHint_, 2, 2);
    grid->addWidget(timeZoneLabel_, 3, 0);
    grid->addWidget(timeZoneEdit_, 3, 1);
    grid->addWidget(timeZoneHint_, 3, 2);
    grid->addWidget(zoneLabel_, 4, 0);
    grid->addWidget(zoneBox_, 4, 1, 1, 2);
    grid->addWidget(zoneProblem_, 5, 1, 1, 2);
    grid->addWidget(preciseBox_, 6, 1, 1, 2);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(helpButton_);
    buttons->addWidget(saveButton_);
    buttons->addWidget(cancelButton_);
    buttons->addStretch(1);
    auto* groups = new QVBoxLayout;
    groups->addWidget(locationGroup_);
    groups->addWidget(sitesGroup_, 1);
    auto* top = new QHBoxLayout(this);
    top->addLayout(groups, 1);
    top->addLayout(buttons);

    setTabOrder(placeEdit_, longitudeEdit_);
    setTabOrder(longitudeEdit_, latitudeEdit_);
    setTabOrder(latitudeEdit_, timeZoneEdit_);
    setTabOrder(timeZoneEdit_, zoneBox_);
    setTabOrder(zoneBox_, preciseBox_);
    setTabOrder(preciseBox_, helpButton_);
    setTabOrder(helpButton_, saveButton_);
    setTabOrder(saveButton_, cancelButton_);
}

void OptionsDialog::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) fillFromSettings();
}

void OptionsDialog::fillFromSettings() {
    longitudeEdit_->setText(QString::fromStdString(text::BoxNumberText(settings_.place.longitude)));
    latitudeEdit_->setText(QString::fromStdString(text::BoxNumberText(settings_.place.latitude)));
    timeZoneEdit_->setText(QString::fromStdString(text::BoxNumberText(settings_.place.clock.fixedHours)));
    if (settings_.place.clock.zoneName.empty())
        zoneBox_->setCurrentIndex(0);
    else
        zoneBox_->setEditText(QString::fromStdString(settings_.place.clock.zoneName));
    showZoneValidity(zoneBox_->currentText());
    preciseBox_->setChecked(settings_.ephemeris == settings::Ephemeris::Precise);
    chosenName_ = settings_.place.name;
    chosenLabel_ = QString::fromStdString(chosenName_);
    placeEdit_->setText(chosenLabel_);
    chosenLongitude_ = longitudeEdit_->text();
    chosenLatitude_ = latitudeEdit_->text();
    sites_ = settings::LoadSites(settings::SitesPathFor(settings_.settingsPath));
    fillSiteList();
}

void OptionsDialog::offerPlaces(const QString& text) {
    offered_ = text.trimmed().size() < 2 ? std::vector<place::City>{} : place::Search(text.trimmed().toStdString());
    if (offered_.size() > 20) offered_.resize(20);
    QStringList labels;
    for (const place::City& p : offered_) labels << QString::fromStdString(place::Label(p));
    placeModel_->setStringList(labels);
    if (!labels.isEmpty()) placeEdit_->completer()->complete();
}

void OptionsDialog::chooseOffered(const QString& label) {
    for (const place::City& p : offered_)
        if (QString::fromStdString(place::Label(p)) == label) return choosePlace(p);
}

void OptionsDialog::choosePlace(const place::City& p) {
    chosenName_ = p.name;
    chosenLabel_ = QString::fromStdString(place::Label(p));
    placeEdit_->setText(chosenLabel_);
    longitudeEdit_->setText(QString::fromStdString(text::BoxNumberText(p.longitude)));
    latitudeEdit_->setText(QString::fromStdString(text::BoxNumberText(p.latitude)));
    if (const auto hours = zone::SettingsHours(p.zone))
        timeZoneEdit_->setText(QString::fromStdString(text::BoxNumberText(*hours)));
    zoneBox_->setEditText(QString::fromStdString(p.zone));
    chosenLongitude_ = longitudeEdit_->text();
    chosenLatitude_ = latitudeEdit_->text();
}

std::string OptionsDialog::placeAtSave(std::string& name) {
    const QString typed = placeEdit_->text().trimmed();
    name.clear();
    if (typed.isEmpty()) return {};
    if (typed == chosenLabel_) {
        name = chosenName_;
        return {};
    }
    if (typed.contains(QChar('\t'))) return "a name cannot hold a tab";
    const bool coordinatesTyped =
        longitudeEdit_->text() != chosenLongitude_ || latitudeEdit_->text() != chosenLatitude_;
    // A city's name typed without choosing it from the list: its best match.
    const std::optional<place::City> p =
        coordinatesTyped ? std::nullopt : place::Find(typed.section(',', 0, 0).trimmed().toStdString());
    if (p) {
        choosePlace(*p);
        name = chosenName_;
    } else {
        name = typed.toStdString();
    }
    return {};
}

QString OptionsDialog::fixedZoneEntry() { return tr("(fixed: Time Zone above)"); }

void OptionsDialog::showZoneValidity(const QString& name) {
    const std::optional<zone::Error> problem =
        name == fixedZoneEntry() || name.trimmed().isEmpty() ? std::nullopt : zone::Check(name.toStdString());
    // Why the zone is not known (with the nearest name when there is one),
    // or why the zone's file cannot be read.
    const QString text = problem ? QString::fromStdString(problem->message) : QString();
    zoneProblem_->setText(text);
    zoneProblem_->setStyleSheet(text.isEmpty() ? QString() : QStringLiteral("color: red;"));
}

std::string OptionsDialog::checkBoxes(settings::Settings& into) {
    struct Entry {
        QLineEdit* box;
        double& target;
        const text::NumberField& field;
    };
    const Entry entries[] = {
        {longitudeEdit_, into.place.longitude, settings::kLongitudeField},
        {latitudeEdit_, into.place.latitude, settings::kLatitudeField},
        {timeZoneEdit_, into.place.clock.fixedHours, settings::kTimeZoneField},
    };
    std::string error;
    std::string placeName;
    if (const std::string why = placeAtSave(placeName); !why.empty()) error = "Place: " + why;
    // The zone: the first entry or nothing typed is the fixed zone.
    const QString zoneText = zoneBox_->currentText();
    if (zoneText == fixedZoneEntry() || zoneText.trimmed().isEmpty())
        into.place.clock.zoneName.clear();
    else if (!zone::Check(zoneText.toStdString()))
        into.place.clock.zoneName = zoneText.toStdString();
    else
        error = "Zone: not a zone of the time zone database";
    for (const Entry& en : entries) {
        std::string why;
        if (auto v = text::typedNumber(en.field, en.box->text().toStdString(), why))
            en.target = *v;
        else if (error.empty())
            error = text::fieldMessage(en.field, why);
    }
    if (error.empty()) into.place.name = placeName;
    return error;
}

void OptionsDialog::save() {
    if (const std::string error = checkBoxes(settings_); !error.empty()) {
        reporter_.beep();
        // The second line names the first box at fault, its range and why.
        reporter_.error("Input error - wrong value.\r\n" + text::printable(error));
        return;
    }
    settings_.ephemeris = preciseBox_->isChecked() ? settings::Ephemeris::Precise : settings::Ephemeris::Standard;
    // A failed write reports itself; the dialog closes all the same.
    settings::SaveSettings(settings_, reporter_);
    accept();
}

void OptionsDialog::showHelp() { reporter_.help(OptionsHelpText()); }

}  // namespace ui
