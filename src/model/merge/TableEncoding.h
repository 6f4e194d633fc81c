#pragma once

#include <QByteArray>
#include <QString>

// How a table's bytes are encoded. Office programs save tables as UTF-8 (with or without a byte order
// mark), as UTF-16 with a byte order mark ("Unicode text") or, in Japan, as code page 932.
enum class TableEncoding { Utf8, Utf16, Cp932 };

// Tells the encoding from the bytes: a byte order mark first, then whether the bytes are valid
// UTF-8; anything else is code page 932.
TableEncoding DetectTableEncoding(QByteArrayView bytes);

// The text of bytes in an encoding, without its byte order mark.
QString DecodeTableText(QByteArrayView bytes, TableEncoding encoding);

// The name shown for an encoding in the merge bar and in messages.
QString TableEncodingName(TableEncoding encoding);
