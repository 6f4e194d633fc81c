#include "ui/card/TfrmPosition.h"

#include "model/card/SurfaceScale.h"
#include "ui/platform/ProgramDialog.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

namespace {

constexpr double kPixelsPerMm = 5.0;
// Documents store lengths in 16 bits; an object never gets smaller than the mouse can make it.
constexpr double kLargestMm = 32767 / kPixelsPerMm;
constexpr double kSmallestSideMm = 10 / kPixelsPerMm;

int pixelsOf(const QDoubleSpinBox *box)
{
    return TenthMmToSurfacePixels(std::round(box->value() * 10.0));
}

} // namespace

TfrmPosition::TfrmPosition(const QRect &bounds, bool picture, bool sizeFixed, QWidget *parent)
    : QDialog(parent)
{
    SetUpProgramDialog(*this, QStringLiteral("frmPosition"), tr("位置とサイズ"));
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(12, 12, 12, 12);
    auto *grid = new QGridLayout;
    edtLeft_ = addLength(grid, 0, "edtLeft", tr("左端(&X)："), -kLargestMm, bounds.left());
    edtTop_ = addLength(grid, 1, "edtTop", tr("上端(&Y)："), -kLargestMm, bounds.top());
    edtWidth_ = addLength(grid, 2, "edtWidth", tr("幅(&W)："), kSmallestSideMm, bounds.width());
    edtHeight_ = addLength(grid, 3, "edtHeight", tr("高さ(&H)："), kSmallestSideMm, bounds.height());
    layout->addLayout(grid);
    edtWidth_->setEnabled(!sizeFixed);
    edtHeight_->setEnabled(!sizeFixed);

    chkKeepAspect_ = new QCheckBox(tr("縦横比を保持(&K)"), this);
    chkKeepAspect_->setObjectName(QStringLiteral("chkKeepAspect"));
    chkKeepAspect_->setChecked(picture);
    chkKeepAspect_->setVisible(picture);
    layout->addWidget(chkKeepAspect_);
    aspectRatio_ = bounds.height() > 0 ? double(bounds.width()) / bounds.height() : 1.0;
    connect(edtWidth_, &QDoubleSpinBox::valueChanged, this, [this] { keepAspect(edtWidth_); });
    connect(edtHeight_, &QDoubleSpinBox::valueChanged, this, [this] { keepAspect(edtHeight_); });

    AddOkCancelButtons(*this, *layout);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QDoubleSpinBox *TfrmPosition::addLength(QGridLayout *grid, int row, const char *name, const QString &label,
                                        double lowestMm, int pixels)
{
    auto *caption = new QLabel(label, this);
    auto *box = new QDoubleSpinBox(this);
    box->setObjectName(QLatin1String(name));
    box->setDecimals(1);
    box->setRange(lowestMm, kLargestMm);
    // One arrow step is one pixel of the card; a typed value counts once it is entered.
    box->setSingleStep(1 / kPixelsPerMm);
    box->setKeyboardTracking(false);
    box->setSuffix(QStringLiteral(" mm"));
    box->setAlignment(Qt::AlignRight);
    box->setMinimumWidth(100);
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    showPixels(box, pixels);
    connect(box, &QDoubleSpinBox::valueChanged, this, [this, box] { lengthTyped(box); });
    return box;
}

void TfrmPosition::showPixels(QDoubleSpinBox *box, int pixels)
{
    const QSignalBlocker block(box);
    box->setValue(pixels / kPixelsPerMm);
}

void TfrmPosition::lengthTyped(QDoubleSpinBox *box)
{
    showPixels(box, pixelsOf(box));
}

void TfrmPosition::keepAspect(QDoubleSpinBox *changed)
{
    if (!chkKeepAspect_->isChecked())
        return;
    if (changed == edtWidth_)
        showPixels(edtHeight_, std::max(10, int(std::lround(pixelsOf(edtWidth_) / aspectRatio_))));
    else
        showPixels(edtWidth_, std::max(10, int(std::lround(pixelsOf(edtHeight_) * aspectRatio_))));
}

QRect TfrmPosition::Bounds() const
{
    return QRect(pixelsOf(edtLeft_), pixelsOf(edtTop_), pixelsOf(edtWidth_), pixelsOf(edtHeight_));
}
