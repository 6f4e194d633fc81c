#include "model/merge/VCardTableReader.h"

#include "model/merge/TableEncoding.h"
#include "model/picture/VCard.h"
#include "model/platform/Cp932.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <QStringDecoder>
#include <algorithm>
#include <array>
#include <optional>
#include <vector>

namespace {

// As many values as the other tables hold: each value costs far more memory than its bytes.
constexpr std::size_t kMaxValues = 4'000'000;

enum Column { Name, Reading, Company, Department, Title, Phone, Mobile, Fax, Mail, PostalCode, Address, Url };
constexpr std::size_t kColumnCount = Url + 1;

// The names a card's fields use, so they are the same whatever language the window speaks.
QStringList columnNames()
{
    return {QStringLiteral("氏名"),     QStringLiteral("ふりがな"), QStringLiteral("会社"),
            QStringLiteral("部署"),     QStringLiteral("役職"),     QStringLiteral("電話"),
            QStringLiteral("携帯"),     QStringLiteral("FAX"),      QStringLiteral("メール"),
            QStringLiteral("郵便番号"), QStringLiteral("住所"),     QStringLiteral("URL")};
}

// A property with its lines unfolded: "TEL;TYPE=WORK,VOICE:03-1234-5678".
struct ContentLine {
    QByteArray text;
    int line; // where it begins in the file, from 1
    bool quotedPrintable;
};

bool isQuotedPrintable(QByteArrayView line)
{
    const qsizetype colon = line.indexOf(':');
    return line.first(colon < 0 ? line.size() : colon).toByteArray().toUpper().contains("QUOTED-PRINTABLE");
}

// Lines beginning with a space or a tab continue the line before (3.0 and 4.0, and 2.1 as phones
// write it); a quoted-printable value ending in "=" continues on the next line whatever it begins with.
std::vector<ContentLine> unfold(QByteArrayView bytes)
{
    std::vector<ContentLine> lines;
    int number = 0;
    qsizetype start = 0;
    while (start < bytes.size()) {
        qsizetype end = bytes.indexOf('\n', start);
        if (end < 0)
            end = bytes.size();
        QByteArrayView line = bytes.sliced(start, end - start);
        if (line.endsWith('\r'))
            line.chop(1);
        start = end + 1;
        ++number;
        if (!lines.empty() && lines.back().quotedPrintable && lines.back().text.endsWith('=')) {
            lines.back().text.chop(1);
            lines.back().text += line;
        } else if (!lines.empty() && (line.startsWith(' ') || line.startsWith('\t'))) {
            lines.back().text += line.sliced(1);
        } else if (!line.trimmed().isEmpty()) {
            lines.push_back({line.toByteArray(), number, isQuotedPrintable(line)});
        }
    }
    return lines;
}

// A content line read: its name without a group, its types (TYPE values and 2.1's bare parameters,
// lower case), its character set and its value as stored.
struct Property {
    QByteArray name;
    QList<QByteArray> types;
    QByteArray charset;
    bool quotedPrintable = false;
    QByteArray value;

    bool Is(const char *type) const { return types.contains(type); }
};

// Parameters may be quoted (4.0), and a quoted one may hold a colon or a semicolon.
QList<QByteArray> splitOutsideQuotes(QByteArrayView text, char separator)
{
    QList<QByteArray> parts{QByteArray()};
    bool quoted = false;
    for (const char byte : text) {
        if (byte == '"')
            quoted = !quoted;
        else if (byte == separator && !quoted)
            parts.append(QByteArray());
        else
            parts.last() += byte;
    }
    return parts;
}

std::optional<Property> parseProperty(const QByteArray &line)
{
    qsizetype colon = -1;
    bool quoted = false;
    for (qsizetype index = 0; index < line.size() && colon < 0; ++index) {
        if (line[index] == '"')
            quoted = !quoted;
        else if (line[index] == ':' && !quoted)
            colon = index;
    }
    if (colon < 0)
        return std::nullopt;
    const QList<QByteArray> head = splitOutsideQuotes(QByteArrayView(line).first(colon), ';');
    Property property;
    const QByteArray &name = head.first();
    property.name = name.mid(name.lastIndexOf('.') + 1).trimmed().toUpper();
    for (qsizetype index = 1; index < head.size(); ++index) {
        const QByteArray &parameter = head[index];
        const qsizetype equals = parameter.indexOf('=');
        const QByteArray key = parameter.left(equals < 0 ? parameter.size() : equals).trimmed().toUpper();
        const QByteArray value = equals < 0 ? QByteArray() : parameter.mid(equals + 1).trimmed();
        if (equals < 0)
            property.types.append(key.toLower());
        else if (key == "TYPE")
            for (const QByteArray &type : value.split(','))
                property.types.append(type.trimmed().toLower());
        else if (key == "CHARSET")
            property.charset = value.toUpper();
        else if (key == "ENCODING")
            property.types.append(value.toLower());
    }
    property.quotedPrintable = property.Is("quoted-printable");
    property.value = line.mid(colon + 1);
    return property;
}

int hexDigit(char digit)
{
    if (digit >= '0' && digit <= '9')
        return digit - '0';
    if (digit >= 'A' && digit <= 'F')
        return digit - 'A' + 10;
    if (digit >= 'a' && digit <= 'f')
        return digit - 'a' + 10;
    return -1;
}

QByteArray decodeQuotedPrintable(const QByteArray &value)
{
    QByteArray bytes;
    bytes.reserve(value.size());
    for (qsizetype index = 0; index < value.size(); ++index) {
        const int high = index + 2 < value.size() && value[index] == '=' ? hexDigit(value[index + 1]) : -1;
        const int low = high >= 0 ? hexDigit(value[index + 2]) : -1;
        if (low >= 0) {
            bytes += char(high * 16 + low);
            index += 2;
        } else {
            bytes += value[index];
        }
    }
    return bytes;
}

// Reads values in the character set a property names, or the file's own.
class ValueDecoder {
public:
    explicit ValueDecoder(TableEncoding fileEncoding) : fileEncoding_(fileEncoding) {}

