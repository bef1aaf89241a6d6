// The named zone in the window: the Options dialog's "Zone:" box, the
// Summertime box while a zone is named, and Calculate on the zone's clock.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <functional>
#include <memory>

#include "month/monthcalc.h"
#include "recording_reporter.h"
#include "ui/form1.h"
#include "ui/formoptions.h"
#include "ui/printtarget.h"

namespace {

const QByteArray kTenLines =
    "Almucan V0.9\r\n 16.33\r\n 48.25\r\n 1\r\n 0\r\n 0\r\n 0\r\n 0\r\nDejaVu Sans\r\n 10\r\n";

struct Window {
    QTemporaryDir dir;
    RecordingReporter rep;
    std::unique_ptr<ui::Form1> w;
    std::function<void(ui::FormOptions&)> script = [](ui::FormOptions& d) { d.reject(); };

    explicit Window(const QByteArray& ini) {
        QFile f(dir.filePath("Almucan.INI"));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(ini);
        f.close();
        w = std::make_unique<ui::Form1>(rep, dir.path().toStdString(), std::make_unique<ui::PrintTarget>(true));
        w->setToday([] { return QDate{2026, 3, 1}; });
        w->setExitHandler([](int) {});
        w->setDialogRunner([this](QDialog& d) {
            d.show();
            script(static_cast<ui::FormOptions&>(d));
            return d.result();
        });
        w->start();
    }
    QByteArray ini() const {
        QFile f(dir.filePath("Almucan.INI"));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

}  // namespace

// Shown as read, an unknown name marked; Save checks the name; the first
// entry is the fixed zone and writes ten lines again.
TEST(ZoneOptions, ShowCheckAndSave) {
    Window t(kTenLines + "Mars/Olympus\r\n");
    EXPECT_TRUE(t.w->checkST()->isEnabled());  // unknown: the fixed zone
    const struct {
        const char* typed;  // nullptr: only look
        bool closes;
        const char* line11;
    } steps[] = {{nullptr, false, "Mars/Olympus"},
                 {"Mars/Olympus", false, "Mars/Olympus"},
                 {"Asia/Kolkata", true, "Asia/Kolkata"},
                 {"(fixed: Time Zone above)", true, nullptr}};
    for (const auto& s : steps) {
        QString shown, mark, first;
        bool closed = false;
        t.rep.clear();
        t.script = [&](ui::FormOptions& o) {
            shown = o.ComboZone->currentText();
            mark = o.Label8->text();
            first = o.ComboZone->itemText(0);
            if (s.typed) {
                o.ComboZone->setEditText(QString::fromUtf8(s.typed));
                QTest::mouseClick(o.CommandSave, Qt::LeftButton);
            }
            closed = !o.isVisible();
            if (!closed) o.reject();
        };
        t.w->menuFOptions()->trigger();
        EXPECT_EQ(first.toStdString(), "(fixed: Time Zone above)");
        EXPECT_EQ(closed, s.closes) << (s.typed ? s.typed : "look");
        if (s.typed && !s.closes) {
            EXPECT_EQ(t.rep.log, (std::vector<std::string>{"beep", "box:Error:Input error - wrong value."}));
        }
        if (!s.typed) {
            EXPECT_EQ(shown.toStdString(), "Mars/Olympus");
            EXPECT_FALSE(mark.isEmpty());
        }
        const QByteArray want = s.line11 ? kTenLines + s.line11 + "\r\n" : kTenLines;
        if (s.line11 && std::string(s.line11) == "Asia/Kolkata") {
            // Line 4: Kolkata's +5:30 in whole hours.
            EXPECT_EQ(t.ini(), QByteArray(want).replace("\r\n 1\r\n", "\r\n 6\r\n"));
        } else if (!s.line11) {
            EXPECT_EQ(t.ini(), QByteArray(kTenLines).replace("\r\n 1\r\n", "\r\n 6\r\n"));
        } else {
            EXPECT_EQ(t.ini(), want);  // not rewritten before a Save
        }
    }
}

// While a zone is named the Summertime box is off and Calculate follows the
// zone (the switch of 29 March included), whatever the box says.
TEST(ZoneWindow, SummertimeBoxAndCalculate) {
    Window t(kTenLines + "Europe/Vienna\r\n");
    EXPECT_FALSE(t.w->checkST()->isEnabled());
    EXPECT_NE(t.w->checkST()->toolTip().indexOf("Europe/Vienna"), -1);
    t.w->textDate()->setText("202603");
    t.w->checkST()->setChecked(true);
    QTest::mouseClick(t.w->commandCalc(), Qt::LeftButton);
    report::SilentReporter quiet;
    const auto r = month::CalculateMonth("202603", false, month::Location{16.33, 48.25, 1, "Europe/Vienna"}, quiet);
    ASSERT_TRUE(r.has_value());
    EXPECT_EQ(QApplication::clipboard()->text().toStdString(), r->clipboard);
    EXPECT_TRUE(t.rep.log.empty());
}

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
