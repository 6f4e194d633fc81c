#include "ui/print/TfrmEditCard.h"

#include "model/platform/Cp932.h"
#include "model/sheet/CardDefinitions.h"
#include "ui/platform/DialogPlacement.h"
#include "ui/platform/HelpTopic.h"
#include "ui/platform/MessageBox.h"
#include "ui/platform/ProgramDialog.h"

#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <cmath>

namespace {

// A field left empty or holding a number out of range takes the nearest value it can hold when it
// loses the focus or Enter is pressed, so an empty field is the lowest value, not the one before.
QDoubleSpinBox *millimetreField(const char *name, QWidget *parent)
{
    auto *field = new QDoubleSpinBox(parent);
    field->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    field->setObjectName(QLatin1String(name));
    field->setDecimals(1);
    field->setRange(0.0, 999.9);
    field->setSingleStep(0.1);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(72);
    return field;
}

QSpinBox *countField(const char *name, QWidget *parent)
{
    auto *field = new QSpinBox(parent);
    field->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    field->setObjectName(QLatin1String(name));
    field->setRange(1, 99);
    field->setAlignment(Qt::AlignRight);
    field->setMinimumWidth(56);
    return field;
}

// A caption, a field and the text after it, at column `column` of a grid row.
void addField(QGridLayout *grid, int row, int column, const QString &before, QWidget *field,
              const QString &after)
{
    auto *label = new QLabel(before, field->parentWidget());
    label->setBuddy(field);
    grid->addWidget(label, row, column);
    grid->addWidget(field, row, column + 1);
    grid->addWidget(new QLabel(after, field->parentWidget()), row, column + 2);
}

// Tenths of a millimetre in a field of one decimal. The field holds its value rounded to that
// decimal, so rounding (not cutting) gives back exactly the tenths shown: 55.1 × 10 is 550.99...
// in binary and would otherwise become 550.
std::int32_t tenthMm(const QDoubleSpinBox *field)
{
    return std::int32_t(std::lround(field->value() * 10.0));
}

} // namespace

QByteArray CardDefNameFor(const QString &name)
{
    QByteArray bytes = Cp932::Encode(name);
    QString kept = name;
    while (bytes.size() > qsizetype(sizeof TCardDef::Name) && !kept.isEmpty()) {
        kept.chop(kept.size() >= 2 && kept.back().isLowSurrogate() ? 2 : 1);
        bytes = Cp932::Encode(kept);
    }
    return bytes;
}

TfrmEditCard::TfrmEditCard(QWidget *parent) : QDialog(parent)
{
    SetUpProgramDialog(*this, QStringLiteral("frmEditCard"), tr("カード情報の編集"));
    setFixedSize(369, 342);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(8);

    auto *nameRow = new QHBoxLayout;
    edtName_ = new QLineEdit(this);
    edtName_->setObjectName(QStringLiteral("edtName"));
    auto *nameLabel = new QLabel(tr("名称："), this);
    nameLabel->setBuddy(edtName_);
    nameRow->addWidget(nameLabel);
    nameRow->addWidget(edtName_, 1);
    layout->addLayout(nameRow);

    auto *sizeGroup = new QGroupBox(tr("カードサイズ"), this);
    auto *sizeRow = new QHBoxLayout(sizeGroup);
    edtCardSizeX_ = millimetreField("edtCardSizeX", sizeGroup);
    edtCardSizeY_ = millimetreField("edtCardSizeY", sizeGroup);
    sizeRow->addWidget(new QLabel(tr("横", "card width"), sizeGroup));
    sizeRow->addWidget(edtCardSizeX_);
    sizeRow->addWidget(new QLabel(tr("×"), sizeGroup));
    sizeRow->addWidget(new QLabel(tr("縦", "card height"), sizeGroup));
    sizeRow->addWidget(edtCardSizeY_);
    sizeRow->addWidget(new QLabel(QStringLiteral("mm"), sizeGroup));
    sizeRow->addStretch(1);
    layout->addWidget(sizeGroup);

    auto *layoutGroup = new QGroupBox(tr("段組"), this);
    auto *layoutRow = new QHBoxLayout(layoutGroup);
    edtColumns_ = countField("edtColumns", layoutGroup);
    edtLines_ = countField("edtLines", layoutGroup);
    layoutRow->addWidget(new QLabel(tr("横", "columns"), layoutGroup));
    layoutRow->addWidget(edtColumns_);
    layoutRow->addWidget(new QLabel(tr("列 ／ 縦"), layoutGroup));
    layoutRow->addWidget(edtLines_);
    layoutRow->addWidget(new QLabel(tr("段"), layoutGroup));
    layoutRow->addStretch(1);
    layout->addWidget(layoutGroup);

    auto *spaceGroup = new QGroupBox(tr("用紙の余白／カードの間隔"), this);
    auto *spaceGrid = new QGridLayout(spaceGroup);
    edtLeftMargin_ = millimetreField("edtLeftMargin", spaceGroup);
    edtTopMargin_ = millimetreField("edtTopMargin", spaceGroup);
    edtColumnSpace_ = millimetreField("edtColumnSpace", spaceGroup);
    edtLineSpace_ = millimetreField("edtLineSpace", spaceGroup);
    addField(spaceGrid, 0, 0, tr("左の余白"), edtLeftMargin_, QStringLiteral("mm"));
    addField(spaceGrid, 0, 3, tr("上の余白"), edtTopMargin_, QStringLiteral("mm"));
    addField(spaceGrid, 1, 0, tr("列の間隔"), edtColumnSpace_, QStringLiteral("mm"));
    addField(spaceGrid, 1, 3, tr("段の間隔"), edtLineSpace_, QStringLiteral("mm"));
    spaceGrid->setColumnMinimumWidth(3, 76);
    layout->addWidget(spaceGroup);
    layout->addStretch(1);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const auto [ok, cancel, help] = AddProgramDialogButtons(
        *this, *buttons,
        {{"Button1", QStringLiteral("OK")}, {"Button2", tr("キャンセル")}, {"Button3", tr("ヘルプ")}});
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(help, &QPushButton::clicked, this, [this] { ShowHelpTopic(HelpCardDefinitionDialog, this); });
}

