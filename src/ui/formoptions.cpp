// The Options dialog: the place typed or found by name, its time zone, and their checks.
#include "ui/formoptions.h"

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

FormOptions::FormOptions(settings::Settings& settings, report::Reporter& reporter, QWidget* parent)
    : QDialog(parent), settings_(settings), reporter_(reporter) {
    setWindowTitle(QStringLiteral("Almucan - Options"));

    Frame1 = new QGroupBox(QStringLiteral("Location"), this);
    Label9 = new QLabel(QStringLiteral("Place:"), Frame1);
    TextPlace = new QLineEdit(Frame1);
    TextPlace->setPlaceholderText(QStringLiteral("city name, e.g. Tromsø"));
    placeModel_ = new QStringListModel(this);
    auto* completer = new QCompleter(placeModel_, this);
    // The list is the place database's answer to the text: shown as it is.
    completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    TextPlace->setCompleter(completer);
    connect(TextPlace, &QLineEdit::textEdited, this, &FormOptions::offerPlaces);
    connect(completer, QOverload<const QString&>::of(&QCompleter::activated), this, [this](const QString& label) {
        for (const place::Place& p : offered_)
            if (QString::fromStdString(place::Label(p)) == label) return choosePlace(p);
    });
    Label2 = new QLabel(QStringLiteral("Long.:"), Frame1);
    TextLong = new QLineEdit(Frame1);
    Label1 = new QLabel(QStringLiteral("decimal, East = +"), Frame1);
    Label3 = new QLabel(QStringLiteral("Lat.:"), Frame1);
    TextLat = new QLineEdit(Frame1);
    Label5 = new QLabel(QStringLiteral("decimal, North = +"), Frame1);
    Label4 = new QLabel(QStringLiteral("Time Zone:"), Frame1);
    TextTZ = new QLineEdit(Frame1);
    Label6 = new QLabel(QStringLiteral("East = +"), Frame1);
    for (QLineEdit* e : {TextLong, TextLat, TextTZ}) e->setFixedWidth(90);
    Label7 = new QLabel(QStringLiteral("Zone:"), Frame1);
    ComboZone = new QComboBox(Frame1);
    ComboZone->setEditable(true);
    ComboZone->setInsertPolicy(QComboBox::NoInsert);
    ComboZone->addItem(FixedZoneEntry());
    for (const std::string& n : zone::Names()) ComboZone->addItem(QString::fromStdString(n));
    // Typing any part of a name ("vienna") offers the names that hold it.
    ComboZone->completer()->setCompletionMode(QCompleter::PopupCompletion);
    ComboZone->completer()->setFilterMode(Qt::MatchContains);
    ComboZone->completer()->setCaseSensitivity(Qt::CaseInsensitive);
    Label8 = new QLabel(Frame1);
    connect(ComboZone, &QComboBox::currentTextChanged, this, &FormOptions::showZoneValidity);

    auto* grid = new QGridLayout(Frame1);
    grid->addWidget(Label9, 0, 0);
    grid->addWidget(TextPlace, 0, 1, 1, 2);
    grid->addWidget(Label2, 1, 0);
    grid->addWidget(TextLong, 1, 1);
    grid->addWidget(Label1, 1, 2);
    grid->addWidget(Label3, 2, 0);
    grid->addWidget(TextLat, 2, 1);
    grid->addWidget(Label5, 2, 2);
    grid->addWidget(Label4, 3, 0);
    grid->addWidget(TextTZ, 3, 1);
    grid->addWidget(Label6, 3, 2);
    grid->addWidget(Label7, 4, 0);
    grid->addWidget(ComboZone, 4, 1, 1, 2);
    grid->addWidget(Label8, 5, 1, 1, 2);

    CommandHelp = new QPushButton(QStringLiteral("&Help"), this);
    CommandSave = new QPushButton(QStringLiteral("&Save"), this);
    CommandSave->setToolTip(QStringLiteral("save data"));
    CommandCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    // Enter saves; Esc cancels.
    for (QPushButton* b : {CommandHelp, CommandSave, CommandCancel}) b->setAutoDefault(false);
    CommandSave->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(CommandHelp);
    buttons->addWidget(CommandSave);
    buttons->addWidget(CommandCancel);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addWidget(Frame1, 1);
    top->addLayout(buttons);

    setTabOrder(TextPlace, TextLong);
    setTabOrder(TextLong, TextLat);
    setTabOrder(TextLat, TextTZ);
    setTabOrder(TextTZ, ComboZone);
    setTabOrder(ComboZone, CommandHelp);
    setTabOrder(CommandHelp, CommandSave);
    setTabOrder(CommandSave, CommandCancel);
    TextPlace->setFocus();

    connect(CommandSave, &QPushButton::clicked, this, &FormOptions::CommandSave_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FormOptions::CommandCancel_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &FormOptions::CommandHelp_Click);
}

void FormOptions::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) Form_Activate();
}

