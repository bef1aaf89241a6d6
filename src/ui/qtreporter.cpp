// Reports of the desktop program as message boxes and beeps.
#include "ui/qtreporter.h"

#include <QApplication>
#include <QMessageBox>
#include <QString>

namespace ui {

void QtReporter::beep() { QApplication::beep(); }

void QtReporter::message(const std::string& text, const std::string& title, report::Icon icon) {
    // The texts join their lines with CR LF; the label wants plain LF.
    QString body = QString::fromStdString(text);
    body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(icon == report::Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    QString::fromStdString(title), body, QMessageBox::Ok, parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace ui