void TfrmEditCard::LoadCardDef(const TCardDef &cardDef, bool nameEditable)
{
    SetName(CardDefName(cardDef));
    edtName_->setEnabled(nameEditable);
    edtCardSizeX_->setValue(cardDef.CardSizeX / 10.0);
    edtCardSizeY_->setValue(cardDef.CardSizeY / 10.0);
    edtColumns_->setValue(cardDef.Columns);
    edtLines_->setValue(cardDef.Lines);
    edtLeftMargin_->setValue(cardDef.LeftMargin / 10.0);
    edtTopMargin_->setValue(cardDef.TopMargin / 10.0);
    edtColumnSpace_->setValue(cardDef.ColumnSpace / 10.0);
    edtLineSpace_->setValue(cardDef.LineSpace / 10.0);
}

void TfrmEditCard::SetName(const QString &name)
{
    edtName_->setText(name);
    // Selected, so that the name typed replaces it rather than following it.
    edtName_->selectAll();
}

void TfrmEditCard::StoreCardDef(TCardDef &cardDef) const
{
    SetCardDefName(cardDef, CardDefNameFor(edtName_->text()));
    cardDef.CardSizeX = tenthMm(edtCardSizeX_);
    cardDef.CardSizeY = tenthMm(edtCardSizeY_);
    cardDef.Columns = edtColumns_->value();
    cardDef.Lines = edtLines_->value();
    cardDef.LeftMargin = tenthMm(edtLeftMargin_);
    cardDef.TopMargin = tenthMm(edtTopMargin_);
    cardDef.ColumnSpace = tenthMm(edtColumnSpace_);
    cardDef.LineSpace = tenthMm(edtLineSpace_);
}

void TfrmEditCard::accept()
{
    const QString unstorable = Cp932::UnencodableCharacters(edtName_->text());
    if (!unstorable.isEmpty()) {
        VkMessageBox(tr("次の文字は用紙の定義に保存できないため名称に使えません。\n%1\n"
                        "別の文字に置き換えてください。")
                         .arg(unstorable),
                     MB_OK | MB_ICONEXCLAMATION, this);
        edtName_->setFocus();
        return;
    }
    QDialog::accept();
}

// F1 that no control takes opens the dialog's own help topic, as the help button does.
void TfrmEditCard::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        ShowHelpTopic(HelpCardDefinitionDialog, this);
        return;
    }
    QDialog::keyPressEvent(event);
}

void TfrmEditCard::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CenterOnScreen(this);
    }
}
