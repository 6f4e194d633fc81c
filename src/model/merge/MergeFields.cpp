#include "model/merge/MergeFields.h"

#include <QRegularExpression>

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

QString FillText(const QString &text, const MergeTable &table, int record, QStringList *missingColumns)
{
    QString filled;
    qsizetype copied = 0;
    for (const QRegularExpressionMatch &match : fieldPattern().globalMatch(text)) {
        filled += QStringView(text).mid(copied, match.capturedStart() - copied);
        const QString column = match.captured(1);
        if (table.ColumnIndex(column) >= 0) {
            filled += table.Value(record, column);
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

QStringList Fill(const QStringList &lines, const MergeTable &table, int record, QStringList *missingColumns)
{
    QStringList filled;
    for (const QString &line : lines) {
        // Values typed in a spreadsheet cell break lines with LF or CR LF.
        QString text = FillText(line, table, record, missingColumns);
        text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
        filled += text.split(u'\n');
    }
    return filled;
}

} // namespace MergeFields
