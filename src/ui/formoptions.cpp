#include "ui/formoptions.h"

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
    setTabOrder(TextTZ, CommandHelp);
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
