// The print dialog: page layout boxes checked against the paper, saved, and the print run started.
#include "ui/printdialog.h"

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
#include "ui/printersetup.h"
#include "ui/texts.h"

namespace ui {

namespace {

// Alphabetical order ignoring case; names that differ only in case in
// case-sensitive order.
bool BeforeIgnoringCase(const QString& a, const QString& b) {
    const int c = QString::compare(a, b, Qt::CaseInsensitive);
    return c != 0 ? c < 0 : QString::compare(a, b, Qt::CaseSensitive) < 0;
}

}  // namespace

QStringList SortedFontFamilies() {
    QStringList fams = QFontDatabase::families();
    std::sort(fams.begin(), fams.end(), BeforeIgnoringCase);
    fams.erase(std::unique(fams.begin(), fams.end()), fams.end());
    return fams;
}

PrintDialog::PrintDialog(settings::Settings& settings, report::Reporter& reporter, PrintTarget& target,
                         std::function<void()> runPrint, std::string monthText, DialogRunner runDialog, QWidget* parent)
    : QDialog(parent),
      settings_(settings),
      reporter_(reporter),
      target_(target),
      runPrint_(std::move(runPrint)),
      monthText_(std::move(monthText)),
      runDialog_(std::move(runDialog)) {
    setWindowTitle(tr("Almucan - Print"));
    createWidgets();
    createLayout();
    fillFromSettings();
    topMarginEdit_->setFocus();
}

void PrintDialog::createWidgets() {
    marginGroup_ = new QGroupBox(tr("Margins (mm)"), this);
    topMarginLabel_ = new QLabel(tr("Top:"), marginGroup_);
    topMarginEdit_ = new QLineEdit(marginGroup_);
    bottomMarginLabel_ = new QLabel(tr("Bottom:"), marginGroup_);
    bottomMarginEdit_ = new QLineEdit(marginGroup_);
    leftMarginLabel_ = new QLabel(tr("Left:"), marginGroup_);
    leftMarginEdit_ = new QLineEdit(marginGroup_);
    rightMarginLabel_ = new QLabel(tr("Right:"), marginGroup_);
    rightMarginEdit_ = new QLineEdit(marginGroup_);
    for (QLineEdit* e : {topMarginEdit_, bottomMarginEdit_, leftMarginEdit_, rightMarginEdit_}) e->setFixedWidth(70);

    fontGroup_ = new QGroupBox(tr("Font"), this);
    fontNameLabel_ = new QLabel(tr("Name:"), fontGroup_);
    fontBox_ = new QComboBox(fontGroup_);
    fontBox_->setEditable(true);
    fontBox_->setInsertPolicy(QComboBox::NoInsert);
    fontBox_->setMinimumWidth(200);
    fontSizeLabel_ = new QLabel(tr("Size:"), fontGroup_);
    fontSizeEdit_ = new QLineEdit(fontGroup_);
    fontSizeEdit_->setFixedWidth(70);
    fontSample_ = new QLabel(tr("Textsample for above Font"), fontGroup_);
    // A fixed box, so that a large sample size is cut off instead of
    // stretching the dialog.
    fontSample_->setFixedSize(320, 60);
    fontSample_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);

    inkSaverBox_ = new QCheckBox(tr("&Ink saver"), this);
    inkSaverBox_->setToolTip(tr("night hatched instead of black; greys that stay apart in grayscale"));

    destinationLabel_ = new QLabel(this);
    destinationLabel_->setWordWrap(true);
    destinationLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    helpButton_ = new QPushButton(tr("&Help"), this);
    saveButton_ = new QPushButton(tr("Sa&ve"), this);
    setupButton_ = new QPushButton(tr("&Setup ..."), this);
    printButton_ = new QPushButton(tr("&Print"), this);
    cancelButton_ = new QPushButton(tr("&Cancel"), this);
    printButton_->setDefault(true);

