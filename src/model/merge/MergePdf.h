#pragma once

#include "model/merge/MergeSheetDrawing.h"
#include "model/sheet/MergePlan.h"
#include "model/sheet/PrintAdjustment.h"

#include <QString>
#include <QStringList>
#include <functional>

class MergeTable;
class TVkVellumPanel;
struct TCardDef;

// Writes the sheets of a merge as one PDF file, a page a sheet, by the same drawing as printing; each
// picture of the card is stored once for the whole file. progress is told each sheet before it is
// drawn and may answer false to cancel, which leaves no file behind (nor changes an old one).
// Returns false when cancelled; throws VkError when the file cannot be written. The drawing moves
// as adjustment says. With back, each sheet's page is followed by its back's, for a printer that
// prints both sides.
bool WriteMergePdf(const QString &path, TVkVellumPanel &card, const TCardDef &cardDef, int guessMark,
                   const QString &title, const MergeTable &table, const MergePlan &plan,
                   const std::function<bool(int sheet)> &progress = {}, QStringList *missingColumns = nullptr,
                   const PrintAdjustment &adjustment = {}, const MergeBackSide *back = nullptr);
