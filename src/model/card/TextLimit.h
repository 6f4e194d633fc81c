#pragma once

#include <QStringList>

// The longest text an object may hold or a merged value may make, in characters: far more than a
// card shows at any size, and short enough that setting it in a font never takes much memory.
inline constexpr qsizetype kMaxTextLength = 65536;

// The characters of lines with a line break between each two, as the object holds them.
inline qsizetype TextLength(const QStringList &lines)
{
    qsizetype length = lines.isEmpty() ? 0 : lines.size() - 1;
    for (const QString &line : lines)
        length += line.size();
    return length;
}
