#pragma once

#include "model/merge/MergeTable.h"

#include <QStringList>
#include <cstdint>
#include <optional>

// Fields in a card's text: {{column}} anywhere in a line stands for that column's value in the
// record being printed. The braces are plain ASCII, so a card document stores fields as typed.
// Numbering fields count instead: {{#}} is the record's number in the table (from 1), {{#:0001}} the
// same padded with zeros to the pattern's width, and {{連番:START}} the printed card's number,
// counted from START (1 when left out; padded with zeros when START is written with them). A column
// of the table with a numbering field's name is its value, as before numbering existed.
namespace MergeFields {

// Whether a field's name is one of the numbering fields.
bool IsNumbering(const QString &name);

// The START of the first card-counting field in lines ({{連番:START}}); none when they hold none.
std::optional<std::int64_t> FirstSerialStart(const QStringList &lines);

// Whether any line holds a card-counting field, whose value differs from card to card of one record.
bool HasSerial(const QStringList &lines);

// The field that stands for column, as it is typed into a text.
QString Field(const QString &column);

// The column names of the fields in lines, in order of first appearance.
QStringList FieldNames(const QStringList &lines);

// Whether any line holds a field; text without one is printed as it is.
bool HasFields(const QStringList &lines);

// The lines with every field replaced by the record's value; a value with line breaks gives lines
// of its own. A field whose column the table lacks stays as typed and its name is added to
// missingColumns (once). card counts the printed cards from 0, as {{連番}} numbers them.
QStringList Fill(const QStringList &lines, const MergeTable &table, int record,
                 QStringList *missingColumns = nullptr, std::int64_t card = 0);

// The same for a single text, where line breaks in values stay in the text.
QString FillText(const QString &text, const MergeTable &table, int record,
                 QStringList *missingColumns = nullptr, std::int64_t card = 0);

} // namespace MergeFields
