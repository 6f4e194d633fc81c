#pragma once

#include "model/document/TCardDef.h"
#include "model/sheet/CardSheetDrawing.h"
#include "model/sheet/PrinterPage.h"
#include "model/sheet/SheetRun.h"

#include <QString>
#include <cstdint>

class QPainter;
class TVkVellumPanel;

// How a sheet is turned over between its sides: about one of its long edges, as the pages of a
// portrait book, or about a short edge, as a wall calendar.
enum class SheetTurn : int { LongEdge = 0, ShortEdge = 1 };

// Where a back side lands: behind the front's cells for the turn, then moved by the offsets, in
// tenths of a millimetre to the right and down as the back is looked at. A printer that does not
// feed the back exactly as the front is corrected by them.
struct BackSidePlacement {
    SheetTurn Turn = SheetTurn::LongEdge;
    int OffsetXTenthMm = 0;
    int OffsetYTenthMm = 0;
    bool operator==(const BackSidePlacement &) const = default;
};

// Whether the turn mirrors the sheet's columns (left and right change places) rather than its rows:
// a turn about the long edge does so on a sheet that stands upright, a turn about the short edge on
// one that lies on its side.
bool TurnMirrorsColumns(const PrinterPage &page, SheetTurn turn);

// The card sheet whose cells lie on the back of the page exactly behind cardDef's cells, moved by
// the placement's offsets. Its cells are cardDef's with the column (or row) order reversed.
TCardDef BackSideCardDef(const TCardDef &cardDef, const PrinterPage &page,
                         const BackSidePlacement &placement);

// The index of the front cell (row by row, left to right, from 0) behind a cell of the back.
std::int64_t FrontCellBehind(const TCardDef &cardDef, const PrinterPage &page, SheetTurn turn,
                             std::int64_t backCell);

// Draws the back of a sheet onto a page already started: the back card upright in every cell behind
// a front cell, then the cells' crop marks. prepareFrontCell is asked before each cell with the
// index of the front cell behind it, as DrawCardSheet asks, and the cards show the merge record
// when given one. Throws VkError as DrawCardSheet does.
void DrawBackSideSheet(QPainter &canvas, const PrinterPage &page, const TVkVellumPanel &back,
                       const TCardDef &cardDef, int guessMark, const BackSidePlacement &placement,
                       const SheetCellFilter &prepareFrontCell = {}, const FieldValues *record = nullptr);

// Writes the sheets of run as WriteCardSheetPdf does, each followed by its back as the next page for
// a printer that prints both sides: the back card behind every front cell the run fills.
void WriteTwoSidedCardSheetPdf(const QString &path, const TVkVellumPanel &front, const TVkVellumPanel &back,
                               const TCardDef &cardDef, int guessMark, SheetTurn turn, const QString &title,
                               const SheetRun &run = {}, const PrintAdjustment &adjustment = {});
