#include "ErrorMessage.h"
#include "model/merge/MergeTableReader.h"

#include "FileBytes.h"
#include "XlsxFile.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A spreadsheet as an office program saves it: its type first and stored, then its content.
void writeSpreadsheet(const QString &path, const QString &tables)
{
    int error = 0;
    zip_t *archive = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_TRUE(archive) << error;
    const QByteArray type = "application/vnd.oasis.opendocument.spreadsheet";
    const QByteArray content =
        QStringLiteral(
            R"(<?xml version="1.0" encoding="UTF-8"?>)"
            R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" )"
            R"(xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" )"
            R"(xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" )"
            R"(xmlns:t="urn:oasis:names:tc:opendocument:xmlns:table:1.0"><office:automatic-styles>)"
            R"(<style:style style:name="ta1" style:family="table"><style:table-properties t:display="true"/>)"
            R"(</style:style><style:style style:name="ta2" style:family="table">)"
            R"(<style:table-properties t:display="false"/></style:style></office:automatic-styles>)"
            R"(<office:body><office:spreadsheet>%1</office:spreadsheet></office:body></office:document-content>)")
            .arg(tables)
            .toUtf8();
    zip_source_t *typeSource = zip_source_buffer(archive, type.constData(), zip_uint64_t(type.size()), 0);
    const zip_int64_t typeIndex = zip_file_add(archive, "mimetype", typeSource, 0);
    ASSERT_GE(typeIndex, 0);
    zip_set_file_compression(archive, zip_uint64_t(typeIndex), ZIP_CM_STORE, 0);
    zip_source_t *contentSource =
        zip_source_buffer(archive, content.constData(), zip_uint64_t(content.size()), 0);
    ASSERT_GE(zip_file_add(archive, "content.xml", contentSource, 0), 0);
    ASSERT_EQ(zip_close(archive), 0) << zip_strerror(archive);
}

QString cell(const QString &paragraphs, const QString &attributes = {})
{
    return QStringLiteral("<t:table-cell%1>%2</t:table-cell>").arg(attributes, paragraphs);
}

QString row(const QString &cells, const QString &attributes = {})
{
    return QStringLiteral("<t:table-row%1>%2</t:table-row>").arg(attributes, cells);
}

QString table(const char *name, const char *style, const QString &rows)
{
    return QStringLiteral(R"(<t:table t:name="%1" t:style-name="%2"><t:table-column/>%3</t:table>)")
        .arg(QLatin1String(name), QLatin1String(style), rows);
}

QString inlineCell(const char *reference, const QString &text)
{
    return QStringLiteral(R"(<c r="%1" t="inlineStr"><is><t xml:space="preserve">%2</t></is></c>)")
        .arg(QLatin1String(reference), text);
}

} // namespace

