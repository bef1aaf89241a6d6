// The main window's commands: help and info, the dialogs, the month steps and night vision.
#include <QAction>
#include <QDialog>
#include <QLineEdit>
#include <optional>

#include "calendar/calendar.h"
#include "settings/settingsfile.h"
#include "text/strings.h"
#include "ui/mainwindow.h"
#include "ui/optionsdialog.h"
#include "ui/pagewidget.h"
#include "ui/printdialog.h"
#include "ui/texts.h"

namespace ui {

void MainWindow::showHelp() {
    if (!ended_) reporter_.help(MainHelpText());
}

void MainWindow::showInfo() {
    if (!ended_) reporter_.help(InfoText(settings_.version));
}

void MainWindow::quit() { endProgram(0); }

void MainWindow::showOptions() {
    if (ended_) return;
    int result = QDialog::Rejected;
    {
        OptionsDialog dlg(settings_, reporter_, this);
        result = runDialog_(dlg);
    }
    // The file holds what was saved: fields a refused Save had taken are
    // put back.  The page follows a saved place.
    if (loadSettings() && result == QDialog::Accepted && last_)
        calculateMonth(lastMonthText_, placeInForce(), render::OutputDevice::Screen, false);
}

void MainWindow::showPrintDialog() {
    if (ended_) return;
    {
        PrintDialog dlg(
            settings_, reporter_, *print_, [this] { printMonth(); }, pageMonthText(), runDialog_, this);
        runDialog_(dlg);
    }
    loadSettings();
}

void MainWindow::stepMonth(int months) {
    if (ended_) return;
    std::optional<month::YearMonth> ym = calendar::CheckMonthText(monthEdit_->text().toStdString());
    if (!ym && last_) ym = last_->ym;
    if (!ym) {
        showBoxMonth();  // says what is wrong with the box
        return;
    }
    const month::YearMonth to = calendar::ShiftedMonth(*ym, months);
    if (to.year < 1900 || to.year > 2100) {
        reporter_.beep();
        return;
    }
    monthEdit_->setText(QString::fromStdString(text::padded(to.year, 4) + text::padded(to.month, 2)));
    showBoxMonth();
}

void MainWindow::previousMonth() { stepMonth(-1); }
void MainWindow::nextMonth() { stepMonth(1); }

void MainWindow::showToday() {
    if (ended_) return;
    monthEdit_->setText(today_().toString(QStringLiteral("yyyyMM")));
    showBoxMonth();
}

void MainWindow::toggleNightVision() {
    if (ended_) return;
    settings_.nightVision = nightVisionAction_->isChecked();
    settings::SaveSettings(settings_, reporter_);
    applyNightVision();
    redrawPage();
}

}  // namespace ui
