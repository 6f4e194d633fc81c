#include "ui/print/LibrarySheetListModel.h"

#include <algorithm>

LibrarySheetListModel::LibrarySheetListModel(const SheetLibrary &library, QObject *parent)
    : QAbstractListModel(parent), library_(library)
{
}

void LibrarySheetListModel::Search(const QString &text, const QString &maker, bool businessCardsOnly,
                                   const QStringList &recent)
{
    std::vector<int> found = library_.Search(text, maker, businessCardsOnly);
    if (!recent.isEmpty()) {
        // Each sheet's place among the recent ones, worked out once: names are made, not stored.
        std::vector<std::pair<int, int>> placed;
        placed.reserve(found.size());
        for (const int sheet : found) {
            const qsizetype place = recent.indexOf(LibrarySheetName(library_.Sheets()[std::size_t(sheet)]));
            placed.emplace_back(place < 0 ? int(recent.size()) : int(place), sheet);
        }
        std::stable_sort(placed.begin(), placed.end(),
                         [](const auto &a, const auto &b) { return a.first < b.first; });
        for (std::size_t i = 0; i < placed.size(); ++i)
            found[i] = placed[i].second;
    }
    beginResetModel();
    rows_ = std::move(found);
    endResetModel();
}

int LibrarySheetListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant LibrarySheetListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(rows_.size()))
        return {};
    const LibrarySheet &sheet = library_.Sheets()[std::size_t(rows_[std::size_t(index.row())])];
    switch (role) {
    case Qt::DisplayRole:
        return LibrarySheetName(sheet) + u'\n' +
               QStringList{CardSizeText(sheet.Layout), CardGridText(sheet.Layout), sheet.Paper}.join(u"  ");
    case Qt::ToolTipRole: return LibrarySheetName(sheet) + u'\n' + sheet.Source;
    case Qt::AccessibleTextRole: return LibrarySheetName(sheet);
    default: return {};
    }
}
