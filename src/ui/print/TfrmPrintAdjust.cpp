#include "ui/print/TfrmPrintAdjust.h"

#include "printer/SheetPrinter.h"
#include "printer/TQdPrinter.h"
#include "ui/platform/DialogPlacement.h"
#include "ui/platform/MessageBox.h"
#include "ui/platform/ProgramDialog.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPrinter>
#include <QVBoxLayout>
#include <cmath>

namespace {

QDoubleSpinBox *numberField(const char *name, int decimals, double low, double high, const QString &suffix,
                            QWidget *parent)
{
    auto *field = new QDoubleSpinBox(parent);
    field->setObjectName(QLatin1String(name));
    field->setDecimals(decimals);
    field->setRange(low, high);
    field->setSingleStep(decimals == 1 ? 0.1 : 0.01);
    field->setSuffix(suffix);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(110);
    return field;
}

} // namespace

TfrmPrintAdjust::TfrmPrintAdjust(TQdPrinter &printer, const PrinterAdjustments &adjustments,
                                 const TCardDef &cardDef, const QString &title, QWidget *parent)
    : QDialog(parent), printer_(printer), adjustments_(adjustments), cardDef_(cardDef), title_(title)
{
    SetUpProgramDialog(*this, QStringLiteral("frmPrintAdjust"), tr("印刷位置の調整"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(10);

    auto *grid = new QGridLayout;
    cmbPrinter_ = new QComboBox(this);
    cmbPrinter_->setObjectName(QStringLiteral("cmbPrinter"));
    for (const InstalledPrinter &each : printer_.Printers())
        cmbPrinter_->addItem(each.Name);
    cmbPrinter_->setCurrentText(printer_.Printer().printerName());
    const double most = PrintAdjustment::kMostOffsetTenthMm / 10.0;
    edtOffsetX_ = numberField("edtOffsetX", 1, -most, most, QStringLiteral(" mm"), this);
    edtOffsetY_ = numberField("edtOffsetY", 1, -most, most, QStringLiteral(" mm"), this);
    edtScale_ = numberField("edtScale", 2, PrintAdjustment::kLeastScaleHundredthPercent / 100.0,
                            PrintAdjustment::kMostScaleHundredthPercent / 100.0, QStringLiteral(" %"), this);
    const std::pair<QString, QWidget *> rows[] = {{tr("プリンタ(&N)："), cmbPrinter_},
                                                  {tr("右へずらす(&X)："), edtOffsetX_},
                                                  {tr("下へずらす(&Y)："), edtOffsetY_},
                                                  {tr("拡大縮小(&S)："), edtScale_}};
    for (int row = 0; row < int(std::size(rows)); ++row) {
        auto *label = new QLabel(rows[row].first, this);
        label->setBuddy(rows[row].second);
        grid->addWidget(label, row, 0);
        grid->addWidget(rows[row].second, row, 1, Qt::AlignLeft);
    }
    grid->setColumnStretch(1, 1);
    layout->addLayout(grid);

    auto *help =
        new QLabel(tr("テスト用紙を印刷し、十字の中心や目盛りの 0 が用紙の左上から書かれた位置に来ているかを"
                      "定規で測ります。\n"
                      "たとえば十字が 1.5 mm 右に、0.8 mm 上に印刷されたときは、右へ -1.5 mm、下へ 0.8 mm と"
                      "入力します。\n"
                      "100 mm のはずの目盛りが 99 mm に縮んでいたときは、拡大縮小を 101.01 % にします。\n"
                      "入力した値でもう一度テスト用紙を印刷すると、調整の結果を確かめられます。"),
                   this);
    help->setObjectName(QStringLiteral("lblHelp"));
    help->setWordWrap(true);
    help->setMinimumWidth(420);
    layout->addWidget(help);

    auto *buttons = new QHBoxLayout;
    QPushButton *testPrint =
        AddProgramDialogButton(*this, *buttons, {"btnTestPrint", tr("テスト用紙を印刷(&T)")});
    buttons->addStretch(1);
    const auto [ok, cancel] = AddProgramDialogButtons(
        *this, *buttons, {{"btnOK", QStringLiteral("OK")}, {"btnCancel", tr("キャンセル")}});
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(testPrint, &QPushButton::clicked, this,
            [this] { RunGuarded([this] { printTestSheet(); }, this); });
    connect(ok, &QPushButton::clicked, this, &TfrmPrintAdjust::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    showPrinter();
    // Each printer shows its own values; those typed for the one left are kept until OK or Cancel.
    connect(cmbPrinter_, &QComboBox::currentIndexChanged, this, [this] { showPrinter(); });
    for (QDoubleSpinBox *field : {edtOffsetX_, edtOffsetY_, edtScale_})
        connect(field, &QDoubleSpinBox::valueChanged, this,
                [this] { adjustments_.Set(PrinterName(), Adjustment()); });
}

QString TfrmPrintAdjust::PrinterName() const
{
    return cmbPrinter_->currentText();
}

PrintAdjustment TfrmPrintAdjust::Adjustment() const
{
    return {.OffsetXTenthMm = int(std::lround(edtOffsetX_->value() * 10)),
            .OffsetYTenthMm = int(std::lround(edtOffsetY_->value() * 10)),
            .ScaleHundredthPercent = int(std::lround(edtScale_->value() * 100))};
}

void TfrmPrintAdjust::showPrinter()
{
    const PrintAdjustment adjustment = adjustments_.For(PrinterName());
    for (QDoubleSpinBox *field : {edtOffsetX_, edtOffsetY_, edtScale_})
        field->blockSignals(true);
    edtOffsetX_->setValue(adjustment.OffsetXTenthMm / 10.0);
    edtOffsetY_->setValue(adjustment.OffsetYTenthMm / 10.0);
    edtScale_->setValue(adjustment.ScaleHundredthPercent / 100.0);
    for (QDoubleSpinBox *field : {edtOffsetX_, edtOffsetY_, edtScale_})
        field->blockSignals(false);
}

// On the printer chosen here, with its paper; the current printer is left as it was.
void TfrmPrintAdjust::printTestSheet()
{
    QPrinter &printer = printer_.Printer();
    const QString current = printer.printerName();
    const QPageLayout layout = printer.pageLayout();
    const bool other = PrinterName() != current;
    if (other) {
        printer.setPrinterName(PrinterName());
        printer_.Refresh();
    }
    const auto restore = [&] {
        if (!other)
            return;
        printer.setPrinterName(current);
        printer.setPageLayout(layout);
        printer_.Refresh();
    };
    try {
        PrintCalibrationSheet(printer_, tr("%1 - 印刷位置の調整").arg(title_), cardDef_, Adjustment());
    } catch (...) {
        restore();
        throw;
    }
    restore();
}

void TfrmPrintAdjust::accept()
{
    adjustments_.Set(PrinterName(), Adjustment());
    QDialog::accept();
}

void TfrmPrintAdjust::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CenterOnScreen(this);
    }
}
