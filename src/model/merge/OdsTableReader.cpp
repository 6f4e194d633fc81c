#include "model/merge/OdsTableReader.h"

#include "model/merge/SheetRows.h"
#include "model/merge/ZipArchive.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <QSet>
#include <QXmlStreamReader>
#include <algorithm>
#include <optional>

namespace {

// The content part larger than this is no staff list; the bound keeps a zip bomb from taking the memory.
constexpr qint64 kMaxPartBytes = 256 * 1024 * 1024;

const QString kContentPart = QStringLiteral("content.xml");
// More rows or cells than a sheet has are as many as it has: a repeat never counts past this.
constexpr qint64 kMostRepeats = 1 << 24;

// An attribute in one of the format's namespaces ("table", "style", "text", "office"), whatever
// prefix the file gives them.
QStringView attribute(const QXmlStreamReader &xml, const char *space, const char *name)
{
    return xml.attributes().value(
        QStringLiteral("urn:oasis:names:tc:opendocument:xmlns:%1:1.0").arg(QLatin1String(space)),
        QLatin1String(name));
}

bool isTableElement(const QXmlStreamReader &xml, QStringView name)
{
    return xml.name() == name && xml.namespaceUri() == u"urn:oasis:names:tc:opendocument:xmlns:table:1.0";
}

void checkParsed(const QXmlStreamReader &xml)
{
    if (xml.hasError())
        throw VkError(QCoreApplication::translate("OdsTableReader", "%1 が壊れています (%2 行目: %3)")
                          .arg(kContentPart)
                          .arg(xml.lineNumber())
                          .arg(xml.errorString()));
}

// How many times a row or cell stands, at least once.
qint64 repeatsOf(const QXmlStreamReader &xml, const char *space, const char *name)
{
    return std::clamp<qint64>(attribute(xml, space, name).toLongLong(), 1, kMostRepeats);
}

// The styles of tables the file hides (table:display="false"); they come ahead of the sheets.
QSet<QString> readHiddenTableStyles(QXmlStreamReader &xml)
{
    QSet<QString> hidden;
    QString style;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"style")
            style = attribute(xml, "style", "name").toString();
        else if (xml.name() == u"table-properties" && attribute(xml, "table", "display") == u"false")
            hidden.insert(style);
        else if (xml.name() == u"spreadsheet")
            break;
    }
    return hidden;
}

// The text of cells as shown: each paragraph a line, runs of spaces and tabs as stored. Spaces
// written as a count are bounded in all by the content's size, so a hostile count cannot take the
// memory.
class CellTextReader {
public:
    explicit CellTextReader(qint64 spaceBudget) : spaceBudget_(spaceBudget) {}

    // Reads the cell element the reader is on.
    QString Read(QXmlStreamReader &xml)
    {
        const QString stored = storedValue(xml);
        QStringList paragraphs;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"p")
                paragraphs.append(readParagraph(xml));
            else
                xml.skipCurrentElement();
        }
        return paragraphs.isEmpty() ? stored : paragraphs.join(u'\n');
    }

private:
    // A cell written without its shown text by a program other than a spreadsheet's.
    static QString storedValue(const QXmlStreamReader &xml)
    {
        for (const char *name : {"string-value", "value", "date-value", "time-value", "boolean-value"})
            if (const QStringView value = attribute(xml, "office", name); !value.isEmpty())
                return value.toString();
        return {};
    }

    // Spans and links nest; they are followed by a count of depth, never by recursion.
    QString readParagraph(QXmlStreamReader &xml)
    {
        QString text;
        int depth = 0;
        while (!xml.atEnd()) {
            const QXmlStreamReader::TokenType token = xml.readNext();
            if (token == QXmlStreamReader::Characters) {
                text += xml.text();
            } else if (token == QXmlStreamReader::EndElement) {
                if (depth-- == 0)
                    break;
            } else if (token == QXmlStreamReader::StartElement) {
                if (xml.name() == u"s") {
                    text += QString(spaces(repeatsOf(xml, "text", "c")), u' ');
                    xml.skipCurrentElement();
                } else if (xml.name() == u"tab" || xml.name() == u"line-break") {
                    text += xml.name() == u"tab" ? u'\t' : u'\n';
                    xml.skipCurrentElement();
                } else if (xml.name() == u"note" || xml.name() == u"annotation") {
                    xml.skipCurrentElement();
                } else {
                    ++depth;
                }
            }
        }
        return text;
    }

    qsizetype spaces(qint64 count)
    {
        if (count > spaceBudget_)
            throw VkError(
                QCoreApplication::translate("OdsTableReader", "%1 の空白が多すぎます").arg(kContentPart));
        spaceBudget_ -= count;
        return qsizetype(count);
    }

    qint64 spaceBudget_;
};

