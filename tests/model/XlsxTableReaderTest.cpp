#include "ErrorMessage.h"
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

// A staff list's cell formats, which cells index by their s attribute: General, built-in date 14, a
// custom date, a staff number, a postal code, built-in time 20 and date-time 22, and an amount. The
// cell style formats come first and are not what cells index.
const QString kStaffStyles = QStringLiteral(
    R"(<numFmts count="4"><numFmt numFmtId="176" formatCode="yyyy&quot;年&quot;m&quot;月&quot;d&quot;日&quot;"/>)"
    R"(<numFmt numFmtId="177" formatCode="00000"/><numFmt numFmtId="178" formatCode="000\-0000"/>)"
    R"(<numFmt numFmtId="179" formatCode="#,##0.00&quot;円&quot;"/></numFmts>)"
    R"(<cellStyleXfs count="1"><xf numFmtId="14"/></cellStyleXfs>)"
    R"(<cellXfs count="8"><xf numFmtId="0"/><xf numFmtId="14" applyNumberFormat="1"/>)"
    R"(<xf numFmtId="176"><alignment horizontal="left"/></xf><xf numFmtId="177"/><xf numFmtId="178"/>)"
    R"(<xf numFmtId="20"/><xf numFmtId="22"/><xf numFmtId="179"/></cellXfs>)");

const QString kFormattedStaffHeader = QStringLiteral(
    R"(<row><c t="inlineStr"><is><t>社員番号</t></is></c><c t="inlineStr"><is><t>入社日</t></is></c>)"
    R"(<c t="inlineStr"><is><t>入社日 (和)</t></is></c><c t="inlineStr"><is><t>〒</t></is></c>)"
    R"(<c t="inlineStr"><is><t>始業</t></is></c><c t="inlineStr"><is><t>更新</t></is></c>)"
    R"(<c t="inlineStr"><is><t>手当</t></is></c></row>)");

QString workbookWith(const QTemporaryDir &folder, const QString &rows, const QString &sharedItems = {})
{
    const QString path = folder.filePath("book.xlsx");
    WriteZipFile(path, WorkbookParts({{"一覧", "sheet1.xml", rows}}, {.sharedItems = sharedItems}));
    return path;
}

QString messageOf(const QString &path)
{
    return ErrorMessageOf([&path] { MergeTableReader::ReadFile(path); });
}

} // namespace

TEST(XlsxTableReader, TheFirstShownSheetGivesTheSameTableAsItsCsv)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("staff.data");
    // The first sheet the user sees in the workbook's order is the staff list, though its part is
    // not named sheet1 and a hidden sheet comes before it.
    const QString note = R"(<row r="1"><c r="A1"><v>9</v></c></row>)";
    WriteZipFile(path, WorkbookParts({{"設定", "settings.xml", note, true},
                                      {"社員", "staff.xml", kStaffRows},
                                      {"メモ", "sheet1.xml", note}},
                                     {.sharedItems = kStaffSharedStrings}));
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
        R"(<row r="3"><c r="B3" s="1"><v>7</v></c></row>)",
        "<si><t>東京都_x000D_\n千代田区</t></si>");
    const MergeTable table = MergeTableReader::ReadFile(path);
    EXPECT_EQ(table.Columns(),
              QStringList({"0.3", "-42", "0.0015", "1E+20", "FALSE", "#DIV/0!", "東京都\r\n千代田区"}));
    ASSERT_EQ(table.RecordCount(), 1);
    // A record shorter than the header has empty values for its missing cells; a cell format in a
    // workbook without styles leaves its number General.
    EXPECT_EQ(table.Record(0), QStringList({"", "7", "", "", "", "", ""}));
}

TEST(XlsxTableReader, NumberFormatsShowDatesTimesAndPaddedNumbersAsTheWorkbookDoes)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("staff.xlsx");
    WriteZipFile(
        path, WorkbookParts(
                  {{"社員", "sheet1.xml",
                    kFormattedStaffHeader +
                        R"(<row><c s="3"><v>123</v></c><c s="1"><v>45383</v></c><c s="2"><v>45383</v></c>)"
                        R"(<c s="4"><v>1000001</v></c><c s="5"><v>0.375</v></c><c s="6"><v>45383.75</v></c>)"
                        R"(<c s="7"><v>12345.5</v></c></row>)"
                        // Text keeps its date format unused, an unknown cell format is General, and a time
                        // a hair before midnight rounds into the next day.
                        R"(<row><c s="3"><v>7</v></c><c s="1"><v>32888</v></c>)"
                        R"(<c s="2" t="inlineStr"><is><t>未定</t></is></c><c s="99"><v>9</v></c>)"
                        R"(<c s="5"><v>0.72916666666666663</v></c><c s="6"><v>32888.999999999</v></c>)"
                        R"(<c s="0"><v>45383</v></c></row>)"}},
                  {.styles = kStaffStyles}));
    const MergeTable table = MergeTableReader::ReadFile(path);
    ASSERT_EQ(table.RecordCount(), 2);
    EXPECT_EQ(table.Record(0), QStringList({"00123", "2024/4/1", "2024/4/1", "100-0001", "9:00",
                                            "2024/4/1 18:00", "12345.5"}));
    EXPECT_EQ(table.Record(1),
              QStringList({"00007", "1990/1/15", "未定", "9", "17:30", "1990/1/16 0:00", "45383"}));
}

TEST(XlsxTableReader, AWorkbookSavedWith1904DatesCountsItsSerialsFrom1904)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("mac.xlsx");
    WriteZipFile(path,
                 WorkbookParts({{"社員", "sheet1.xml",
                                 kFormattedStaffHeader +
                                     R"(<row><c s="3"><v>123</v></c><c s="1"><v>43921</v></c>)"
                                     R"(<c s="2"><v>0</v></c><c/><c/><c s="6"><v>43921.5</v></c></row>)"}},
                               {.styles = kStaffStyles, .date1904 = true}));
    EXPECT_EQ(MergeTableReader::ReadFile(path).Record(0),
              QStringList({"00123", "2024/4/1", "1904/1/1", "", "", "2024/4/1 12:00", ""}));
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

    const QString damagedStyles = folder.filePath("styles.xlsx");
    WriteZipFile(damagedStyles, WorkbookParts({{"一覧", "sheet1.xml", R"(<row><c s="1"><v>1</v></c></row>)"}},
                                              {.styles = R"(<cellXfs><xf numFmtId="14"></cellXfs>)"}));
    EXPECT_TRUE(messageOf(damagedStyles).contains("xl/styles.xml が壊れています"))
        << qPrintable(messageOf(damagedStyles));
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