    connect(fontBox_, &QComboBox::activated, this, &PrintDialog::showFontSample);
    fontSizeEdit_->installEventFilter(this);
    connect(helpButton_, &QPushButton::clicked, this, &PrintDialog::showHelp);
    connect(saveButton_, &QPushButton::clicked, this, &PrintDialog::save);
    connect(setupButton_, &QPushButton::clicked, this, &PrintDialog::setUpPrinter);
    connect(printButton_, &QPushButton::clicked, this, &PrintDialog::print);
    connect(cancelButton_, &QPushButton::clicked, this, &QDialog::reject);
}

void PrintDialog::createLayout() {
    auto* mg = new QGridLayout(marginGroup_);
    mg->addWidget(topMarginLabel_, 0, 0);
    mg->addWidget(topMarginEdit_, 0, 1);
    mg->addWidget(bottomMarginLabel_, 0, 2);
    mg->addWidget(bottomMarginEdit_, 0, 3);
    mg->addWidget(leftMarginLabel_, 1, 0);
    mg->addWidget(leftMarginEdit_, 1, 1);
    mg->addWidget(rightMarginLabel_, 1, 2);
    mg->addWidget(rightMarginEdit_, 1, 3);
    mg->setColumnStretch(4, 1);

    auto* fg = new QGridLayout(fontGroup_);
    fg->addWidget(fontNameLabel_, 0, 0);
    fg->addWidget(fontBox_, 0, 1);
    fg->addWidget(fontSizeLabel_, 1, 0);
    fg->addWidget(fontSizeEdit_, 1, 1, Qt::AlignLeft);
    fg->addWidget(fontSample_, 2, 0, 1, 2);

    auto* left = new QVBoxLayout;
    left->addWidget(marginGroup_);
    left->addWidget(fontGroup_);
    left->addWidget(inkSaverBox_);
    left->addWidget(destinationLabel_);
    left->addStretch(1);
    auto* buttons = new QVBoxLayout;
    for (QPushButton* b : {helpButton_, saveButton_, setupButton_, printButton_, cancelButton_}) buttons->addWidget(b);
    buttons->addStretch(1);
    auto* top = new QHBoxLayout(this);
    top->addLayout(left, 1);
    top->addLayout(buttons);

    QWidget* order[] = {topMarginEdit_, bottomMarginEdit_, leftMarginEdit_, rightMarginEdit_,
                        fontBox_,       fontSizeEdit_,     inkSaverBox_,    helpButton_,
                        saveButton_,    setupButton_,      printButton_,    cancelButton_};
    for (std::size_t i = 0; i + 1 < std::size(order); ++i) setTabOrder(order[i], order[i + 1]);
}

