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
#include <QVBoxLayout>
#include <cmath>

#include "text/valuerule.h"
#include "settings/settingsfile.h"
#include "settings/location.h"
#include "ui/texts.h"
#include "zone/zone.h"

namespace ui {

FormOptions::FormOptions(settings::Settings& settings, report::Reporter& reporter, QWidget* parent)
    : QDialog(parent), settings_(settings), reporter_(reporter) {
    setWindowTitle(QStringLiteral("Almucan - Options"));

    Frame1 = new QGroupBox(QStringLiteral("Location"), this);
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
    grid->addWidget(Label2, 0, 0);
    grid->addWidget(TextLong, 0, 1);
    grid->addWidget(Label1, 0, 2);
    grid->addWidget(Label3, 1, 0);
    grid->addWidget(TextLat, 1, 1);
    grid->addWidget(Label5, 1, 2);
    grid->addWidget(Label4, 2, 0);
    grid->addWidget(TextTZ, 2, 1);
    grid->addWidget(Label6, 2, 2);
    grid->addWidget(Label7, 3, 0);
    grid->addWidget(ComboZone, 3, 1, 1, 2);
    grid->addWidget(Label8, 4, 1, 1, 2);

    CommandHelp = new QPushButton(QStringLiteral("&Help"), this);
    CommandSave = new QPushButton(QStringLiteral("&Save"), this);
    CommandSave->setToolTip(QStringLiteral("save data"));
    CommandCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    // No default button: Enter in a box does nothing; Esc cancels.
    for (QPushButton* b : {CommandHelp, CommandSave, CommandCancel}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(CommandHelp);
    buttons->addWidget(CommandSave);
    buttons->addWidget(CommandCancel);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addWidget(Frame1, 1);
    top->addLayout(buttons);

    setTabOrder(TextLong, TextLat);
    setTabOrder(TextLat, TextTZ);
    setTabOrder(TextTZ, ComboZone);
    setTabOrder(ComboZone, CommandHelp);
    setTabOrder(CommandHelp, CommandSave);
    setTabOrder(CommandSave, CommandCancel);
    TextLong->setFocus();

    connect(CommandSave, &QPushButton::clicked, this, &FormOptions::CommandSave_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FormOptions::CommandCancel_Click);
    connect(CommandHelp, &QPushButton::clicked, this, &FormOptions::CommandHelp_Click);
}

void FormOptions::showEvent(QShowEvent* e) {
    QDialog::showEvent(e);
    if (!e->spontaneous()) Form_Activate();
}

void FormOptions::Form_Activate() {
    TextLong->setText(QString::fromStdString(text::BoxNumberText(settings_.longitude)));
    TextLat->setText(QString::fromStdString(text::BoxNumberText(settings_.latitude)));
    TextTZ->setText(QString::fromStdString(text::BoxNumberText(settings_.timeZone)));
    if (settings_.zoneName.empty())
        ComboZone->setCurrentIndex(0);
    else
        ComboZone->setEditText(QString::fromStdString(settings_.zoneName));
    showZoneValidity(ComboZone->currentText());
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
        const settings::LocationField& field;
    };
    const Entry entries[] = {
        {TextLong, settings_.longitude, settings::kLongitudeField},
        {TextLat, settings_.latitude, settings::kLatitudeField},
        {TextTZ, settings_.timeZone, settings::kTimeZoneField},
    };
    bool error = false;
    // The zone: the first entry or nothing typed is the fixed zone.
    const QString zoneText = ComboZone->currentText();
    if (zoneText == FixedZoneEntry() || zoneText.trimmed().isEmpty())
        settings_.zoneName.clear();
    else if (!zone::Check(zoneText.toStdString()))
        settings_.zoneName = zoneText.toStdString();
    else
        error = true;
    for (const Entry& en : entries) {
        if (auto v = settings::LocationValue(en.field, en.box->text().toStdString()))
            en.target = *v;
        else
            error = true;
    }
    if (error) {
        reporter_.beep();
        reporter_.error("Input error - wrong value.");
        return;
    }
    // A failed write reports itself; the dialog closes all the same.
    settings::SaveSettings(settings_, reporter_);
    accept();
}

void FormOptions::CommandCancel_Click() { reject(); }

void FormOptions::CommandHelp_Click() { reporter_.help(OptionsHelpText()); }

}  // namespace ui
