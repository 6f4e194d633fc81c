#include "model/merge/XlsxTableReader.h"

#include "model/merge/SheetRows.h"
#include "model/merge/XlsxNumberFormat.h"
#include "model/merge/ZipArchive.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <QDir>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <algorithm>
#include <map>
#include <vector>

namespace {

// A sheet part larger than this is no staff list; the bound keeps a zip bomb from taking the memory.
constexpr qint64 kMaxPartBytes = 256 * 1024 * 1024;
// Values kept, in shared strings and in the table: far more than a staff list, far less than the
// memory.
constexpr qsizetype kMaxValues = 4'000'000;
// A sheet's last column is XFD.
constexpr int kMaxColumns = 16384;
// Cell formats and number formats of a workbook: Excel keeps fewer than 65000.
constexpr std::size_t kMaxFormats = 65536;

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
        throw VkError(QCoreApplication::translate("XlsxTableReader", "%1 が壊れています (%2 行目: %3)")
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

struct WorkbookSettings {
    QString firstSheetId;
    XlsxNumberFormat::DateSystem dateSystem = XlsxNumberFormat::DateSystem::From1900;
};

// A sheet the workbook hides is not among the tabs its user sees.
bool isShown(const QXmlStreamReader &xml)
{
    const QStringView state = xml.attributes().value(QLatin1String("state"));
    return state.isEmpty() || state == u"visible";
}

// The relationship id of the first sheet the user sees (of the first sheet, when every one is
// hidden), and the date system the workbook's properties (ahead of its sheets) name.
WorkbookSettings readWorkbookSettings(const QByteArray &workbook)
{
    WorkbookSettings settings;
    QXmlStreamReader xml(workbook);
    bool anySheet = false;
    bool shownSheet = false;
    while (!shownSheet && !xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == u"workbookPr") {
            const QStringView date1904 = xml.attributes().value(QLatin1String("date1904"));
            if (date1904 == u"1" || date1904 == u"true")
                settings.dateSystem = XlsxNumberFormat::DateSystem::From1904;
        } else if (xml.name() == u"sheet") {
            shownSheet = isShown(xml);
            if (!anySheet || shownSheet)
                settings.firstSheetId = relationshipIdOf(xml);
            anySheet = true;
        }
    }
    checkParsed(xml, kWorkbookPart);
    if (!anySheet)
        throw VkError(
            QCoreApplication::translate("XlsxTableReader", "%1 にシートがありません").arg(kWorkbookPart));
    return settings;
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
            throw VkError(
                QCoreApplication::translate("XlsxTableReader", "%1 の文字列が多すぎます").arg(part));
        strings.append(readStringItem(xml));
    }
    checkParsed(xml, part);
    return strings;
}

// The number format of each of a workbook's cell formats, in their order, which a cell's s attribute
// indexes. A format number the workbook defines no code for is a built-in format.
std::vector<XlsxNumberFormat> readCellFormats(const QByteArray &bytes, const QString &part)
{
    std::map<int, XlsxNumberFormat> codedFormats;
    std::vector<int> formatIds;
    const auto checkCount = [&part](std::size_t count) {
        if (count >= kMaxFormats)
            throw VkError(QCoreApplication::translate("XlsxTableReader", "%1 の書式が多すぎます").arg(part));
    };
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (xml.name() == u"numFmt") {
            checkCount(codedFormats.size());
            codedFormats[attributes.value(QLatin1String("numFmtId")).toInt()] =
                XlsxNumberFormat::FromCode(attributes.value(QLatin1String("formatCode")));
        } else if (xml.name() == u"cellXfs") {
            // The cell style formats (cellStyleXfs) hold <xf> elements too; cells index these only.
            while (xml.readNextStartElement()) {
                if (xml.name() == u"xf") {
                    checkCount(formatIds.size());
                    formatIds.push_back(xml.attributes().value(QLatin1String("numFmtId")).toInt());
                }
                xml.skipCurrentElement();
            }
        }
    }
    checkParsed(xml, part);
    std::vector<XlsxNumberFormat> formats;
    for (const int id : formatIds) {
        const auto coded = codedFormats.find(id);
        formats.push_back(coded == codedFormats.end() ? XlsxNumberFormat::BuiltIn(id) : coded->second);
    }
    return formats;
}

// How the workbook shows its numbers. A cell whose s attribute names no cell format, as in a
// workbook saved without styles, shows its number as General does.
struct NumberFormats {
    std::vector<XlsxNumberFormat> cellFormats;
    XlsxNumberFormat::DateSystem dateSystem;

