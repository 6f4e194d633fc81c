#pragma once

#include "model/sheet/LibrarySheet.h"

#include <QString>
#include <QStringList>
#include <vector>

// Where the library's sheets come from, in the order they are preferred when two name the same
// maker and product number.
struct SheetLibrarySources {
    QString CardStockList{};       // the program's own list of card stock
    QStringList TemplateFolders{}; // folders of template files, the user's own first
    QStringList LabelsLists{};     // office suites' lists of labels
};

// The sources of an installed system: the program's CardStock.csv, the user's and the system's
// template folders, and the office suites' label lists, whichever exist.
SheetLibrarySources SystemSheetLibrarySources();

// The card sheets people buy, by maker and product number: read once from every source, each
// damaged or hostile file skipped with one line in the log naming it. The user's card sheet list
// is not part of it; a sheet taken from here is copied into that list when first used.
class SheetLibrary {
public:
    SheetLibrary() = default;
    static SheetLibrary Read(const SheetLibrarySources &sources);

    const std::vector<LibrarySheet> &Sheets() const { return sheets_; }
    // The makers, in the order their first sheet comes.
    QStringList Makers() const;
    // Positions of the sheets of maker (any when empty), business card sheets only when asked,
    // whose name, maker, product number, paper or size hold every word of text.
    std::vector<int> Search(const QString &text, const QString &maker, bool businessCardsOnly) const;
    // The sheets named name: by their full name, by maker and product number, or by product number
    // alone; several when a product number alone names products of several makers.
    std::vector<int> Named(const QString &name) const;

private:
    void add(std::vector<LibrarySheet> &&sheets);

    std::vector<LibrarySheet> sheets_;
};

// Far beyond every sheet ever sold, so that a flood of template files cannot fill the memory.
inline constexpr int kMostLibrarySheets = 50000;