void PrintDialog::fillFromSettings() {
    topMarginEdit_->setText(QString::fromStdString(text::BoxNumberText(settings_.marginTop)));
    bottomMarginEdit_->setText(QString::fromStdString(text::BoxNumberText(settings_.marginBottom)));
    leftMarginEdit_->setText(QString::fromStdString(text::BoxNumberText(settings_.marginLeft)));
    rightMarginEdit_->setText(QString::fromStdString(text::BoxNumberText(settings_.marginRight)));
    fontSizeEdit_->setText(QString::fromStdString(text::BoxNumberTextSingle(settings_.fontSize)));
    inkSaverBox_->setChecked(settings_.inkSaver);

    fontBox_->clear();
    fontBox_->addItems(SortedFontFamilies());
    const QString saved = QString::fromStdString(settings_.fontName);
    int idx = fontBox_->findText(saved, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (idx < 0 && fontBox_->count() > 0) idx = 0;
    if (idx >= 0)
        fontBox_->setCurrentIndex(idx);
    else
        fontBox_->setEditText(saved);  // no fonts at all: keep the saved name
    showFontSample();

    if (target_.toPdf && !target_.fileChosen)
        target_.printer.setOutputFileName(target_.defaultPdfPath(monthText_, settings_.view));
    showDestination();
}

void PrintDialog::showDestination() {
    const QPageLayout page = target_.printer.pageLayout();
    destinationLabel_->setText((target_.toPdf ? tr("PDF file: ") : tr("Printer: ")) + target_.destination() +
                               QStringLiteral(" - ") + PaperName(page.pageSize()) +
                               (page.orientation() == QPageLayout::Landscape ? tr(", landscape") : tr(", portrait")));
}

void PrintDialog::showFontSample() {
    QFont f = fontSample_->font();
    f.setFamily(fontBox_->currentText());
    const double fallback = QApplication::font().pointSizeF() > 0 ? QApplication::font().pointSizeF() : 10.0;
    f.setPointSizeF(render::DrawableFontSize(text::value(fontSizeEdit_->text().toStdString()), fallback));
    fontSample_->setFont(f);
}

bool PrintDialog::eventFilter(QObject* watched, QEvent* event) {
    if (watched == fontSizeEdit_ && event->type() == QEvent::FocusOut) showFontSample();
    return QDialog::eventFilter(watched, event);
}

bool PrintDialog::checkPrinting() {
    const std::pair<QLineEdit*, const char*> boxes[] = {
        {leftMarginEdit_, "Left"}, {rightMarginEdit_, "Right"}, {topMarginEdit_, "Top"}, {bottomMarginEdit_, "Bottom"}};
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
    const auto size = text::typedNumber(settings::kFontSizeField, fontSizeEdit_->text().toStdString(), why);
    if (!size) {
        reporter_.error("Wrong value for the font size.\r\n" + text::fieldMessage(settings::kFontSizeField, why));
        return false;
    }
    // The font as the print run draws it: measured on the printer.
    render::QtPrinterSurface printer(target_.printer);
    const render::PrintFontExtent font =
        render::MeasurePrintFont(printer, fontBox_->currentText().toStdString(), text::toSingle(*size));
    return render::CheckPrintLayout(v[2], v[3], v[0], v[1], PaperCode(target_.printer),
                                    OrientationCode(target_.printer), font, reporter_);
}

// Called after checkPrinting passed: every box holds one number.
void PrintDialog::storeLayout() {
    auto typed = [](QLineEdit* box, const text::NumberField& field) {
        std::string why;
        return text::typedNumber(field, box->text().toStdString(), why).value_or(0);
    };
    settings_.marginLeft = typed(leftMarginEdit_, settings::kMarginField);
    settings_.marginRight = typed(rightMarginEdit_, settings::kMarginField);
    settings_.marginTop = typed(topMarginEdit_, settings::kMarginField);
    settings_.marginBottom = typed(bottomMarginEdit_, settings::kMarginField);
    settings_.fontName = fontBox_->currentText().toStdString();
    settings_.fontSize = text::toSingle(typed(fontSizeEdit_, settings::kFontSizeField));
    settings_.inkSaver = inkSaverBox_->isChecked();
}

void PrintDialog::save() {
    if (!checkPrinting()) return;
    storeLayout();
    settings::SaveSettings(settings_, reporter_);
}

void PrintDialog::setUpPrinter() {
    // What is chosen stays in the target's printer for the rest of the run;
    // Cancel leaves it as it was.
    PrinterSetupDialog setup(target_.printer, target_.toPdf,
                             target_.toPdf ? QStringList() : QPrinterInfo::availablePrinterNames(), this);
    if (runDialog_(setup) == QDialog::Accepted) {
        const QString before = target_.printer.outputFileName();
        setup.apply(target_);
        if (target_.toPdf && target_.printer.outputFileName() != before) target_.fileChosen = true;
        // The paper and orientation are remembered for the next runs.
        const QPageLayout page = target_.printer.pageLayout();
        settings::UpdateSettings(
            settings_,
            [&](settings::Settings& s) {
                s.paper = page.pageSize().id() == QPageSize::Letter ? settings::Paper::Letter : settings::Paper::A4;
                s.landscape = page.orientation() == QPageLayout::Landscape;
            },
            reporter_);
    }
    showDestination();
}

void PrintDialog::print() {
    if (!checkPrinting()) return;
    // A print run never changes the saved layout: the run prints with the
    // dialog's layout, then the record is as it was.
    const settings::Settings kept = settings_;
    storeLayout();
    runPrint_();
    settings_ = kept;
    accept();
}

void PrintDialog::showHelp() { reporter_.help(PrintHelpText()); }

}  // namespace ui
