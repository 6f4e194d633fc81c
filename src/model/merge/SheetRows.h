#pragma once

#include "model/merge/MergeTable.h"

#include <QString>
#include <QStringList>
#include <vector>

// Gathers the rows of a workbook's sheet into a merge table as a user sees it: the first row that
// holds a value names the columns, each later row that holds a value under them is a record, and
// values right of the last heading are not part of the table.
class SheetRows {
public:
    // part names the sheet in messages.
    explicit SheetRows(QString part) : part_(std::move(part)) {}

    // The columns a row may use: as many as the header has once it is read, else a sheet's width.
    int Width() const;
    // Adds a row, its values by column from the first, repeated as many times as the sheet repeats
    // it. Raises VkError when the records would hold more values than a table may.
    void Add(QStringList values, qint64 repeated = 1);
    // Raises VkError when no row held a value.
    MergeTable Table();

private:
    QString part_;
    QStringList columns_;
    std::vector<QStringList> records_;
};
