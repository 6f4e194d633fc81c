#include "model/merge/MergeTableReader.h"

#include "model/merge/OdsTableReader.h"
#include "model/merge/VCardTableReader.h"
#include "model/merge/XlsxTableReader.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdlib>
#include <csv.h>
#include <memory>

namespace {

// Larger than any staff list; a bound so that a wrong file cannot take the memory.
constexpr qint64 kMaxTableBytes = 64 * 1024 * 1024;
// As many values as a workbook may give: each value costs far more memory than its bytes.
constexpr std::size_t kMaxValues = 4'000'000;

// Gathers libcsv's fields into records and remembers on which line each record began.
struct RecordCollector {
    std::vector<QStringList> rows;
    std::vector<int> rowLines;
    QStringList fields;
    int line = 0;
    bool betweenRecords = true;
    int recordLine = 0;
    std::size_t values = 0;

    static void EndField(void *data, std::size_t length, void *self)
    {
        auto &collector = *static_cast<RecordCollector *>(self);
        if (++collector.values > kMaxValues)
            return;
        collector.fields.append(QString::fromUtf8(static_cast<const char *>(data), qsizetype(length)));
    }
    static void EndRecord(int, void *self)
    {
        auto &collector = *static_cast<RecordCollector *>(self);
        collector.rows.push_back(std::move(collector.fields));
        collector.rowLines.push_back(collector.recordLine);
        collector.fields.clear();
        collector.betweenRecords = true;
    }
};

// libcsv grows a field by a fixed step; with a step as large as the field so far, a long field is
// copied a few times rather than once for every step. The parser is the one being run on this thread.
thread_local csv_parser *growingParser = nullptr;

struct GrowingParser {
    explicit GrowingParser(csv_parser &parser) { growingParser = &parser; }
    ~GrowingParser() { growingParser = nullptr; }
    GrowingParser(const GrowingParser &) = delete;
    GrowingParser &operator=(const GrowingParser &) = delete;
};

void *growField(void *buffer, std::size_t size)
{
    void *grown = std::realloc(buffer, size);
    if (grown && growingParser)
        csv_set_blk_size(growingParser, size);
    return grown;
}

// Fields keep their spaces: only quotes delimit a value.
int noSpace(unsigned char)
{
    return 0;
}

QString lineMessage(int line, const QString &problem)
{
    return QCoreApplication::translate("MergeTableReader", "差し込みデータの %1 行目: %2")
        .arg(line)
        .arg(problem);
}

void checkIsText(const QString &text)
{
    int line = 1;
    for (const QChar character : text) {
        if (character == u'\n')
            ++line;
        else if (character == QChar::ReplacementCharacter ||
                 (character.unicode() < 0x20 && character != u'\t' && character != u'\r'))
            throw VkError(lineMessage(
                line, QCoreApplication::translate("MergeTableReader", "文字として読めないバイトがあります")));
    }
}

// Tab-separated when the header line holds more tabs than commas, as Excel's text export does.
unsigned char delimiterOf(const QString &text)
{
    const QStringView header = QStringView(text).left(text.indexOf(u'\n'));
    return header.count(u'\t') > header.count(u',') ? CSV_TAB : CSV_COMMA;
}

void checkValueCount(const RecordCollector &collector)
{
    if (collector.values > kMaxValues)
        throw VkError(QCoreApplication::translate("MergeTableReader",
                                                  "差し込みデータの値が多すぎます。%1 個までの表が使えます")
                          .arg(kMaxValues));
}

RecordCollector parseRecords(const QString &text)
{
    csv_parser parser;
    if (csv_init(&parser, CSV_STRICT | CSV_STRICT_FINI) != 0)
        throw std::bad_alloc();
    const std::unique_ptr<csv_parser, void (*)(csv_parser *)> guard(&parser, csv_free);
    csv_set_delim(&parser, delimiterOf(text));
    csv_set_space_func(&parser, noSpace);
    csv_set_realloc_func(&parser, growField);
    const GrowingParser growing(parser);

    RecordCollector collector;
    const QByteArray bytes = text.toUtf8();
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        end = end < 0 ? bytes.size() : end + 1;
        ++collector.line;
        const QByteArrayView line(bytes.constData() + start, end - start);
        if (collector.betweenRecords && !line.trimmed().isEmpty()) {
            collector.betweenRecords = false;
            collector.recordLine = collector.line;
        }
        if (csv_parse(&parser, line.data(), std::size_t(line.size()), RecordCollector::EndField,
                      RecordCollector::EndRecord, &collector) != std::size_t(line.size()))
            throw csv_error(&parser) == CSV_EPARSE
                ? VkError(lineMessage(collector.line,
                                      QCoreApplication::translate("MergeTableReader",
                                                                  "引用符 \" の使い方が正しくありません")))
                : VkError(QString::fromUtf8(csv_strerror(csv_error(&parser))));
        checkValueCount(collector);
        start = end;
    }
    if (csv_fini(&parser, RecordCollector::EndField, RecordCollector::EndRecord, &collector) != 0)
        throw VkError(
            lineMessage(collector.recordLine,
                        QCoreApplication::translate("MergeTableReader", "引用符 \" が閉じていません")));
    checkValueCount(collector);
    return collector;
}

} // namespace

