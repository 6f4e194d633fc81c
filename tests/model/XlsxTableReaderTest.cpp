#include "model/merge/MergeTableReader.h"
#include "model/merge/ZipArchive.h"
#include "model/platform/VkError.h"

#include "FileBytes.h"
#include "XlsxFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// The staff list as a spreadsheet holds it: a name in formatted runs with its reading beside it, a
// title with a line break, numbers, a formula's result, a boolean, skipped cells, a row with nothing
// in the table's columns and a note right of the header.
const QString kStaffSharedStrings =
    QStringLiteral("<si><t>氏名</t></si>"
                   "<si><t>役職</t></si>"
                   "<si><t>電話</t></si>"
                   "<si><r><t>山田</t></r><r><rPr><b/></rPr><t xml:space=\"preserve\"> 太郎</t></r>"
                   "<rPh sb=\"0\" eb=\"2\"><t>ヤマダ</t></rPh><phoneticPr fontId=\"1\"/></si>"
                   "<si><t>営業部長, 東京</t></si>"
                   "<si><t>03-1234-5678</t></si>"
                   "<si><t>企画\n主任</t></si>"
                   "<si><t>メモ</t></si>");

const QString kStaffRows = QStringLiteral(
    R"(<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c>)"
    R"(<c r="C1" t="inlineStr"><is><t>内線</t></is></c><c r="D1" t="s"><v>2</v></c><c r="E1" s="1"/></row>)"
    R"(<row r="2"><c r="A2" t="s"><v>3</v></c><c r="B2" t="s"><v>4</v></c><c r="C2"><v>101.0</v></c>)"
    R"(<c r="D2" t="s"><v>5</v></c><c r="F2" t="s"><v>7</v></c></row>)"
    R"(<row r="3"><c r="A3" t="inlineStr"><is><t>鈴木 "はな"</t></is></c><c r="C3"><v>102.5</v></c></row>)"
    R"(<row r="4"><c r="B4" s="2"/></row>)"
    R"(<row r="5"><c r="F5" t="s"><v>7</v></c></row>)"
    R"(<row r="7"><c r="A7" t="str"><v>佐藤</v></c><c r="B7" t="s"><v>6</v></c>)"
    R"(<c r="C7"><f>1+2</f><v>3</v></c><c r="D7" t="b"><v>1</v></c></row>)");

const QByteArray kStaffCsv = "氏名,役職,内線,電話\r\n"
                             "山田 太郎,\"営業部長, 東京\",101,03-1234-5678\r\n"
                             "\"鈴木 \"\"はな\"\"\",,102.5,\r\n"
                             "\r\n"
                             "佐藤,\"企画\n主任\",3,TRUE\r\n";

QString workbookWith(const QTemporaryDir &folder, const QString &rows, const QString &sharedItems = {})
{
    const QString path = folder.filePath("book.xlsx");
    WriteZipFile(path, WorkbookParts({{"一覧", "sheet1.xml", rows}}, sharedItems));
    return path;
}

QString messageOf(const QString &path)
{
    try {
        MergeTableReader::ReadFile(path);
    } catch (const VkError &error) {
        return error.Message();
    }
    return {};
}

} // namespace

TEST(XlsxTableReader, TheFirstSheetGivesTheSameTableAsItsCsv)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("staff.data");
    // The first sheet in the workbook's order is the staff list, though its part is not named sheet1.
    WriteZipFile(path, WorkbookParts({{"社員", "staff.xml", kStaffRows},
                                      {"メモ", "sheet1.xml", R"(<row r="1"><c r="A1"><v>9</v></c></row>)"}},
                                     kStaffSharedStrings));
    const MergeTable csv = MergeTableReader::Read(kStaffCsv);
    const MergeTable workbook = MergeTableReader::ReadFile(path);
    EXPECT_EQ(workbook.Encoding(), TableEncoding::Workbook);
    EXPECT_EQ(workbook.Columns(), csv.Columns());
    ASSERT_EQ(workbook.RecordCount(), 3);
    for (int record = 0; record < 3; ++record)
        EXPECT_EQ(workbook.Record(record), csv.Record(record)) << record;
}

