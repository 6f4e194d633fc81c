#include "ui/card/TfrmDraw.h"

#include "model/card/TVkDragLabel.h"
#include "model/platform/ColorText.h"
#include "model/platform/IniFile.h"
#include "model/platform/ProgramFolder.h"
#include "ui/card/ColorSwatch.h"
#include "ui/platform/DialogPlacement.h"
#include "ui/platform/HelpTopic.h"
#include "ui/platform/ProgramDialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>
#include <cmath>

namespace {

const QString kSection = QStringLiteral("DrawMode");

struct ShapeButton {
    const char *name;
    TDrawMode mode;
};

// In the order of the buttons; the settings store a kind as its position here ("Type").
constexpr std::array<ShapeButton, 7> kShapeButtons = {{
    {"btnLineHorz", dmLineHorz},
    {"btnLineVert", dmLineVert},
    {"btnLineLR", dmLineLR},
    {"btnLineRL", dmLineRL},
    {"btnRectangle", dmRectangle},
    {"btnRoundRect", dmRoundRect},
    {"btnCircle", dmCircle},
}};

bool isClosedShape(TDrawMode mode)
{
    return mode == dmRectangle || mode == dmRoundRect || mode == dmCircle;
}

QIcon shapeGlyph(TDrawMode mode, const QColor &ink)
{
    QPixmap glyph(16, 16);
    glyph.fill(Qt::transparent);
    QPainter painter(&glyph);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.5));
    const QRectF box(2.5, 3.5, 11, 9);
    switch (mode) {
    case dmLineHorz: painter.drawLine(QPointF(1.5, 8), QPointF(14.5, 8)); break;
    case dmLineVert: painter.drawLine(QPointF(8, 1.5), QPointF(8, 14.5)); break;
    case dmLineLR: painter.drawLine(QPointF(2, 2), QPointF(14, 14)); break;
    case dmLineRL: painter.drawLine(QPointF(14, 2), QPointF(2, 14)); break;
    case dmRectangle: painter.drawRect(box); break;
    case dmRoundRect: painter.drawRoundedRect(box, 3, 3); break;
    case dmCircle: painter.drawEllipse(QRectF(1.5, 2.5, 13, 11)); break;
    case dmNone: break;
    }
    painter.end();
    return QIcon(glyph);
}

QLabel *addLabel(QGridLayout *grid, const QString &text, int row, int column, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    grid->addWidget(label, row, column);
    return label;
}

// Hidden controls keep their place, so the dialog does not change its layout with the shape.
void keepPlaceWhenHidden(QWidget *widget)
{
    QSizePolicy policy = widget->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    widget->setSizePolicy(policy);
}

} // namespace

