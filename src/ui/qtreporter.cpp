// Reports of the desktop program as message boxes and beeps, in the window's language.
#include "ui/qtreporter.h"

#include <QApplication>
#include <QCoreApplication>
#include <QMessageBox>
#include <QString>
#include <QStringList>

namespace ui {

namespace {

// The lines of the messages that the layers below the window say in
// English (the help and info texts are marked where they are written,
// texts.cpp): each is shown in the window's language.
[[maybe_unused]] const char* const kMessageLines[] = {
    QT_TRANSLATE_NOOP("Messages", "Error"),
    QT_TRANSLATE_NOOP("Messages", "Help"),
    QT_TRANSLATE_NOOP("Messages", "Input error."),
    QT_TRANSLATE_NOOP("Messages", "Input error - wrong value."),
    QT_TRANSLATE_NOOP("Messages", "Can't write"),
    QT_TRANSLATE_NOOP("Messages", "to disk."),
    QT_TRANSLATE_NOOP("Messages", "Wrong value(s) for margin(s)."),
    QT_TRANSLATE_NOOP("Messages", "Wrong value for the font size."),
    QT_TRANSLATE_NOOP("Messages", "Margins too large."),
    QT_TRANSLATE_NOOP("Messages", "Unknown paper format."),
    QT_TRANSLATE_NOOP("Messages", "Please choose US Letter or DIN A4 at printer setup."),
    QT_TRANSLATE_NOOP("Messages", "The calculation failed:"),
    QT_TRANSLATE_NOOP("Messages", "The page could not be printed."),
    QT_TRANSLATE_NOOP("Messages", "The dark nights could not be exported:"),
    QT_TRANSLATE_NOOP("Messages", "Almucan - Print"),
    QT_TRANSLATE_NOOP("Messages", "The month page was written to"),
    QT_TRANSLATE_NOOP("Messages", "The nights page was written to"),
    QT_TRANSLATE_NOOP("Messages", "The year chart was written to"),
    QT_TRANSLATE_NOOP("Messages", "The compare page was written to"),
    QT_TRANSLATE_NOOP("Messages", "Place: type the site's name"),
    QT_TRANSLATE_NOOP("Messages", "Place: a name cannot hold a tab"),
    QT_TRANSLATE_NOOP("Messages", "Zone: not a zone of the time zone database"),
};

}  // namespace

QString TranslatedMessage(const std::string& text) {
    // Lines join with CR LF; the label wants plain LF.  A line with a
    // name, a path or a number in it has no translation and stays.
    QStringList lines = QString::fromStdString(text).split(QStringLiteral("\r\n"));
    for (QString& line : lines) {
        const QByteArray source = line.toUtf8();
        line = QCoreApplication::translate("Messages", source.constData());
    }
    return lines.join('\n');
}

void QtReporter::beep() { QApplication::beep(); }

void QtReporter::message(const std::string& text, const std::string& title, report::Icon icon) {
    QMessageBox box(icon == report::Icon::Critical ? QMessageBox::Critical : QMessageBox::Information,
                    TranslatedMessage(title), TranslatedMessage(text), QMessageBox::Ok, parent_.data());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

}  // namespace ui
