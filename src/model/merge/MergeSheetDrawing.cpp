#include "model/merge/MergeSheetDrawing.h"

#include "model/merge/MergeRecordScope.h"
#include "model/sheet/CardSheetDrawing.h"

#include <optional>

void DrawMergeSheet(QPainter &canvas, const PrinterPage &page, TVkVellumPanel &card, const TCardDef &cardDef,
                    int guessMark, const MergeTable &table, const MergePlan &plan, int sheet,
                    QStringList *missingColumns)
{
    std::optional<MergeRecordScope> shown;
    const auto noteMissing = [&shown, missingColumns] {
        if (!shown || !missingColumns)
            return;
        for (const QString &column : shown->MissingColumns())
            if (!missingColumns->contains(column))
                missingColumns->append(column);
    };
    DrawCardSheet(canvas, page, card, cardDef, guessMark, [&](std::int64_t cell) {
        noteMissing();
        shown.reset();
        const int record = plan.RecordAt(sheet, cell);
        if (record < 0)
            return false;
        shown.emplace(card, table, record);
        return true;
    });
    noteMissing();
}