TfrmDraw::TfrmDraw(QWidget *parent) : QDialog(parent)
{
    SetUpProgramDialog(*this, QStringLiteral("frmDraw"), tr("簡易描画"));

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(10);

    addLabel(grid, tr("種類："), 0, 0, this);
    auto *shapeRow = new QHBoxLayout;
    shapeRow->setSpacing(0);
    buildShapeButtons(shapeRow);
    grid->addLayout(shapeRow, 0, 1, 1, 3);

    addLabel(grid, tr("線の色："), 1, 0, this);
    Panel1_ = new ColorSwatch(this);
    Panel1_->setObjectName(QStringLiteral("Panel1"));
    grid->addWidget(Panel1_, 1, 1);
    CheckBox1_ = new QCheckBox(tr("塗りつぶす"), this);
    CheckBox1_->setObjectName(QStringLiteral("CheckBox1"));
    keepPlaceWhenHidden(CheckBox1_);
    grid->addWidget(CheckBox1_, 1, 2);
    Panel2_ = new ColorSwatch(this);
    Panel2_->setObjectName(QStringLiteral("Panel2"));
    keepPlaceWhenHidden(Panel2_);
    grid->addWidget(Panel2_, 1, 3);

    addLabel(grid, tr("線の幅："), 2, 0, this);
    edtPenWidth_ = new QSpinBox(this);
    edtPenWidth_->setObjectName(QStringLiteral("edtPenWidth"));
    edtPenWidth_->setRange(1, 100);
    edtPenWidth_->setValue(1);
    edtPenWidth_->setAlignment(Qt::AlignRight);
    edtPenWidth_->setMinimumWidth(57);
    grid->addWidget(edtPenWidth_, 2, 1);
    lblRoundRect_ = addLabel(grid, tr("丸め半径(mm)："), 2, 2, this);
    lblRoundRect_->setObjectName(QStringLiteral("lblRoundRect"));
    keepPlaceWhenHidden(lblRoundRect_);
    edtRoundRect_ = new QDoubleSpinBox(this);
    edtRoundRect_->setObjectName(QStringLiteral("edtRoundRect"));
    edtRoundRect_->setDecimals(1);
    edtRoundRect_->setSingleStep(0.1);
    edtRoundRect_->setRange(0.1, 100);
    edtRoundRect_->setValue(1.0);
    edtRoundRect_->setAlignment(Qt::AlignRight);
    edtRoundRect_->setMinimumWidth(57);
    keepPlaceWhenHidden(edtRoundRect_);
    grid->addWidget(edtRoundRect_, 2, 3);

    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    const std::array<QPushButton *, 3> pushButtons = AddProgramDialogButtons(
        *this, *buttons,
        {{"Button1", QStringLiteral("OK")}, {"Button2", tr("キャンセル")}, {"Button3", tr("ヘルプ")}});
    buttons->addStretch(1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    layout->setSpacing(18);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(CheckBox1_, shapeButtonList_.front());
    QWidget *previous = shapeButtonList_.front();
    for (QWidget *next : std::initializer_list<QWidget *>{
             shapeButtonList_[1], shapeButtonList_[2], shapeButtonList_[3], shapeButtonList_[4],
             shapeButtonList_[5], shapeButtonList_[6], Panel1_, Panel2_, edtPenWidth_, edtRoundRect_,
             pushButtons[0], pushButtons[1], pushButtons[2]}) {
        setTabOrder(previous, next);
        previous = next;
    }

    Panel1_->OnClick = [this] { Panel1Click(Panel1_); };
    Panel2_->OnClick = [this] { Panel1Click(Panel2_); };
    connect(CheckBox1_, &QCheckBox::clicked, this, &TfrmDraw::CheckBox1Click);
    connect(pushButtons[0], &QPushButton::clicked, this, &TfrmDraw::Button1Click);
    connect(pushButtons[1], &QPushButton::clicked, this, &QDialog::reject);
    connect(pushButtons[2], &QPushButton::clicked, this, &TfrmDraw::Button3Click);

    readSettings();
}

void TfrmDraw::buildShapeButtons(QHBoxLayout *row)
{
    shapeButtons_ = new QButtonGroup(this);
    shapeButtons_->setExclusive(true);
    const QColor ink = palette().color(QPalette::ButtonText);
    for (std::size_t i = 0; i < kShapeButtons.size(); ++i) {
        auto *button = new QToolButton(this);
        button->setObjectName(QLatin1String(kShapeButtons[i].name));
        button->setCheckable(true);
        button->setIcon(shapeGlyph(kShapeButtons[i].mode, ink));
        button->setIconSize(QSize(16, 16));
        button->setFixedSize(32, 32);
        shapeButtons_->addButton(button, int(i));
        shapeButtonList_[i] = button;
        row->addWidget(button);
    }
    row->addStretch(1);
    shapeButtonList_.front()->setChecked(true);
    connect(shapeButtons_, &QButtonGroup::idClicked, this, &TfrmDraw::SpeedButtonClick);
}

void TfrmDraw::readSettings()
{
    const IniFile ini(ProgramFile(QStringLiteral("VELLUMAX.INI")));
    const int type = ini.ReadInteger(kSection, QStringLiteral("Type"), 0);
    shapeButtonList_[type >= 0 && type < int(kShapeButtons.size()) ? std::size_t(type) : 0]->setChecked(true);
    edtPenWidth_->setValue(ini.ReadInteger(kSection, QStringLiteral("PenWidth"), 1));
    auto readColor = [&ini](const QString &key) {
        return TextToColor(ini.ReadString(kSection, key, QStringLiteral("clBlack"))).value_or(clBlack);
    };
    Panel1_->SetColor(readColor(QStringLiteral("PenColor")));
    CheckBox1_->setChecked(ini.ReadBool(kSection, QStringLiteral("FillDraw"), false));
    SpeedButtonClick();
    Panel2_->SetColor(readColor(QStringLiteral("FillColor")));
    edtRoundRect_->setValue(ini.ReadInteger(kSection, QStringLiteral("CornerRadius"), 10) / 10.0);
}

void TfrmDraw::writeSettings() const
{
    IniFile ini(ProgramFile(QStringLiteral("VELLUMAX.INI")));
    ini.WriteTogether([this, &ini] {
        ini.WriteInteger(kSection, QStringLiteral("Type"), shapeButtons_->checkedId());
        ini.WriteInteger(kSection, QStringLiteral("PenWidth"), PenWidth());
        ini.WriteString(kSection, QStringLiteral("PenColor"), ColorToText(PenColor()));
        ini.WriteBool(kSection, QStringLiteral("FillDraw"), FillChecked());
        ini.WriteString(kSection, QStringLiteral("FillColor"), ColorToText(FillColor()));
        ini.WriteInteger(kSection, QStringLiteral("CornerRadius"), int(std::lround(CornerRadiusMm() * 10)));
    });
}

void TfrmDraw::LoadShape(const TVkDragLabel &shape)
{
    SetKind(shape.DrawMode());
    if (shape.DrawMode() == dmRoundRect)
        SetCornerRadiusMm(shape.Tag() / 10.0);
    SetPenWidth(shape.PenWidth());
    SetPenColor(shape.Color());
    SetFillColor(shape.BrushColor());
    SetFillChecked(shape.FillDraw());
}

TDrawMode TfrmDraw::Kind() const
{
    const int id = shapeButtons_->checkedId();
    return id >= 0 ? kShapeButtons[std::size_t(id)].mode : dmCircle;
}

void TfrmDraw::SetKind(TDrawMode kind)
{
    for (std::size_t i = 0; i < kShapeButtons.size(); ++i) {
        if (kShapeButtons[i].mode == kind)
            shapeButtonList_[i]->setChecked(true);
    }
    SpeedButtonClick();
}

int TfrmDraw::CornerTenthMm() const
{
    // The field holds whole tenths; rounding keeps 2.3 mm from becoming 22 through binary fractions.
    return Kind() == dmRoundRect ? int(std::lround(CornerRadiusMm() * 10)) : 0;
}

double TfrmDraw::CornerRadiusMm() const
{
    return edtRoundRect_->value();
}

void TfrmDraw::SetCornerRadiusMm(double radius)
{
    edtRoundRect_->setValue(radius);
}

bool TfrmDraw::Fill() const
{
    return isClosedShape(Kind()) && CheckBox1_->isChecked();
}

bool TfrmDraw::FillChecked() const
{
    return CheckBox1_->isChecked();
}

void TfrmDraw::SetFillChecked(bool fill)
{
    CheckBox1_->setChecked(fill);
    CheckBox1Click();
}

TColor TfrmDraw::FillColor() const
{
    return Panel2_->Color();
}

void TfrmDraw::SetFillColor(TColor color)
{
    Panel2_->SetColor(color);
}

TColor TfrmDraw::PenColor() const
{
    return Panel1_->Color();
}

void TfrmDraw::SetPenColor(TColor color)
{
    Panel1_->SetColor(color);
}

int TfrmDraw::PenWidth() const
{
    return edtPenWidth_->value();
}

void TfrmDraw::SetPenWidth(int width)
{
    edtPenWidth_->setValue(width);
}

void TfrmDraw::SpeedButtonClick()
{
    const TDrawMode kind = Kind();
    CheckBox1_->setVisible(isClosedShape(kind));
    lblRoundRect_->setVisible(kind == dmRoundRect);
    edtRoundRect_->setVisible(kind == dmRoundRect);
    CheckBox1Click();
}

void TfrmDraw::CheckBox1Click()
{
    Panel2_->setVisible(isClosedShape(Kind()) && CheckBox1_->isChecked());
}

void TfrmDraw::Panel1Click(ColorSwatch *swatch)
{
    const QColor chosen = QColorDialog::getColor(ColorToQColor(swatch->Color()), this, QString(),
                                                 QColorDialog::DontUseNativeDialog);
    if (chosen.isValid())
        swatch->SetColor(QColorToColor(chosen));
}

void TfrmDraw::Button1Click()
{
    writeSettings();
    accept();
}

void TfrmDraw::Button3Click()
{
    ShowHelpTopic(HelpDrawDialog, this);
}

void TfrmDraw::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!centred_) {
        centred_ = true;
        CenterOnScreen(this);
    }
}
