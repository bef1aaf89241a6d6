#pragma once
// The location dialog: the observer's place, longitude, latitude, time
// zone offset and named zone, saved to the settings file.
#include <QDialog>
#include <string>
#include <vector>

#include "place/place.h"

#include "report/reporter.h"
#include "settings/settings.h"
#include "settings/sites.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QStringListModel;

namespace ui {

class OptionsDialog final : public QDialog {
    Q_OBJECT
public:
    OptionsDialog(settings::Settings& settings, report::Reporter& reporter, QWidget* parent = nullptr);

    // The controls, for tests.
    QLineEdit* placeEdit() const { return placeEdit_; }
    QLineEdit* longitudeEdit() const { return longitudeEdit_; }
    QLineEdit* latitudeEdit() const { return latitudeEdit_; }
    QLineEdit* timeZoneEdit() const { return timeZoneEdit_; }
    QComboBox* zoneBox() const { return zoneBox_; }
    QCheckBox* preciseBox() const { return preciseBox_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QListWidget* siteList() const { return siteList_; }
    QPushButton* saveSiteButton() const { return saveSiteButton_; }
    QPushButton* useSiteButton() const { return useSiteButton_; }
    QPushButton* deleteSiteButton() const { return deleteSiteButton_; }

public slots:
    // Fills the place, the three number boxes and the zone from the settings.
    void fillFromSettings();
    // Checks the boxes, stores the right ones, and when all are right
    // writes the settings file and closes.
    void save();
    void showHelp();
    // The place of the boxes kept as a site under the place box's name
    // (a site of that name is replaced); the sites file written.
    void saveAsSite();
    // The site chosen in the list into the boxes (Save then makes it the
    // place in use).
    void useSite();
    // The site chosen in the list removed; the sites file written.
    void deleteSite();

protected:
    void showEvent(QShowEvent* e) override;

private:
    // The controls with their slots; the location grid, the button column
    // and the tab order.
    void createWidgets();
    void createLayout();
    // The first entry of the zone box: no named zone.
    static QString fixedZoneEntry();
    // Marks the zone text as unknown (or not) below the zone box.
    void showZoneValidity(const QString& name);
    // The completions of the place text as typed.
    void offerPlaces(const QString& text);
    // The offered place with this label, chosen.
    void chooseOffered(const QString& label);
    // Fills the location boxes from a place.
    void choosePlace(const place::City& p);
    // The name to store for the place at Save: the chosen place's while its
    // label stands in the box; a text typed there is looked up as a city
    // (its coordinates and zone filled in) unless the coordinates were
    // typed by hand or no city has that name: then it is the place's own
    // name ("Dark site").  Empty when the box is empty.  Returns why the
    // text cannot be a name (a tab in it), or empty.
    std::string placeAtSave(std::string& name);
    // The boxes checked and stored into `into`'s place; the message of the
    // first box at fault, or empty.
    std::string checkBoxes(settings::Settings& into);
    // The Sites group: the list and its buttons; the list filled from the
    // sites file; a site renamed in the list (refused names put back).
    void createSiteWidgets();
    void fillSiteList();
    void renameSite(QListWidgetItem* item);
    // The sites file written; a failure is reported and the file re-read.
    void writeSites();

    QGroupBox* locationGroup_ = nullptr;
    // Row 0: a place by name, completed from the place database; choosing
    // one fills longitude, latitude, time zone and zone.
    QLabel* placeLabel_ = nullptr;
    QLineEdit* placeEdit_ = nullptr;
    // Rows 1 to 3: the number boxes, each with its caption and its sign rule.
    QLabel* longitudeLabel_ = nullptr;
    QLineEdit* longitudeEdit_ = nullptr;
    QLabel* longitudeHint_ = nullptr;
    QLabel* latitudeLabel_ = nullptr;
    QLineEdit* latitudeEdit_ = nullptr;
    QLabel* latitudeHint_ = nullptr;
    QLabel* timeZoneLabel_ = nullptr;
    QLineEdit* timeZoneEdit_ = nullptr;
    QLabel* timeZoneHint_ = nullptr;
    // Row 4: a zone of the tz database, or the first entry for the fixed
    // zone of the time zone box; zoneProblem_ says when the name held is
    // not in the database.
    QLabel* zoneLabel_ = nullptr;
    QComboBox* zoneBox_ = nullptr;
    QLabel* zoneProblem_ = nullptr;
    // Row 6: the precise ephemeris instead of the standard one.
    QCheckBox* preciseBox_ = nullptr;
    QPushButton* helpButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;

    // The kept sites: the list (names editable in place) and its buttons.
    QGroupBox* sitesGroup_ = nullptr;
    QListWidget* siteList_ = nullptr;
    QPushButton* saveSiteButton_ = nullptr;
    QPushButton* useSiteButton_ = nullptr;
    QPushButton* deleteSiteButton_ = nullptr;
    settings::SitesFile sites_;

    QStringListModel* placeModel_ = nullptr;
    std::vector<place::City> offered_;
    // The place in the box: its name, its label and the coordinate texts it
    // put into the boxes.
    std::string chosenName_;
    QString chosenLabel_, chosenLongitude_, chosenLatitude_;
    settings::Settings& settings_;
    report::Reporter& reporter_;
};

}  // namespace ui
