#include "model/merge/XlsxTableReader.h"

#include "model/merge/ZipArchive.h"
#include "model/platform/VkError.h"

#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <vector>

namespace {

// A sheet part larger than this is no staff list; the bound keeps a zip bomb from taking the memory.
constexpr qint64 kMaxPartBytes = 256 * 1024 * 1024;
// Values kept, in shared strings and in the table: far more than a staff list, far less than the
// memory.
constexpr qsizetype kMaxValues = 4'000'000;
// A sheet's last column is XFD.
constexpr int kMaxColumns = 16384;

const QString kWorkbookPart = QStringLiteral("xl/workbook.xml");
const QString kWorkbookRelationsPart = QStringLiteral("xl/_rels/workbook.xml.rels");

struct Relationship {
    QString id;
    QString type;
    QString part; // the target's part name in the archive
};

void checkParsed(const QXmlStreamReader &xml, const QString &part)
{
    if (xml.hasError())
        throw VkError(QStringLiteral("%1 が壊れています (%2 行目: %3)")
                          .arg(part)
                          .arg(xml.lineNumber())
                          .arg(xml.errorString()));
}

bool nextStartElement(QXmlStreamReader &xml, QStringView name)
{
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == name)
            return true;
    return false;
}

// The relationship id an element refers to: an attribute "id" in the relationships namespace, whose
// address differs between the workbook's transitional and strict forms.
QString relationshipIdOf(const QXmlStreamReader &xml)
{
    for (const QXmlStreamAttribute &attribute : xml.attributes())
        if (attribute.name() == u"id" && !attribute.namespaceUri().isEmpty())
            return attribute.value().toString();
    return {};
}

QString firstSheetId(const QByteArray &workbook)
{
    QXmlStreamReader xml(workbook);
    const bool found = nextStartElement(xml, u"sheet");
    checkParsed(xml, kWorkbookPart);
    if (!found)
        throw VkError(QStringLiteral("%1 にシートがありません").arg(kWorkbookPart));
    return relationshipIdOf(xml);
}

// Targets are relative to the workbook's folder, or to the archive's root when they start with "/".
QString partOfTarget(const QString &target)
{
    return target.startsWith(u'/') ? QDir::cleanPath(target.mid(1))
                                   : QDir::cleanPath(QStringLiteral("xl/") + target);
}

std::vector<Relationship> readRelationships(const QByteArray &bytes)
{
    std::vector<Relationship> relationships;
    QXmlStreamReader xml(bytes);
    while (nextStartElement(xml, u"Relationship")) {
        const QXmlStreamAttributes attributes = xml.attributes();
        relationships.push_back({attributes.value(QLatin1String("Id")).toString(),
                                 attributes.value(QLatin1String("Type")).toString(),
                                 partOfTarget(attributes.value(QLatin1String("Target")).toString())});
    }
    checkParsed(xml, kWorkbookRelationsPart);
    return relationships;
}

// Excel writes characters that XML cannot hold (a carriage return among them) as _xHHHH_.
QString unescapeText(QString text)
{
    static const QRegularExpression escape(QStringLiteral("_x([0-9A-Fa-f]{4})_"));
    if (!text.contains(u"_x"))
        return text;
    QString result;
    qsizetype start = 0;
    for (const QRegularExpressionMatch &match : escape.globalMatch(text)) {
        result += QStringView(text).mid(start, match.capturedStart() - start);
        result += QChar(match.capturedView(1).toUShort(nullptr, 16));
        start = match.capturedEnd();
    }
    return result.append(QStringView(text).mid(start));
}

// The text of the element the reader is on, from its <t> children.
void appendTexts(QXmlStreamReader &xml, QString &text)
{
    while (xml.readNextStartElement()) {
        if (xml.name() == u"t")
            text += xml.readElementText();
        else
            xml.skipCurrentElement();
    }
}

