#pragma once

#include <QByteArray>
#include <QString>

// How a table's bytes are encoded. Office programs save tables as UTF-8 (with or without a byte order
// mark), as UTF-16 with a byte order mark ("Unicode text") or, in Japan, as code page 932; a
// workbook holds its cells as zipped XML, which tells its own encoding.
enum class TableEncoding { Utf8, Utf16, Cp932, Workbook };

// Tells the encoding of text from the bytes: a byte order mark first, then whether the bytes are
// valid UTF-8; anything else is code page 932.
TableEncoding DetectTableEncoding(QByteArrayView bytes);

// The text of bytes in a text encoding, without its byte order mark; a workbook is not text.
QString DecodeTableText(QByteArrayView bytes, TableEncoding encoding);

// The name shown for an encoding in the merge bar and in messages.
QString TableEncodingName(TableEncoding encoding);
