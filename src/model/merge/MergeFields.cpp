#include "model/merge/MergeFields.h"

#include "model/card/TextLimit.h"
#include "model/platform/VkError.h"

#include <QRegularExpression>
#include <algorithm>

namespace {

const QRegularExpression &fieldPattern()
{
    // The shortest run between the braces, so "{{姓}}{{名}}" is two fields.
    static const QRegularExpression pattern(QStringLiteral("\\{\\{(.+?)\\}\\}"));
    return pattern;
}

} // namespace

namespace MergeFields {

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
                   qsizetype room)
{
    QString filled;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch &match : fieldPattern().globalMatch(text)) {
        filled += QStringView(text).mid(copied, match.capturedStart() - copied);
        const QString column = match.captured(1);
        if (table.ColumnIndex(column) >= 0) {
            const QString value = table.Value(record, column);
            if (filled.size() + value.size() > room)
                throw VkError(QStringLiteral("差し込みデータのレコード %1 の列 %2 の値が長すぎます。"
                                             "差し込んだ文字列は %3 文字までです")
                                  .arg(record + 1)
                                  .arg(column)
                                  .arg(kMaxTextLength));
            filled += value;
        } else {
            filled += match.captured(0);
            if (missingColumns && !missingColumns->contains(column))
                missingColumns->append(column);
        }
        copied = match.capturedEnd();
    }
    filled += QStringView(text).mid(copied);
    return filled;
}

} // namespace

QString FillText(const QString &text, const MergeTable &table, int record, QStringList *missingColumns)
{
    return fillWithin(text, table, record, missingColumns, kMaxTextLength);
}

QStringList Fill(const QStringList &lines, const MergeTable &table, int record, QStringList *missingColumns)
{
    QStringList filled;
    qsizetype used = 0;
    for (const QString &line : lines) {
        // Values typed in a spreadsheet cell break lines with LF or CR LF.
        QString text =
            fillWithin(line, table, record, missingColumns, std::max<qsizetype>(0, kMaxTextLength - used));
        used += text.size() + 1;
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        filled += text.split(u'\n');
    }
    return filled;
}

} // namespace MergeFields
