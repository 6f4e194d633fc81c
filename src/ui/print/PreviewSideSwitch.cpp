#include "ui/print/PreviewSideSwitch.h"

#include "ui/print/SheetPreviewView.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

namespace {

QToolButton *sideButton(const char *name, const QString &text, QWidget *parent)
{
    auto *button = new QToolButton(parent);
    button->setObjectName(QLatin1String(name));
    button->setText(text);
    button->setCheckable(true);
    return button;
}

} // namespace

PreviewSideSwitch::PreviewSideSwitch(SheetPreviewView &view, QWidget *parent) : QWidget(parent), view_(view)
{
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    front_ = sideButton("btnPreviewFront", tr("表面"), this);
    back_ = sideButton("btnPreviewBack", tr("裏面"), this);
    auto *sides = new QButtonGroup(this);
    sides->addButton(front_);
    sides->addButton(back_);
    layout->addWidget(front_);
    layout->addWidget(back_);
    front_->setChecked(true);
    connect(back_, &QToolButton::toggled, this, [this](bool back) {
        PaperPreviewCards cards = view_.Cards();
        cards.ShowBack = back;
        view_.SetCards(cards);
    });
    Refresh();
}

void PreviewSideSwitch::Refresh()
{
    const bool hasBack = view_.Cards().Back != nullptr;
    if (!hasBack)
        front_->setChecked(true);
    setVisible(hasBack);
}
