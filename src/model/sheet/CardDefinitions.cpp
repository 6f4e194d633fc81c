#include "model/sheet/CardDefinitions.h"

#include "model/platform/Cp932.h"
#include "model/platform/ProgramFolder.h"
#include "model/platform/SaveWholeFile.h"
#include "model/platform/SettingsFileBytes.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstring>
#include <limits>

namespace {

const QString kListFileName = QStringLiteral("CardDef.lst");
const QString kShippedFileName = QStringLiteral("CardDef.Def");
constexpr int kFieldCount = 10;

// A record made from a line that carries no numbers of its own.
constexpr TCardDef kDefaultLayout = {{}, 860, 605, 4, 2, 15, 15, 5, 8, 0};

bool isSeparatorSpace(char c)
{
    return static_cast<unsigned char>(c) <= ' ';
}

bool isLeadByte(unsigned char c)
{
    return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC);
}

bool isTrailByte(unsigned char c)
{
    return (c >= 0x40 && c <= 0x7E) || (c >= 0x80 && c <= 0xFC);
}

// Length of the character that starts at pos: two bytes for a lead byte with a valid second byte.
// A broken pair counts as one byte, so a comma or quote after a stray lead byte still separates.
qsizetype characterLength(QByteArrayView bytes, qsizetype pos)
{
    if (isLeadByte(static_cast<unsigned char>(bytes[pos])) && pos + 1 < bytes.size() &&
        isTrailByte(static_cast<unsigned char>(bytes[pos + 1])))
        return 2;
    return 1;
}

qsizetype skipSpaces(QByteArrayView line, qsizetype pos)
{
    while (pos < line.size() && isSeparatorSpace(line[pos]))
        ++pos;
    return pos;
}

// A quoted field runs to its closing quote ("" stands for one quote), or to the line end when the
// quote is never closed.
QByteArray readQuotedField(QByteArrayView line, qsizetype &pos)
{
    QByteArray field;
    ++pos;
    while (pos < line.size()) {
        if (line[pos] == '"') {
            if (pos + 1 < line.size() && line[pos + 1] == '"') {
                field += '"';
                pos += 2;
                continue;
            }
            ++pos;
            break;
        }
        const qsizetype length = characterLength(line, pos);
        field += line.sliced(pos, length);
        pos += length;
    }
    return field;
}

QByteArray readPlainField(QByteArrayView line, qsizetype &pos)
{
    const qsizetype start = pos;
    while (pos < line.size() && !isSeparatorSpace(line[pos]) && line[pos] != ',')
        pos += characterLength(line, pos);
    return line.sliced(start, pos - start).toByteArray();
}

QList<QByteArray> splitFields(QByteArrayView line)
{
    QList<QByteArray> fields;
    qsizetype pos = skipSpaces(line, 0);
    while (pos < line.size() && fields.size() < kFieldCount) {
        fields.append(line[pos] == '"' ? readQuotedField(line, pos) : readPlainField(line, pos));
        pos = skipSpaces(line, pos);
        if (pos < line.size() && line[pos] == ',')
            pos = skipSpaces(line, pos + 1);
    }
    return fields;
}

// A decimal integer with an optional sign that fits 32 bits; anything else is not a number.
bool parseInteger(const QByteArray &field, std::int32_t &value)
{
    qsizetype pos = 0;
    const bool negative = !field.isEmpty() && field[0] == '-';
    if (!field.isEmpty() && (field[0] == '-' || field[0] == '+'))
        ++pos;
    if (pos == field.size())
        return false;
    std::int64_t magnitude = 0;
    for (; pos < field.size(); ++pos) {
        if (field[pos] < '0' || field[pos] > '9')
            return false;
        magnitude = magnitude * 10 + (field[pos] - '0');
        if (magnitude > std::int64_t(std::numeric_limits<std::int32_t>::max()) + 1)
            return false;
    }
    const std::int64_t signedValue = negative ? -magnitude : magnitude;
    if (signedValue > std::numeric_limits<std::int32_t>::max())
        return false;
    value = static_cast<std::int32_t>(signedValue);
    return true;
}

void readNumber(const QByteArray &field, std::int32_t &value)
{
    std::int32_t parsed = 0;
    if (parseInteger(field, parsed))
        value = parsed;
}

bool needsQuotes(QByteArrayView field)
{
    for (qsizetype pos = 0; pos < field.size(); pos += characterLength(field, pos)) {
        const unsigned char c = static_cast<unsigned char>(field[pos]);
        if ((c >= 1 && c <= ' ') || c == '"' || c == ',')
            return true;
    }
    return false;
}

// A line end inside a name would split its record in two when the file is read again, so CR and
// LF are written as spaces.
QByteArray quoteField(QByteArrayView field)
{
    QByteArray quoted;
    for (qsizetype pos = 0; pos < field.size();) {
        const qsizetype length = characterLength(field, pos);
        if (field[pos] == '"')
            quoted += '"';
        if (field[pos] == '\r' || field[pos] == '\n')
            quoted += ' ';
        else
            quoted += field.sliced(pos, length);
        pos += length;
    }
    return needsQuotes(field) ? '"' + quoted + '"' : quoted;
}

