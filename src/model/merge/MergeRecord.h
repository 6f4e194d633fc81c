#pragma once

#include "model/card/FieldValues.h"
#include "model/merge/MergeTable.h"

#include <QHash>
#include <QMap>

class TVkVellumPanel;

// One record of a merge table as the values a card's drawing shows in its fields. What it fills
// in and encodes is kept while it shows the same record, so repainting the card fills nothing
// again; the card itself is never written.
class MergeRecord : public FieldValues {
public:
    MergeRecord(const MergeTable &table, int record);

    int Record() const { return record_; }
    // Shows another record of the same table, as each cell of a merged sheet does.
    void Show(int record);

    QStringList Lines(const QStringList &lines) const override;
    QImage CodeModules(const TVkDragLabel &code) const override;

    // The fields of the card's texts and QR codes whose columns the table lacks, in the card's
    // order; every record draws them as typed.
    static QStringList MissingColumns(const TVkVellumPanel &card, const MergeTable &table);

private:
    const MergeTable *table_;
    int record_;
    mutable QMap<QStringList, QStringList> lines_;
    mutable QHash<QString, QImage> codes_; // by the code's design text, level and quiet zone
};
