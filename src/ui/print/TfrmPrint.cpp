#include "ui/print/TfrmPrint.h"

#include "model/output/OutputLimits.h"
#include "model/output/SheetCells.h"
#include "model/sheet/PaperPreview.h"
#include "printer/TQdPrinter.h"
#include "ui/platform/DialogPlacement.h"
#include "ui/platform/MessageBox.h"
#include "ui/platform/ProgramDialog.h"
#include "ui/print/PreviewSideSwitch.h"
#include "ui/print/SheetPreviewView.h"

#include <QButtonGroup>
#include <QCoreApplication>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QString paperName(TQdPrinter &printer)
{
    return printer.GetPaperSizeNames().value(printer.GetPaperSizeIndex());
}

QString runsOffText(const QString &paper)
{
    return QCoreApplication::translate("TfrmPrint",
                                       "カードの配置が用紙 %1 に収まりません。はみ出す部分は印刷されません。")
        .arg(paper);
}

QSpinBox *countField(const char *name, int most, QWidget *parent)
{
    auto *field = new QSpinBox(parent);
    field->setObjectName(QLatin1String(name));
    field->setRange(1, most);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(80);
    return field;
}

} // namespace

TfrmPrint::TfrmPrint(TQdPrinter &printer, const TVkVellumPanel &card, const TCardDef &cardDef, int guessMark,
                     const SheetRun &run, bool countChosen, QWidget *parent)
    : QDialog(parent), printer_(printer), cardDef_(cardDef)
{
    SetUpProgramDialog(*this, QStringLiteral("frmPrint"), tr("印刷"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    auto *columns = new QHBoxLayout;
    layout->addLayout(columns);

    auto *previewBase = new QFrame(this);
    previewBase->setFrameShape(QFrame::Box);
    previewBase->setFixedSize(263, 335);
    pbSheet_ = new SheetPreviewView(previewBase);
    pbSheet_->setObjectName(QStringLiteral("pbSheet"));
    pbSheet_->setGeometry(11, 11, 241, 313);
    auto *previewColumn = new QVBoxLayout;
    previewColumn->addWidget(previewBase);
    sideSwitch_ = new PreviewSideSwitch(*pbSheet_, this);
    previewColumn->addWidget(sideSwitch_, 0, Qt::AlignLeft);
    previewColumn->addStretch(1);
    columns->addLayout(previewColumn);

    // A column of its own width, so that longer texts wrap instead of widening the dialog.
    auto *sideColumn = new QWidget(this);
    sideColumn->setFixedWidth(320);
    auto *side = new QVBoxLayout(sideColumn);
    columns->addWidget(sideColumn);
    lblPrinter_ = new QLabel(this);
    lblPrinter_->setObjectName(QStringLiteral("lblPrinter"));
    side->addWidget(lblPrinter_);

    const std::int64_t cells = std::max<std::int64_t>(CellsOnSheet(cardDef), 1);
    auto *startGroup = new QGroupBox(tr("印刷を始める位置"), this);
    auto *startRow = new QGridLayout(startGroup);
    edtStart_ =
        countField("edtStart", int(std::min<std::int64_t>(cells, OutputLimits::kMostCards)), startGroup);
    startRow->addWidget(edtStart_, 0, 0);
    startRow->addWidget(new QLabel(tr("番目のカードから"), startGroup), 0, 1);
    auto *startHint = new QLabel(tr("使用済みのカードがある用紙では、プレビューで最初に印刷する"
                                    "カードをクリックしても選べます。"),
                                 startGroup);
    startHint->setWordWrap(true);
    startRow->addWidget(startHint, 1, 0, 1, 2);
    side->addWidget(startGroup);

    auto *countGroup = new QGroupBox(tr("印刷する量"), this);
    countGroup->setObjectName(QStringLiteral("grpCount"));
    auto *countGrid = new QGridLayout(countGroup);
    rbSheets_ = new QRadioButton(tr("用紙(&S)"), countGroup);
    rbSheets_->setObjectName(QStringLiteral("rbSheets"));
    rbCards_ = new QRadioButton(tr("カード(&C)"), countGroup);
    rbCards_->setObjectName(QStringLiteral("rbCards"));
    auto *units = new QButtonGroup(countGroup);
    units->addButton(rbSheets_);
    units->addButton(rbCards_);
    edtSheets_ = countField("edtSheets", OutputLimits::kMostSheets, countGroup);
    edtCards_ = countField("edtCards", OutputLimits::kMostCards, countGroup);
    countGrid->addWidget(rbSheets_, 0, 0);
    countGrid->addWidget(edtSheets_, 0, 1);
    countGrid->addWidget(new QLabel(tr("枚", "sheets"), countGroup), 0, 2);
    countGrid->addWidget(rbCards_, 1, 0);
    countGrid->addWidget(edtCards_, 1, 1);
    countGrid->addWidget(new QLabel(tr("枚", "cards"), countGroup), 1, 2);
    if (!countChosen) {
        countGroup->setEnabled(false);
        countGrid->addWidget(new QLabel(tr("差し込むレコードの数だけ印刷します。"), countGroup), 2, 0, 1, 3);
    }
    side->addWidget(countGroup);

    auto *adjustGroup = new QGroupBox(tr("印刷位置の調整"), this);
    auto *adjustRow = new QHBoxLayout(adjustGroup);
    lblAdjust_ = new QLabel(adjustGroup);
    lblAdjust_->setObjectName(QStringLiteral("lblAdjust"));
    lblAdjust_->setWordWrap(true);
    adjustRow->addWidget(lblAdjust_, 1);
    adjust_ = new QPushButton(tr("調整(&J)..."), adjustGroup);
    QPushButton *adjust = adjust_;
    adjust->setObjectName(QStringLiteral("btnAdjust"));
    adjust->setAutoDefault(false);
    adjustRow->addWidget(adjust);
    side->addWidget(adjustGroup);

    lblFit_ = new QLabel(this);
    lblFit_->setObjectName(QStringLiteral("lblFit"));
    lblFit_->setStyleSheet(QStringLiteral("color: #c00000"));
    lblFit_->setWordWrap(true);
    side->addWidget(lblFit_);
    side->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto [print, cancel] = AddProgramDialogButtons(
        *this, *buttons, {{"btnPrint", tr("印刷(&P)...")}, {"btnCancel", tr("キャンセル")}});
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    side->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(12);

    edtStart_->setValue(
        int(std::min<std::int64_t>(StartCellOnSheet(run.StartCell, cardDef) + 1, edtStart_->maximum())));
    (run.CountUnit == SheetRun::Unit::Cards ? rbCards_ : rbSheets_)->setChecked(true);
    (run.CountUnit == SheetRun::Unit::Cards ? edtCards_ : edtSheets_)->setValue(run.Count);
    if (run.CountUnit == SheetRun::Unit::Sheets)
        edtCards_->setValue(int(std::min<std::int64_t>(cells - run.StartCell, OutputLimits::kMostCards)));
    pbSheet_->SetCards({.Card = &card, .GuessMark = guessMark, .StartCell = run.StartCell});
    showCount();

    connect(edtStart_, &QSpinBox::valueChanged, this, [this](int number) {
        showStart(number - 1);
        // Whole sheets print the rest of the first sheet; the number of cards follows until chosen.
        if (rbSheets_->isChecked()) {
            const QSignalBlocker quiet(edtCards_);
            edtCards_->setValue(edtStart_->maximum() - number + 1);
        }
    });
    connect(pbSheet_, &SheetPreviewView::CellClicked, this,
            [this](std::int64_t cell) { edtStart_->setValue(int(cell + 1)); });
    connect(edtSheets_, &QSpinBox::valueChanged, this, [this] { rbSheets_->setChecked(true); });
    connect(edtCards_, &QSpinBox::valueChanged, this, [this] {
        rbCards_->setChecked(true);
        showCount();
    });
    connect(rbCards_, &QRadioButton::toggled, this, [this] { showCount(); });
    connect(adjust, &QPushButton::clicked, this, [this] {
        if (OnAdjust)
            OnAdjust();
        RunGuarded([this] { readPrinter(); }, this);
    });
    connect(print, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    RunGuarded([this] { readPrinter(); }, parent);
}

TfrmPrint::~TfrmPrint() = default;

SheetRun TfrmPrint::Run() const
{
    const bool cards = rbCards_->isChecked();
    return {.StartCell = edtStart_->value() - 1,
            .CountUnit = cards ? SheetRun::Unit::Cards : SheetRun::Unit::Sheets,
            .Count = cards ? edtCards_->value() : edtSheets_->value()};
}

void TfrmPrint::SetSheetDrawing(
    std::function<void(QPainter &, const PrinterPage &, std::int64_t startCell)> drawSheet)
{
    PaperPreviewCards cards = pbSheet_->Cards();
    cards.DrawSheet = std::move(drawSheet);
    pbSheet_->SetCards(cards);
}

void TfrmPrint::SetBackSide(
    const TVkVellumPanel &back, const BackSidePlacement &placement,
    std::function<void(QPainter &, const PrinterPage &, std::int64_t startCell)> drawBackSheet)
{
    PaperPreviewCards cards = pbSheet_->Cards();
    cards.Back = &back;
    cards.BackPlacement = placement;
    cards.DrawBackSheet = std::move(drawBackSheet);
    pbSheet_->SetCards(cards);
    sideSwitch_->Refresh();
}

void TfrmPrint::readPrinter()
{
    const QString paper = paperName(printer_);
    const PaperPreviewSheet sheet{.PhysicalSize = printer_.GetPhysicalSize(),
                                  .PhysicalPaperSizeTenthMm = printer_.GetPhysicalPaperSize(),
                                  .PhysicalOffset = printer_.GetPhysicalOffset(),
                                  .PrintableSize = printer_.GetPrintableSize(),
                                  .Resolution = printer_.GetResolution(),
                                  .Adjustment = printer_.CurrentAdjustment()};
    pbSheet_->SetSheet(sheet, cardDef_);
    lblPrinter_->setText(tr("プリンタ：%1 (%2)").arg(printer_.Printer().printerName(), paper));
    const PrintAdjustment &adjustment = sheet.Adjustment;
    lblAdjust_->setText(adjustment.IsNone()
                            ? tr("なし")
                            : tr("右へ %1 mm、下へ %2 mm、%3 %")
                                  .arg(QLocale().toString(adjustment.OffsetXTenthMm / 10.0, 'f', 1),
                                       QLocale().toString(adjustment.OffsetYTenthMm / 10.0, 'f', 1),
                                       QLocale().toString(adjustment.ScaleHundredthPercent / 100.0, 'f', 2)));
    lblFit_->setText(CardSheetFitsPaper(cardDef_, sheet.PhysicalPaperSizeTenthMm) ? QString()
                                                                                  : runsOffText(paper));
}

void TfrmPrint::showStart(std::int64_t cell)
{
    PaperPreviewCards cards = pbSheet_->Cards();
    cards.StartCell = cell;
    pbSheet_->SetCards(cards);
}

void TfrmPrint::showCount()
{
    PaperPreviewCards cards = pbSheet_->Cards();
    cards.CardCount = rbCards_->isChecked() ? std::optional<std::int64_t>(edtCards_->value()) : std::nullopt;
    pbSheet_->SetCards(cards);
}

void TfrmPrint::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    adjust_->setVisible(bool(OnAdjust));
    if (!centred_) {
        centred_ = true;
        CenterOnScreen(this);
    }
}

bool ConfirmSheetOnPaper(TQdPrinter &printer, const TCardDef &cardDef, QWidget *parent)
{
    if (CardSheetFitsPaper(cardDef, printer.GetPhysicalPaperSize()))
        return true;
    return VkMessageBox(runsOffText(paperName(printer)) +
                            QCoreApplication::translate("TfrmPrint", "\nこのまま印刷しますか？"),
                        MB_OKCANCEL | MB_ICONEXCLAMATION, parent) == IDOK;
}
