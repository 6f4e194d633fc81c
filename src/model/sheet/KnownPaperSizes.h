#pragma once

#include <QSizeF>
#include <QString>

// The size in millimetres of a paper named as sheet files name it ("A4", "B5", "US-Letter"), upright;
// empty for a name the program does not know.
QSizeF KnownPaperSizeMm(const QString &name);