// The text of a string item (<si> or <is>), whose runs (<r>) of differently formatted text are
// joined. Runs hold no runs, so runs nested in a hostile file are skipped rather than followed
// deeper. The reading aids (ふりがな) a Japanese Excel stores beside the text are left out.
QString readStringItem(QXmlStreamReader &xml)
{
    QString text;
    while (xml.readNextStartElement()) {
        if (xml.name() == u"t")
            text += xml.readElementText();
        else if (xml.name() == u"r")
            appendTexts(xml, text);
        else
            xml.skipCurrentElement();
    }
    return unescapeText(std::move(text));
}

QStringList readSharedStrings(const QByteArray &bytes, const QString &part)
{
    QStringList strings;
    QXmlStreamReader xml(bytes);
    while (nextStartElement(xml, u"si")) {
        if (strings.size() == kMaxValues)
            throw VkError(QStringLiteral("%1 の文字列が多すぎます").arg(part));
        strings.append(readStringItem(xml));
    }
    checkParsed(xml, part);
    return strings;
}

// A number as Excel's General format shows it: integers without a decimal point, and no more than
// the 15 significant digits Excel computes with, so that 0.1+0.2 shows as 0.3.
QString generalNumberText(const QString &stored)
{
    bool isNumber = false;
    const double value = stored.toDouble(&isNumber);
    return isNumber ? QString::number(value, 'g', 15).toUpper() : stored;
}

// The column of a reference such as "C5", from 0; -1 when it is not one.
int columnOfReference(QStringView reference)
{
    int column = 0;
    qsizetype letters = 0;
    while (letters < reference.size() && letters < 3 && reference[letters] >= u'A' &&
           reference[letters] <= u'Z')
        column = column * 26 + (reference[letters++].unicode() - u'A' + 1);
    const QStringView row = reference.mid(letters);
    const bool rowIsNumber = !row.isEmpty() && std::all_of(row.begin(), row.end(), [](QChar digit) {
        return digit >= u'0' && digit <= u'9';
    });
    return letters > 0 && rowIsNumber && column <= kMaxColumns ? column - 1 : -1;
}

struct Cell {
    int column;
    QString text;
};

class CellReader {
public:
    CellReader(const QStringList &sharedStrings, const QString &part) : shared_(sharedStrings), part_(part) {}

    // Reads the <c> element the reader is on; a cell without a reference follows the one before it.
    Cell Read(QXmlStreamReader &xml, int previousColumn) const
    {
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString reference = attributes.value(QLatin1String("r")).toString();
        const int column = reference.isEmpty() ? previousColumn + 1 : columnOfReference(reference);
        if (column < 0 || column >= kMaxColumns)
            throw VkError(QStringLiteral("%1 のセル番地 %2 が正しくありません").arg(part_, reference));
        const QStringView type = attributes.value(QLatin1String("t"));
        QString value;
        QString inlineText;
        while (xml.readNextStartElement()) {
            if (xml.name() == u"v")
                value = xml.readElementText();
            else if (xml.name() == u"is")
                inlineText = readStringItem(xml);
            else
                xml.skipCurrentElement();
        }
        return {column, textOf(type, value, inlineText, reference)};
    }

private:
    QString textOf(QStringView type, const QString &value, const QString &inlineText,
                   const QString &reference) const
    {
        if (type == u"inlineStr")
            return inlineText;
        if (value.isEmpty())
            return {};
        if (type == u"s")
            return sharedString(value, reference);
        if (type == u"b")
            return value.trimmed() == u"1" ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        if (type == u"str")
            return unescapeText(value);
        // Errors (#DIV/0!) and dates written as text are shown as they are stored.
        if (type == u"e" || type == u"d")
            return value;
        return generalNumberText(value);
    }

    QString sharedString(const QString &value, const QString &reference) const
    {
        bool isIndex = false;
        const int index = value.toInt(&isIndex);
        if (!isIndex || index < 0 || index >= shared_.size())
            throw VkError(
                QStringLiteral("%1 のセル %2 が指す共有文字列 %3 がありません").arg(part_, reference, value));
        return shared_[index];
    }

