#include "ErrorMessage.h"
#include "model/merge/MergeFields.h"
#include "model/merge/MergeTableReader.h"
#include "model/platform/Cp932.h"
#include "model/platform/VkError.h"

#include "FileBytes.h"

#include <QStringEncoder>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

const QString kStaffList = QStringLiteral("氏名,役職,電話\r\n"
                                          "山田 太郎,\"営業部長, 東京\",03-1234-5678\r\n"
                                          "\r\n"
                                          "\"鈴木 \"\"はな\"\"\",\"企画\n主任\",\r\n");

QString messageOf(const QByteArray &bytes)
{
    return ErrorMessageOf([&bytes] { MergeTableReader::Read(bytes); });
}

} // namespace

TEST(MergeTableReader, EveryEncodingAnOfficeSavesGivesTheSameRecords)
{
    QStringEncoder utf16(QStringEncoder::Utf16LE, QStringEncoder::Flag::WriteBom);
    const std::pair<QByteArray, TableEncoding> files[] = {
        {kStaffList.toUtf8(), TableEncoding::Utf8},
        {QByteArray("\xEF\xBB\xBF") + kStaffList.toUtf8(), TableEncoding::Utf8},
        {utf16.encode(kStaffList), TableEncoding::Utf16},
        {Cp932::Encode(kStaffList), TableEncoding::Cp932},
    };
    for (const auto &[bytes, encoding] : files) {
        const MergeTable table = MergeTableReader::Read(bytes);
        EXPECT_EQ(table.Encoding(), encoding);
        EXPECT_EQ(table.Columns(), QStringList({"氏名", "役職", "電話"}));
        ASSERT_EQ(table.RecordCount(), 2);
        EXPECT_EQ(table.Record(0), QStringList({"山田 太郎", "営業部長, 東京", "03-1234-5678"}));
        EXPECT_EQ(table.Record(1), QStringList({"鈴木 \"はな\"", "企画\n主任", ""}));
    }
}

TEST(MergeTableReader, ChosenEncodingOverridesTheGuessAndTabsSeparateExcelText)
{
    // Shift_JIS bytes that happen to be valid UTF-8 are read as the user says.
    const QByteArray bytes = Cp932::Encode(QStringLiteral("名前\tメール\nｱｲ\ta@example.jp\n"));
    const MergeTable table = MergeTableReader::Read(bytes, TableEncoding::Cp932);
    EXPECT_EQ(table.Columns(), QStringList({"名前", "メール"}));
    EXPECT_EQ(table.Record(0), QStringList({"ｱｲ", "a@example.jp"}));
}

TEST(MergeTableReader, UnusableTablesNameTheLine)
{
    EXPECT_TRUE(messageOf("").contains("見出し"));
    EXPECT_TRUE(messageOf("\n\r\n").contains("見出し"));
    EXPECT_TRUE(messageOf("a,b\n1,2\n\n3\n").contains("4 行目")) << qPrintable(messageOf("a,b\n1,2\n\n3\n"));
    EXPECT_TRUE(messageOf("a,b\n1,\"open\n2,3\n").contains("2 行目"));
    EXPECT_TRUE(messageOf("a,b\n1,x\"y\"\n").contains("2 行目"));
    EXPECT_TRUE(messageOf(QByteArray("a,b\n1,\x00\x01\n", 9)).contains("2 行目"));
    // Not text in any encoding a table may have: a picture.
    EXPECT_FALSE(messageOf(QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\x0dIHDR", 16)).isEmpty());
}

TEST(MergeTableReader, FilesThatCannotBeTablesAreRefusedByName)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("staff.csv");
    WriteFileBytes(path, "name\nA\n");
    EXPECT_EQ(MergeTableReader::ReadFile(path).Record(0), QStringList({"A"}));
    EXPECT_THROW(MergeTableReader::ReadFile(folder.filePath("missing.csv")), VkError);
    EXPECT_THROW(MergeTableReader::ReadFile(folder.path()), VkError);
}

TEST(MergeFields, FieldsAreFilledAndMissingColumnsStayAsTyped)
{
    const MergeTable table({"姓", "名", "住所"}, {{"山田", "太郎", "東京都\r\n千代田区"}},
                           TableEncoding::Utf8);
    QStringList missing;
    const QStringList lines = {"{{姓}}{{名}} 様", "{{住所}}", "{{役職}} / {{役職}}", "{{}} {{姓"};
    EXPECT_EQ(MergeFields::Fill(lines, table, 0, &missing),
              QStringList({"山田太郎 様", "東京都", "千代田区", "{{役職}} / {{役職}}", "{{}} {{姓"}));
    EXPECT_EQ(missing, QStringList({"役職"}));
    EXPECT_EQ(MergeFields::FieldNames(lines), QStringList({"姓", "名", "住所", "役職"}));
    EXPECT_FALSE(MergeFields::HasFields({"plain", "{姓}"}));
    EXPECT_TRUE(MergeFields::HasFields({"plain", "{{姓}}"}));
}

// A value no card can show is refused by its record and column, alone or added up over a text.
TEST(MergeFields, TextsLongerThanACardCanShowAreRefusedByRecordAndColumn)
{
    const QString half(40000, u'x');
    const MergeTable table({"氏名", "備考"}, {{"山田", "短い"}, {"鈴木", QString(70000, u'x')}, {half, half}},
                           TableEncoding::Utf8);
    EXPECT_EQ(MergeFields::Fill({"{{備考}}"}, table, 0), QStringList({"短い"}));
    QString message = ErrorMessageOf([&table] { MergeFields::FillText("{{備考}}", table, 1); });
    EXPECT_TRUE(message.contains("レコード 2") && message.contains("備考")) << qPrintable(message);
    message = ErrorMessageOf([&table] { MergeFields::Fill({"{{氏名}}", "{{備考}}"}, table, 2); });
    EXPECT_TRUE(message.contains("レコード 3") && message.contains("備考")) << qPrintable(message);
}

// A table stops where a workbook would, before its values take the memory; a long value is still
// read whole.
TEST(MergeTableReader, TablesStopAtFourMillionValues)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("cells.csv");
    QByteArray row = QByteArray("x,").repeated(1999) + "x\n";
    WriteFileBytes(path, row.repeated(2001));
    const QString message = ErrorMessageOf([&path] { MergeTableReader::ReadFile(path); });
    EXPECT_TRUE(message.contains("多すぎます")) << qPrintable(message);
    EXPECT_TRUE(message.contains(path)) << qPrintable(message);

    const QByteArray value = QByteArray("ab\"\"c\n").repeated(10'000);
    const MergeTable table = MergeTableReader::Read("name,note\n1,\"" + value + "\"\n");
    EXPECT_EQ(table.Record(0).at(1), QString::fromUtf8(value).replace("\"\"", "\""));
}