MergeTable MergeTableReader::Read(const QByteArray &bytes, std::optional<TableEncoding> encoding)
{
    if (OdsTableReader::IsSpreadsheet(bytes))
        return OdsTableReader::Read(bytes);
    if (encoding == TableEncoding::Workbook || XlsxTableReader::IsZipArchive(bytes))
        return XlsxTableReader::Read(bytes);
    if (VCardTableReader::IsAddressBook(bytes))
        return VCardTableReader::Read(bytes, encoding);
    const TableEncoding used = encoding.value_or(DetectTableEncoding(bytes));
    const QString text = DecodeTableText(bytes, used);
    checkIsText(text);
    RecordCollector parsed = parseRecords(text);
    if (parsed.rows.empty())
        throw VkError(
            QCoreApplication::translate("MergeTableReader", "差し込みデータに見出しの行がありません"));

    QStringList columns = std::move(parsed.rows.front());
    std::vector<QStringList> records;
    records.reserve(parsed.rows.size() - 1);
    for (std::size_t row = 1; row < parsed.rows.size(); ++row) {
        if (parsed.rows[row].size() != columns.size())
            throw VkError(lineMessage(
                parsed.rowLines[row],
                QCoreApplication::translate("MergeTableReader", "見出しは %1 列ですが、この行は %2 列です")
                    .arg(columns.size())
                    .arg(parsed.rows[row].size())));
        records.push_back(std::move(parsed.rows[row]));
    }
    return MergeTable(std::move(columns), std::move(records), used);
}

MergeTable MergeTableReader::ReadFile(const QString &path, std::optional<TableEncoding> encoding)
{
    const QFileInfo info(path);
    // A named pipe or a device would never end; only a regular file is a table.
    if (!info.isFile())
        throw VkError(
            QCoreApplication::translate("MergeTableReader", "ファイル %1 が見つかりません").arg(path));
    if (info.size() > kMaxTableBytes)
        throw VkError(QCoreApplication::translate(
                          "MergeTableReader", "ファイル %1 は差し込みデータとして大きすぎます (%2 MB まで)")
                          .arg(path)
                          .arg(kMaxTableBytes / (1024 * 1024)));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw VkError(QCoreApplication::translate("MergeTableReader", "ファイル %1 を開けません。%2")
                          .arg(path, file.errorString()));
    const QByteArray bytes = file.read(kMaxTableBytes + 1);
    const QString suffix = info.suffix().toLower();
    if (!encoding && suffix == u"xlsx")
        encoding = TableEncoding::Workbook;
    try {
        // A damaged file is named as what its name says it is.
        if (suffix == u"ods")
            return OdsTableReader::Read(bytes);
        if (suffix == u"vcf" || suffix == u"vcard")
            return VCardTableReader::Read(bytes, encoding);
        return Read(bytes, encoding);
    } catch (const VkError &error) {
        throw VkError(QStringLiteral("%1\n(%2)").arg(error.Message(), path));
    }
}
