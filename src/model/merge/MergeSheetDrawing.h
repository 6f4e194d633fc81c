#pragma once

#include "model/document/TCardDef.h"
#include "model/sheet/BackSideSheet.h"
#include "model/sheet/MergePlan.h"
#include "model/sheet/PrinterPage.h"

#include <QStringList>

class MergeTable;
class QPainter;
class TVkVellumPanel;

// Draws one sheet of a merged print: each cell the plan gives a record shows the card with that
// record's values, the others stay empty. The card is never written. Columns the card's fields
// name but the table lacks are added to missingColumns.
void DrawMergeSheet(QPainter &canvas, const PrinterPage &page, const TVkVellumPanel &card,
                    const TCardDef &cardDef, int guessMark, const MergeTable &table, const MergePlan &plan,
                    int sheet, QStringList *missingColumns = nullptr);

// The back of a merged card: its own card, which shows the records as the front does, and where it
// lands behind the front.
struct MergeBackSide {
    const TVkVellumPanel &Card;
    BackSidePlacement Placement;
};

// Draws the back of one sheet of a merged print: behind each cell the plan gives a record, the back
// card with that record's values; behind the others nothing. The back card is never written.
void DrawMergeBackSheet(QPainter &canvas, const PrinterPage &page, const MergeBackSide &back,
                        const TCardDef &cardDef, int guessMark, const MergeTable &table,
                        const MergePlan &plan, int sheet, QStringList *missingColumns = nullptr);