TEST(XlsxTableReader, CellsShowTheTextExcelShows)
{
    QTemporaryDir folder;
    const QString path = workbookWith(
        folder,
        R"(<row><c><v>0.30000000000000004</v></c><c><v>-42</v></c><c><v>1.5E-3</v></c><c><v>1E+20</v></c>)"
        R"(<c t="b"><v>0</v></c><c t="e"><v>#DIV/0!</v></c><c t="s"><v>0</v></c></row>)"
        R"(<row r="3"><c r="B3"><v>7</v></c></row>)",
        "<si><t>東京都_x000D_\n千代田区</t></si>");
    const MergeTable table = MergeTableReader::ReadFile(path);
    EXPECT_EQ(table.Columns(),
              QStringList({"0.3", "-42", "0.0015", "1E+20", "FALSE", "#DIV/0!", "東京都\r\n千代田区"}));
    ASSERT_EQ(table.RecordCount(), 1);
    // A record shorter than the header has empty values for its missing cells.
    EXPECT_EQ(table.Record(0), QStringList({"", "7", "", "", "", "", ""}));
}

TEST(XlsxTableReader, DamagedWorkbooksAreRefusedNamingTheFault)
{
    QTemporaryDir folder;
    const QString notZip = folder.filePath("text.xlsx");
    WriteFileBytes(notZip, "氏名\n山田\n");
    EXPECT_TRUE(messageOf(notZip).contains("zip")) << qPrintable(messageOf(notZip));

    const QString noWorkbook = folder.filePath("other.zip");
    WriteZipFile(noWorkbook, {{"readme.txt", "hello"}});
    EXPECT_TRUE(messageOf(noWorkbook).contains("xl/workbook.xml")) << qPrintable(messageOf(noWorkbook));

    ZipParts parts = WorkbookParts({{"一覧", "sheet1.xml", R"(<row><c><v>1</v></c></row>)"}});
    std::erase_if(parts, [](const auto &part) { return part.first == "xl/worksheets/sheet1.xml"; });
    const QString noSheet = folder.filePath("nosheet.xlsx");
    WriteZipFile(noSheet, parts);
    EXPECT_TRUE(messageOf(noSheet).contains("xl/worksheets/sheet1.xml がありません"))
        << qPrintable(messageOf(noSheet));

    const std::pair<QString, QString> faults[] = {
        {R"(<row><c><v>1</v></c>)", "xl/worksheets/sheet1.xml が壊れています"},
        {R"(<row><c t="s"><v>5</v></c></row>)", "共有文字列 5"},
        {R"(<row><c r="XFE1"><v>1</v></c></row>)", "XFE1"},
        {R"(<row><c r="A1" t="s"/></row>)", "見出し"},
    };
    for (const auto &[rows, expected] : faults) {
        const QString message = messageOf(workbookWith(folder, rows));
        EXPECT_TRUE(message.contains("Excel ブック") && message.contains(expected)) << qPrintable(message);
    }
}

TEST(XlsxTableReader, RunsNestedDeeperThanAnyWorkbookHoldsAreSkippedNotFollowed)
{
    QTemporaryDir folder;
    const int depth = 500000;
    const QString item = "<si><t>A</t><r><t>B</t>" + QString("<r>").repeated(depth) + "<t>C</t>" +
                         QString("</r>").repeated(depth) + "</r></si>";
    const QString path = workbookWith(folder, R"(<row><c t="s"><v>0</v></c></row>)", item);
    EXPECT_EQ(MergeTableReader::ReadFile(path).Columns(), QStringList({"AB"}));
}

TEST(ZipArchive, APartLargerThanAskedIsRefusedWhateverTheArchiveStates)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("bomb.zip");
    WriteZipFile(path, {{"zeros", QByteArray(100000, '\0')}});
    const ZipArchive archive(ReadFileBytes(path));
    EXPECT_EQ(archive.Read("ZEROS", 100000).size(), 100000);
    EXPECT_THROW(archive.Read("zeros", 99999), VkError);
}
