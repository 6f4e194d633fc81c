#pragma once

#include "model/merge/MergeTable.h"

#include <QByteArray>
#include <QString>
#include <optional>

// Reads merge tables: comma-separated values with quoted fields, doubled quotes and line breaks
// inside quotes, or tab-separated text, each with a header row. Empty lines are skipped. A table
// that cannot be used (not text, no header, a record with more or fewer values than the header)
// raises VkError naming the line, so that nothing is printed from half a table. An Excel workbook
// is read through XlsxTableReader, an OpenDocument spreadsheet through OdsTableReader and an
// address book of vCards through VCardTableReader.
class MergeTableReader {
public:
    // Reads the bytes in the encoding given, or in the one their bytes tell when none is given. Bytes
    // of a zip archive are a workbook whatever text encoding is given.
    static MergeTable Read(const QByteArray &bytes, std::optional<TableEncoding> encoding = std::nullopt);
    // Reads a file; a file that cannot be opened raises VkError naming it and the system's reason. A
    // file named .xlsx, .ods or .vcf is read as one, so that a damaged one is named as such.
    static MergeTable ReadFile(const QString &path, std::optional<TableEncoding> encoding = std::nullopt);
};