void FormOptions::Form_Activate() {
    TextLong->setText(QString::fromStdString(text::BoxNumberText(settings_.place.longitude)));
    TextLat->setText(QString::fromStdString(text::BoxNumberText(settings_.place.latitude)));
    TextTZ->setText(QString::fromStdString(text::BoxNumberText(settings_.place.clock.fixedHours)));
    if (settings_.place.clock.zoneName.empty())
        ComboZone->setCurrentIndex(0);
    else
        ComboZone->setEditText(QString::fromStdString(settings_.place.clock.zoneName));
    showZoneValidity(ComboZone->currentText());
    placeName_ = settings_.place.name;
    placeLabel_ = QString::fromStdString(placeName_);
    TextPlace->setText(placeLabel_);
    placeLong_ = TextLong->text();
    placeLat_ = TextLat->text();
}

void FormOptions::offerPlaces(const QString& text) {
    offered_ = text.trimmed().size() < 2 ? std::vector<place::Place>{} : place::Search(text.trimmed().toStdString());
    if (offered_.size() > 20) offered_.resize(20);
    QStringList labels;
    for (const place::Place& p : offered_) labels << QString::fromStdString(place::Label(p));
    placeModel_->setStringList(labels);
    if (!labels.isEmpty()) TextPlace->completer()->complete();
}

void FormOptions::choosePlace(const place::Place& p) {
    placeName_ = p.name;
    placeLabel_ = QString::fromStdString(place::Label(p));
    TextPlace->setText(placeLabel_);
    TextLong->setText(QString::fromStdString(text::BoxNumberText(p.longitude)));
    TextLat->setText(QString::fromStdString(text::BoxNumberText(p.latitude)));
    if (const auto hours = zone::SettingsHours(p.zone))
        TextTZ->setText(QString::fromStdString(text::BoxNumberText(*hours)));
    ComboZone->setEditText(QString::fromStdString(p.zone));
    placeLong_ = TextLong->text();
    placeLat_ = TextLat->text();
}

std::string FormOptions::placeAtSave(std::string& name) {
    const QString typed = TextPlace->text().trimmed();
    name.clear();
    if (typed.isEmpty()) return {};
    if (typed != placeLabel_) {
        // A name typed without choosing from the list: its best match.
        const std::string wanted = typed.section(',', 0, 0).trimmed().toStdString();
        const std::optional<place::Place> p = place::Find(wanted);
        if (!p) return place::NotFound(wanted);
        choosePlace(*p);
    }
    if (TextLong->text() == placeLong_ && TextLat->text() == placeLat_) name = placeName_;
    return {};
}

QString FormOptions::FixedZoneEntry() { return QStringLiteral("(fixed: Time Zone above)"); }

void FormOptions::showZoneValidity(const QString& name) {
    const std::optional<zone::Error> problem =
        name == FixedZoneEntry() || name.trimmed().isEmpty() ? std::nullopt : zone::Check(name.toStdString());
    // "unknown time zone 'Berln'; did you mean Europe/Berlin?", or why the
    // zone's file cannot be read.
    const QString text = problem ? QString::fromStdString(problem->message) : QString();
    Label8->setText(text);
    Label8->setStyleSheet(text.isEmpty() ? QString() : QStringLiteral("color: red;"));
}

void FormOptions::CommandSave_Click() {
    struct Entry {
        QLineEdit* box;
        double& target;
        const text::NumberField& field;
    };
    const Entry entries[] = {
        {TextLong, settings_.place.longitude, settings::kLongitudeField},
        {TextLat, settings_.place.latitude, settings::kLatitudeField},
        {TextTZ, settings_.place.clock.fixedHours, settings::kTimeZoneField},
    };
    std::string error;
    std::string placeName;
    if (const std::string why = placeAtSave(placeName); !why.empty()) error = "Place: " + why;
    // The zone: the first entry or nothing typed is the fixed zone.
    const QString zoneText = ComboZone->currentText();
    if (zoneText == FixedZoneEntry() || zoneText.trimmed().isEmpty())
        settings_.place.clock.zoneName.clear();
    else if (!zone::Check(zoneText.toStdString()))
        settings_.place.clock.zoneName = zoneText.toStdString();
    else
        error = "Zone: not a zone of the time zone database";
    for (const Entry& en : entries) {
        std::string why;
        if (auto v = text::typedNumber(en.field, en.box->text().toStdString(), why))
            en.target = *v;
        else if (error.empty())
            error = text::fieldMessage(en.field, why);
    }
    if (!error.empty()) {
        reporter_.beep();
        // The second line names the first box at fault, its range and why.
        reporter_.error("Input error - wrong value.\r\n" + text::printable(error));
        return;
    }
    settings_.place.name = placeName;
    // A failed write reports itself; the dialog closes all the same.
    settings::SaveSettings(settings_, reporter_);
    accept();
}

void FormOptions::CommandCancel_Click() { reject(); }

void FormOptions::CommandHelp_Click() { reporter_.help(OptionsHelpText()); }

}  // namespace ui
