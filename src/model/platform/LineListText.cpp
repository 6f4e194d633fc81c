#include "model/platform/LineListText.h"

namespace {

bool isBlankOrControl(QChar c)
{
    return c.unicode() <= u' ';
}

// Only the blanks the reader skips count here: a full-width space is text like any other.
bool isLoneComma(QStringView rest)
{
    while (!rest.isEmpty() && isBlankOrControl(rest.back()))
        rest.chop(1);
    return rest == u",";
}

bool needsQuotes(const QString &line)
{
    for (const QChar c : line) {
        if (c == u'"' || c == u',' || isBlankOrControl(c))
            return true;
    }
    return false;
}

QString quoted(const QString &line)
{
    QString doubled = line;
    doubled.replace(u'"', QLatin1String("\"\""));
    return u'"' + doubled + u'"';
}

} // namespace

QString LineListToText(const QStringList &lines)
{
    if (lines.size() == 1 && lines.first().isEmpty())
        return QStringLiteral("\"\",");
    QStringList items;
    items.reserve(lines.size());
    for (const QString &line : lines)
        items << (needsQuotes(line) ? quoted(line) : line);
    return items.join(u',') + u',';
}

QStringList TextToLineList(const QString &text)
{
    QStringList lines;
    qsizetype i = 0;
    const qsizetype end = text.size();
    auto skipBlanks = [&] {
        while (i < end && isBlankOrControl(text[i]))
            ++i;
    };
    skipBlanks();
    // A lone comma is the empty list: the comma that ends every value adds no line.
    if (isLoneComma(QStringView(text).mid(i)))
        return lines;
    while (i < end) {
        QString item;
        if (text[i] == u'"') {
            ++i;
            while (i < end) {
                if (text[i] == u'"') {
                    if (i + 1 < end && text[i + 1] == u'"') {
                        item += u'"';
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                item += text[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < end && !isBlankOrControl(text[i]) && text[i] != u',')
                ++i;
            item = text.mid(start, i - start);
        }
        lines << item;
        skipBlanks();
        if (i < end && text[i] == u',') {
            ++i;
            skipBlanks();
        }
    }
    return lines;
}