// The values of the row element the reader is on, each at its column, up to width columns.
QStringList readRow(QXmlStreamReader &xml, CellTextReader &cells, int width)
{
    QStringList values;
    qint64 column = 0;
    while (xml.readNextStartElement()) {
        if (!isTableElement(xml, u"table-cell") && !isTableElement(xml, u"covered-table-cell")) {
            xml.skipCurrentElement();
            continue;
        }
        const qint64 repeated = repeatsOf(xml, "table", "number-columns-repeated");
        const QString text = column < width ? cells.Read(xml) : QString();
        if (column >= width)
            xml.skipCurrentElement();
        const qint64 end = std::min<qint64>(column + repeated, width);
        if (!text.isEmpty()) {
            values.resize(qsizetype(end));
            std::fill(values.begin() + column, values.end(), text);
        }
        column += repeated;
    }
    return values;
}

// Reads the table element the reader is on; rows stand in it or in its groups of rows.
MergeTable readTable(QXmlStreamReader &xml, qint64 contentBytes)
{
    SheetRows rows(kContentPart);
    CellTextReader cells(contentBytes);
    int depth = 0;
    while (!xml.atEnd()) {
        const QXmlStreamReader::TokenType token = xml.readNext();
        if (token == QXmlStreamReader::EndElement && depth-- == 0)
            break;
        if (token != QXmlStreamReader::StartElement)
            continue;
        if (isTableElement(xml, u"table-row")) {
            const qint64 repeated = repeatsOf(xml, "table", "number-rows-repeated");
            rows.Add(readRow(xml, cells, rows.Width()), repeated);
        } else if (isTableElement(xml, u"table-row-group") || isTableElement(xml, u"table-header-rows") ||
                   isTableElement(xml, u"table-rows")) {
            ++depth;
        } else {
            xml.skipCurrentElement();
        }
    }
    checkParsed(xml);
    return rows.Table();
}

// The first sheet not hidden, or the first sheet when every one is; none when the file has none.
std::optional<MergeTable> readFirstSheet(const QByteArray &content, bool shownOnly)
{
    QXmlStreamReader xml(content);
    const QSet<QString> hidden = readHiddenTableStyles(xml);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || !isTableElement(xml, u"table"))
            continue;
        if (shownOnly && hidden.contains(attribute(xml, "table", "style-name").toString()))
            xml.skipCurrentElement();
        else
            return readTable(xml, content.size());
    }
    checkParsed(xml);
    return std::nullopt;
}

MergeTable readSpreadsheet(const ZipArchive &archive)
{
    const QByteArray content = archive.Read(kContentPart, kMaxPartBytes);
    if (std::optional<MergeTable> table = readFirstSheet(content, true))
        return std::move(*table);
    if (std::optional<MergeTable> table = readFirstSheet(content, false))
        return std::move(*table);
    throw VkError(QCoreApplication::translate("OdsTableReader", "%1 にシートがありません").arg(kContentPart));
}

} // namespace

bool OdsTableReader::IsSpreadsheet(QByteArrayView bytes)
{
    // The first part is "mimetype", stored uncompressed, its name 30 bytes in and its text after it.
    return bytes.startsWith("PK\x03\x04") &&
           bytes.sliced(std::min<qsizetype>(30, bytes.size()))
               .startsWith("mimetypeapplication/vnd.oasis.opendocument.spreadsheet");
}

MergeTable OdsTableReader::Read(const QByteArray &bytes)
{
    try {
        return readSpreadsheet(ZipArchive(bytes));
    } catch (const VkError &error) {
        throw VkError(
            QCoreApplication::translate("OdsTableReader", "差し込みデータを ODS ブックとして読めません: %1")
                .arg(error.Message()));
    }
}
