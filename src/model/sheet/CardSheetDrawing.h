#pragma once

#include "model/document/TCardDef.h"
#include "model/sheet/PrinterPage.h"

#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>

class FieldValues;
class QPainter;
class TVkVellumPanel;

// Crop marks around every printed card, as the settings key GuessMark holds them.
enum CropMarkStyle : int {
    cmNone = 0,
    cmDottedFrame = 1,   // a dotted frame just outside the card's right and bottom edge
    cmCornerCrosses = 2, // a cross 4 mm wide and high centred on each corner
};

// A length in tenths of a millimetre as printer pixels at dpi: (tenthMm × dpi) div 254, cut toward
// zero. Computed in 64 bits and held to the int range, so absurd sheets cannot overflow.
int TenthMmToDevicePixels(std::int64_t tenthMm, int dpi);

// The cell of a card on the page, in device pixels relative to the printable area: each position is
// converted from its own tenths of a millimetre, so rounding never adds up from cell to cell.
QRect CardCellRect(const TCardDef &cardDef, const PrinterPage &page, std::int64_t column, std::int64_t row);

// Draws the card scaled to fill area, as the card is designed: the background, then every card
// object at the area's resolution, without the effects and marks of the screen. With a merge record
// the objects show its values in their fields. With a bleed, the background also covers that many
// pixels around the area, its picture enlarged evenly about the card's centre.
void DrawCardUpright(QPainter &canvas, const QRect &area, const TVkVellumPanel &card,
                     const FieldValues *record = nullptr, int bleed = 0);

// Draws the card into a cell of a sheet as DrawCardUpright does, as every cell of a sheet is drawn;
// an upright card is turned a quarter to fill the cell, which is as wide as the card is high.
void DrawCardInCell(QPainter &canvas, const QRect &cell, const TVkVellumPanel &card,
                    const FieldValues *record = nullptr, int bleed = 0);

// Throws VkError when DrawCardSheet would refuse the sheet, so a printer can say so before a job starts.
void CheckCardSheetDrawable(const PrinterPage &page, const TCardDef &cardDef);

// Called before each cell is drawn with the cell's index on the sheet (row by row, left to right,
// from 0); it may choose the record the drawing's merge record shows in that cell, or answer false
// to leave the cell empty.
using SheetCellFilter = std::function<bool(std::int64_t cellIndex)>;

// Draws the sheet onto a page that is already started: the card in every cell of cardDef, row by
// row and left to right, each cut at its cell's edge, then the cell's crop marks. Cells that
// cannot reach the sheet are skipped, so that a sheet of millions of cells costs no more than the
// ones that show; a sheet whose cells that show are too many, or pile up too deep, is refused with
// VkError before anything is drawn. With a merge record, the cards show its values; the card is
// never changed.
void DrawCardSheet(QPainter &canvas, const PrinterPage &page, const TVkVellumPanel &card,
                   const TCardDef &cardDef, int guessMark, const SheetCellFilter &prepareCell = {},
                   const FieldValues *record = nullptr);