    QString Text(const Property &property)
    {
        const QByteArray bytes =
            property.quotedPrintable ? decodeQuotedPrintable(property.value) : property.value;
        const TableEncoding encoding = encodingOf(property.charset);
        usedCp932_ = usedCp932_ || encoding == TableEncoding::Cp932;
        if (encoding != TableEncoding::Workbook)
            return DecodeTableText(bytes, encoding);
        QStringDecoder decoder(property.charset.constData());
        return decoder.decode(bytes);
    }

    // The encoding the table was read in, as the table editor writes it back.
    TableEncoding Encoding() const { return usedCp932_ ? TableEncoding::Cp932 : fileEncoding_; }

private:
    // Workbook stands for a character set Qt decodes by its name.
    TableEncoding encodingOf(const QByteArray &charset) const
    {
        if (charset.isEmpty())
            return fileEncoding_;
        static const std::array<const char *, 7> shiftJis{"SHIFT_JIS", "SHIFT-JIS", "SJIS",       "X-SJIS",
                                                          "CP932",     "MS_KANJI",  "WINDOWS-31J"};
        for (const char *name : shiftJis)
            if (charset == name)
                return TableEncoding::Cp932;
        if (charset == "UTF-8" || charset == "UTF8")
            return TableEncoding::Utf8;
        return QStringDecoder(charset.constData()).isValid() ? TableEncoding::Workbook : fileEncoding_;
    }

    TableEncoding fileEncoding_;
    bool usedCp932_ = false;
};

QString joined(const QStringList &parts, const QString &separator)
{
    QStringList filled;
    for (const QString &part : parts)
        if (!part.trimmed().isEmpty())
            filled.append(part.trimmed());
    return filled.join(separator);
}

// One of a card's phones, mails or addresses for a column: one marked as work beats one unmarked;
// one marked as home is never taken, as a staff card does not show it.
struct Choice {
    QString value;
    int rank = 3;

    void Offer(const Property &property, const QString &text)
    {
        if (property.Is("home") || text.isEmpty())
            return;
        const int offered = property.Is("work") ? 0 : 1;
        if (offered < rank) {
            value = text;
            rank = offered;
        }
    }
};

// What one card gives its record, gathered as its properties come.
class CardValues {
public:
    void Add(const Property &property, ValueDecoder &decoder)
    {
        const QByteArray &name = property.name;
        const QString text = decoder.Text(property);
        if (name == "FN")
            setOnce(fullName_, joined(VCardComponents(text), QStringLiteral(";")));
        else if (name == "N")
            setOnce(nameParts_, joined(VCardComponents(text).mid(0, 2), QStringLiteral(" ")));
        else if (name == "X-PHONETIC-LAST-NAME")
            setOnce(phoneticLast_, VCardComponents(text).join(QString()));
        else if (name == "X-PHONETIC-FIRST-NAME")
            setOnce(phoneticFirst_, VCardComponents(text).join(QString()));
        else if (name == "SORT-STRING")
            setOnce(sortString_, VCardComponents(text).join(QString()));
        else if (name == "SOUND" && property.Is("x-irmc-n"))
            setOnce(soundReading_, joined(VCardComponents(text).mid(0, 2), QStringLiteral(" ")));
        else if (name == "ORG")
            addOrganisation(VCardComponents(text));
        else if (name == "TITLE")
            setOnce(values_[Title], VCardComponents(text).join(QString()));
        else if (name == "TEL")
            addPhone(property, phoneNumber(text));
        else if (name == "EMAIL")
            mail_.Offer(property, VCardComponents(text).join(QString()).trimmed());
        else if (name == "ADR")
            address_.Offer(property, text);
        else if (name == "URL")
            setOnce(values_[Url], text.trimmed());
    }

