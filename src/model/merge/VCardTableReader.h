#pragma once

#include "model/merge/MergeTable.h"

#include <QByteArray>
#include <optional>

// Reads an address book of vCards (versions 2.1, 3.0 and 4.0) as a merge table, a record per card,
// with the columns a Japanese staff list names: 氏名, ふりがな, 会社, 部署, 役職, 電話, 携帯, FAX,
// メール, 郵便番号, 住所 and URL. Values are read in the character set a property names (2.1's
// CHARSET=SHIFT_JIS), otherwise in the file's own, told from its bytes as a text table's is, and
// quoted-printable values are decoded. A card that does not end, or more cards than a table holds,
// raise VkError naming the line.
class VCardTableReader {
public:
    // Whether the bytes begin as an address book does, after a byte order mark and blank lines.
    static bool IsAddressBook(QByteArrayView bytes);
    // Reads the values whose properties name no character set in the encoding given, or in the one
    // the bytes tell.
    static MergeTable Read(const QByteArray &bytes, std::optional<TableEncoding> encoding = std::nullopt);
};