// The staff list as a spreadsheet saves it: a hidden sheet first, a header followed by the empty
// rest of its row, a name in runs with a counted space, a merged cell, a note right of the header,
// two paragraphs in one cell, repeated rows, and the empty rest of the sheet.
TEST(OdsTableReader, TheFirstShownSheetGivesTheSameTableAsTheSameXlsx)
{
    QTemporaryDir folder;
    const QString p = QStringLiteral("<text:p>%1</text:p>");
    const QString number = R"( office:value-type="float" office:value="%1")";
    const QString staff =
        row(cell(p.arg("氏名")) + cell(p.arg("役職")) + cell(p.arg("内線")) + cell(p.arg("電話")) +
            cell({}, R"( t:number-columns-repeated="1020")")) +
        row(cell(p.arg(R"(<text:span>山田</text:span><text:s/>太郎)")) + cell(p.arg("営業部長, 東京")) +
            cell(p.arg("101"), number.arg(101)) + cell(p.arg("03-1234-5678")) + cell({}) +
            cell(p.arg("メモ"))) +
        row(cell(p.arg("鈴木<text:s text:c=\"2\"/>\"はな\""), R"( t:number-columns-spanned="2")") +
            "<t:covered-table-cell/>" + cell(p.arg("102.5"), number.arg(102.5))) +
        row(cell({}, R"( t:number-columns-repeated="1024")"), R"( t:number-rows-repeated="3")") +
        row(cell(p.arg("佐藤")) + cell(p.arg("企画") + p.arg("主任")) + cell(p.arg("3"), number.arg(3)) +
            cell(p.arg("TRUE"))) +
        row(cell(p.arg("同"), R"( t:number-columns-repeated="2")"), R"( t:number-rows-repeated="2")") +
        row(cell({}, R"( t:number-columns-repeated="1024")"), R"( t:number-rows-repeated="1048570")");
    const QString path = folder.filePath("staff.ods");
    writeSpreadsheet(path, table("設定", "ta2", row(cell(p.arg("9")))) + table("社員", "ta1", staff) +
                               table("メモ", "ta1", row(cell(p.arg("9")))));

    const QString xlsxPath = folder.filePath("staff.xlsx");
    const QString sameRows =
        "<row r=\"1\">" + inlineCell("A1", "氏名") + inlineCell("B1", "役職") + inlineCell("C1", "内線") +
        inlineCell("D1", "電話") + "</row><row r=\"2\">" + inlineCell("A2", "山田 太郎") +
        inlineCell("B2", "営業部長, 東京") + R"(<c r="C2"><v>101</v></c>)" +
        inlineCell("D2", "03-1234-5678") + inlineCell("F2", "メモ") + "</row><row r=\"3\">" +
        inlineCell("A3", "鈴木  \"はな\"") + R"(<c r="C3"><v>102.5</v></c></row><row r="7">)" +
        inlineCell("A7", "佐藤") + inlineCell("B7", "企画\n主任") +
        R"(<c r="C7"><v>3</v></c><c r="D7" t="b"><v>1</v></c></row>)" + "<row r=\"8\">" +
        inlineCell("A8", "同") + inlineCell("B8", "同") + "</row><row r=\"9\">" + inlineCell("A9", "同") +
        inlineCell("B9", "同") + "</row>";
    WriteZipFile(xlsxPath, WorkbookParts({{"社員", "sheet1.xml", sameRows}}));

    const MergeTable spreadsheet = MergeTableReader::ReadFile(path);
    const MergeTable workbook = MergeTableReader::ReadFile(xlsxPath);
    EXPECT_EQ(spreadsheet.Columns(), workbook.Columns());
    ASSERT_EQ(spreadsheet.RecordCount(), 5);
    ASSERT_EQ(workbook.RecordCount(), 5);
    for (int record = 0; record < 5; ++record)
        EXPECT_EQ(spreadsheet.Record(record), workbook.Record(record)) << record;
    // Told from its bytes too, whatever the file is called.
    const QString renamed = folder.filePath("staff.data");
    QFile::copy(path, renamed);
    EXPECT_EQ(MergeTableReader::ReadFile(renamed).Record(4), spreadsheet.Record(4));
}

TEST(OdsTableReader, RepeatsBeyondATableAreRefusedWithoutTakingTheMemory)
{
    QTemporaryDir folder;
    const QString path = folder.filePath("big.ods");
    const QString header = row(cell("<text:p>氏名</text:p>"));
    writeSpreadsheet(
        path, table("社員", "ta1",
                    header + row(cell("<text:p>山田</text:p>"), R"( t:number-rows-repeated="2000000000")")));
    EXPECT_TRUE(ErrorMessageOf([&] { MergeTableReader::ReadFile(path); }).contains("多すぎます"));
    writeSpreadsheet(
        path, table("社員", "ta1", header + row(cell(R"(<text:p><text:s text:c="2000000000"/></text:p>)"))));
    EXPECT_TRUE(ErrorMessageOf([&] { MergeTableReader::ReadFile(path); }).contains("多すぎます"));
}
