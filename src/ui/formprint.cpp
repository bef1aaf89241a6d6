// The Print dialog: margins, print font, printer set-up and the print run.
#include "ui/formprint.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageLayout>
#include <QPrinterInfo>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <utility>

#include "settings/location.h"
#include "text/numbers.h"
#include "render/printcheck.h"
#include "render/fontsize.h"
#include "render/qt/qtsurface.h"
#include "settings/settingsfile.h"
#include "ui/formoptions.h"
#include "ui/printersetup.h"
#include "ui/texts.h"

namespace ui {

QStringList SortedFontFamilies() {
    QStringList fams = QFontDatabase::families();
    std::sort(fams.begin(), fams.end(), [](const QString& a, const QString& b) {
        int c = QString::compare(a, b, Qt::CaseInsensitive);
        return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
    });
    fams.erase(std::unique(fams.begin(), fams.end()), fams.end());
    return fams;
}

FormPrint::FormPrint(settings::Settings& settings, report::Reporter& reporter, PrintTarget& target,
                     std::function<void()> runPrint, std::string monthText,
                     DialogRunner runDialog, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      reporter_(reporter),
      target_(target),
      runPrint_(std::move(runPrint)),
      monthText_(std::move(monthText)),
      runDialog_(std::move(runDialog)) {
    setWindowTitle(QStringLiteral("Almucan - Print"));
    createWidgets();
    createLayout();
    Form_Load();
    TextMT->setFocus();
}

void FormPrint::createWidgets() {
    Frame1 = new QGroupBox(QStringLiteral("Margins (mm)"), this);
    Label2 = new QLabel(QStringLiteral("Top:"), Frame1);
    TextMT = new QLineEdit(Frame1);
    Label3 = new QLabel(QStringLiteral("Bottom:"), Frame1);
    TextMB = new QLineEdit(Frame1);
    Label4 = new QLabel(QStringLiteral("Left:"), Frame1);
    TextML = new QLineEdit(Frame1);
    Label5 = new QLabel(QStringLiteral("Right:"), Frame1);
    TextMR = new QLineEdit(Frame1);
    for (QLineEdit* e : {TextMT, TextMB, TextML, TextMR}) e->setFixedWidth(70);

    Frame2 = new QGroupBox(QStringLiteral("Font"), this);
    Label6 = new QLabel(QStringLiteral("Name:"), Frame2);
    ComboFont = new QComboBox(Frame2);
    ComboFont->setEditable(true);
    ComboFont->setInsertPolicy(QComboBox::NoInsert);
    ComboFont->setMinimumWidth(200);
    Label7 = new QLabel(QStringLiteral("Size:"), Frame2);
    TextFS = new QLineEdit(Frame2);
    TextFS->setFixedWidth(70);
    LabelTextSample = new QLabel(QStringLiteral("Textsample for above Font"), Frame2);
    // A fixed box, so that a large sample size is cut off instead of
    // stretching the dialog.
    LabelTextSample->setFixedSize(320, 60);
    LabelTextSample->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    CheckInk = new QCheckBox(QStringLiteral("&Ink saver"), this);
    CheckInk->setToolTip(QStringLiteral("night hatched instead of black; greys that stay apart in grayscale"));

    LabelOutput = new QLabel(this);
    LabelOutput->setWordWrap(true);
    LabelOutput->setTextInteractionFlags(Qt::TextSelectableByMouse);

    CommandHelp = new QPushButton(QStringLiteral("&Help"), this);
    CommandSave = new QPushButton(QStringLiteral("Sa&ve"), this);
    CommandSetup = new QPushButton(QStringLiteral("&Setup ..."), this);
    CommandPrint = new QPushButton(QStringLiteral("&Print"), this);
    CommandCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    CommandPrint->setDefault(true);

    connect(ComboFont, &QComboBox::activated, this, &FormPrint::ComboFont_Click);
    TextFS->installEventFilter(this);
    connect(CommandHelp, &QPushButton::clicked, this, &FormPrint::CommandHelp_Click);
    connect(CommandSave, &QPushButton::clicked, this, &FormPrint::CommandSave_Click);
    connect(CommandSetup, &QPushButton::clicked, this, &FormPrint::CommandSetup_Click);
    connect(CommandPrint, &QPushButton::clicked, this, &FormPrint::CommandPrint_Click);
    connect(CommandCancel, &QPushButton::clicked, this, &FormPrint::CommandCancel_Click);
}

void FormPrint::createLayout() {
    auto* mg = new QGridLayout(Frame1);
    mg->addWidget(Label2, 0, 0);
    mg->addWidget(TextMT, 0, 1);
    mg->addWidget(Label3, 0, 2);
    mg->addWidget(TextMB, 0, 3);
    mg->addWidget(Label4, 1, 0);
    mg->addWidget(TextML, 1, 1);
    mg->addWidget(Label5, 1, 2);
    mg->addWidget(TextMR, 1, 3);
    mg->setColumnStretch(4, 1);

    auto* fg = new QGridLayout(Frame2);
    fg->addWidget(Label6, 0, 0);
    fg->addWidget(ComboFont, 0, 1);
    fg->addWidget(Label7, 1, 0);
    fg->addWidget(TextFS, 1, 1, Qt::AlignLeft);
    fg->addWidget(LabelTextSample, 2, 0, 1, 2);

    auto* left = new QVBoxLayout;
    left->addWidget(Frame1);
    left->addWidget(Frame2);
    left->addWidget(CheckInk);
    left->addWidget(LabelOutput);
    left->addStretch(1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {CommandHelp, CommandSave, CommandSetup, CommandPrint, CommandCancel})
        buttons->addWidget(b);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttons);

    QWidget* order[] = {TextMT,      TextMB,      TextML,       TextMR,
                        ComboFont,   TextFS,      CheckInk,     CommandHelp,  CommandSave,
                        CommandSetup, CommandPrint, CommandCancel};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void FormPrint::Form_Load() {
    TextMT->setText(QString::fromStdString(text::BoxNumberText(settings_.marginTop)));
    TextMB->setText(QString::fromStdString(text::BoxNumberText(settings_.marginBottom)));
    TextML->setText(QString::fromStdString(text::BoxNumberText(settings_.marginLeft)));
    TextMR->setText(QString::fromStdString(text::BoxNumberText(settings_.marginRight)));
    TextFS->setText(QString::fromStdString(text::BoxNumberTextSingle(settings_.fontSize)));
    CheckInk->setChecked(settings_.inkSaver);

    ComboFont->clear();
    ComboFont->addItems(SortedFontFamilies());
    const QString saved = QString::fromStdString(settings_.fontName);
    int idx = ComboFont->findText(saved, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (idx < 0 && ComboFont->count() > 0) idx = 0;
    if (idx >= 0)
        ComboFont->setCurrentIndex(idx);
    else
        ComboFont->setEditText(saved);  // no fonts at all: keep the saved name
    ComboFont_Click();

    if (target_.toPdf && !target_.fileChosen)
        target_.printer.setOutputFileName(target_.defaultPdfPath(monthText_));
    showOutput();
}

void FormPrint::showOutput() {
    const QPageLayout page = target_.printer.pageLayout();
    LabelOutput->setText(
        (target_.toPdf ? QStringLiteral("PDF file: ") : QStringLiteral("Printer: ")) +
        target_.destination() + QStringLiteral(" - ") + PaperName(page.pageSize()) +
        (page.orientation() == QPageLayout::Landscape ? QStringLiteral(", landscape")
                                                      : QStringLiteral(", portrait")));
}

void FormPrint::ComboFont_Click() {
    QFont f = LabelTextSample->font();
    f.setFamily(ComboFont->currentText());
    const double fallback = QApplication::font().pointSizeF() > 0
                                ? QApplication::font().pointSizeF()
                                : 10.0;
    f.setPointSizeF(render::DrawableFontSize(text::value(TextFS->text().toStdString()), fallback));
    LabelTextSample->setFont(f);
}

void FormPrint::TextFS_LostFocus() { ComboFont_Click(); }

bool FormPrint::eventFilter(QObject* watched, QEvent* event) {
    if (watched == TextFS && event->type() == QEvent::FocusOut) TextFS_LostFocus();
    return QDialog::eventFilter(watched, event);
}

bool FormPrint::CheckPrinting() {
    const std::pair<QLineEdit*, const char*> boxes[] = {
        {TextML, "Left"}, {TextMR, "Right"}, {TextMT, "Top"}, {TextMB, "Bottom"}};
    double v[4] = {};
    for (std::size_t i = 0; i < std::size(boxes); ++i) {
        const text::NumberField field = settings::Named(settings::kMarginField, boxes[i].second);
        std::string why;
        const auto m = text::typedNumber(field, boxes[i].first->text().toStdString(), why);
        if (!m) {
            reporter_.error("Wrong value(s) for margin(s).\r\n" + text::fieldMessage(field, why));
            return false;
        }
        v[i] = *m;
    }
    std::string why;
    const auto size = text::typedNumber(settings::kFontSizeField, TextFS->text().toStdString(), why);
    if (!size) {
        reporter_.error("Wrong value for the font size.\r\n" +
                        text::fieldMessage(settings::kFontSizeField, why));
        return false;
    }
    // The font as the print run draws it: measured on the printer.
    render::QtPrinterSurface printer(target_.printer);
    const render::PrintFontExtent font =
        render::MeasurePrintFont(printer, ComboFont->currentText().toStdString(), text::toSingle(*size));
    return render::CheckPrintLayout(v[2], v[3], v[0], v[1], PaperCode(target_.printer),
                                    OrientationCode(target_.printer), font, reporter_);
}

// Called after CheckPrinting passed: every box holds one number.
void FormPrint::storeLayout() {
    auto typed = [](QLineEdit* box, const text::NumberField& field) {
        std::string why;
        return text::typedNumber(field, box->text().toStdString(), why).value_or(0);
    };
    settings_.marginLeft = typed(TextML, settings::kMarginField);
    settings_.marginRight = typed(TextMR, settings::kMarginField);
    settings_.marginTop = typed(TextMT, settings::kMarginField);
    settings_.marginBottom = typed(TextMB, settings::kMarginField);
    settings_.fontName = ComboFont->currentText().toStdString();
    settings_.fontSize = text::toSingle(typed(TextFS, settings::kFontSizeField));
    settings_.inkSaver = CheckInk->isChecked();
}

void FormPrint::CommandSave_Click() {
    if (!CheckPrinting()) return;
    storeLayout();
    settings::SaveSettings(settings_, reporter_);
}

void FormPrint::CommandSetup_Click() {
    // What is chosen stays in the target's printer for the rest of the run;
    // Cancel leaves it as it was.
    PrinterSetupDialog setup(target_.printer, target_.toPdf,
                             target_.toPdf ? QStringList() : QPrinterInfo::availablePrinterNames(),
                             this);
    if (runDialog_(setup) == QDialog::Accepted) {
        const QString before = target_.printer.outputFileName();
        setup.apply(target_.printer);
        if (target_.toPdf && target_.printer.outputFileName() != before) target_.fileChosen = true;
    }
    showOutput();
}

void FormPrint::CommandPrint_Click() {
    if (!CheckPrinting()) return;
    // A print run never changes the saved layout: the run prints with the
    // dialog's layout, then the record is as it was.
    const settings::Settings kept = settings_;
    storeLayout();
    runPrint_();
    settings_ = kept;
    accept();
}

void FormPrint::CommandCancel_Click() { reject(); }

void FormPrint::CommandHelp_Click() { reporter_.help(PrintHelpText()); }

}  // namespace ui
