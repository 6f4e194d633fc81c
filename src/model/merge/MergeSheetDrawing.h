#pragma once

#include "model/merge/MergePlan.h"
#include "model/sheet/PrinterPage.h"
#include "model/sheet/TCardDef.h"

#include <QStringList>

class MergeTable;
class QPainter;
class TVkVellumPanel;

// Draws one sheet of a merged print: each cell the plan gives a record shows the card with that
// record's values, the others stay empty. The card is left as it was. Columns the card's fields
// name but the table lacks are added to missingColumns.
void DrawMergeSheet(QPainter &canvas, const PrinterPage &page, TVkVellumPanel &card, const TCardDef &cardDef,
                    int guessMark, const MergeTable &table, const MergePlan &plan, int sheet,
                    QStringList *missingColumns = nullptr);
