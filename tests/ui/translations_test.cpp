// The window in German, French, Spanish and Italian: no visible text left in English.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "recording_reporter.h"
#include "ui/mainwindow.h"
#include "ui/optionsdialog.h"
#include "ui/printdialog.h"
#include "ui/qtreporter.h"
#include "ui/texts.h"
#include "ui/translations.h"

namespace {

// The texts a user reads in a window, in a fixed order: its title, each
// label, button, group box, placeholder and tooltip, each action (menus).
QStringList VisibleTexts(QWidget& top) {
    QStringList out;
    auto add = [&](const QString& s) {
        if (s.contains(QRegularExpression(QStringLiteral("[A-Za-z]")))) out << s;
    };
    add(top.windowTitle());
    for (QWidget* w : top.findChildren<QWidget*>()) {
        if (auto* l = qobject_cast<QLabel*>(w)) add(l->text());
        if (auto* b = qobject_cast<QAbstractButton*>(w)) add(b->text());
        if (auto* g = qobject_cast<QGroupBox*>(w)) add(g->title());
        if (auto* e = qobject_cast<QLineEdit*>(w)) add(e->placeholderText());
        add(w->toolTip());
    }
    for (QAction* a : top.findChildren<QAction*>()) add(a->text());
    return out;
}

// The main window after June 2001 is shown (its status line), and the
// Options and Print dialogs, all in the language installed.
QStringList WindowTexts(const QTemporaryDir& dir) {
    RecordingReporter rep;
    ui::MainWindow w(rep, dir.path().toStdString(), std::make_unique<ui::PrintTarget>(true));
    w.setToday([] { return QDate(2001, 6, 15); });
    w.start();
    QStringList texts = VisibleTexts(w);
    ui::OptionsDialog options(w.settings(), rep, &w);
    ui::PrintDialog print(w.settings(), rep, w.printTarget(), [] {}, "200106");
    for (QWidget* d : {static_cast<QWidget*>(&options), static_cast<QWidget*>(&print)}) texts += VisibleTexts(*d);
    return texts;
}

}  // namespace

// Every text differs from the English one, but where the language's own
// word is the same (the translation says so: French "Options", Spanish
// "Error"); the help texts and messages read line by line.  Expected
// values: the English window of the same build, and the translations.
TEST(Translations, NoEnglishLeftInTheWindow) {
    QTemporaryDir dir;
    const QStringList english = WindowTexts(dir);
    ASSERT_GT(english.size(), 60);
    const char* const contexts[] = {"ui::MainWindow", "ui::OptionsDialog", "ui::PrintDialog", "Messages"};
    for (const char* lang : {"de", "fr", "es", "it"}) {
        SCOPED_TRACE(lang);
        QLocale::setDefault(QLocale(QString::fromLatin1(lang)));
        const auto translators = ui::InstallTranslations(QLocale());
        ASSERT_FALSE(translators.empty());
        // The same in the translations: the source text itself.
        auto sameWord = [&](const QString& text) {
            const QByteArray source = text.toUtf8();
            for (const char* c : contexts)
                if (translators.front()->translate(c, source.constData()) == text) return true;
            return false;
        };
        const QStringList shown = WindowTexts(dir);
        ASSERT_EQ(shown.size(), english.size());
        for (qsizetype i = 0; i < shown.size(); ++i)
            EXPECT_TRUE(shown[i] != english[i] || sameWord(english[i])) << english[i].toStdString();
        for (const std::string& help : {ui::MainHelpText(), ui::OptionsHelpText(), ui::PrintHelpText()}) {
            const QStringList from = QString::fromStdString(help).split(QStringLiteral("\r\n"));
            const QStringList to = ui::TranslatedMessage(help).split('\n');
            for (qsizetype i = 0; i < from.size(); ++i)
                EXPECT_TRUE(from[i].isEmpty() || to[i] != from[i]) << from[i].toStdString();
        }
    }
    QLocale::setDefault(QLocale::c());
}
