#pragma once

#include "model/document/TCardDef.h"
#include "model/merge/MergeSheetDrawing.h"
#include "model/sheet/MergePlan.h"

#include <QString>
#include <QStringList>
#include <functional>

class MergeTable;
class TQdPrinter;
class TVkVellumPanel;

// Prints the sheets of a merge in one job on the current printer. progress is told each sheet
// before it is drawn (from 0) and may answer false to cancel: the job is then dropped, not printed
// half. Returns false when cancelled. Columns the card's fields name but the table lacks are added
// to missingColumns. With back, each sheet is followed by its back in the printer's two-sided mode
// for the back's turn.
bool PrintMergeSheets(TQdPrinter &printer, const QString &title, TVkVellumPanel &card,
                      const TCardDef &cardDef, int guessMark, const MergeTable &table, const MergePlan &plan,
                      const std::function<bool(int sheet)> &progress = {},
                      QStringList *missingColumns = nullptr, const MergeBackSide *back = nullptr);
