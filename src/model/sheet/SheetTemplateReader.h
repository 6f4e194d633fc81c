#pragma once

#include "model/sheet/SheetReadResult.h"

#include <QByteArrayView>
#include <QString>
#include <optional>

// Reads a file of sheet templates in the XML form that label programs on this system install
// (a Template per product: brand, part, paper, one rectangular label with its layout; an alias
// names another template of the brand in its "equiv"). Round and shaped labels and labels laid out
// in more than one block are left out; a template with missing or absurd numbers is counted as
// broken. A file that is not such XML, declares entities, or holds more than kMostSheetsInFile
// templates is refused whole. Entities are never expanded.
SheetReadResult ReadSheetTemplates(QByteArrayView bytes, const QString &source);

// A template length ("3.5in", "91mm", "2.5cm", "12pc", "255pt" or a plain number of points) in
// millimetres; nothing for anything else or a length beyond any paper.
std::optional<double> TemplateLengthMm(QStringView text);
