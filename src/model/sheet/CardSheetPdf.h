#pragma once

#include "model/sheet/PrintAdjustment.h"
#include "model/sheet/SheetRun.h"

#include <QPageSize>
#include <QString>
#include <functional>

class QPainter;
class TVkVellumPanel;
struct PrinterPage;
struct TCardDef;

// The paper a sheet is written on: A4, or the smallest of JIS B4 and A3 that holds every card of a
// sheet too large for A4 with its left and top margins repeated on the right and at the bottom;
// A3 when none does.
QPageSize PdfPaperFor(const TCardDef &cardDef);

// Writes sheetCount pages on the paper of cardDef, each drawn by drawSheet onto a page of 1200 dpi
// without unprintable borders. A picture drawn on many pages is stored once. The file is written
// beside the old one and renamed over it; throws VkError naming the path when it cannot be written,
// or when the sheet cannot be drawn, leaving any old file as it was.
void WriteSheetsPdf(const QString &path, const TCardDef &cardDef, const QString &title, int sheetCount,
                    const std::function<void(QPainter &, const PrinterPage &, int sheet)> &drawSheet);

// Writes the sheets of run on cardDef, the card in every cell the run fills, with the crop marks (a
// CropMarkStyle) and moved as adjustment says, to a PDF file at path, a page a sheet, by the sheet
// drawing that printing uses at 1200 dpi on paper without unprintable borders: text stays text with its fonts
// embedded, and each picture is stored once, at its own resolution, whatever the number of cells. The file is
// written beside the old one and renamed over it. Throws VkError naming the path when it cannot be written,
// or when the sheet cannot be drawn.
void WriteCardSheetPdf(const QString &path, const TVkVellumPanel &card, const TCardDef &cardDef,
                       int guessMark, const QString &title, const SheetRun &run = {},
                       const PrintAdjustment &adjustment = {});
