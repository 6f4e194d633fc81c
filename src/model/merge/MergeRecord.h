#pragma once

#include "model/card/FieldValues.h"
#include "model/merge/MergeTable.h"

#include <QHash>
#include <QMap>
#include <cstdint>
#include <optional>

class TVkVellumPanel;

// One record of a merge table as the values a card's drawing shows in its fields. What it fills
// in and encodes is kept while it shows the same record, so repainting the card fills nothing
// again; the card itself is never written.
class MergeRecord : public FieldValues {
public:
    MergeRecord(const MergeTable &table, int record);

    int Record() const { return record_; }
    // Shows another record of the same table, as each cell of a merged sheet does, on the card
    // counted card from 0 among those printed (which {{連番}} numbers).
    void Show(int record, std::int64_t card = 0);

    QStringList Lines(const QStringList &lines) const override;
    QImage CodeModules(const TVkDragLabel &code) const override;

    // The fields of the card's texts and QR codes whose columns the table lacks, in the card's
    // order; every record draws them as typed. Numbering fields need no column.
    static QStringList MissingColumns(const TVkVellumPanel &card, const MergeTable &table);
    // The same for one object.
    static QStringList ObjectMissingColumns(const TVkDragLabel &object, const MergeTable &table);
    // The START of the card's first field that counts printed cards; none when it has none.
    static std::optional<std::int64_t> FirstSerialStart(const TVkVellumPanel &card);

private:
    const MergeTable *table_;
    int record_;
    std::int64_t card_ = 0;
    mutable QMap<QStringList, QStringList> lines_;
    mutable QHash<QString, QImage> codes_; // by the code's design text, level and quiet zone
};
