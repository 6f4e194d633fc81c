#include "model/merge/MergeFields.h"

#include "model/card/TextLimit.h"
#include "model/platform/VkError.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>

namespace {

const QRegularExpression &fieldPattern()
{
    // The shortest run between the braces, so "{{姓}}{{名}}" is two fields.
    static const QRegularExpression pattern(QStringLiteral("\\{\\{(.+?)\\}\\}"));
    return pattern;
}

const QString kSerialName = QStringLiteral("連番");
// A number of more digits than this is no numbering a card needs; it would only overflow.
constexpr qsizetype kMostDigits = 15;

bool isDigits(QStringView text)
{
    return !text.isEmpty() && text.size() <= kMostDigits &&
           std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

// The pattern after a numbering field's name and colon: "" for {{#}} and {{連番}}, the digits
// otherwise; none when the name is no numbering field.
std::optional<QStringView> numberPattern(QStringView name, QStringView field)
{
    if (name == field)
        return QStringView();
    if (name.size() > field.size() + 1 && name.startsWith(field) && name[field.size()] == u':' &&
        isDigits(name.mid(field.size() + 1)))
        return name.mid(field.size() + 1);
    return std::nullopt;
}

// number written with at least as many digits as pattern, padded with zeros.
QString padded(std::int64_t number, QStringView pattern)
{
    const bool zeroPadded = pattern.size() > 1 && pattern.startsWith(u'0');
    return QStringLiteral("%1").arg(number, zeroPadded ? int(pattern.size()) : 0, 10, QLatin1Char('0'));
}

// The value of a numbering field for that record and card; none for any other field.
std::optional<QString> numberingValue(const QString &name, int record, std::int64_t card)
{
    if (const std::optional<QStringView> pattern = numberPattern(name, u"#"))
        return padded(record + 1, *pattern);
    if (const std::optional<QStringView> start = numberPattern(name, kSerialName))
        return padded((start->isEmpty() ? 1 : start->toLongLong()) + card, *start);
    return std::nullopt;
}

} // namespace

namespace MergeFields {

bool IsNumbering(const QString &name)
{
    return numberPattern(name, u"#") || numberPattern(name, kSerialName);
}

std::optional<std::int64_t> FirstSerialStart(const QStringList &lines)
{
    for (const QString &name : FieldNames(lines))
        if (const std::optional<QStringView> start = numberPattern(name, kSerialName))
            return start->isEmpty() ? 1 : start->toLongLong();
    return std::nullopt;
}

bool HasSerial(const QStringList &lines)
{
    return FirstSerialStart(lines).has_value();
}

QString Field(const QString &column)
{
    return QStringLiteral("{{") + column + QStringLiteral("}}");
}

QStringList FieldNames(const QStringList &lines)
{
    QStringList names;
    for (const QString &line : lines) {
        for (const QRegularExpressionMatch &match : fieldPattern().globalMatch(line)) {
            if (!names.contains(match.captured(1)))
                names.append(match.captured(1));
        }
    }
    return names;
}

bool HasFields(const QStringList &lines)
{
    for (const QString &line : lines)
        if (fieldPattern().match(line).hasMatch())
            return true;
    return false;
}

namespace {

// The text with its fields filled, refused once it grows beyond room: a value no card can show
// would only take memory and time in every cell it is drawn in.
QString fillWithin(const QString &text, const MergeTable &table, int record, QStringList *missingColumns,
                   qsizetype room, std::int64_t card)
{
    QString filled;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch &match : fieldPattern().globalMatch(text)) {
        filled += QStringView(text).mid(copied, match.capturedStart() - copied);
        const QString column = match.captured(1);
        const std::optional<QString> value = table.ColumnIndex(column) >= 0
                                                 ? std::optional(table.Value(record, column))
                                                 : numberingValue(column, record, card);
        if (!value) {
            filled += match.captured(0);
            if (missingColumns && !missingColumns->contains(column))
                missingColumns->append(column);
        } else if (filled.size() + value->size() > room) {
            throw VkError(QCoreApplication::translate("MergeFields",
                                                      "差し込みデータのレコード %1 の列 %2 の値が長すぎます。"
                                                      "差し込んだ文字列は %3 文字までです")
                              .arg(record + 1)
                              .arg(column)
                              .arg(kMaxTextLength));
        } else {
            filled += *value;
        }
        copied = match.capturedEnd();
    }
    filled += QStringView(text).mid(copied);
    return filled;
}

} // namespace

QString FillText(const QString &text, const MergeTable &table, int record, QStringList *missingColumns,
                 std::int64_t card)
{
    return fillWithin(text, table, record, missingColumns, kMaxTextLength, card);
}

QStringList Fill(const QStringList &lines, const MergeTable &table, int record, QStringList *missingColumns,
                 std::int64_t card)
{
    QStringList filled;
    qsizetype used = 0;
    for (const QString &line : lines) {
        // Values typed in a spreadsheet cell break lines with LF or CR LF.
        QString text = fillWithin(line, table, record, missingColumns,
                                  std::max<qsizetype>(0, kMaxTextLength - used), card);
        used += text.size() + 1;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        filled += text.split(u'\n');
    }
    return filled;
}

} // namespace MergeFields
