#pragma once

#include "model/sheet/SheetLibrary.h"

#include <QAbstractListModel>
#include <QStringList>
#include <vector>

// The sheets of the library that a search finds, as the paper setup lists them: the sheets used
// last first, then the others in the library's order; each line the sheet's name over its card
// size, arrangement and paper.
class LibrarySheetListModel : public QAbstractListModel {
    Q_OBJECT
public:
    explicit LibrarySheetListModel(const SheetLibrary &library, QObject *parent = nullptr);

    // Shows the sheets found by text, maker (any when empty) and kind, those named in recent first,
    // in that order.
    void Search(const QString &text, const QString &maker, bool businessCardsOnly, const QStringList &recent);
    // The library position of the sheet on a row.
    int SheetAt(int row) const { return rows_[std::size_t(row)]; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    const SheetLibrary &library_;
    std::vector<int> rows_;
};
