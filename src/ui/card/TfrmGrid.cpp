#include "ui/card/TfrmGrid.h"

#include "ui/platform/DialogPlacement.h"
#include "ui/platform/HelpTopic.h"
#include "ui/platform/ProgramDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// A titled group of two choices side by side; returns the two buttons.
std::pair<QRadioButton *, QRadioButton *> addChoiceGroup(QVBoxLayout *layout, const char *name,
                                                         const QString &title, const QString &first,
                                                         const QString &second, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    auto *columns = new QGridLayout(group);
    auto *firstButton = new QRadioButton(first, group);
    auto *secondButton = new QRadioButton(second, group);
    columns->addWidget(firstButton, 0, 0);
    columns->addWidget(secondButton, 0, 1);
    auto *buttons = new QButtonGroup(group);
    buttons->addButton(firstButton, 0);
    buttons->addButton(secondButton, 1);
    firstButton->setChecked(true);
    layout->addWidget(group);
    return {firstButton, secondButton};
}

} // namespace

TfrmGrid::TfrmGrid(QWidget *parent) : QDialog(parent)
{
    SetUpProgramDialog(*this, QStringLiteral("frmGrid"), tr("グリッドの設定"));

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);

    std::tie(unitMm_, unitPixel_) = addChoiceGroup(layout, "grpGridUnit", tr("グリッドの単位："),
                                                   QStringLiteral("mm"), QStringLiteral("Pixel"), this);

    auto *sizeRow = new QHBoxLayout;
    auto *sizeLabel = new QLabel(tr("グリッドの間隔："), this);
    edtGridSize_ = new QSpinBox(this);
    edtGridSize_->setObjectName(QStringLiteral("edtGridSize"));
    edtGridSize_->setRange(1, 100);
    edtGridSize_->setAlignment(Qt::AlignRight);
    edtGridSize_->setMinimumWidth(60);
    sizeLabel->setBuddy(edtGridSize_);
    sizeRow->addWidget(sizeLabel);
    sizeRow->addWidget(edtGridSize_);
    sizeRow->addStretch(1);
    layout->addLayout(sizeRow);

    std::tie(styleLine_, styleDot_) = addChoiceGroup(layout, "grpGridStyle", tr("グリッドスタイル："),
                                                     QStringLiteral("Line"), QStringLiteral("Dot"), this);

    chkShowGrid_ = new QCheckBox(tr("グリッドを表示"), this);
    chkShowGrid_->setObjectName(QStringLiteral("chkShowGrid"));
    layout->addWidget(chkShowGrid_);
    chkFixedGrid_ = new QCheckBox(tr("グリッド位置にスナップ"), this);
    chkFixedGrid_->setObjectName(QStringLiteral("chkFixedGrid"));
    layout->addWidget(chkFixedGrid_);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto [ok, cancel, help] = AddProgramDialogButtons(
        *this, *buttons,
        {{"btnOK", QStringLiteral("OK")}, {"btnCancel", tr("キャンセル")}, {"btnHelp", tr("ヘルプ")}});
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Help leaves the dialog open, as in the program's other dialogs.
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(HelpGridDialog, this); });
}

int TfrmGrid::GridSize() const
{
    return edtGridSize_->value();
}

void TfrmGrid::SetGridSize(int size)
{
    edtGridSize_->setValue(size);
}

int TfrmGrid::GridUnit() const
{
    return unitPixel_->isChecked() ? 1 : 0;
}

// Any unit but millimetres counts as pixels, and any style but lines as dots, as the card surface
// takes them.
void TfrmGrid::SetGridUnit(int unit)
{
    (unit != 0 ? unitPixel_ : unitMm_)->setChecked(true);
}

int TfrmGrid::GridStyle() const
{
    return styleLine_->isChecked() ? 0 : 1;
}

void TfrmGrid::SetGridStyle(int style)
{
    (style == 0 ? styleLine_ : styleDot_)->setChecked(true);
}

bool TfrmGrid::ShowGrid() const
{
    return chkShowGrid_->isChecked();
}

void TfrmGrid::SetShowGrid(bool show)
{
    chkShowGrid_->setChecked(show);
}

bool TfrmGrid::FixedGrid() const
{
    return chkFixedGrid_->isChecked();
}

void TfrmGrid::SetFixedGrid(bool fixed)
{
    chkFixedGrid_->setChecked(fixed);
}

void TfrmGrid::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CenterOnScreen(this);
    }
}
