#pragma once

#include <QString>
#include <QStringList>

// A list of lines stored as one settings value: items joined by commas, an item quoted (with inner
// quotes doubled) when it holds a quote, a comma, a blank or a control character, and one comma
// appended so that the value never ends with a quote (the settings reader would strip it).
QString LineListToText(const QStringList &lines);

// Splits such a value back into its items. Blanks and control characters outside quotes separate
// items as commas do, so "10, 20" is two items; a trailing comma adds no item.
QStringList TextToLineList(const QString &text);
