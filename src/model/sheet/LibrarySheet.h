#pragma once

#include "model/document/TCardDef.h"

#include <QSizeF>
#include <QString>
#include <vector>

// A card sheet a maker sells, from the sheets shipped with the program or from another program's
// sheet templates installed on the system. Its layout becomes an entry of the user's card sheet
// list the first time it is used.
struct LibrarySheet {
    QString Maker;
    QString Product; // the product number printed on the pack
    QString Description;
    QString Paper;      // the paper's name as the source gives it: "A4", "US-Letter"
    QSizeF PaperSizeMm; // empty when the source names a paper the program does not know
    TCardDef Layout{};  // named by LibrarySheetName, not shipped with the program (System 0)
    bool BusinessCard = false;
    QString Source;     // the file the sheet was read from
    QString SearchText; // folded once by LibrarySheetSearchText, so that a search compares only
};

// "Maker Product Description", the name the sheet takes in the card sheet list.
QString LibrarySheetName(const LibrarySheet &sheet);
// The card size and the arrangement of a layout as lists show them: "91×55mm" and "2×5".
QString CardSizeText(const TCardDef &layout);
QString CardGridText(const TCardDef &layout);

// Names the layout, marks business card sizes and folds the search text. A sheet is a business
// card sheet when its source says so or when its cards have a business card's size either way up.
void FinishLibrarySheet(LibrarySheet &sheet, bool saidBusinessCard);

// Text folded for searching: full-width letters and digits as ASCII, lower case, and "×", "x"
// and "*" between sizes alike, so that "91x55", "９１×５５" and "91×55" find the same sheets.
QString FoldSearchText(const QString &text);
// Whether every word of the folded query is part of the sheet's search text.
bool LibrarySheetMatches(const LibrarySheet &sheet, const QStringList &foldedWords);

// Whether the layout has sane sizes (cards of 1 to 1,000 mm, 1 to 99 columns and rows, margins
// and gaps from 0 to 1,000 mm) and, when the paper is known, whether its cards lie on the paper,
// upright or turned across.
bool LibrarySheetIsSound(const LibrarySheet &sheet);

// The position of the sheet in the user's card sheet list, appended (not shipped with the program)
// the first time it is used; an entry of the same name and layout is the sheet itself.
int UseLibrarySheet(std::vector<TCardDef> &list, const LibrarySheet &sheet);