    QString TextOf(const QString &stored, QStringView styleIndex) const
    {
        bool isNumber = false;
        const double value = stored.toDouble(&isNumber);
        if (!isNumber)
            return stored;
        bool isIndex = false;
        const qsizetype index = styleIndex.toInt(&isIndex);
        return isIndex && index >= 0 && index < qsizetype(cellFormats.size())
                   ? cellFormats[std::size_t(index)].Text(value, dateSystem)
                   : XlsxNumberFormat::GeneralText(value);
    }
};

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
    CellReader(const QStringList &sharedStrings, const NumberFormats &numberFormats, const QString &part)
        : shared_(sharedStrings), numberFormats_(numberFormats), part_(part)
    {
    }

    // Reads the <c> element the reader is on; a cell without a reference follows the one before it.
    Cell Read(QXmlStreamReader &xml, int previousColumn) const
    {
        const QXmlStreamAttributes attributes = xml.attributes();
        const QString reference = attributes.value(QLatin1String("r")).toString();
        const int column = reference.isEmpty() ? previousColumn + 1 : columnOfReference(reference);
        if (column < 0 || column >= kMaxColumns)
            throw VkError(
                QCoreApplication::translate("XlsxTableReader", "%1 のセル番地 %2 が正しくありません")
                    .arg(part_, reference));
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
        return {column, textOf(attributes, value, inlineText, reference)};
    }

private:
    QString textOf(const QXmlStreamAttributes &attributes, const QString &value, const QString &inlineText,
                   const QString &reference) const
    {
        const QStringView type = attributes.value(QLatin1String("t"));
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
        return numberFormats_.TextOf(value, attributes.value(QLatin1String("s")));
    }

    QString sharedString(const QString &value, const QString &reference) const
    {
        bool isIndex = false;
        const int index = value.toInt(&isIndex);
        if (!isIndex || index < 0 || index >= shared_.size())
            throw VkError(QCoreApplication::translate("XlsxTableReader",
                                                      "%1 のセル %2 が指す共有文字列 %3 がありません")
                              .arg(part_, reference, value));
        return shared_[index];
    }

    const QStringList &shared_;
    const NumberFormats &numberFormats_;
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

MergeTable readSheet(const QByteArray &bytes, const QString &part, const QStringList &sharedStrings,
                     const NumberFormats &numberFormats)
{
    const CellReader cells(sharedStrings, numberFormats, part);
    SheetRows rows(part);
    QXmlStreamReader xml(bytes);
    while (nextStartElement(xml, u"row"))
        rows.Add(readRow(xml, cells));
    checkParsed(xml, part);
    return rows.Table();
}

QString partOf(const std::vector<Relationship> &relationships, const auto &matches)
{
    const auto found = std::find_if(relationships.begin(), relationships.end(), matches);
    return found == relationships.end() ? QString() : found->part;
}

MergeTable readWorkbook(const ZipArchive &archive)
{
    if (!archive.Contains(kWorkbookPart))
        throw VkError(QCoreApplication::translate("XlsxTableReader", "%1 がありません").arg(kWorkbookPart));
    const WorkbookSettings settings = readWorkbookSettings(archive.Read(kWorkbookPart, kMaxPartBytes));
    const QString &sheetId = settings.firstSheetId;
    const std::vector<Relationship> relationships =
        readRelationships(archive.Read(kWorkbookRelationsPart, kMaxPartBytes));
    const QString sheetPart =
        partOf(relationships, [&sheetId](const Relationship &relation) { return relation.id == sheetId; });
    if (sheetId.isEmpty() || sheetPart.isEmpty())
        throw VkError(QCoreApplication::translate("XlsxTableReader", "%1 に最初のシートの場所がありません")
                          .arg(kWorkbookRelationsPart));
    const QString sharedPart = partOf(relationships, [](const Relationship &relation) {
        return relation.type.endsWith(u"/sharedStrings");
    });
    const QStringList sharedStrings =
        sharedPart.isEmpty() ? QStringList()
                             : readSharedStrings(archive.Read(sharedPart, kMaxPartBytes), sharedPart);
    const QString stylesPart = partOf(
        relationships, [](const Relationship &relation) { return relation.type.endsWith(u"/styles"); });
    const NumberFormats numberFormats{
        stylesPart.isEmpty() ? std::vector<XlsxNumberFormat>()
                             : readCellFormats(archive.Read(stylesPart, kMaxPartBytes), stylesPart),
        settings.dateSystem};
    return readSheet(archive.Read(sheetPart, kMaxPartBytes), sheetPart, sharedStrings, numberFormats);
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
        throw VkError(QCoreApplication::translate("XlsxTableReader",
                                                  "差し込みデータを Excel ブックとして読めません: %1")
                          .arg(error.Message()));
    }
}
