#pragma once

#include "model/sheet/TCardDef.h"

#include <QPoint>
#include <QSize>

class QPainter;

// What the preview of the paper setup shows of the printer's sheet.
struct PaperPreviewSheet {
    QSize PhysicalSize; // device pixels
    QSize PhysicalPaperSizeTenthMm;
    QPoint PhysicalOffset; // device pixels
    QSize PrintableSize;   // device pixels
};

// Draws the sheet at scale into a box of size: the paper with a shadow, the printable area in
// silver, and the cells of cardDef hatched where the margins put them on the paper.
void PaintPaperPreview(QPainter &painter, QSize box, const PaperPreviewSheet &sheet, const TCardDef &cardDef);