// Lines end at CR LF, a lone CR or a lone LF; a line end at the end of the file closes the last
// line rather than starting an empty one.
QList<QByteArrayView> splitLines(QByteArrayView text)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != '\r' && text[end] != '\n')
            ++end;
        lines.append(text.sliced(start, end - start));
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return lines;
}

void copyShippedToList(const QString &path)
{
    const QFileInfo info(path);
    if (info.suffix().toUpper() != QStringLiteral("DEF"))
        return;
    // QFile::copy refuses to replace an existing file; a failed copy is not an error here. The copy
    // is the user's to edit, also when the shipped file was installed read-only.
    const QString listPath = ProgramFile(kListFileName);
    if (QFile::copy(path, listPath))
        QFile::setPermissions(listPath, QFile::permissions(listPath) | QFileDevice::WriteOwner);
}

} // namespace

QString CardDefFileName()
{
    const QString list = ProgramFile(kListFileName);
    return QFileInfo(list).isFile() ? list : ShippedFile(kShippedFileName);
}

TCardDef ParseCardDef(QByteArrayView line)
{
    const QList<QByteArray> fields = splitFields(line);
    TCardDef cardDef = kDefaultLayout;
    if (!fields.isEmpty())
        SetCardDefName(cardDef, fields[0]);
    if (fields.size() < kFieldCount)
        return cardDef;
    readNumber(fields[1], cardDef.CardSizeX);
    readNumber(fields[2], cardDef.CardSizeY);
    readNumber(fields[3], cardDef.Columns);
    readNumber(fields[4], cardDef.Lines);
    readNumber(fields[5], cardDef.LeftMargin);
    readNumber(fields[6], cardDef.TopMargin);
    readNumber(fields[7], cardDef.ColumnSpace);
    readNumber(fields[8], cardDef.LineSpace);
    std::int32_t system = 0;
    cardDef.System = parseInteger(fields[9], system) && system != 0 ? 1 : 0;
    return cardDef;
}

QByteArray FormatCardDef(const TCardDef &cardDef)
{
    QByteArray line = quoteField(CardDefNameBytes(cardDef));
    for (const std::int32_t value :
         {cardDef.CardSizeX, cardDef.CardSizeY, cardDef.Columns, cardDef.Lines, cardDef.LeftMargin,
          cardDef.TopMargin, cardDef.ColumnSpace, cardDef.LineSpace})
        line += ',' + QByteArray::number(value);
    line += cardDef.System != 0 ? ",1" : ",0";
    return line;
}

void LoadCardDefs(std::unique_ptr<TCardDefList> &list)
{
    FreeCardDefs(list);
    list = std::make_unique<TCardDefList>();
    const QString path = CardDefFileName();
    const std::optional<QByteArray> text = ReadSettingsFileBytes(path);
    if (!text)
        throw VkError(
            QCoreApplication::translate("CardDefinitions", "ファイル %1 はカード用紙の一覧として読めません")
                .arg(path));
    copyShippedToList(path);
    for (const QByteArrayView line : splitLines(*text))
        list->push_back(ParseCardDef(line));
}

void SaveCardDefs(const TCardDefList &list)
{
    const QString path = CardDefFileName();
    QByteArray text;
    for (const TCardDef &cardDef : list)
        text += FormatCardDef(cardDef) + "\r\n";
    QString reason;
    if (!SaveWholeFile(path, text, &reason))
        throw VkError(QCoreApplication::translate("CardDefinitions", "ファイル %1 に書き込めません。%2")
                          .arg(path, reason));
}

void FreeCardDefs(std::unique_ptr<TCardDefList> &list)
{
    list.reset();
}

bool SameCardLayout(const TCardDef &a, const TCardDef &b)
{
    return a.CardSizeX == b.CardSizeX && a.CardSizeY == b.CardSizeY && a.Columns == b.Columns &&
           a.Lines == b.Lines && a.LeftMargin == b.LeftMargin && a.TopMargin == b.TopMargin &&
           a.ColumnSpace == b.ColumnSpace && a.LineSpace == b.LineSpace;
}

QByteArray CardDefNameBytes(const TCardDef &cardDef)
{
    const char *name = cardDef.Name;
    return QByteArray(name, qsizetype(std::find(name, name + sizeof cardDef.Name, '\0') - name));
}

void SetCardDefName(TCardDef &cardDef, QByteArrayView name)
{
    std::memset(cardDef.Name, 0, sizeof cardDef.Name);
    std::copy_n(name.data(), std::min<qsizetype>(name.size(), sizeof cardDef.Name), cardDef.Name);
}

QString CardDefName(const TCardDef &cardDef)
{
    return Cp932::Decode(CardDefNameBytes(cardDef));
}
