#pragma once

#include "model/merge/MergeTable.h"

#include <QStringList>

// Fields in a card's text: {{column}} anywhere in a line stands for that column's value in the
// record being printed. The braces are plain ASCII, so a card document stores fields as typed.
namespace MergeFields {

// The field that stands for column, as it is typed into a text.
QString Field(const QString &column);

// The column names of the fields in lines, in order of first appearance.
QStringList FieldNames(const QStringList &lines);

// Whether any line holds a field; text without one is printed as it is.
bool HasFields(const QStringList &lines);

// The lines with every field replaced by the record's value; a value with line breaks gives lines
// of its own. A field whose column the table lacks stays as typed and its name is added to
// missingColumns (once).
QStringList Fill(const QStringList &lines, const MergeTable &table, int record,
                 QStringList *missingColumns = nullptr);

// The same for a single text, where line breaks in values stay in the text.
QString FillText(const QString &text, const MergeTable &table, int record,
                 QStringList *missingColumns = nullptr);

} // namespace MergeFields
