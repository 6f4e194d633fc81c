#include "ui/print/PrinterSetupForm.h"

#include "ui/platform/DialogPlacement.h"
#include "ui/platform/ProgramDialog.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

namespace {

QLabel *addRow(QGridLayout *grid, int row, const QString &caption, QWidget *field)
{
    auto *label = new QLabel(caption, field->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, 0);
    grid->addWidget(field, row, 1);
    return label;
}

} // namespace

PrinterSetupForm::PrinterSetupForm(const std::vector<InstalledPrinter> &printers, const QPrinter &current,
                                   QWidget *parent)
    : QDialog(parent), printers_(printers)
{
    SetUpProgramDialog(*this, QStringLiteral("PrinterSetupForm"), tr("プリンタの設定"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);

    auto *printerGroup = new QGroupBox(tr("プリンタ"), this);
    auto *printerGrid = new QGridLayout(printerGroup);
    cmbPrinter_ = new QComboBox(printerGroup);
    cmbPrinter_->setObjectName(QStringLiteral("cmbPrinter"));
    cmbPrinter_->setMinimumWidth(260);
    for (const InstalledPrinter &printer : printers_)
        cmbPrinter_->addItem(printer.Name);
    addRow(printerGrid, 0, tr("プリンタ名(&N)："), cmbPrinter_);
    lblModel_ = new QLabel(printerGroup);
    lblModel_->setObjectName(QStringLiteral("lblModel"));
    addRow(printerGrid, 1, tr("種類："), lblModel_);
    lblLocation_ = new QLabel(printerGroup);
    lblLocation_->setObjectName(QStringLiteral("lblLocation"));
    addRow(printerGrid, 2, tr("場所："), lblLocation_);
    layout->addWidget(printerGroup);

    auto *pageRow = new QHBoxLayout;
    auto *paperGroup = new QGroupBox(tr("用紙"), this);
    auto *paperGrid = new QGridLayout(paperGroup);
    cmbPaper_ = new QComboBox(paperGroup);
    cmbPaper_->setObjectName(QStringLiteral("cmbPaper"));
    cmbPaper_->setMinimumWidth(160);
    addRow(paperGrid, 0, tr("サイズ(&Z)："), cmbPaper_);
    pageRow->addWidget(paperGroup, 1);

    auto *orientationGroup = new QGroupBox(tr("印刷の向き"), this);
    auto *orientationBox = new QVBoxLayout(orientationGroup);
    rbPortrait_ = new QRadioButton(tr("縦(&O)"), orientationGroup);
    rbPortrait_->setObjectName(QStringLiteral("rbPortrait"));
    rbLandscape_ = new QRadioButton(tr("横(&A)"), orientationGroup);
    rbLandscape_->setObjectName(QStringLiteral("rbLandscape"));
    auto *orientations = new QButtonGroup(orientationGroup);
    orientations->addButton(rbPortrait_);
    orientations->addButton(rbLandscape_);
    orientationBox->addWidget(rbPortrait_);
    orientationBox->addWidget(rbLandscape_);
    pageRow->addWidget(orientationGroup);
    layout->addLayout(pageRow);

    AddOkCancelButtons(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    const QPageLayout page = current.pageLayout();
    (page.orientation() == QPageLayout::Landscape ? rbLandscape_ : rbPortrait_)->setChecked(true);
    int index = 0;
    for (std::size_t i = 0; i < printers_.size(); ++i) {
        if (printers_[i].Name == current.printerName())
            index = int(i);
    }
    cmbPrinter_->setCurrentIndex(index);
    showPrinter(index, page.pageSize());
    connect(cmbPrinter_, &QComboBox::currentIndexChanged, this, [this](int chosen) {
        // Another printer starts from its own default paper.
        showPrinter(chosen, QPageSize());
    });
}

void PrinterSetupForm::showPrinter(int index, const QPageSize &wanted)
{
    cmbPaper_->clear();
    pageSizes_.clear();
    if (index < 0 || std::size_t(index) >= printers_.size())
        return;
    const InstalledPrinter &printer = printers_[std::size_t(index)];
    lblModel_->setText(printer.MakeAndModel);
    lblLocation_->setText(printer.Location);
    const QPrinterInfo info = QPrinterInfo::printerInfo(printer.Name);
    pageSizes_ = info.supportedPageSizes();
    for (const QPageSize &size : pageSizes_)
        cmbPaper_->addItem(size.name());
    if (pageSizes_.isEmpty())
        return;
    // Papers of one size under other names (a tabloid is an 11x17) are told apart by key; a paper
    // the printer does not list shows as its default one.
    const auto position = [this](const auto &matches) {
        return std::find_if(pageSizes_.cbegin(), pageSizes_.cend(), matches) - pageSizes_.cbegin();
    };
    const QPageSize fallback = info.defaultPageSize();
    qsizetype selected = position([&wanted](const QPageSize &size) { return size.key() == wanted.key(); });
    if (selected == pageSizes_.size())
        selected = position([&wanted](const QPageSize &size) { return size.isEquivalentTo(wanted); });
    if (selected == pageSizes_.size())
        selected = position([&fallback](const QPageSize &size) { return size.key() == fallback.key(); });
    cmbPaper_->setCurrentIndex(selected == pageSizes_.size() ? 0 : int(selected));
}

QString PrinterSetupForm::PrinterName() const
{
    return cmbPrinter_->currentText();
}

QPageSize PrinterSetupForm::PageSize() const
{
    const int index = cmbPaper_->currentIndex();
    return index >= 0 && index < pageSizes_.size() ? pageSizes_[index] : QPageSize();
}

QPageLayout::Orientation PrinterSetupForm::Orientation() const
{
    return rbLandscape_->isChecked() ? QPageLayout::Landscape : QPageLayout::Portrait;
}

void PrinterSetupForm::ApplyTo(QPrinter &printer) const
{
    if (!PrinterName().isEmpty() && printer.printerName() != PrinterName())
        printer.setPrinterName(PrinterName());
    if (PageSize().isValid())
        printer.setPageSize(PageSize());
    printer.setPageOrientation(Orientation());
}

void PrinterSetupForm::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CenterOnScreen(this);
    }
}
