#include "ui/print/TfrmBackSidePrint.h"

#include "ui/platform/ProgramDialog.h"

#include <QButtonGroup>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

QRadioButton *addChoice(QGroupBox &group, QButtonGroup &buttons, const char *name, const QString &text)
{
    auto *button = new QRadioButton(text, &group);
    button->setObjectName(QLatin1String(name));
    group.layout()->addWidget(button);
    buttons.addButton(button);
    return button;
}

QGroupBox *addGroup(QVBoxLayout &layout, const char *name, const QString &title, QWidget *parent)
{
    auto *group = new QGroupBox(title, parent);
    group->setObjectName(QLatin1String(name));
    new QVBoxLayout(group);
    layout.addWidget(group);
    return group;
}

// Millimetres to a tenth, as the settings keep them in tenths of a millimetre.
QDoubleSpinBox *offsetBox(const char *name, QWidget *parent)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(QLatin1String(name));
    box->setDecimals(1);
    box->setSingleStep(0.1);
    box->setRange(-50.0, 50.0);
    box->setSuffix(QStringLiteral(" mm"));
    box->setAlignment(Qt::AlignRight);
    return box;
}

int tenthMm(const QDoubleSpinBox &box)
{
    return int(std::lround(box.value() * 10.0));
}

} // namespace

TfrmBackSidePrint::TfrmBackSidePrint(QWidget *parent) : QDialog(parent)
{
    SetUpProgramDialog(*this, QStringLiteral("frmBackSidePrint"), tr("両面印刷"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);

    QGroupBox *feed = addGroup(*layout, "grpBackSideFeed", tr("裏面の印刷："), this);
    auto *feedButtons = new QButtonGroup(feed);
    rbDuplex_ = addChoice(*feed, *feedButtons, "rbDuplex", tr("プリンタの両面印刷で印刷する"));
    rbManualFeed_ =
        addChoice(*feed, *feedButtons, "rbManualFeed", tr("表面を印刷した後、用紙を裏返して差し直す"));
    rbFrontOnly_ = addChoice(*feed, *feedButtons, "rbFrontOnly", tr("表面だけ印刷する"));

    QGroupBox *turn = addGroup(*layout, "grpSheetTurn", tr("用紙の裏返し方："), this);
    auto *turnButtons = new QButtonGroup(turn);
    rbLongEdge_ = addChoice(*turn, *turnButtons, "rbLongEdge", tr("長辺を軸に裏返す (本のように左右に開く)"));
    rbShortEdge_ =
        addChoice(*turn, *turnButtons, "rbShortEdge", tr("短辺を軸に裏返す (カレンダーのように上下に開く)"));

    auto *offsets = new QGroupBox(tr("裏面の位置の補正 (裏から見て右へ、下へ)："), this);
    offsets->setObjectName(QStringLiteral("grpBackOffset"));
    auto *form = new QFormLayout(offsets);
    edtBackOffsetX_ = offsetBox("edtBackOffsetX", offsets);
    edtBackOffsetY_ = offsetBox("edtBackOffsetY", offsets);
    form->addRow(tr("横："), edtBackOffsetX_);
    form->addRow(tr("縦："), edtBackOffsetY_);
    layout->addWidget(offsets);

    // Turning and offsets mean nothing when the back is not printed.
    connect(rbFrontOnly_, &QRadioButton::toggled, this, [turn, offsets](bool frontOnly) {
        turn->setEnabled(!frontOnly);
        offsets->setEnabled(!frontOnly);
    });

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto [ok, cancel] =
        AddProgramDialogButtons(*this, *buttons, {{"btnOK", tr("印刷")}, {"btnCancel", tr("キャンセル")}});
    layout->addSpacing(6);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    SetChoice({});
}

void TfrmBackSidePrint::OfferManualFeed(bool offered)
{
    rbManualFeed_->setVisible(offered);
    if (!offered && rbManualFeed_->isChecked())
        (rbDuplex_->isEnabled() ? rbDuplex_ : rbFrontOnly_)->setChecked(true);
}

void TfrmBackSidePrint::SetDuplexAvailable(bool available)
{
    rbDuplex_->setEnabled(available);
    rbDuplex_->setText(available ? tr("プリンタの両面印刷で印刷する")
                                 : tr("プリンタの両面印刷で印刷する (このプリンタにはありません)"));
    if (!available && rbDuplex_->isChecked())
        (rbManualFeed_->isHidden() ? rbFrontOnly_ : rbManualFeed_)->setChecked(true);
}

void TfrmBackSidePrint::SetChoice(const BackSideSettings &settings)
{
    const bool manual = settings.ManualFeed && !rbManualFeed_->isHidden();
    if (manual || rbDuplex_->isEnabled())
        (manual ? rbManualFeed_ : rbDuplex_)->setChecked(true);
    (settings.Placement.Turn == SheetTurn::ShortEdge ? rbShortEdge_ : rbLongEdge_)->setChecked(true);
    edtBackOffsetX_->setValue(settings.Placement.OffsetXTenthMm / 10.0);
    edtBackOffsetY_->setValue(settings.Placement.OffsetYTenthMm / 10.0);
}

BackSideSettings TfrmBackSidePrint::Choice() const
{
    return {.Placement = {.Turn = rbShortEdge_->isChecked() ? SheetTurn::ShortEdge : SheetTurn::LongEdge,
                          .OffsetXTenthMm = tenthMm(*edtBackOffsetX_),
                          .OffsetYTenthMm = tenthMm(*edtBackOffsetY_)},
            .ManualFeed = rbManualFeed_->isChecked()};
}

bool TfrmBackSidePrint::FrontOnly() const
{
    return rbFrontOnly_->isChecked();
}
