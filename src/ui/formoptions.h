#pragma once
// "Almucan - Options": longitude, latitude and time zone of the observer.
#include <QDialog>
#include <string>
#include <vector>

#include "place/place.h"

#include "report/reporter.h"
#include "settings/settings.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStringListModel;

namespace ui {

class FormOptions final : public QDialog {
    Q_OBJECT
public:
    FormOptions(settings::Settings& settings, report::Reporter& reporter, QWidget* parent = nullptr);

    QGroupBox* Frame1 = nullptr;
    // Row 0: a place by name, completed from the place database; choosing
    // one fills longitude, latitude, time zone and zone.
    QLabel* Label9 = nullptr;
    QLineEdit* TextPlace = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QLabel* Label5 = nullptr;
    QLabel* Label6 = nullptr;
    QLineEdit* TextLong = nullptr;
    QLineEdit* TextLat = nullptr;
    QLineEdit* TextTZ = nullptr;
    // Row 4: a zone of the tz database, or the first entry for the fixed
    // zone of TextTZ; Label8 says when the name held is not in the database.
    QLabel* Label7 = nullptr;
    QComboBox* ComboZone = nullptr;
    QLabel* Label8 = nullptr;
    QPushButton* CommandHelp = nullptr;
    QPushButton* CommandSave = nullptr;
    QPushButton* CommandCancel = nullptr;

public slots:
    // Fills the three boxes and the zone from the settings.
    void Form_Activate();
    // Checks the boxes, stores the right ones, and when all are right
    // writes the settings file and closes.
    void CommandSave_Click();
    void CommandCancel_Click();
    void CommandHelp_Click();

protected:
    void showEvent(QShowEvent* e) override;

    // The first entry of ComboZone: no named zone.
    static QString FixedZoneEntry();

private:
    // Marks the zone text as unknown (or not) beside the combo box.
    void showZoneValidity(const QString& name);
    // The completions of the place text as typed.
    void offerPlaces(const QString& text);
    // Fills the location boxes from a place.
    void choosePlace(const place::Place& p);
    // The name to store for the place at Save: the chosen place's while its
    // label and the coordinates it filled stand, empty when the place box
    // is empty or the coordinates were typed by hand.  Returns why the box
    // names no place (place::NotFound), or empty.
    std::string placeAtSave(std::string& name);

    QStringListModel* placeModel_ = nullptr;
    std::vector<place::Place> offered_;
    // The place in the box: its name, its label and the coordinate texts it
    // put into the boxes.
    std::string placeName_;
    QString placeLabel_, placeLong_, placeLat_;
    settings::Settings& settings_;
    report::Reporter& reporter_;
};

}  // namespace ui
