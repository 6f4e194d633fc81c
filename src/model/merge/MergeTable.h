#pragma once

#include "model/merge/TableEncoding.h"

#include <QString>
#include <QStringList>
#include <vector>

// A table of records to merge into a card: the header row names the columns, every record has one
// value for each column.
class MergeTable {
public:
    MergeTable() = default;
    MergeTable(QStringList columns, std::vector<QStringList> records, TableEncoding encoding);

    const QStringList &Columns() const { return columns_; }
    int RecordCount() const { return int(records_.size()); }
    const QStringList &Record(int index) const { return records_[std::size_t(index)]; }
    TableEncoding Encoding() const { return encoding_; }

    // The column's index, or -1 when no column has that name. Names are matched exactly, as typed
    // in the card's fields.
    int ColumnIndex(const QString &name) const;
    // The value of a named column in a record; empty for an unknown column.
    QString Value(int record, const QString &column) const;

private:
    QStringList columns_;
    std::vector<QStringList> records_;
    TableEncoding encoding_ = TableEncoding::Utf8;
};