    QStringList Record() const
    {
        std::array<QString, kColumnCount> values = values_;
        values[Name] = fullName_.isEmpty() ? nameParts_ : fullName_;
        const QString phonetic = joined({phoneticLast_, phoneticFirst_}, QStringLiteral(" "));
        values[Reading] = !phonetic.isEmpty()      ? phonetic
                          : !sortString_.isEmpty() ? sortString_
                                                   : soundReading_;
        values[Phone] = phone_.value;
        values[Mail] = mail_.value;
        // Components: post office box, extended address, street, locality, region, postal code,
        // country. A Japanese address reads from the prefecture down, the building last.
        const QStringList address = VCardComponents(address_.value);
        values[PostalCode] = address.value(5).trimmed();
        values[Address] = joined(
            {joined({address.value(4), address.value(3), address.value(2)}, QString()), address.value(1)},
            QStringLiteral(" "));
        return QStringList(values.begin(), values.end());
    }

private:
    static void setOnce(QString &value, const QString &text)
    {
        if (value.isEmpty())
            value = text;
    }

    // A 4.0 phone may be a tel: address.
    static QString phoneNumber(const QString &text)
    {
        const QString number = text.trimmed();
        return number.startsWith(QStringLiteral("tel:"), Qt::CaseInsensitive) ? number.mid(4) : number;
    }

    void addOrganisation(const QStringList &parts)
    {
        if (!values_[Company].isEmpty() || !values_[Department].isEmpty())
            return;
        values_[Company] = parts.value(0).trimmed();
        values_[Department] = joined(parts.mid(1), QStringLiteral(" "));
    }

    void addPhone(const Property &property, const QString &number)
    {
        if (property.Is("cell"))
            setOnce(values_[Mobile], number);
        else if (property.Is("fax"))
            setOnce(values_[Fax], number);
        else if (!property.Is("pager"))
            phone_.Offer(property, number);
    }

    std::array<QString, kColumnCount> values_;
    QString fullName_, nameParts_, phoneticLast_, phoneticFirst_, sortString_, soundReading_;
    Choice phone_, mail_, address_;
};

// Lines are folded at octets, which may split a character of UTF-8; the encoding is told from the
// lines joined again.
TableEncoding encodingOfLines(const std::vector<ContentLine> &lines)
{
    QByteArray joined;
    for (const ContentLine &line : lines)
        joined += line.text + '\n';
    return DetectTableEncoding(joined);
}

bool isCardBoundary(const Property &property, const char *name)
{
    return property.name == name && property.value.trimmed().toUpper() == "VCARD";
}

} // namespace

bool VCardTableReader::IsAddressBook(QByteArrayView bytes)
{
    const QByteArrayView start = bytes.first(std::min<qsizetype>(bytes.size(), 256));
    return DecodeTableText(start, DetectTableEncoding(start))
        .trimmed()
        .startsWith(QStringLiteral("BEGIN:VCARD"), Qt::CaseInsensitive);
}

MergeTable VCardTableReader::Read(const QByteArray &bytes, std::optional<TableEncoding> encoding)
{
    const bool chosen = encoding && encoding != TableEncoding::Workbook;
    const TableEncoding fileEncoding = chosen ? *encoding : DetectTableEncoding(bytes);
    // Wide text is read as the UTF-8 it holds; a byte order mark is no part of the first line.
    QByteArray text =
        fileEncoding == TableEncoding::Utf16 ? DecodeTableText(bytes, fileEncoding).toUtf8() : bytes;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const std::vector<ContentLine> lines = unfold(text);
    ValueDecoder decoder(fileEncoding == TableEncoding::Utf16 ? TableEncoding::Utf8
                         : chosen                             ? fileEncoding
                                                              : encodingOfLines(lines));

    std::vector<QStringList> records;
    CardValues card;
    int depth = 0;
    int cardLine = 0;
    for (const ContentLine &line : lines) {
        const std::optional<Property> property = parseProperty(line.text);
        if (!property)
            continue;
        if (isCardBoundary(*property, "BEGIN")) {
            if (depth++ == 0) {
                card = CardValues();
                cardLine = line.line;
            }
        } else if (isCardBoundary(*property, "END") && depth > 0) {
            if (--depth > 0)
                continue;
            if ((records.size() + 1) * kColumnCount > kMaxValues)
                throw VkError(QCoreApplication::translate(
                                  "VCardTableReader",
                                  "差し込みデータの %1 行目: vCard が多すぎます。%2 件までの住所録が使えます")
                                  .arg(line.line)
                                  .arg(kMaxValues / kColumnCount));
            records.push_back(card.Record());
        } else if (depth == 1) {
            card.Add(*property, decoder);
        }
    }
    if (depth > 0)
        throw VkError(
            QCoreApplication::translate("VCardTableReader",
                                        "差し込みデータの %1 行目: vCard が END:VCARD で終わっていません")
                .arg(cardLine));
    if (records.empty())
        throw VkError(QCoreApplication::translate("VCardTableReader", "差し込みデータに vCard がありません"));
    return MergeTable(columnNames(), std::move(records), decoder.Encoding());
}
