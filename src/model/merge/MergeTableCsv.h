#pragma once

#include "model/merge/MergeTable.h"

#include <QByteArray>
#include <QString>

// Writes a merge table as the text table it was read from: the same encoding, byte order mark,
// separator and line ends, a value quoted only where it holds a separator, a quote or a line break,
// as office programs write them; a table written unchanged gives the bytes it was read from.
namespace MergeTableCsv {

// The bytes of table laid out as the text table original is. Raises VkError naming the characters
// a Shift_JIS table cannot hold.
QByteArray Bytes(const MergeTable &table, QByteArrayView original);

// Where SaveCsv writes a table read from path: the file itself for a text table, beside it with the
// name ending in .csv for a workbook or an address book, which a text table must not replace.
QString CsvPath(const QString &path, const MergeTable &table);

// Saves table as CsvPath(path) says, the file it replaces kept beside it as .bak. A workbook or an
// address book is written as UTF-8 with a byte order mark, separated by commas. Returns the path
// written; raises VkError naming the file and the reason when it cannot be written, leaving the old
// file as it was.
QString SaveCsv(const QString &path, const MergeTable &table);

} // namespace MergeTableCsv
