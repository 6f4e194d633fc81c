#pragma once

#include "model/merge/MergeTable.h"

#include <QByteArray>

// Reads the first sheet an OpenDocument spreadsheet (.ods) shows, the first of its tabs that is not
// hidden, as a merge table, by the rules a workbook's sheet is read by (see SheetRows). Cells give the
// text the spreadsheet shows for them, which the file stores beside each value. Repeated rows and
// cells, which a spreadsheet writes for the empty rest of its sheet, cost nothing. A damaged or
// hostile file raises VkError naming the part at fault, and nothing is half read.
class OdsTableReader {
public:
    // Whether the bytes are a zip archive that names itself an OpenDocument spreadsheet in its first
    // part, as the format asks.
    static bool IsSpreadsheet(QByteArrayView bytes);
    static MergeTable Read(const QByteArray &bytes);
};
