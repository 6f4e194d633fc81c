#pragma once

#include "model/merge/MergeTable.h"

#include <QByteArray>

// Reads the first sheet an Excel workbook (.xlsx) shows, the first of its tabs that is not hidden, as a
// merge table: its first row that holds a value is the header, and each later row that holds a value
// under the header is a record. Cells are placed by their reference, so a skipped cell is an empty
// value; values right of the header's last column are not part of the table. Cells give the text Excel
// shows for them; see XlsxNumberFormat for how their number formats are shown.
// A damaged or hostile workbook raises VkError naming the part at fault, and nothing is half read.
class XlsxTableReader {
public:
    // Whether the bytes are a zip archive, as every workbook is; no text table ever starts this way.
    static bool IsZipArchive(QByteArrayView bytes);
    static MergeTable Read(const QByteArray &bytes);
};
