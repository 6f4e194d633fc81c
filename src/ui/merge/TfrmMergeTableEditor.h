#pragma once

#include "model/merge/MergeTable.h"

#include <QDialog>
#include <QStandardItemModel>
#include <functional>

class QLabel;
class QTableView;

// 差し込みデータの編集: the open merge table in a grid, whose records can be edited, added, deleted
// and sorted by a column, and saved back as CSV (see MergeTableCsv). The card shows the record of
// the row chosen, with the values as edited.
class TfrmMergeTableEditor : public QDialog {
    Q_OBJECT
public:
    TfrmMergeTableEditor(const QString &path, const MergeTable &table, QWidget *parent = nullptr);

    // The table as edited, in the grid's order.
    MergeTable Table() const;
    // The path last saved to; empty when nothing was saved.
    const QString &SavedPath() const { return savedPath_; }

    // The table as edited and the record of the row chosen, whenever either changes.
    std::function<void(const MergeTable &table, int record)> OnShown;

    void done(int result) override;

private:
    void addRecord();
    void deleteRecords();
    bool save();
    void showRecord(int row);

    QString path_;
    TableEncoding encoding_;
    QStandardItemModel model_;
    QTableView *grid_;
    QLabel *status_;
    QString savedPath_;
    bool changed_ = false;
};
