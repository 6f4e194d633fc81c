#include "ErrorMessage.h"
#include "model/merge/MergeTableReader.h"
#include "model/platform/Cp932.h"

#include "FileBytes.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QStringList kColumns{"氏名", "ふりがな", "会社",   "部署",     "役職", "電話",
                           "携帯", "FAX",      "メール", "郵便番号", "住所", "URL"};

// A value as a phone of the 2.1 era writes it: Shift_JIS bytes, quoted-printable, broken into
// lines of at most 76 characters with soft line breaks.
QByteArray quotedShiftJis(const QString &text)
{
    QByteArray encoded;
    int lineLength = 0;
    for (const char byte : Cp932::Encode(text)) {
        if (lineLength > 70) {
            encoded += "=\r\n";
            lineLength = 0;
        }
        encoded += '=' + QByteArray::number(quint8(byte), 16).toUpper().rightJustified(2, '0');
        lineLength += 3;
    }
    return encoded;
}

QByteArray shiftJisProperty(const char *name, const QString &value)
{
    return QByteArray(name) + ";CHARSET=SHIFT_JIS;ENCODING=QUOTED-PRINTABLE:" + quotedShiftJis(value) +
           "\r\n";
}

MergeTable readFile(const QTemporaryDir &folder, const char *name, const QByteArray &bytes)
{
    const QString path = folder.filePath(name);
    WriteFileBytes(path, bytes);
    return MergeTableReader::ReadFile(path);
}

void expectSameTable(const MergeTable &read, const MergeTable &expected)
{
    EXPECT_EQ(read.Columns(), expected.Columns());
    ASSERT_EQ(read.RecordCount(), expected.RecordCount());
    for (int record = 0; record < expected.RecordCount(); ++record)
        EXPECT_EQ(read.Record(record), expected.Record(record)) << record;
}

} // namespace

// The first card is quoted-printable, its long address folded by soft line breaks; the second holds
// raw Shift_JIS, where the second byte of ソ is a backslash, and only a home phone, which a staff card
// leaves out; its reading comes from the sort string.
TEST(VCardTableReader, ShiftJisAddressBookOfAPhoneGivesTheSameRecordsAsItsCsv)
{
    QTemporaryDir folder;
    const QByteArray book =
        "BEGIN:VCARD\r\nVERSION:2.1\r\n" + shiftJisProperty("N", "山田;太郎;;;") +
        shiftJisProperty("FN", "山田 太郎") + shiftJisProperty("X-PHONETIC-LAST-NAME", "やまだ") +
        shiftJisProperty("X-PHONETIC-FIRST-NAME", "たろう") +
        shiftJisProperty("ORG", "ベラム商事株式会社;営業部;第一課") + shiftJisProperty("TITLE", "課長") +
        "TEL;WORK;VOICE:03-1234-5678\r\nTEL;CELL:090-1111-2222\r\nTEL;WORK;FAX:03-1234-5679\r\n"
        "EMAIL;INTERNET;WORK:yamada@example.jp\r\n" +
        shiftJisProperty("ADR;WORK", ";ベラムビル 5階;丸の内一丁目1番1号;千代田区;東京都;100-0005;日本") +
        "URL:https://example.jp/\r\nEND:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:2.1\r\nFN;CHARSET=SHIFT_JIS:" +
        Cp932::Encode("曽根 ソラ") + "\r\nSORT-STRING;CHARSET=SHIFT_JIS:" + Cp932::Encode("そね そら") +
        "\r\nTEL;HOME:03-9999-0000\r\nEND:VCARD\r\n";
    const QByteArray csv = Cp932::Encode(
        "氏名,ふりがな,会社,部署,役職,電話,携帯,FAX,メール,郵便番号,住所,URL\r\n"
        "山田 太郎,やまだ たろう,ベラム商事株式会社,営業部 第一課,課長,03-1234-5678,090-1111-2222,"
        "03-1234-5679,yamada@example.jp,100-0005,東京都千代田区丸の内一丁目1番1号 ベラムビル 5階,"
        "https://example.jp/\r\n"
        "曽根 ソラ,そね そら,,,,,,,,,,\r\n");

    const MergeTable table = readFile(folder, "staff.vcf", book);
    expectSameTable(table, readFile(folder, "staff.csv", csv));
    EXPECT_EQ(table.Encoding(), TableEncoding::Cp932);
    // Told from its bytes too, whatever the file is called.
    expectSameTable(readFile(folder, "staff.txt", book), table);
}

// 4.0 folds lines at octets, here inside a character, quotes its parameters and writes phones as
// tel: addresses; a 3.0 card beside it groups its properties and escapes a comma.
TEST(VCardTableReader, Utf8AddressBookFoldsEscapesAndChoosesWorkEntries)
{
    QTemporaryDir folder;
    QByteArray folded = QStringLiteral("FN:佐藤 花子").toUtf8();
    folded.insert(7, "\r\n ");
    const QByteArray book =
        "BEGIN:VCARD\r\nVERSION:4.0\r\n" + folded +
        "\r\n"
        "N:佐藤;花子;;;\r\n"
        "X-PHONETIC-LAST-NAME:さとう\r\nX-PHONETIC-FIRST-NAME:はなこ\r\n"
        "ORG:ベラム株式会社;開発部\r\nTITLE:主任\\, 技術担当\r\n"
        "TEL;TYPE=home;VALUE=uri:tel:+81-3-0000-0000\r\n"
        "TEL;TYPE=\"work,voice\";VALUE=uri:tel:+81-3-5555-6666\r\n"
        "TEL;TYPE=cell;VALUE=uri:tel:+81-80-7777-8888\r\n"
        "EMAIL;TYPE=home:hanako@home.example\r\nEMAIL;TYPE=work:hanako@example.jp\r\n"
        "ADR;TYPE=work;LABEL=\"大阪市北区梅田1-1; 梅田ビル\":;;梅田1-1;大阪市北区;大阪府;530-"
        "0001;\r\n"
        "END:VCARD\r\n"
        "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:高橋 一郎\r\nSORT-STRING:たかはし いちろう\r\n"
        "item1.TEL;TYPE=WORK,FAX:06-1111-2222\r\nitem2.EMAIL;TYPE=INTERNET:ichiro@example.jp\r\n"
        "END:VCARD\r\n";
    const MergeTable table = readFile(folder, "staff.vcf", book);
    ASSERT_EQ(table.Columns(), kColumns);
    ASSERT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.Record(0), (QStringList{"佐藤 花子", "さとう はなこ", "ベラム株式会社", "開発部",
                                            "主任, 技術担当", "+81-3-5555-6666", "+81-80-7777-8888", "",
                                            "hanako@example.jp", "530-0001", "大阪府大阪市北区梅田1-1", ""}));
    EXPECT_EQ(table.Record(1), (QStringList{"高橋 一郎", "たかはし いちろう", "", "", "", "", "",
                                            "06-1111-2222", "ichiro@example.jp", "", "", ""}));
    EXPECT_EQ(table.Encoding(), TableEncoding::Utf8);

    // A card cut off, as by a copy that did not finish, is refused rather than merged half read.
    const QString cutOff =
        ErrorMessageOf([&] { readFile(folder, "cut.vcf", book.left(book.lastIndexOf("item1"))); });
    EXPECT_TRUE(cutOff.contains("17 行目")) << qPrintable(cutOff);
    EXPECT_TRUE(cutOff.contains("END:VCARD")) << qPrintable(cutOff);
}
