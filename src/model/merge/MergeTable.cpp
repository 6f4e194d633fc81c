#include "model/merge/MergeTable.h"

MergeTable::MergeTable(QStringList columns, std::vector<QStringList> records, TableEncoding encoding)
    : columns_(std::move(columns)), records_(std::move(records)), encoding_(encoding)
{
}

int MergeTable::ColumnIndex(const QString &name) const
{
    return int(columns_.indexOf(name));
}

QString MergeTable::Value(int record, const QString &column) const
{
    const int index = ColumnIndex(column);
    return index < 0 ? QString() : Record(record).value(index);
}
