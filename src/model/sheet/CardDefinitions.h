#pragma once

#include "model/document/TCardDef.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

// The card sheet files: CardDef.Def, shipped with the program, and CardDef.lst, the user's working
// copy made from it the first time the sheets are needed. One sheet per CP932 line, ten fields.
using TCardDefList = std::vector<TCardDef>;

// CardDef.lst in the program's folder when it exists, otherwise CardDef.Def.
QString CardDefFileName();

// One line (CP932 bytes, without its line end) to a record and back. A line with fewer than ten
// fields keeps its name (possibly empty) and takes the default layout, 86 x 60.5 mm, 4 x 2 cards.
TCardDef ParseCardDef(QByteArrayView line);
QByteArray FormatCardDef(const TCardDef &cardDef);

// Releases the list passed in and reads a new one from CardDefFileName(), first copying
// CardDef.Def to CardDef.lst when only the former exists. The new list is in place before a read
// error is raised (VkError), so the caller always holds a list, possibly empty.
void LoadCardDefs(std::unique_ptr<TCardDefList> &list);
// Writes every record, CR LF after each, to CardDefFileName(); raises VkError when it cannot.
void SaveCardDefs(const TCardDefList &list);
void FreeCardDefs(std::unique_ptr<TCardDefList> &list);

// Same card size and sheet layout; the name and the System flag are not compared.
bool SameCardLayout(const TCardDef &a, const TCardDef &b);

// The name as text, up to its terminator or all 256 bytes.
QString CardDefName(const TCardDef &cardDef);
// The name's CP932 bytes, up to its terminator or all 256 bytes.
QByteArray CardDefNameBytes(const TCardDef &cardDef);
// Clears the name to zero bytes and stores the first 256 bytes of name.
void SetCardDefName(TCardDef &cardDef, QByteArrayView name);