    const QStringList &shared_;
    const QString &part_;
};

// The values of the <row> element the reader is on, each at its column.
QStringList readRow(QXmlStreamReader &xml, const CellReader &cells)
{
    QStringList values;
    int column = -1;
    while (xml.readNextStartElement()) {
        if (xml.name() != u"c") {
            xml.skipCurrentElement();
            continue;
        }
        Cell cell = cells.Read(xml, column);
        column = cell.column;
        if (cell.text.isEmpty())
            continue;
        if (values.size() <= column)
            values.resize(column + 1);
        values[column] = std::move(cell.text);
    }
    return values;
}

bool isEmptyRow(const QStringList &values)
{
    return std::all_of(values.begin(), values.end(), [](const QString &value) { return value.isEmpty(); });
}

MergeTable readSheet(const QByteArray &bytes, const QString &part, const QStringList &sharedStrings)
{
    const CellReader cells(sharedStrings, part);
    QStringList columns;
    std::vector<QStringList> records;
    QXmlStreamReader xml(bytes);
    while (nextStartElement(xml, u"row")) {
        QStringList values = readRow(xml, cells);
        if (columns.isEmpty()) {
            // readRow leaves out trailing empty cells, so the header ends at its last name.
            columns = std::move(values);
            continue;
        }
        values.resize(columns.size());
        if (isEmptyRow(values))
            continue;
        if (qsizetype(records.size() + 1) * columns.size() > kMaxValues)
            throw VkError(QStringLiteral("%1 の値が多すぎます").arg(part));
        records.push_back(std::move(values));
    }
    checkParsed(xml, part);
    if (columns.isEmpty())
        throw VkError(QStringLiteral("最初のシートに見出しの行がありません"));
    return MergeTable(std::move(columns), std::move(records), TableEncoding::Workbook);
}

QString partOf(const std::vector<Relationship> &relationships, const auto &matches)
{
    const auto found = std::find_if(relationships.begin(), relationships.end(), matches);
    return found == relationships.end() ? QString() : found->part;
}

MergeTable readWorkbook(const ZipArchive &archive)
{
    if (!archive.Contains(kWorkbookPart))
        throw VkError(QStringLiteral("%1 がありません").arg(kWorkbookPart));
    const QString sheetId = firstSheetId(archive.Read(kWorkbookPart, kMaxPartBytes));
    const std::vector<Relationship> relationships =
        readRelationships(archive.Read(kWorkbookRelationsPart, kMaxPartBytes));
    const QString sheetPart =
        partOf(relationships, [&sheetId](const Relationship &relation) { return relation.id == sheetId; });
    if (sheetId.isEmpty() || sheetPart.isEmpty())
        throw VkError(QStringLiteral("%1 に最初のシートの場所がありません").arg(kWorkbookRelationsPart));
    const QString sharedPart = partOf(relationships, [](const Relationship &relation) {
        return relation.type.endsWith(u"/sharedStrings");
    });
    const QStringList sharedStrings =
        sharedPart.isEmpty() ? QStringList()
                             : readSharedStrings(archive.Read(sharedPart, kMaxPartBytes), sharedPart);
    return readSheet(archive.Read(sheetPart, kMaxPartBytes), sheetPart, sharedStrings);
}

} // namespace

bool XlsxTableReader::IsZipArchive(QByteArrayView bytes)
{
    return bytes.startsWith("PK\x03\x04") || bytes.startsWith("PK\x05\x06");
}

MergeTable XlsxTableReader::Read(const QByteArray &bytes)
{
    try {
        return readWorkbook(ZipArchive(bytes));
    } catch (const VkError &error) {
        throw VkError(
            QStringLiteral("差し込みデータを Excel ブックとして読めません: %1").arg(error.Message()));
    }
}
