#include "ui/print/SheetPreviewView.h"

#include <QMouseEvent>
#include <QPainter>

SheetPreviewView::SheetPreviewView(QWidget *parent) : QWidget(parent)
{
    setCursor(Qt::PointingHandCursor);
}

void SheetPreviewView::SetSheet(const PaperPreviewSheet &sheet, const TCardDef &cardDef)
{
    sheet_ = sheet;
    cardDef_ = cardDef;
    update();
}

void SheetPreviewView::SetCards(const PaperPreviewCards &cards)
{
    cards_ = cards;
    update();
}

void SheetPreviewView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    PaintPaperPreview(painter, size(), sheet_, cardDef_, cards_);
}

void SheetPreviewView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const std::int64_t cell =
        PaperPreviewCellAt(size(), sheet_, cardDef_, event->position().toPoint(), cards_);
    if (cell >= 0)
        emit CellClicked(cell);
}
