#pragma once

#include "model/sheet/SheetReadResult.h"

#include <QByteArrayView>
#include <QString>

// Reads the list of labels that office suites install (labels.xml): makers, each with labels named
// by product number and a measure "S;pitch across;pitch down;width;height;left;top;columns;rows
// [;paper width;paper height]" in hundredths of a millimetre. Continuous-feed labels ("C") are left
// out; an entry with missing or absurd numbers is broken. A file that is not such XML, declares
// entities, or holds more than kMostSheetsInFile labels is refused whole.
SheetReadResult ReadLabelsList(QByteArrayView bytes, const QString &source);
